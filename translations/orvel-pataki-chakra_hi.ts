<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>AboutBox</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 देखने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Birth places from GeoNames (www.geonames.org), licensed under CC BY 4.0. Clocks of the birth places from the tz database, release %1.</source>
        <translation>जन्म स्थान GeoNames (www.geonames.org) से, CC BY 4.0 लाइसेंस के अंतर्गत। जन्म स्थानों की घड़ियाँ समय-क्षेत्र डेटाबेस (tz) से, संस्करण %1।</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>श्रेय</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>This program is free software under the GPL-3.0-or-later. It uses the Swiss Ephemeris of Astrodienst AG (AGPL-3.0), a combination section 13 of the GPL-3.0 allows; its ephemeris files are CC0-1.0 (swe-basic-data).</source>
        <translation>यह प्रोग्राम GPL-3.0 या उसके बाद के संस्करण के अंतर्गत मुक्त सॉफ़्टवेयर है। इसमें Astrodienst AG की स्विस एफ़ेमेरिस (AGPL-3.0) प्रयुक्त है; GPL-3.0 की धारा 13 इस संयोजन की अनुमति देती है। इसकी एफ़ेमेरिस फ़ाइलें CC0-1.0 के अंतर्गत हैं।</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>लाइसेंस</translation>
    </message>
</context>
<context>
    <name>BirthDetails</name>
    <message>
        <source>&amp;Open Birth Details...</source>
        <translation>जन्म विवरण खोलें (&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save Birth Details...</source>
        <translation>जन्म विवरण सहेजें (&amp;S)...</translation>
    </message>
    <message>
        <source>Save Birth &amp;Details...</source>
        <translation>जन्म विवरण सहेजें (&amp;D)...</translation>
    </message>
    <message>
        <source>Open Birth Details</source>
        <translation>जन्म विवरण खोलें</translation>
    </message>
    <message>
        <source>%1 was saved with %2 for %3 at the birth time; the tz data in use (%4) gives %5. The form keeps the %6 of the file.</source>
        <translation>%1 में जन्म के समय के लिए %3 का अंतर %2 सहेजा गया था; अभी उपयोग में समय-क्षेत्र डेटा (tz %4) %5 देता है। फ़ॉर्म फ़ाइल के %6 को ही बनाए रखता है।</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>UTC से अंतर</translation>
    </message>
    <message>
        <source>zone and daylight saving</source>
        <translation>समय क्षेत्र और डेलाइट सेविंग</translation>
    </message>
    <message>
        <source>Birth details</source>
        <translation>जन्म विवरण</translation>
    </message>
    <message>
        <source>Save Birth Details</source>
        <translation>जन्म विवरण सहेजें</translation>
    </message>
    <message>
        <source>The %1 list has no entry &quot;%2&quot;.</source>
        <translation>%1 सूची में &quot;%2&quot; प्रविष्टि नहीं है।</translation>
    </message>
    <message>
        <source>The %1 list has no row %2.</source>
        <translation>%1 सूची में पंक्ति %2 नहीं है।</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>यह फ़ोल्डर है, फ़ाइल नहीं।</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>यह सामान्य फ़ाइल नहीं है।</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>फ़ाइल पढ़ी नहीं जा सकी (%1)।</translation>
    </message>
    <message>
        <source>The file is too large to hold birth details.</source>
        <translation>यह फ़ाइल जन्म विवरण की फ़ाइल होने के लिए बहुत बड़ी है।</translation>
    </message>
    <message>
        <source>The place&apos;s zone cannot be used: %1.</source>
        <translation>स्थान के समय क्षेत्र का उपयोग नहीं किया जा सकता: %1।</translation>
    </message>
</context>
<context>
    <name>BirthForm</name>
    <message>
        <source>The year of birth, %1, lies outside the years the built-in formulas read, %2 to %3. Keep the Swiss Ephemeris, or take the built-in formulas with the year %2?</source>
        <translation>जन्म वर्ष %1 उन वर्षों से बाहर है जिन्हें अंतर्निर्मित सूत्र पढ़ते हैं, %2 से %3 तक। स्विस एफ़ेमेरिस ही रखें, या वर्ष %2 के साथ अंतर्निर्मित सूत्र लें?</translation>
    </message>
    <message>
        <source>Keep the Swiss Ephemeris</source>
        <translation>स्विस एफ़ेमेरिस रखें</translation>
    </message>
    <message>
        <source>Take the built-in formulas with %1</source>
        <translation>वर्ष %1 के साथ अंतर्निर्मित सूत्र लें</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>देशांतर के अंश</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>देशांतर की कला</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>अक्षांश के अंश</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>अक्षांश की कला</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Get My Pataki Chakra Reading</source>
        <translation>मेरा पताकी चक्र फलादेश देखें</translation>
    </message>
    <message>
        <source>Join our astrology discussion forum at %1</source>
        <translation>हमारे ज्योतिष चर्चा फ़ोरम से जुड़ें: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर जाएँ (&amp;X)</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>व्यक्तिगत विवरण</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>जन्म का महीना</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>जन्म की तारीख़</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>जन्म का वर्ष</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म दिनांक</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>जन्म का घंटा</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>जन्म का मिनट</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>जन्म का सेकंड</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>घं:मि:से</translation>
    </message>
    <message>
        <source>Place Details</source>
        <translation>स्थान विवरण</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Click for Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश व देशांतर खोजें</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>कला</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Lahiri</source>
        <translation>लाहिड़ी</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>रमन</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>कृष्णमूर्ति</translation>
    </message>
    <message>
        <source>True Chitrapaksha</source>
        <translation>स्पष्ट चित्रापक्ष</translation>
    </message>
    <message>
        <source>Built-in formulas</source>
        <translation>अंतर्निर्मित सूत्र</translation>
    </message>
    <message>
        <source>Swiss Ephemeris, %1, %2, sunrise: %3</source>
        <translation>स्विस एफ़ेमेरिस, %1, %2, सूर्योदय: %3</translation>
    </message>
    <message>
        <source>mean node</source>
        <translation>मध्यम राहु</translation>
    </message>
    <message>
        <source>true node</source>
        <translation>स्पष्ट राहु</translation>
    </message>
    <message>
        <source>upper limb, refracted</source>
        <translation>सूर्य बिंब का ऊपरी किनारा, अपवर्तन सहित</translation>
    </message>
    <message>
        <source>centre of the disc, unrefracted</source>
        <translation>बिंब का केंद्र, अपवर्तन रहित</translation>
    </message>
    <message>
        <source>Positions from the program&apos;s own formulas</source>
        <translation>ग्रह स्थिति प्रोग्राम के अपने सूत्रों से</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris files</source>
        <translation>ग्रह स्थिति स्विस एफ़ेमेरिस फ़ाइलों से</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris&apos;s analytical ephemeris (its files could not be used)</source>
        <translation>ग्रह स्थिति स्विस एफ़ेमेरिस की सूत्र-आधारित एफ़ेमेरिस से (इसकी फ़ाइलों का उपयोग नहीं हो सका)</translation>
    </message>
</context>
<context>
    <name>CalculationMenu</name>
    <message>
        <source>&amp;Built-in formulas</source>
        <translation>अंतर्निर्मित सूत्र (&amp;B)</translation>
    </message>
    <message>
        <source>The program&apos;s own formulas for the years 1901 to 2050, as it has always computed</source>
        <translation>वर्ष 1901 से 2050 तक के लिए प्रोग्राम के अपने सूत्र, जिनसे यह सदा से गणना करता आया है</translation>
    </message>
    <message>
        <source>&amp;Swiss Ephemeris</source>
        <translation>स्विस एफ़ेमेरिस (&amp;S)</translation>
    </message>
    <message>
        <source>The reference ephemeris of astrologers, for the years 1800 to 2399</source>
        <translation>ज्योतिषियों की मानक एफ़ेमेरिस, वर्ष 1800 से 2399 तक के लिए</translation>
    </message>
    <message>
        <source>&amp;Lahiri</source>
        <translation>लाहिड़ी (&amp;L)</translation>
    </message>
    <message>
        <source>The ayanamsa of the Indian national calendar (Chitrapaksha)</source>
        <translation>भारतीय राष्ट्रीय पंचांग का अयनांश (चित्रापक्ष)</translation>
    </message>
    <message>
        <source>&amp;Raman</source>
        <translation>रमन (&amp;R)</translation>
    </message>
    <message>
        <source>B. V. Raman&apos;s ayanamsa, about 1.5 degrees less than Lahiri</source>
        <translation>बी. वी. रमन का अयनांश, लाहिड़ी से लगभग 1.5 अंश कम</translation>
    </message>
    <message>
        <source>&amp;Krishnamurti</source>
        <translation>कृष्णमूर्ति (&amp;K)</translation>
    </message>
    <message>
        <source>The ayanamsa of the Krishnamurti Paddhati (KP)</source>
        <translation>कृष्णमूर्ति पद्धति (के.पी.) का अयनांश</translation>
    </message>
    <message>
        <source>&amp;True Chitrapaksha</source>
        <translation>स्पष्ट चित्रापक्ष (&amp;T)</translation>
    </message>
    <message>
        <source>The star Spica (Chitra) kept at exactly 180 degrees</source>
        <translation>चित्रा तारा ठीक 180 अंश पर रखकर</translation>
    </message>
    <message>
        <source>&amp;Mean node</source>
        <translation>मध्यम राहु (औसत गति) (&amp;M)</translation>
    </message>
    <message>
        <source>Rahu at the node&apos;s average place, moving evenly backwards</source>
        <translation>पात के औसत स्थान पर राहु, जो एक समान गति से पीछे चलता है</translation>
    </message>
    <message>
        <source>&amp;True node</source>
        <translation>स्पष्ट राहु (वास्तविक स्थिति) (&amp;T)</translation>
    </message>
    <message>
        <source>Rahu at the node&apos;s true place, which wobbles about the mean</source>
        <translation>पात के वास्तविक स्थान पर राहु, जो औसत स्थान के आसपास डोलता रहता है</translation>
    </message>
    <message>
        <source>&amp;Upper limb, refracted</source>
        <translation>सूर्य बिंब का ऊपरी किनारा, अपवर्तन सहित (&amp;U)</translation>
    </message>
    <message>
        <source>The Sun&apos;s upper edge on the horizon, with the air&apos;s refraction (standard almanacs)</source>
        <translation>क्षितिज पर सूर्य बिंब का ऊपरी किनारा, वायुमंडल के अपवर्तन सहित (मानक पंचांग)</translation>
    </message>
    <message>
        <source>&amp;Centre of the disc, unrefracted</source>
        <translation>बिंब का केंद्र, अपवर्तन रहित (&amp;C)</translation>
    </message>
    <message>
        <source>The centre of the Sun on the horizon, without refraction (the Hindu rule of several almanacs)</source>
        <translation>क्षितिज पर सूर्य बिंब का केंद्र, अपवर्तन रहित (कई पंचांगों की भारतीय रीति)</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation>गणना (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa</source>
        <translation>अयनांश (&amp;A)</translation>
    </message>
    <message>
        <source>Lunar &amp;node</source>
        <translation>चंद्र पात (राहु) (&amp;N)</translation>
    </message>
    <message>
        <source>S&amp;unrise</source>
        <translation>सूर्योदय (&amp;U)</translation>
    </message>
    <message>
        <source>A choice of the Swiss Ephemeris</source>
        <translation>स्विस एफ़ेमेरिस का विकल्प</translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>Born %1</source>
        <translation>जन्म: %1</translation>
    </message>
</context>
<context>
    <name>ClockStatus</name>
    <message>
        <source> minutes ahead</source>
        <translation> मिनट आगे</translation>
    </message>
    <message>
        <source>, the clock before the change, </source>
        <translation>, बदलाव से पहले की घड़ी, </translation>
    </message>
    <message>
        <source>City entered by hand</source>
        <translation>शहर स्वयं भरा गया</translation>
    </message>
    <message>
        <source>Clear them</source>
        <translation>इन्हें हटाएँ</translation>
    </message>
    <message>
        <source>Keep them</source>
        <translation>इन्हें रखें</translation>
    </message>
    <message>
        <source>The place was changed elsewhere</source>
        <translation>स्थान कहीं और से बदला गया</translation>
    </message>
    <message>
        <source>ahead of standard time all year</source>
        <translation>पूरे वर्ष मानक समय से आगे</translation>
    </message>
    <message>
        <source>ahead of standard time</source>
        <translation>मानक समय से आगे</translation>
    </message>
    <message>
        <source>double summer time</source>
        <translation>दोहरा ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <source>local mean time</source>
        <translation>स्थानीय मध्यम समय</translation>
    </message>
    <message>
        <source>set back from the usual clock</source>
        <translation>सामान्य घड़ी से पीछे किया गया समय</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>मानक समय</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <source>war time, kept all year</source>
        <translation>युद्धकालीन समय, पूरे वर्ष लागू</translation>
    </message>
    <message>
        <source>war time</source>
        <translation>युद्धकालीन समय</translation>
    </message>
    <message>
        <source>winter time</source>
        <translation>शीतकालीन समय</translation>
    </message>
    <message>
        <source>State entered by hand</source>
        <translation>राज्य स्वयं भरा गया</translation>
    </message>
    <message>
        <source>Country entered by hand</source>
        <translation>देश स्वयं भरा गया</translation>
    </message>
    <message>
        <source>Longitude entered by hand</source>
        <translation>देशांतर स्वयं भरा गया</translation>
    </message>
    <message>
        <source>Latitude entered by hand</source>
        <translation>अक्षांश स्वयं भरा गया</translation>
    </message>
    <message>
        <source>Daylight saving set by hand</source>
        <translation>डेलाइट सेविंग स्वयं चुना गया</translation>
    </message>
    <message>
        <source>Longitude set by hand</source>
        <translation>देशांतर स्वयं चुना गया</translation>
    </message>
    <message>
        <source>Latitude set by hand</source>
        <translation>अक्षांश स्वयं चुना गया</translation>
    </message>
    <message>
        <source>Time zone chosen by hand</source>
        <translation>समय क्षेत्र स्वयं चुना गया</translation>
    </message>
    <message>
        <source>Type the city of birth to choose it from the offline atlas: its coordinates, zone and daylight saving then follow from the birth date and time.</source>
        <translation>जन्म का शहर टाइप करें और उसे ऑफ़लाइन स्थान-सूची से चुनें: उसके निर्देशांक, समय क्षेत्र और डेलाइट सेविंग फिर जन्म दिनांक और समय से अपने-आप तय हो जाएँगे।</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>a date: day, month, year</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <extracomment>place, date, time: why no clock could be read</extracomment>
        <translation>%1, %2 %3: %4</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4; tz database %5, %6</source>
        <extracomment>place, date, time: the clock; tz data version, zone id</extracomment>
        <translation>%1, %2 %3: %4; समय-क्षेत्र डेटाबेस (tz) %5, %6</translation>
    </message>
    <message>
        <source>%1, %2 %3: this time did not exist there: clocks went from %4 to %5; most likely it means %6 (%7); tz database %8, %9</source>
        <translation>%1, %2 %3: उस दिन वहाँ यह समय घड़ियों में आया ही नहीं, क्योंकि घड़ियाँ %4 से सीधे %5 पर कर दी गईं; संभवतः इसका अर्थ %6 (%7) है; समय-क्षेत्र डेटाबेस (tz) %8, %9</translation>
    </message>
    <message>
        <source>%1, %2 %3: this day did not exist there: the clocks went from the end of %4 straight to %5; most likely it means %6 (%7); tz database %8, %9</source>
        <extracomment>place, date, time: a day the clocks skipped whole; the days before and after it, the date and time it most likely means, the new offset; tz data version, zone id</extracomment>
        <translation>%1, %2 %3: वहाँ यह पूरा दिन घड़ियों में आया ही नहीं, क्योंकि घड़ियाँ %4 की समाप्ति से सीधे %5 पर कर दी गईं; संभवतः इसका अर्थ %6 (%7) है; समय-क्षेत्र डेटाबेस (tz) %8, %9</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>a date and a time</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2 %3: this time happened twice there, as clocks went back from %4 to %5; taken as the first, %6; tz database %7, %8</source>
        <translation>%1, %2 %3: उस दिन वहाँ यह समय दो बार आया, क्योंकि घड़ियाँ %4 से वापस %5 पर की गईं; इनमें से पहला समय माना गया: %6; समय-क्षेत्र डेटाबेस (tz) %7, %8</translation>
    </message>
    <message>
        <source>%1, %2 %3: this time happened twice there, as clocks went back from %4 to %5; taken as the second, %6; tz database %7, %8</source>
        <translation>%1, %2 %3: उस दिन वहाँ यह समय दो बार आया, क्योंकि घड़ियाँ %4 से वापस %5 पर की गईं; इनमें से दूसरा समय माना गया: %6; समय-क्षेत्र डेटाबेस (tz) %7, %8</translation>
    </message>
    <message>
        <source>clocks were %1 (%2)</source>
        <extracomment>offset, the clock&apos;s name</extracomment>
        <translation>घड़ियाँ %1 पर थीं (%2)</translation>
    </message>
    <message>
        <source>no common clock yet: local mean time of %1, %2</source>
        <extracomment>place, offset</extracomment>
        <translation>तब तक कोई मानक समय लागू नहीं था: %1 का स्थानीय मध्यम समय, %2</translation>
    </message>
    <message>
        <source>%1 clock, %2</source>
        <extracomment>place, offset: the zone list&apos;s entry for a clock none of its rows shows</extracomment>
        <translation>%1 का समय, %2</translation>
    </message>
    <message>
        <source>Howrah time, %1</source>
        <extracomment>offset: the zone list&apos;s entry for the mean time of a city the tz database names</extracomment>
        <translation>हावड़ा समय, %1</translation>
    </message>
    <message>
        <source>Madras time, %1</source>
        <extracomment>offset</extracomment>
        <translation>मद्रास समय, %1</translation>
    </message>
    <message>
        <source>Moratuwa time, %1</source>
        <extracomment>offset</extracomment>
        <translation>मोरटुवा समय, %1</translation>
    </message>
    <message>
        <source>Rangoon time, %1</source>
        <extracomment>offset</extracomment>
        <translation>रंगून समय, %1</translation>
    </message>
    <message>
        <source>local mean time of %1, %2</source>
        <extracomment>place, offset: the zone list&apos;s entry for a place&apos;s own mean time</extracomment>
        <translation>%1 का स्थानीय मध्यम समय, %2</translation>
    </message>
    <message>
        <source>summer time, %1 minutes ahead</source>
        <translation>ग्रीष्मकालीन समय, %1 मिनट आगे</translation>
    </message>
    <message>
        <source>no clock history for this zone</source>
        <translation>इस समय क्षेत्र की घड़ियों का इतिहास उपलब्ध नहीं है</translation>
    </message>
    <message>
        <source>the date lies outside 1800-2399</source>
        <translation>यह दिनांक 1800-2399 के बाहर है</translation>
    </message>
    <message>
        <source>the longitude lies outside -180..180 degrees</source>
        <translation>देशांतर -180..180 अंश के बाहर है</translation>
    </message>
    <message>
        <source>%1: the birth date is not a date of the calendar; the clock is left as it is.</source>
        <translation>%1: यह जन्म दिनांक कैलेंडर में है ही नहीं; घड़ी जैसी थी वैसी ही छोड़ दी गई है।</translation>
    </message>
    <message>
        <source>%1; read as %2 as you answered</source>
        <extracomment>the status sentence, the time on the new clock</extracomment>
        <translation>%1; आपके उत्तर के अनुसार %2 माना गया</translation>
    </message>
    <message>
        <source>%1: the atlas no longer sets the clock; pick the city again to let it.</source>
        <extracomment>what was done by hand</extracomment>
        <translation>%1: अब स्थान-सूची घड़ी तय नहीं करती; इसके लिए शहर फिर से चुनें।</translation>
    </message>
    <message>
        <source>City changed by hand: the state, country, coordinates and clock are still those of %1; the reading will ask whether to keep them.</source>
        <translation>शहर स्वयं बदला गया: राज्य, देश, निर्देशांक और घड़ी अभी भी %1 के हैं; फलादेश से पहले पूछा जाएगा कि इन्हें रखना है या नहीं।</translation>
    </message>
    <message>
        <source>Enter the state, country, coordinates and time zone of %1, or pick it from the atlas.</source>
        <translation>%1 का राज्य, देश, निर्देशांक और समय क्षेत्र भरें, या उसे स्थान-सूची से चुनें।</translation>
    </message>
    <message>
        <source>In %1 on %2 the clocks jumped from %3 to %4, so %5 did not exist there. Most likely it means %6 on the new clock (%7), the moment the clock before the change (%8) would have shown as %5. The birth time stays as you typed it.</source>
        <extracomment>city, date, clock times before and after the jump, the birth time, the time it most likely means, new offset, old offset</extracomment>
        <translation>%2 को %1 में घड़ियाँ %3 से सीधे %4 पर कर दी गईं, इसलिए वहाँ %5 बजा ही नहीं। संभवतः इसका अर्थ नई घड़ी (%7) का %6 है, यानी वह क्षण जिसे बदलाव से पहले की घड़ी (%8) %5 दिखाती। जन्म समय वैसा ही रहेगा जैसा आपने भरा है।</translation>
    </message>
    <message>
        <source>In %1 the whole of %2 did not exist: the clocks went from the end of %3 straight to %4. Most likely it means %5 %6 on the new clock (%7). The birth time stays as you typed it.</source>
        <extracomment>city, the day skipped whole, the days before and after it, the date and time it most likely means, new offset</extracomment>
        <translation>%1 में %2 का पूरा दिन घड़ियों में आया ही नहीं: घड़ियाँ %3 की समाप्ति से सीधे %4 पर कर दी गईं। संभवतः इसका अर्थ नई घड़ी (%7) के अनुसार %5 को %6 है। जन्म समय वैसा ही रहेगा जैसा आपने भरा है।</translation>
    </message>
    <message>
        <source>Take %1 %2</source>
        <extracomment>time, offset</extracomment>
        <translation>%1 %2 मानें</translation>
    </message>
    <message>
        <source>In %1, %2 on %3 happened twice: the clocks went back from %4 to %5. Which of the two was the birth?</source>
        <extracomment>city, time, date, offsets before and after</extracomment>
        <translation>%3 को %1 में %2 दो बार आया: घड़ियाँ %4 से वापस %5 पर की गईं। जन्म इन दोनों में से किस समय हुआ?</translation>
    </message>
    <message>
        <source>The first (%1, still summer time)</source>
        <extracomment>offset and zone</extracomment>
        <translation>पहला (%1, तब भी ग्रीष्मकालीन समय)</translation>
    </message>
    <message>
        <source>The first (%1)</source>
        <extracomment>offset and zone</extracomment>
        <translation>पहला (%1)</translation>
    </message>
    <message>
        <source>The second (%1)</source>
        <extracomment>offset and zone</extracomment>
        <translation>दूसरा (%1)</translation>
    </message>
    <message>
        <source>The City reads &quot;%1&quot;, but the state, country, coordinates and clock are those of %2. Keep them for %1?</source>
        <extracomment>the City typed, the place picked</extracomment>
        <translation>शहर में &quot;%1&quot; लिखा है, लेकिन राज्य, देश, निर्देशांक और घड़ी %2 के हैं। क्या इन्हें %1 के लिए रखें?</translation>
    </message>
    <message>
        <source>The City reads &quot;%1&quot;, but the state, country, coordinates and clock are those of %2. Take %3 from the atlas, or keep them for %1?</source>
        <extracomment>the City typed, the place picked, the atlas&apos;s place the City names</extracomment>
        <translation>शहर में &quot;%1&quot; लिखा है, लेकिन राज्य, देश, निर्देशांक और घड़ी %2 के हैं। स्थान-सूची से %3 लें, या इन्हें %1 के लिए रखें?</translation>
    </message>
    <message>
        <source>Take %1 from the atlas</source>
        <extracomment>the atlas&apos;s place the City names</extracomment>
        <translation>स्थान-सूची से %1 लें</translation>
    </message>
    <message>
        <source>The clock was read from the file</source>
        <translation>घड़ी फ़ाइल से पढ़ी गई</translation>
    </message>
</context>
<context>
    <name>Dasha</name>
    <message>
        <source>Balance of %1&apos;s mahadasha at birth: %2 years %3 months %4 days</source>
        <translation>जन्म के समय शेष %1 की महादशा: %2 वर्ष %3 माह %4 दिन</translation>
    </message>
    <message>
        <source>Years of %1 days</source>
        <translation>वर्ष मान: %1 दिन</translation>
    </message>
    <message>
        <source>before birth</source>
        <translation>जन्म से पूर्व</translation>
    </message>
</context>
<context>
    <name>DashaTab</name>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Nakshatra and pada of each body</source>
        <translation>प्रत्येक ग्रह और लग्न का नक्षत्र और चरण</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>चरण</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Vimshottari mahadashas and their antardashas</source>
        <translation>विंशोत्तरी महादशाएँ और उनकी अंतर्दशाएँ</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>दशा</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>अंत</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>आरंभ के समय आयु</translation>
    </message>
    <message>
        <source>Balance at birth</source>
        <translation>जन्म के समय शेष दशा</translation>
    </message>
    <message>
        <source>Dasha year length</source>
        <translation>दशा का वर्ष मान</translation>
    </message>
    <message>
        <source>Nakshatra and dasha</source>
        <translation>नक्षत्र और दशा</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>गणना</translation>
    </message>
    <message>
        <source>Nakshatra &amp;&amp; Dasha</source>
        <translation>नक्षत्र और दशा</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>फ़ाइल &quot;%1&quot; सहेजी नहीं जा सकी: %2</translation>
    </message>
    <message>
        <source>not all of it could be written.</source>
        <translation>पूरी फ़ाइल लिखी नहीं जा सकी।</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>यह सामान्य फ़ाइल नहीं है।</translation>
    </message>
    <message>
        <source>it is the file being read.</source>
        <translation>यह वही फ़ाइल है जो पढ़ी जा रही है।</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर का नया संस्करण देखें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर परिचय (&amp;A)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>भाषा</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाम भरें।</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तारीख़ या महीना चुनें।</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तारीख़ या महीना चुनें।</translation>
    </message>
    <message>
        <source>Please Select Time Zone</source>
        <translation>कृपया समय क्षेत्र चुनें।</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>केवल अंक स्वीकार्य हैं।</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>कृपया केवल अक्षर भरें।</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश में 0 से 179 तक का मान भरें।</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>कृपया देशांतर की कला में 0 से 59 तक का मान भरें।</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश में 0 से 89 तक का मान भरें।</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>कृपया अक्षांश की कला में 0 से 59 तक का मान भरें।</translation>
    </message>
    <message>
        <source>The Swiss Ephemeris file sepl_18.se1 is damaged or cannot be read. Reinstall the package swe-basic-data, or choose the built-in formulas in the Calculation menu.</source>
        <translation>स्विस एफ़ेमेरिस की फ़ाइल sepl_18.se1 खराब है या पढ़ी नहीं जा सकती। पैकेज swe-basic-data फिर से इंस्टॉल करें, या गणना मेनू में अंतर्निर्मित सूत्र चुनें।</translation>
    </message>
    <message>
        <source>The Swiss Ephemeris file semo_18.se1 is damaged or cannot be read. Reinstall the package swe-basic-data, or choose the built-in formulas in the Calculation menu.</source>
        <translation>स्विस एफ़ेमेरिस की फ़ाइल semo_18.se1 खराब है या पढ़ी नहीं जा सकती। पैकेज swe-basic-data फिर से इंस्टॉल करें, या गणना मेनू में अंतर्निर्मित सूत्र चुनें।</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर भरें।</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य भरें।</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश भरें।</translation>
    </message>
    <message>
        <source>%1… (%2 letters)</source>
        <extracomment>the first letters of a long text, and its length in letters</extracomment>
        <translation>%1… (कुल %2 अक्षर)</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>अक्टूबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>दिसंबर</translation>
    </message>
</context>
<context>
    <name>Nakshatras</name>
    <message>
        <source>Ashwini</source>
        <translation>अश्विनी</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>भरणी</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>कृत्तिका</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>रोहिणी</translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <translation>मृगशिरा</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>आर्द्रा</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>पुनर्वसु</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>पुष्य</translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <translation>आश्लेषा</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>मघा</translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <translation>पूर्वा फाल्गुनी</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>उत्तरा फाल्गुनी</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>हस्त</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>चित्रा</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>स्वाति</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>विशाखा</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>अनुराधा</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>ज्येष्ठा</translation>
    </message>
    <message>
        <source>Mula</source>
        <translation>मूल</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>पूर्वाषाढ़ा</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>उत्तराषाढ़ा</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>श्रवण</translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <translation>धनिष्ठा</translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <translation>शतभिषा</translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <translation>पूर्वा भाद्रपद</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>उत्तरा भाद्रपद</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>रेवती</translation>
    </message>
</context>
<context>
    <name>Panchanga</name>
    <message>
        <source>Rashi</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>होरा</translation>
    </message>
    <message>
        <source>Drekkana</source>
        <translation>द्रेष्काण</translation>
    </message>
    <message>
        <source>Chaturthamsha</source>
        <translation>चतुर्थांश</translation>
    </message>
    <message>
        <source>Saptamsha</source>
        <translation>सप्तांश</translation>
    </message>
    <message>
        <source>Navamsha</source>
        <translation>नवांश</translation>
    </message>
    <message>
        <source>Dashamsha</source>
        <translation>दशांश</translation>
    </message>
    <message>
        <source>Dwadashamsha</source>
        <translation>द्वादशांश</translation>
    </message>
    <message>
        <source>Shodashamsha</source>
        <translation>षोडशांश</translation>
    </message>
    <message>
        <source>Vimshamsha</source>
        <translation>विंशांश</translation>
    </message>
    <message>
        <source>Chaturvimshamsha</source>
        <translation>चतुर्विंशांश</translation>
    </message>
    <message>
        <source>Saptavimshamsha</source>
        <translation>सप्तविंशांश</translation>
    </message>
    <message>
        <source>Trimshamsha</source>
        <translation>त्रिंशांश</translation>
    </message>
    <message>
        <source>Khavedamsha</source>
        <translation>खवेदांश</translation>
    </message>
    <message>
        <source>Akshavedamsha</source>
        <translation>अक्षवेदांश</translation>
    </message>
    <message>
        <source>Shashtyamsha</source>
        <translation>षष्ट्यंश</translation>
    </message>
    <message>
        <source>Pratipada</source>
        <translation>प्रतिपदा</translation>
    </message>
    <message>
        <source>Dwitiya</source>
        <translation>द्वितीया</translation>
    </message>
    <message>
        <source>Tritiya</source>
        <translation>तृतीया</translation>
    </message>
    <message>
        <source>Chaturthi</source>
        <translation>चतुर्थी</translation>
    </message>
    <message>
        <source>Panchami</source>
        <translation>पंचमी</translation>
    </message>
    <message>
        <source>Shashthi</source>
        <translation>षष्ठी</translation>
    </message>
    <message>
        <source>Saptami</source>
        <translation>सप्तमी</translation>
    </message>
    <message>
        <source>Ashtami</source>
        <translation>अष्टमी</translation>
    </message>
    <message>
        <source>Navami</source>
        <translation>नवमी</translation>
    </message>
    <message>
        <source>Dashami</source>
        <translation>दशमी</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>एकादशी</translation>
    </message>
    <message>
        <source>Dwadashi</source>
        <translation>द्वादशी</translation>
    </message>
    <message>
        <source>Trayodashi</source>
        <translation>त्रयोदशी</translation>
    </message>
    <message>
        <source>Chaturdashi</source>
        <translation>चतुर्दशी</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>पूर्णिमा</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>अमावस्या</translation>
    </message>
    <message>
        <source>Shukla</source>
        <translation>शुक्ल</translation>
    </message>
    <message>
        <source>Krishna</source>
        <translation>कृष्ण</translation>
    </message>
    <message>
        <source>Vishkambha</source>
        <comment>yoga</comment>
        <translation>विष्कुंभ</translation>
    </message>
    <message>
        <source>Priti</source>
        <comment>yoga</comment>
        <translation>प्रीति</translation>
    </message>
    <message>
        <source>Ayushman</source>
        <comment>yoga</comment>
        <translation>आयुष्मान</translation>
    </message>
    <message>
        <source>Saubhagya</source>
        <comment>yoga</comment>
        <translation>सौभाग्य</translation>
    </message>
    <message>
        <source>Shobhana</source>
        <comment>yoga</comment>
        <translation>शोभन</translation>
    </message>
    <message>
        <source>Atiganda</source>
        <comment>yoga</comment>
        <translation>अतिगंड</translation>
    </message>
    <message>
        <source>Sukarma</source>
        <comment>yoga</comment>
        <translation>सुकर्मा</translation>
    </message>
    <message>
        <source>Dhriti</source>
        <comment>yoga</comment>
        <translation>धृति</translation>
    </message>
    <message>
        <source>Shula</source>
        <comment>yoga</comment>
        <translation>शूल</translation>
    </message>
    <message>
        <source>Ganda</source>
        <comment>yoga</comment>
        <translation>गंड</translation>
    </message>
    <message>
        <source>Vriddhi</source>
        <comment>yoga</comment>
        <translation>वृद्धि</translation>
    </message>
    <message>
        <source>Dhruva</source>
        <comment>yoga</comment>
        <translation>ध्रुव</translation>
    </message>
    <message>
        <source>Vyaghata</source>
        <comment>yoga</comment>
        <translation>व्याघात</translation>
    </message>
    <message>
        <source>Harshana</source>
        <comment>yoga</comment>
        <translation>हर्षण</translation>
    </message>
    <message>
        <source>Vajra</source>
        <comment>yoga</comment>
        <translation>वज्र</translation>
    </message>
    <message>
        <source>Siddhi</source>
        <comment>yoga</comment>
        <translation>सिद्धि</translation>
    </message>
    <message>
        <source>Vyatipata</source>
        <comment>yoga</comment>
        <translation>व्यतीपात</translation>
    </message>
    <message>
        <source>Variyan</source>
        <comment>yoga</comment>
        <translation>वरीयान</translation>
    </message>
    <message>
        <source>Parigha</source>
        <comment>yoga</comment>
        <translation>परिघ</translation>
    </message>
    <message>
        <source>Shiva</source>
        <comment>yoga</comment>
        <translation>शिव</translation>
    </message>
    <message>
        <source>Siddha</source>
        <comment>yoga</comment>
        <translation>सिद्ध</translation>
    </message>
    <message>
        <source>Sadhya</source>
        <comment>yoga</comment>
        <translation>साध्य</translation>
    </message>
    <message>
        <source>Shubha</source>
        <comment>yoga</comment>
        <translation>शुभ</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>yoga</comment>
        <translation>शुक्ल</translation>
    </message>
    <message>
        <source>Brahma</source>
        <comment>yoga</comment>
        <translation>ब्रह्म</translation>
    </message>
    <message>
        <source>Indra</source>
        <comment>yoga</comment>
        <translation>इंद्र</translation>
    </message>
    <message>
        <source>Vaidhriti</source>
        <comment>yoga</comment>
        <translation>वैधृति</translation>
    </message>
    <message>
        <source>Kimstughna</source>
        <translation>किंस्तुघ्न</translation>
    </message>
    <message>
        <source>Bava</source>
        <translation>बव</translation>
    </message>
    <message>
        <source>Balava</source>
        <translation>बालव</translation>
    </message>
    <message>
        <source>Kaulava</source>
        <translation>कौलव</translation>
    </message>
    <message>
        <source>Taitila</source>
        <translation>तैतिल</translation>
    </message>
    <message>
        <source>Gara</source>
        <translation>गर</translation>
    </message>
    <message>
        <source>Vanija</source>
        <translation>वणिज</translation>
    </message>
    <message>
        <source>Vishti</source>
        <translation>विष्टि</translation>
    </message>
    <message>
        <source>Shakuni</source>
        <translation>शकुनि</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <translation>चतुष्पद</translation>
    </message>
    <message>
        <source>Naga</source>
        <translation>नाग</translation>
    </message>
</context>
<context>
    <name>PlacePicker</name>
    <message>
        <source>Place and clock status</source>
        <translation>स्थान और घड़ी की स्थिति</translation>
    </message>
    <message>
        <source>The offline atlas could not be read (%1); enter the place, its coordinates and zone by hand.</source>
        <translation>ऑफ़लाइन स्थान-सूची पढ़ी नहीं जा सकी (%1); स्थान, उसके निर्देशांक और समय क्षेत्र स्वयं भरें।</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing is not available: the printing module %1 could not be loaded (%2).</source>
        <translation>प्रिंट करना उपलब्ध नहीं है: प्रिंटिंग मॉड्यूल %1 लोड नहीं हो सका (%2)।</translation>
    </message>
    <message>
        <source>it is not this program&apos;s printing module</source>
        <translation>यह इस प्रोग्राम का प्रिंटिंग मॉड्यूल नहीं है</translation>
    </message>
    <message>
        <source>Printing is not available: the printing module %1 was not found in %2.</source>
        <translation>प्रिंट करना उपलब्ध नहीं है: प्रिंटिंग मॉड्यूल %1, %2 में नहीं मिला।</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>प्रिंट पूर्वावलोकन</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Orvel Pataki Chakra generates the Pataki Chakra of your natal chart based on Vedic Astrology principles. The Pataki Chakra or Tri Pataki Chakra means a flag of three in Sanskrit. It gives you information about your ill health and the planetary influences on the Moon.</source>
        <translation>Orvel Pataki Chakra वैदिक ज्योतिष के सिद्धांतों के आधार पर आपकी जन्म कुंडली का पताकी चक्र बनाता है। संस्कृत में पताकी चक्र या त्रिपताकी चक्र का अर्थ है तीन पताकाओं वाला ध्वज। इससे आपको अपने स्वास्थ्य संबंधी कष्टों और चंद्र पर ग्रहों के प्रभाव की जानकारी मिलती है।</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>सभी सहेजें</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>सभी के लिए हाँ (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>सभी के लिए नहीं (&amp;O)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>अनदेखा करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>छोड़ें</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>मूल सेटिंग लौटाएँ</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>न सहेजें</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>सहेजे बिना बंद करें</translation>
    </message>
</context>
<context>
    <name>ReadingCommands</name>
    <message>
        <source>Export PDF</source>
        <translation>PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>Save Chart Image</source>
        <translation>कुंडली का चित्र सहेजें</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG चित्र (*.png)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>प्रिंट करें (&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF के रूप में सहेजें (&amp;E)...</translation>
    </message>
    <message>
        <source>Save &amp;Chart Image...</source>
        <translation>कुंडली का चित्र सहेजें (&amp;C)...</translation>
    </message>
</context>
<context>
    <name>ReadingPage</name>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 घं %2 मि</translation>
    </message>
    <message>
        <source>no zone selected</source>
        <translation>कोई समय क्षेत्र नहीं चुना गया</translation>
    </message>
    <message>
        <source>Pataki Chakra</source>
        <translation>पताकी चक्र</translation>
    </message>
    <message>
        <source>the place&apos;s own clock · %1 used</source>
        <translation>स्थान की अपनी घड़ी · %1 प्रयुक्त</translation>
    </message>
    <message>
        <source>%1 · daylight saving %2 · %3 used</source>
        <translation>%1 · डेलाइट सेविंग %2 · %3 प्रयुक्त</translation>
    </message>
    <message>
        <source>on</source>
        <translation>चालू</translation>
    </message>
    <message>
        <source>off</source>
        <translation>बंद</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>जन्म</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Shaded: the Lagna&apos;s sign and its vedha signs.  (R): retrograde.</source>
        <translation>छायांकित: लग्न की राशि और उसकी वेध राशियाँ।  (व): वक्री।</translation>
    </message>
    <message>
        <source>Lagna (Asc)</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>सूर्योदय</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>सूर्यास्त</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>काल</translation>
    </message>
    <message>
        <source>Yamardha</source>
        <translation>यामार्ध</translation>
    </message>
    <message>
        <source>Yamardhapati</source>
        <translation>यामार्धपति</translation>
    </message>
    <message>
        <source>Dandadhipati</source>
        <translation>दण्डाधिपति</translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Planetary positions</source>
        <translation>ग्रह स्थिति</translation>
    </message>
    <message>
        <source>Pataki Chakra details</source>
        <translation>पताकी चक्र विवरण</translation>
    </message>
    <message>
        <source>Nakshatra and Vimshottari dasha</source>
        <translation>नक्षत्र और विंशोत्तरी दशा</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <comment>the dasha&apos;s balance at birth; the year</comment>
        <translation>%1। %2।</translation>
    </message>
    <message>
        <source>Calculation: %1. %2.</source>
        <translation>गणना: %1। %2।</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>चरण</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Mahadasha</source>
        <translation>महादशा</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>अंत</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>आरंभ के समय आयु</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>छपाई: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>पृष्ठ %1 / %2</translation>
    </message>
    <message>
        <source>Divisional charts (vargas)</source>
        <translation>षोडश वर्ग</translation>
    </message>
    <message>
        <source>*: vargottama, the same sign in D1 and D9.</source>
        <translation>*: वर्गोत्तम, लग्न कुंडली (D1) और नवांश (D9) में एक ही राशि।</translation>
    </message>
    <message>
        <source>Born before the sunrise of the date: the Hindu day, and its weekday, began at the previous sunrise.</source>
        <translation>जन्म उस तिथि के सूर्योदय से पहले हुआ: हिंदू दिन और उसका वार पिछले सूर्योदय से आरंभ हुए।</translation>
    </message>
    <message>
        <source>The Sun did not rise on the date of birth: the weekday is the calendar&apos;s.</source>
        <translation>जन्म की तिथि को सूर्योदय नहीं हुआ: वार कैलेंडर की तिथि का है।</translation>
    </message>
    <message>
        <source>Panchanga of the birth</source>
        <translation>जन्म पंचांग</translation>
    </message>
    <message>
        <source>The panchanga could not be computed with this calculation.</source>
        <translation>इस गणना से पंचांग नहीं निकाला जा सका।</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>अंग</translation>
    </message>
    <message>
        <source>At birth</source>
        <translation>जन्म के समय</translation>
    </message>
    <message>
        <source>Began</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>समाप्ति</translation>
    </message>
    <message>
        <source>Vara</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>%1, its lord %2</source>
        <translation>%1, स्वामी %2</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथि</translation>
    </message>
    <message>
        <source>%1, %2 paksha</source>
        <translation>%1, %2 पक्ष</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>योग</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>करण</translation>
    </message>
</context>
<context>
    <name>ReadingText</name>
    <message>
        <source>Dandadhipati Is Placed In The %1</source>
        <comment>Lagna</comment>
        <translation>दण्डाधिपति %1 में स्थित है</translation>
    </message>
    <message>
        <source>Dandadhipati Is Placed In The %1</source>
        <comment>Rashi</comment>
        <translation>दण्डाधिपति %1 में स्थित है</translation>
    </message>
    <message>
        <source>Dandadhipati Is Not Placed In The %1</source>
        <comment>Lagna</comment>
        <translation>दण्डाधिपति %1 में स्थित नहीं है</translation>
    </message>
    <message>
        <source>Dandadhipati Is Not Placed In The %1</source>
        <comment>Rashi</comment>
        <translation>दण्डाधिपति %1 में स्थित नहीं है</translation>
    </message>
    <message>
        <source>Cause Vedha To The %1</source>
        <comment>Lagna</comment>
        <translation>%1 पर वेध है</translation>
    </message>
    <message>
        <source>Cause Vedha To The %1</source>
        <comment>Rashi</comment>
        <translation>%1 पर वेध है</translation>
    </message>
    <message numerus="yes">
        <source>Vedha to %1 from %n Malefic Planet</source>
        <comment>Lagna</comment>
        <translation>
            <numerusform>%n पाप ग्रह से %1 पर वेध</numerusform>
            <numerusform>%n पाप ग्रहों से %1 पर वेध</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Vedha to %1 from %n Malefic Planet</source>
        <comment>Rashi</comment>
        <translation>
            <numerusform>%n पाप ग्रह से %1 पर वेध</numerusform>
            <numerusform>%n पाप ग्रहों से %1 पर वेध</numerusform>
        </translation>
    </message>
    <message>
        <source>Vedha to %1 from Benefic and Malefic Planets</source>
        <comment>Lagna</comment>
        <translation>शुभ और पाप ग्रहों से %1 पर वेध</translation>
    </message>
    <message>
        <source>Vedha to %1 from Benefic and Malefic Planets</source>
        <comment>Rashi</comment>
        <translation>शुभ और पाप ग्रहों से %1 पर वेध</translation>
    </message>
    <message>
        <source>Lagna</source>
        <comment>target</comment>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Rashi</source>
        <comment>target</comment>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Sun</comment>
        <translation>%1 का वेध :- %2</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Mercury</comment>
        <translation>%1 का वेध :- %2</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Venus</comment>
        <translation>%1 का वेध :- %2</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Mars</comment>
        <translation>%1 का वेध :- %2</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Jupiter</comment>
        <translation>%1 का वेध :- %2</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Saturn</comment>
        <translation>%1 का वेध :- %2</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Rahu</comment>
        <translation>%1 का वेध :- %2</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Ketu</comment>
        <translation>%1 का वेध :- %2</translation>
    </message>
    <message>
        <source>Bile related problems; fever; mental tensions</source>
        <translation>पित्त विकार; ज्वर; मानसिक तनाव</translation>
    </message>
    <message>
        <source>Blood disorders; accidents; fights; short temper</source>
        <translation>रक्त विकार; दुर्घटनाएँ; झगड़े; क्रोध</translation>
    </message>
    <message>
        <source>Intelligence; Wealth; Education</source>
        <translation>बुद्धि; धन; शिक्षा</translation>
    </message>
    <message>
        <source>Elevation of status; mental peace; child birth; prosperity</source>
        <translation>पद-प्रतिष्ठा में वृद्धि; मानसिक शांति; संतान प्राप्ति; समृद्धि</translation>
    </message>
    <message>
        <source>Income; wealth; sensual pleasures</source>
        <translation>आय; धन; भोग-विलास</translation>
    </message>
    <message>
        <source>Physical ailments; loss of stature; problems</source>
        <translation>शारीरिक रोग; प्रतिष्ठा में कमी; समस्याएँ</translation>
    </message>
    <message>
        <source>Loss of honor; loss of wealth; phobias</source>
        <translation>मान-हानि; धन-हानि; अकारण भय</translation>
    </message>
    <message>
        <source>Ill health; poor digestion; depression</source>
        <translation>अस्वस्थता; अपच; अवसाद</translation>
    </message>
    <message>
        <source>More About Vedha and Dandadhipati</source>
        <translation>वेध और दण्डाधिपति: विस्तार से</translation>
    </message>
    <message>
        <source>Vedha of Lagna is related to intelligence issues</source>
        <translation>लग्न पर वेध का संबंध बुद्धि से जुड़े विषयों से है।</translation>
    </message>
    <message>
        <source>Vedha of moon is related to health related issues.</source>
        <translation>चंद्र पर वेध का संबंध स्वास्थ्य से जुड़े विषयों से है।</translation>
    </message>
    <message>
        <source>You may face a lot of troubles and tensions in areas associated with the planet</source>
        <translation>ग्रह से जुड़े विषयों में आपको अनेक कष्टों और तनावों का सामना करना पड़ सकता है।</translation>
    </message>
    <message>
        <source>You may have desirable results in areas associated with the planet</source>
        <translation>ग्रह से जुड़े विषयों में आपको शुभ फल मिल सकते हैं।</translation>
    </message>
    <message>
        <source>You may face many problems and obstacles.</source>
        <translation>आपको अनेक समस्याओं और बाधाओं का सामना करना पड़ सकता है।</translation>
    </message>
    <message>
        <source>You may face come physical ailments</source>
        <translation>आपको कुछ शारीरिक कष्ट हो सकते हैं।</translation>
    </message>
    <message>
        <source>You will face extreme problems.</source>
        <translation>आपको अत्यधिक कष्टों का सामना करना पड़ेगा।</translation>
    </message>
    <message>
        <source>You may have desirable results in areas associated with the benefic planet and you may face a lot of troubles and tensions in areas associated with the malefic planet </source>
        <translation>शुभ ग्रह से जुड़े विषयों में आपको शुभ फल मिल सकते हैं, और पाप ग्रह से जुड़े विषयों में आपको अनेक कष्टों और तनावों का सामना करना पड़ सकता है।</translation>
    </message>
</context>
<context>
    <name>ResultFrame</name>
    <message>
        <source>Orvel Pataki Chakra Chart</source>
        <translation>Orvel Pataki Chakra कुंडली</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर जाएँ (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Hora</source>
        <translation>कुंडली</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation>वैदिक ग्रह स्थिति</translation>
    </message>
    <message>
        <source>Surya/Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Chandra/Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Budha/Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Shukra/Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mangala/Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Guru/Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Shani/Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Rahu/North Node</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Ketu/South node</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>Asc/Lagna</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>व्यक्तिगत विवरण</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth :</source>
        <translation>जन्म दिनांक :</translation>
    </message>
    <message>
        <source>Time of Birth :</source>
        <translation>जन्म समय :</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>देशांतर :</translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translation>अक्षांश :</translation>
    </message>
    <message>
        <source>City :</source>
        <translation>शहर :</translation>
    </message>
    <message>
        <source>State :</source>
        <translation>राज्य :</translation>
    </message>
    <message>
        <source>Country :</source>
        <translation>देश :</translation>
    </message>
    <message>
        <source>Clock :</source>
        <translation>घड़ी :</translation>
    </message>
    <message>
        <source>Clock used</source>
        <translation>प्रयुक्त घड़ी</translation>
    </message>
    <message>
        <source>Planetary Position</source>
        <translation>ग्रह स्थिति</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>आपका विवरण</translation>
    </message>
    <message>
        <source>Pataki Chakra Details</source>
        <translation>पताकी चक्र विवरण</translation>
    </message>
    <message>
        <source>Vaar/Day of Birth</source>
        <translation>जन्म का वार</translation>
    </message>
    <message>
        <source>Sun Rise</source>
        <translation>सूर्योदय</translation>
    </message>
    <message>
        <source>Sun Set</source>
        <translation>सूर्यास्त</translation>
    </message>
    <message>
        <source>Yamaradha</source>
        <translation>यामार्ध</translation>
    </message>
    <message>
        <source>Yamardhapati</source>
        <translation>यामार्धपति</translation>
    </message>
    <message>
        <source>Dandadhipati</source>
        <translation>दण्डाधिपति</translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Reading text</source>
        <translation>फलादेश का पाठ</translation>
    </message>
    <message>
        <source>Pataki Details</source>
        <translation>पताकी विवरण</translation>
    </message>
    <message>
        <source> More About Vedha</source>
        <translation> वेध: विस्तार से</translation>
    </message>
    <message>
        <source>Discuss your chart in our astrology forum</source>
        <translation>अपनी कुंडली पर हमारे ज्योतिष फ़ोरम में चर्चा करें</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>No web browser could be started for this page. To visit it, copy its address into a browser:

%1</source>
        <translation>इस पृष्ठ के लिए कोई वेब ब्राउज़र नहीं खुल सका। इसे देखने के लिए इसका पता किसी ब्राउज़र में कॉपी करें:

%1</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Sunday</source>
        <translation>रविवार</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>सोमवार</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>मंगलवार</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>बुधवार</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>गुरुवार</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>शुक्रवार</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>शनिवार</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Mesha</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Kataka</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Simha</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Kanya</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Thula</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Vrishchika</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Dhanush</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Makara</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <translation>कुंभ</translation>
    </message>
    <message>
        <source>Meena</source>
        <translation>मीन</translation>
    </message>
    <message>
        <source>Dinamana</source>
        <translation>दिनमान</translation>
    </message>
    <message>
        <source>Ratrimana</source>
        <translation>रात्रिमान</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>position: degrees, sign, minutes</comment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1/%2/%3</source>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>%1 (the Sun did not set this day)</source>
        <translation>%1 (इस दिन सूर्यास्त नहीं हुआ)</translation>
    </message>
    <message>
        <source>%1 (the Sun did not rise this day)</source>
        <translation>%1 (इस दिन सूर्योदय नहीं हुआ)</translation>
    </message>
    <message>
        <source>%1° %2&apos; N</source>
        <translation>%1° %2&apos; उ</translation>
    </message>
    <message>
        <source>%1° %2&apos; S</source>
        <translation>%1° %2&apos; द</translation>
    </message>
    <message>
        <source>%1° %2&apos; E</source>
        <translation>%1° %2&apos; पू</translation>
    </message>
    <message>
        <source>%1° %2&apos; W</source>
        <translation>%1° %2&apos; प</translation>
    </message>
    <message>
        <source>(R)</source>
        <translation>(व)</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>कुंभ</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>मीन</translation>
    </message>
</context>
<context>
    <name>SignsShort</name>
    <message>
        <source>Ari</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>वृष</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>कुंभ</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>मीन</translation>
    </message>
</context>
<context>
    <name>SingleCopy</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है।</translation>
    </message>
    <message>
        <source>The running copy has a dialog open: &quot;%1&quot; will be opened once it is closed.</source>
        <translation>चल रहे प्रोग्राम में एक संवाद खुला है: &quot;%1&quot; उसके बंद होते ही खोली जाएगी।</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not opened: the running copy did not answer.</source>
        <translation>&quot;%1&quot; नहीं खोली गई: चल रहे प्रोग्राम ने कोई उत्तर नहीं दिया।</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not opened: the running copy has too many files waiting. Try again once it has opened them.</source>
        <translation>&quot;%1&quot; नहीं खोली गई: चल रहे प्रोग्राम में बहुत-सी फ़ाइलें खुलने की प्रतीक्षा में हैं। उनके खुल जाने के बाद फिर से प्रयास करें।</translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>अलास्का/हवाई डेलाइट समय,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>अलास्का/हवाई मानक समय,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>अलास्का/हवाई युद्धकालीन समय,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>अटलांटिक मानक समय,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>अटलांटिक युद्धकालीन समय,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ऑस्ट्रेलियाई मध्य डेलाइट समय,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ऑस्ट्रेलियाई मध्य मानक समय,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ऑस्ट्रेलियाई पूर्वी डेलाइट समय,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ऑस्ट्रेलियाई पूर्वी मानक समय,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी डेलाइट समय,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी मानक समय,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>अज़ोरेस समय, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>बग़दाद समय, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>बेरिंग मानक समय,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ब्राज़ील क्षेत्र 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ब्रिटिश दोहरा ग्रीष्मकालीन समय,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ब्रिटिश ग्रीष्मकालीन समय,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ब्रिटिश युद्धकालीन समय,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>मध्य डेलाइट समय,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>मध्य यूरोपीय डेलाइट समय,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>मध्य यूरोपीय समय,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>मध्य मानक समय,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>मध्य युद्धकालीन समय,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>चीन तट समय,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>पूर्वी डेलाइट समय,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>पूर्वी यूरोपीय डेलाइट समय,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>पूर्वी यूरोपीय समय,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>पूर्वी मानक समय,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>पूर्वी युद्धकालीन समय,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ग्रीनविच मध्यम समय,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>गुआम मानक समय,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>हवाई डेलाइट समय,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>हवाई मानक समय,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>हवाई युद्धकालीन समय,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>भारतीय समय, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पूर्व,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पश्चिम,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ईरान समय, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>जापान मानक समय,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>जावा समय, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>मध्य यूरोपीय डेलाइट समय,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>मध्य यूरोपीय समय,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>मोलुक्का समय, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>पर्वतीय डेलाइट समय,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>पर्वतीय मानक समय,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>पर्वतीय युद्धकालीन समय,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>न्यूज़ीलैंड मानक ग्रीष्मकालीन समय,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>न्यूज़ीलैंड मानक समय,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>न्यूज़ीलैंड ग्रीष्मकालीन समय,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>न्यूज़ीलैंड समय,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>न्यूफ़ाउंडलैंड मानक समय,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>नोम समय, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>उत्तर सुमात्रा समय,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>प्रशांत डेलाइट समय,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>प्रशांत मानक समय,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>प्रशांत युद्धकालीन समय,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट समय,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट समय,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>दक्षिण सुमात्रा समय,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>सार्वभौमिक समय, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>सोवियत क्षेत्र 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>सोवियत क्षेत्र 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>सोवियत क्षेत्र 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>सोवियत क्षेत्र 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>सोवियत क्षेत्र 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>पश्चिम अफ़्रीका समय,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>युकॉन डेलाइट समय,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>युकॉन मानक समय,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>युकॉन युद्धकालीन समय,YWT,-8.0</translation>
    </message>
</context>
</TS>
