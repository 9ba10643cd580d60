<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta">
<context>
    <name>AboutBox</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 தளத்தைப் பார்க்க இங்கே கிளிக் செய்யவும்</translation>
    </message>
    <message>
        <source>Birth places from GeoNames (www.geonames.org), licensed under CC BY 4.0. Clocks of the birth places from the tz database, release %1.</source>
        <translation>பிறந்த இடங்கள்: GeoNames (www.geonames.org), CC BY 4.0 உரிமத்தின் கீழ். பிறந்த இடங்களின் கடிகாரங்கள்: நேர மண்டலத் தரவுத்தளம் (tz), வெளியீடு %1.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>நன்றி</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>This program is free software under the GPL-3.0-or-later. It uses the Swiss Ephemeris of Astrodienst AG (AGPL-3.0), a combination section 13 of the GPL-3.0 allows; its ephemeris files are CC0-1.0 (swe-basic-data).</source>
        <translation>இந்த மென்பொருள் GPL-3.0 அல்லது அதற்குப் பிந்தைய பதிப்பின் கீழ் கட்டற்றது. இது Astrodienst AG நிறுவனத்தின் ஸ்விஸ் எஃபெமெரிஸை (AGPL-3.0) பயன்படுத்துகிறது; இந்த இணைப்பை GPL-3.0 இன் பிரிவு 13 அனுமதிக்கிறது. அதன் எஃபெமெரிஸ் கோப்புகள் CC0-1.0 உரிமத்தில் உள்ளன.</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>உரிமம்</translation>
    </message>
</context>
<context>
    <name>BirthDetails</name>
    <message>
        <source>&amp;Open Birth Details...</source>
        <translation>பிறப்பு விவரங்களைத் திற (&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save Birth Details...</source>
        <translation>பிறப்பு விவரங்களைச் சேமி (&amp;S)...</translation>
    </message>
    <message>
        <source>Save Birth &amp;Details...</source>
        <translation>பிறப்பு விவரங்களைச் சேமி (&amp;D)...</translation>
    </message>
    <message>
        <source>Open Birth Details</source>
        <translation>பிறப்பு விவரங்களைத் திற</translation>
    </message>
    <message>
        <source>%1 was saved with %2 for %3 at the birth time; the tz data in use (%4) gives %5. The form keeps the %6 of the file.</source>
        <translation>%1 கோப்பில், பிறந்த நேரத்தில் %3 நேர மண்டலத்தின் நேர வேறுபாடு %2 எனச் சேமிக்கப்பட்டுள்ளது; இப்போதைய நேர மண்டலத் தரவு (%4) தருவது %5. படிவம் கோப்பில் உள்ள %6 வைத்துக்கொள்கிறது.</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>நேர வேறுபாட்டை</translation>
    </message>
    <message>
        <source>zone and daylight saving</source>
        <translation>நேர மண்டலத்தையும் பகலொளி சேமிப்பையும்</translation>
    </message>
    <message>
        <source>Birth details</source>
        <translation>பிறப்பு விவரங்கள்</translation>
    </message>
    <message>
        <source>Save Birth Details</source>
        <translation>பிறப்பு விவரங்களைச் சேமி</translation>
    </message>
    <message>
        <source>The %1 list has no entry &quot;%2&quot;.</source>
        <translation>%1 பட்டியலில் &quot;%2&quot; என்ற உருப்படி இல்லை.</translation>
    </message>
    <message>
        <source>The %1 list has no row %2.</source>
        <translation>%1 பட்டியலில் %2 என்ற வரிசை இல்லை.</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>இது கோப்புறை, கோப்பு அல்ல.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>இது வழக்கமான கோப்பு அல்ல.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>கோப்பைப் படிக்க முடியவில்லை (%1).</translation>
    </message>
    <message>
        <source>The file is too large to hold birth details.</source>
        <translation>இந்தக் கோப்பு பிறப்பு விவரக் கோப்பாக இருக்க முடியாத அளவுக்குப் பெரியது.</translation>
    </message>
    <message>
        <source>The place&apos;s zone cannot be used: %1.</source>
        <translation>இடத்தின் நேர மண்டலத்தைப் பயன்படுத்த முடியாது: %1.</translation>
    </message>
</context>
<context>
    <name>BirthForm</name>
    <message>
        <source>The year of birth, %1, lies outside the years the built-in formulas read, %2 to %3. Keep the Swiss Ephemeris, or take the built-in formulas with the year %2?</source>
        <translation>பிறந்த ஆண்டு %1, உள்ளமைந்த சூத்திரங்கள் படிக்கும் ஆண்டுகளுக்கு (%2 முதல் %3 வரை) வெளியே உள்ளது. ஸ்விஸ் எஃபெமெரிஸையே வைத்துக்கொள்ளவா, அல்லது %2 ஆண்டுடன் உள்ளமைந்த சூத்திரங்களை எடுக்கவா?</translation>
    </message>
    <message>
        <source>Keep the Swiss Ephemeris</source>
        <translation>ஸ்விஸ் எஃபெமெரிஸை வைத்துக்கொள்</translation>
    </message>
    <message>
        <source>Take the built-in formulas with %1</source>
        <translation>%1 ஆண்டுடன் உள்ளமைந்த சூத்திரங்களை எடு</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>தீர்க்கரேகை பாகை</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>தீர்க்கரேகை கலை</translation>
    </message>
    <message>
        <source>East</source>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>அட்சரேகை பாகை</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>அட்சரேகை கலை</translation>
    </message>
    <message>
        <source>North</source>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>Get My Pataki Chakra Reading</source>
        <translation>என் பதாகி சக்கரப் பலனைக் காட்டு</translation>
    </message>
    <message>
        <source>Join our astrology discussion forum at %1</source>
        <translation>எங்கள் ஜோதிடக் கலந்துரையாடல் மன்றத்தில் இணையுங்கள்: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு (&amp;X)</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>தனிப்பட்ட விவரங்கள்</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>பிறந்த மாதம்</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>பிறந்த தேதியின் நாள்</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>பிறந்த ஆண்டு</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>பிறந்த மணி</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>பிறந்த நிமிடம்</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>பிறந்த வினாடி</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>பிறந்த நேரம்</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>மணி:நிமி:வினா</translation>
    </message>
    <message>
        <source>Place Details</source>
        <translation>இட விவரங்கள்</translation>
    </message>
    <message>
        <source>City</source>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>Click for Latitude &amp;&amp; Longitude</source>
        <translation>அட்ச, தீர்க்க ரேகைகளைத் தேடு</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>பாகை</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>கலை</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Lahiri</source>
        <translation>லாஹிரி</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>ராமன்</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>கிருஷ்ணமூர்த்தி</translation>
    </message>
    <message>
        <source>True Chitrapaksha</source>
        <translation>ஸ்புட சித்ரா பக்ஷம்</translation>
    </message>
    <message>
        <source>Built-in formulas</source>
        <translation>உள்ளமைந்த சூத்திரங்கள்</translation>
    </message>
    <message>
        <source>Swiss Ephemeris, %1, %2, sunrise: %3</source>
        <translation>ஸ்விஸ் எஃபெமெரிஸ், %1, %2, சூரிய உதயம்: %3</translation>
    </message>
    <message>
        <source>mean node</source>
        <translation>மத்திம ராகு</translation>
    </message>
    <message>
        <source>true node</source>
        <translation>ஸ்புட ராகு</translation>
    </message>
    <message>
        <source>upper limb, refracted</source>
        <translation>சூரிய பிம்பத்தின் மேல் விளிம்பு, ஒளிவிலகலுடன்</translation>
    </message>
    <message>
        <source>centre of the disc, unrefracted</source>
        <translation>பிம்பத்தின் மையம், ஒளிவிலகல் இன்றி (பஞ்சாங்க முறை)</translation>
    </message>
    <message>
        <source>Positions from the program&apos;s own formulas</source>
        <translation>கிரக நிலைகள்: மென்பொருளின் உள்ளமைந்த சூத்திரங்கள்</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris files</source>
        <translation>கிரக நிலைகள்: ஸ்விஸ் எஃபெமெரிஸ் கோப்புகள்</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris&apos;s analytical ephemeris (its files could not be used)</source>
        <translation>கிரக நிலைகள்: ஸ்விஸ் எஃபெமெரிஸின் சூத்திர அடிப்படை எஃபெமெரிஸ் (அதன் கோப்புகளைப் பயன்படுத்த முடியவில்லை)</translation>
    </message>
</context>
<context>
    <name>CalculationMenu</name>
    <message>
        <source>&amp;Built-in formulas</source>
        <translation>உள்ளமைந்த சூத்திரங்கள் (&amp;B)</translation>
    </message>
    <message>
        <source>The program&apos;s own formulas for the years 1901 to 2050, as it has always computed</source>
        <translation>1901 முதல் 2050 வரையிலான ஆண்டுகளுக்கு, இந்த மென்பொருள் எப்போதும் கணித்து வந்த அதன் சொந்தச் சூத்திரங்கள்</translation>
    </message>
    <message>
        <source>&amp;Swiss Ephemeris</source>
        <translation>ஸ்விஸ் எஃபெமெரிஸ் (&amp;S)</translation>
    </message>
    <message>
        <source>The reference ephemeris of astrologers, for the years 1800 to 2399</source>
        <translation>1800 முதல் 2399 வரையிலான ஆண்டுகளுக்கு, ஜோதிடர்கள் அடிப்படையாகக் கொள்ளும் எஃபெமெரிஸ்</translation>
    </message>
    <message>
        <source>&amp;Lahiri</source>
        <translation>லாஹிரி (&amp;L)</translation>
    </message>
    <message>
        <source>The ayanamsa of the Indian national calendar (Chitrapaksha)</source>
        <translation>இந்தியத் தேசிய நாட்காட்டியின் அயனாம்சம் (சித்ரா பக்ஷம்)</translation>
    </message>
    <message>
        <source>&amp;Raman</source>
        <translation>ராமன் (&amp;R)</translation>
    </message>
    <message>
        <source>B. V. Raman&apos;s ayanamsa, about 1.5 degrees less than Lahiri</source>
        <translation>பி. வி. ராமனின் அயனாம்சம், லாஹிரியை விடச் சுமார் 1.5 பாகை குறைவு</translation>
    </message>
    <message>
        <source>&amp;Krishnamurti</source>
        <translation>கிருஷ்ணமூர்த்தி (&amp;K)</translation>
    </message>
    <message>
        <source>The ayanamsa of the Krishnamurti Paddhati (KP)</source>
        <translation>கிருஷ்ணமூர்த்தி பத்ததியின் (கே.பி.) அயனாம்சம்</translation>
    </message>
    <message>
        <source>&amp;True Chitrapaksha</source>
        <translation>ஸ்புட சித்ரா பக்ஷம் (&amp;T)</translation>
    </message>
    <message>
        <source>The star Spica (Chitra) kept at exactly 180 degrees</source>
        <translation>சித்திரை நட்சத்திரம் சரியாக 180 பாகையில் வைக்கப்படும் அயனாம்சம்</translation>
    </message>
    <message>
        <source>&amp;Mean node</source>
        <translation>மத்திம ராகு (சராசரி இயக்கம்) (&amp;M)</translation>
    </message>
    <message>
        <source>Rahu at the node&apos;s average place, moving evenly backwards</source>
        <translation>ராகு அதன் சராசரி நிலையில், சீராகப் பின்னோக்கி நகர்வதாக</translation>
    </message>
    <message>
        <source>&amp;True node</source>
        <translation>ஸ்புட ராகு (உண்மை நிலை) (&amp;T)</translation>
    </message>
    <message>
        <source>Rahu at the node&apos;s true place, which wobbles about the mean</source>
        <translation>ராகு அதன் உண்மை நிலையில், சராசரி நிலையைச் சுற்றி முன்னும் பின்னும் அசைவதாக</translation>
    </message>
    <message>
        <source>&amp;Upper limb, refracted</source>
        <translation>சூரிய பிம்பத்தின் மேல் விளிம்பு, ஒளிவிலகலுடன் (&amp;U)</translation>
    </message>
    <message>
        <source>The Sun&apos;s upper edge on the horizon, with the air&apos;s refraction (standard almanacs)</source>
        <translation>அடிவானத்தில் சூரிய பிம்பத்தின் மேல் விளிம்பு, காற்றின் ஒளிவிலகலுடன் (வழக்கமான பஞ்சாங்கங்கள்)</translation>
    </message>
    <message>
        <source>&amp;Centre of the disc, unrefracted</source>
        <translation>பிம்பத்தின் மையம், ஒளிவிலகல் இன்றி (&amp;C)</translation>
    </message>
    <message>
        <source>The centre of the Sun on the horizon, without refraction (the Hindu rule of several almanacs)</source>
        <translation>அடிவானத்தில் சூரிய பிம்பத்தின் மையம், ஒளிவிலகல் இன்றி (பல பஞ்சாங்கங்கள் பின்பற்றும் இந்திய முறை)</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation>கணிப்பு (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa</source>
        <translation>அயனாம்சம் (&amp;A)</translation>
    </message>
    <message>
        <source>Lunar &amp;node</source>
        <translation>ராகு-கேது (&amp;N)</translation>
    </message>
    <message>
        <source>S&amp;unrise</source>
        <translation>சூரிய உதயம் (&amp;U)</translation>
    </message>
    <message>
        <source>A choice of the Swiss Ephemeris</source>
        <translation>ஸ்விஸ் எஃபெமெரிஸுக்கான தேர்வு</translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>Born %1</source>
        <translation>பிறப்பு: %1</translation>
    </message>
</context>
<context>
    <name>ClockStatus</name>
    <message>
        <source> minutes ahead</source>
        <translation> நிமிடம் முன்னே</translation>
    </message>
    <message>
        <source>, the clock before the change, </source>
        <translation>, மாற்றத்துக்கு முந்தைய கடிகாரம், </translation>
    </message>
    <message>
        <source>City entered by hand</source>
        <translation>நகரம் கைமுறையாக உள்ளிடப்பட்டது</translation>
    </message>
    <message>
        <source>Clear them</source>
        <translation>அழி</translation>
    </message>
    <message>
        <source>Keep them</source>
        <translation>வைத்துக்கொள்</translation>
    </message>
    <message>
        <source>The place was changed elsewhere</source>
        <translation>இடம் வேறு வழியில் மாற்றப்பட்டது</translation>
    </message>
    <message>
        <source>ahead of standard time all year</source>
        <translation>ஆண்டு முழுவதும் சீர் நேரத்தை விட முன்னே</translation>
    </message>
    <message>
        <source>ahead of standard time</source>
        <translation>சீர் நேரத்தை விட முன்னே</translation>
    </message>
    <message>
        <source>double summer time</source>
        <translation>இரட்டைக் கோடைக்கால நேரம்</translation>
    </message>
    <message>
        <source>local mean time</source>
        <translation>உள்ளூர் சராசரி நேரம்</translation>
    </message>
    <message>
        <source>set back from the usual clock</source>
        <translation>வழக்கமான கடிகாரத்திலிருந்து பின்னே நகர்த்தப்பட்டது</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>சீர் நேரம்</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>கோடைக்கால நேரம்</translation>
    </message>
    <message>
        <source>war time, kept all year</source>
        <translation>போர்க்கால நேரம், ஆண்டு முழுவதும்</translation>
    </message>
    <message>
        <source>war time</source>
        <translation>போர்க்கால நேரம்</translation>
    </message>
    <message>
        <source>winter time</source>
        <translation>குளிர்கால நேரம்</translation>
    </message>
    <message>
        <source>State entered by hand</source>
        <translation>மாநிலம் கைமுறையாக உள்ளிடப்பட்டது</translation>
    </message>
    <message>
        <source>Country entered by hand</source>
        <translation>நாடு கைமுறையாக உள்ளிடப்பட்டது</translation>
    </message>
    <message>
        <source>Longitude entered by hand</source>
        <translation>தீர்க்கரேகை கைமுறையாக உள்ளிடப்பட்டது</translation>
    </message>
    <message>
        <source>Latitude entered by hand</source>
        <translation>அட்சரேகை கைமுறையாக உள்ளிடப்பட்டது</translation>
    </message>
    <message>
        <source>Daylight saving set by hand</source>
        <translation>பகலொளி சேமிப்பு கைமுறையாக அமைக்கப்பட்டது</translation>
    </message>
    <message>
        <source>Longitude set by hand</source>
        <translation>தீர்க்கரேகை கைமுறையாக அமைக்கப்பட்டது</translation>
    </message>
    <message>
        <source>Latitude set by hand</source>
        <translation>அட்சரேகை கைமுறையாக அமைக்கப்பட்டது</translation>
    </message>
    <message>
        <source>Time zone chosen by hand</source>
        <translation>நேர மண்டலம் கைமுறையாகத் தேர்ந்தெடுக்கப்பட்டது</translation>
    </message>
    <message>
        <source>Type the city of birth to choose it from the offline atlas: its coordinates, zone and daylight saving then follow from the birth date and time.</source>
        <translation>பிறந்த ஊரை இடப் பட்டியலிலிருந்து தேர்ந்தெடுக்க அதன் பெயரைத் தட்டச்சு செய்யவும்: அதன் ஆயத்தொலைவுகள், நேர மண்டலம், பகலொளி சேமிப்பு ஆகியவை பிறந்த தேதி, நேரத்திலிருந்து தாமாக அமையும்.</translation>
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
        <translation>%1, %2 %3: %4; நேர மண்டலத் தரவுத்தளம் (tz) %5, %6</translation>
    </message>
    <message>
        <source>%1, %2 %3: this time did not exist there: clocks went from %4 to %5; most likely it means %6 (%7); tz database %8, %9</source>
        <translation>%1, %2 %3: கடிகாரங்கள் %4 மணியிலிருந்து நேராக %5 மணிக்கு நகர்த்தப்பட்டதால் அன்று அங்கே இந்த நேரம் வரவில்லை; பெரும்பாலும் இது %6 (%7) நேரத்தைக் குறிக்கிறது; நேர மண்டலத் தரவுத்தளம் (tz) %8, %9</translation>
    </message>
    <message>
        <source>%1, %2 %3: this day did not exist there: the clocks went from the end of %4 straight to %5; most likely it means %6 (%7); tz database %8, %9</source>
        <extracomment>place, date, time: a day the clocks skipped whole; the days before and after it, the date and time it most likely means, the new offset; tz data version, zone id</extracomment>
        <translation>%1, %2 %3: கடிகாரங்கள் %4 முடிவிலிருந்து நேராக %5 தேதிக்கு நகர்த்தப்பட்டதால் அங்கே இந்த நாளே வரவில்லை; பெரும்பாலும் இது %6 (%7) நேரத்தைக் குறிக்கிறது; நேர மண்டலத் தரவுத்தளம் (tz) %8, %9</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>a date and a time</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2 %3: this time happened twice there, as clocks went back from %4 to %5; taken as the first, %6; tz database %7, %8</source>
        <translation>%1, %2 %3: கடிகாரங்கள் %4 மணியிலிருந்து %5 மணிக்குப் பின்னே நகர்த்தப்பட்டதால் அன்று அங்கே இந்த நேரம் இருமுறை வந்தது; முதலாவது எடுத்துக்கொள்ளப்பட்டது, %6; நேர மண்டலத் தரவுத்தளம் (tz) %7, %8</translation>
    </message>
    <message>
        <source>%1, %2 %3: this time happened twice there, as clocks went back from %4 to %5; taken as the second, %6; tz database %7, %8</source>
        <translation>%1, %2 %3: கடிகாரங்கள் %4 மணியிலிருந்து %5 மணிக்குப் பின்னே நகர்த்தப்பட்டதால் அன்று அங்கே இந்த நேரம் இருமுறை வந்தது; இரண்டாவது எடுத்துக்கொள்ளப்பட்டது, %6; நேர மண்டலத் தரவுத்தளம் (tz) %7, %8</translation>
    </message>
    <message>
        <source>clocks were %1 (%2)</source>
        <extracomment>offset, the clock&apos;s name</extracomment>
        <translation>கடிகார நேரம் %1 (%2)</translation>
    </message>
    <message>
        <source>no common clock yet: local mean time of %1, %2</source>
        <extracomment>place, offset</extracomment>
        <translation>அப்போது சீர் நேரம் நடைமுறையில் இல்லை: %1 உள்ளூர் சராசரி நேரம், %2</translation>
    </message>
    <message>
        <source>%1 clock, %2</source>
        <extracomment>place, offset: the zone list&apos;s entry for a clock none of its rows shows</extracomment>
        <translation>%1 நேரம், %2</translation>
    </message>
    <message>
        <source>Howrah time, %1</source>
        <extracomment>offset: the zone list&apos;s entry for the mean time of a city the tz database names</extracomment>
        <translation>ஹவுரா நேரம், %1</translation>
    </message>
    <message>
        <source>Madras time, %1</source>
        <extracomment>offset</extracomment>
        <translation>மதராஸ் நேரம், %1</translation>
    </message>
    <message>
        <source>Moratuwa time, %1</source>
        <extracomment>offset</extracomment>
        <translation>மொறட்டுவை நேரம், %1</translation>
    </message>
    <message>
        <source>Rangoon time, %1</source>
        <extracomment>offset</extracomment>
        <translation>ரங்கூன் நேரம், %1</translation>
    </message>
    <message>
        <source>local mean time of %1, %2</source>
        <extracomment>place, offset: the zone list&apos;s entry for a place&apos;s own mean time</extracomment>
        <translation>%1 உள்ளூர் சராசரி நேரம், %2</translation>
    </message>
    <message>
        <source>summer time, %1 minutes ahead</source>
        <translation>கோடைக்கால நேரம், %1 நிமிடம் முன்னே</translation>
    </message>
    <message>
        <source>no clock history for this zone</source>
        <translation>இந்த நேர மண்டலத்தின் கடிகார வரலாறு கிடைக்கவில்லை</translation>
    </message>
    <message>
        <source>the date lies outside 1800-2399</source>
        <translation>தேதி 1800-2399 வரம்புக்கு வெளியே உள்ளது</translation>
    </message>
    <message>
        <source>the longitude lies outside -180..180 degrees</source>
        <translation>தீர்க்கரேகை -180..180 பாகை வரம்புக்கு வெளியே உள்ளது</translation>
    </message>
    <message>
        <source>%1: the birth date is not a date of the calendar; the clock is left as it is.</source>
        <translation>%1: பிறந்த தேதி நாட்காட்டியில் இல்லாத தேதி; கடிகாரம் மாற்றப்படவில்லை.</translation>
    </message>
    <message>
        <source>%1; read as %2 as you answered</source>
        <extracomment>the status sentence, the time on the new clock</extracomment>
        <translation>%1; நீங்கள் பதிலளித்தபடி %2 என எடுத்துக்கொள்ளப்பட்டது</translation>
    </message>
    <message>
        <source>%1: the atlas no longer sets the clock; pick the city again to let it.</source>
        <extracomment>what was done by hand</extracomment>
        <translation>%1: இனி இடப் பட்டியல் கடிகாரத்தை அமைக்காது; அது அமைக்க வேண்டுமெனில் நகரத்தை மீண்டும் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>City changed by hand: the state, country, coordinates and clock are still those of %1; the reading will ask whether to keep them.</source>
        <translation>நகரம் கைமுறையாக மாற்றப்பட்டது: மாநிலம், நாடு, ஆயத்தொலைவுகள், கடிகாரம் ஆகியவை இன்னும் %1 இடத்தினுடையவை; அவற்றை வைத்துக்கொள்வதா என்று பலன் காட்டும்போது கேட்கப்படும்.</translation>
    </message>
    <message>
        <source>Enter the state, country, coordinates and time zone of %1, or pick it from the atlas.</source>
        <translation>%1 நகரத்தின் மாநிலம், நாடு, ஆயத்தொலைவுகள், நேர மண்டலம் ஆகியவற்றை உள்ளிடவும், அல்லது இடப் பட்டியலிலிருந்து தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>In %1 on %2 the clocks jumped from %3 to %4, so %5 did not exist there. Most likely it means %6 on the new clock (%7), the moment the clock before the change (%8) would have shown as %5. The birth time stays as you typed it.</source>
        <extracomment>city, date, clock times before and after the jump, the birth time, the time it most likely means, new offset, old offset</extracomment>
        <translation>%1 நகரில் %2 அன்று கடிகாரங்கள் %3 மணியிலிருந்து நேராக %4 மணிக்கு நகர்த்தப்பட்டன; ஆகவே அங்கே %5 என்ற நேரம் வரவில்லை. பெரும்பாலும் இது புதிய கடிகாரத்தின் (%7) %6 நேரத்தைக் குறிக்கிறது: மாற்றத்துக்கு முந்தைய கடிகாரம் (%8) %5 எனக் காட்டியிருக்கும் தருணம் அது. பிறந்த நேரம் நீங்கள் உள்ளிட்டபடியே இருக்கும்.</translation>
    </message>
    <message>
        <source>In %1 the whole of %2 did not exist: the clocks went from the end of %3 straight to %4. Most likely it means %5 %6 on the new clock (%7). The birth time stays as you typed it.</source>
        <extracomment>city, the day skipped whole, the days before and after it, the date and time it most likely means, new offset</extracomment>
        <translation>%1 நகரில் %2 என்ற நாளே வரவில்லை: கடிகாரங்கள் %3 முடிவிலிருந்து நேராக %4 தேதிக்கு நகர்த்தப்பட்டன. பெரும்பாலும் இது புதிய கடிகாரத்தின் (%7) %5 %6 நேரத்தைக் குறிக்கிறது. பிறந்த நேரம் நீங்கள் உள்ளிட்டபடியே இருக்கும்.</translation>
    </message>
    <message>
        <source>Take %1 %2</source>
        <extracomment>time, offset</extracomment>
        <translation>%1 %2 என எடுத்துக்கொள்</translation>
    </message>
    <message>
        <source>In %1, %2 on %3 happened twice: the clocks went back from %4 to %5. Which of the two was the birth?</source>
        <extracomment>city, time, date, offsets before and after</extracomment>
        <translation>%1 நகரில் %3 அன்று %2 இருமுறை வந்தது: கடிகாரங்கள் %4 நேரத்திலிருந்து %5 நேரத்துக்குப் பின்னே நகர்த்தப்பட்டன. இவ்விரண்டில் எந்த நேரத்தில் பிறப்பு?</translation>
    </message>
    <message>
        <source>The first (%1, still summer time)</source>
        <extracomment>offset and zone</extracomment>
        <translation>முதலாவது (%1, இன்னும் கோடைக்கால நேரம்)</translation>
    </message>
    <message>
        <source>The first (%1)</source>
        <extracomment>offset and zone</extracomment>
        <translation>முதலாவது (%1)</translation>
    </message>
    <message>
        <source>The second (%1)</source>
        <extracomment>offset and zone</extracomment>
        <translation>இரண்டாவது (%1)</translation>
    </message>
    <message>
        <source>The City reads &quot;%1&quot;, but the state, country, coordinates and clock are those of %2. Keep them for %1?</source>
        <extracomment>the City typed, the place picked</extracomment>
        <translation>நகரப் பெட்டியில் &quot;%1&quot; உள்ளது, ஆனால் மாநிலம், நாடு, ஆயத்தொலைவுகள், கடிகாரம் ஆகியவை %2 இடத்தினுடையவை. இவற்றை %1 நகரத்துக்கு வைத்துக்கொள்ளவா?</translation>
    </message>
    <message>
        <source>The City reads &quot;%1&quot;, but the state, country, coordinates and clock are those of %2. Take %3 from the atlas, or keep them for %1?</source>
        <extracomment>the City typed, the place picked, the atlas&apos;s place the City names</extracomment>
        <translation>நகரம் பெட்டியில் &quot;%1&quot; உள்ளது, ஆனால் மாநிலம், நாடு, ஆயத்தொலைவுகள், கடிகாரம் ஆகியவை %2 இடத்தினுடையவை. இடப் பட்டியலிலிருந்து %3 எடுக்கவா, அல்லது இவற்றை %1 நகரத்துக்கு வைத்துக்கொள்ளவா?</translation>
    </message>
    <message>
        <source>Take %1 from the atlas</source>
        <extracomment>the atlas&apos;s place the City names</extracomment>
        <translation>இடப் பட்டியலிலிருந்து %1 எடு</translation>
    </message>
    <message>
        <source>The clock was read from the file</source>
        <translation>கடிகாரம் கோப்பிலிருந்து படிக்கப்பட்டது</translation>
    </message>
</context>
<context>
    <name>Dasha</name>
    <message>
        <source>Balance of %1&apos;s mahadasha at birth: %2 years %3 months %4 days</source>
        <translation>ஜனன கால தசா இருப்பு: %1 தசை %2 வருடம் %3 மாதம் %4 நாள்</translation>
    </message>
    <message>
        <source>Years of %1 days</source>
        <translation>வருட அளவு: %1 நாள்</translation>
    </message>
    <message>
        <source>before birth</source>
        <translation>பிறப்புக்கு முன்</translation>
    </message>
</context>
<context>
    <name>DashaTab</name>
    <message>
        <source>Sun</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>ராகு</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>கேது</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Nakshatra and pada of each body</source>
        <translation>ஒவ்வொரு கிரகத்தின் நட்சத்திரமும் பாதமும்</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Vimshottari mahadashas and their antardashas</source>
        <translation>விம்சோத்தரி மகா தசைகளும் அவற்றின் புக்திகளும்</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>தசா புக்தி</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>தொடக்கம்</translation>
    </message>
    <message>
        <source>End</source>
        <translation>முடிவு</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>தொடக்க வயது</translation>
    </message>
    <message>
        <source>Balance at birth</source>
        <translation>ஜனன கால தசா இருப்பு</translation>
    </message>
    <message>
        <source>Dasha year length</source>
        <translation>தசா வருட அளவு</translation>
    </message>
    <message>
        <source>Nakshatra and dasha</source>
        <translation>நட்சத்திரம், தசை</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>கணிப்பு</translation>
    </message>
    <message>
        <source>Nakshatra &amp;&amp; Dasha</source>
        <translation>நட்சத்திரம், தசை</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; கோப்பை எழுத முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>not all of it could be written.</source>
        <translation>அதை முழுமையாக எழுத முடியவில்லை.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>அது வழக்கமான கோப்பு அல்ல.</translation>
    </message>
    <message>
        <source>it is the file being read.</source>
        <translation>அதுவே படிக்கப்படும் கோப்பு.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளத்தைப் பார் (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைப் பார் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி (&amp;A)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>மொழி (&amp;L)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>மொழி</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Name</source>
        <translation>பெயரை உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>சரியான தேதியையோ மாதத்தையோ தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>சரியான தேதியையோ மாதத்தையோ தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>Please Select Time Zone</source>
        <translation>நேர மண்டலத்தைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>எண்கள் மட்டுமே ஏற்கப்படும்.</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>எழுத்துகளை மட்டும் உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>தீர்க்கரேகை பாகையில் 0 முதல் 179 வரையிலான மதிப்பை உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>தீர்க்கரேகை கலையில் 0 முதல் 59 வரையிலான மதிப்பை உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>அட்சரேகை பாகையில் 0 முதல் 89 வரையிலான மதிப்பை உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>அட்சரேகை கலையில் 0 முதல் 59 வரையிலான மதிப்பை உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>The Swiss Ephemeris file sepl_18.se1 is damaged or cannot be read. Reinstall the package swe-basic-data, or choose the built-in formulas in the Calculation menu.</source>
        <translation>ஸ்விஸ் எஃபெமெரிஸ் கோப்பு sepl_18.se1 சேதமடைந்துள்ளது அல்லது படிக்க முடியவில்லை. swe-basic-data தொகுப்பை மீண்டும் நிறுவவும், அல்லது கணிப்பு மெனுவில் உள்ளமைந்த சூத்திரங்களைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>The Swiss Ephemeris file semo_18.se1 is damaged or cannot be read. Reinstall the package swe-basic-data, or choose the built-in formulas in the Calculation menu.</source>
        <translation>ஸ்விஸ் எஃபெமெரிஸ் கோப்பு semo_18.se1 சேதமடைந்துள்ளது அல்லது படிக்க முடியவில்லை. swe-basic-data தொகுப்பை மீண்டும் நிறுவவும், அல்லது கணிப்பு மெனுவில் உள்ளமைந்த சூத்திரங்களைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>நகரத்தை உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>மாநிலத்தை உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>நாட்டை உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>%1… (%2 letters)</source>
        <extracomment>the first letters of a long text, and its length in letters</extracomment>
        <translation>%1… (மொத்தம் %2 எழுத்துகள்)</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>ஜனவரி</translation>
    </message>
    <message>
        <source>February</source>
        <translation>பிப்ரவரி</translation>
    </message>
    <message>
        <source>March</source>
        <translation>மார்ச்</translation>
    </message>
    <message>
        <source>April</source>
        <translation>ஏப்ரல்</translation>
    </message>
    <message>
        <source>May</source>
        <translation>மே</translation>
    </message>
    <message>
        <source>June</source>
        <translation>ஜூன்</translation>
    </message>
    <message>
        <source>July</source>
        <translation>ஜூலை</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ஆகஸ்ட்</translation>
    </message>
    <message>
        <source>September</source>
        <translation>செப்டம்பர்</translation>
    </message>
    <message>
        <source>October</source>
        <translation>அக்டோபர்</translation>
    </message>
    <message>
        <source>November</source>
        <translation>நவம்பர்</translation>
    </message>
    <message>
        <source>December</source>
        <translation>டிசம்பர்</translation>
    </message>
</context>
<context>
    <name>Nakshatras</name>
    <message>
        <source>Ashwini</source>
        <translation>அசுவினி</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>பரணி</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>கார்த்திகை</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>ரோகிணி</translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <translation>மிருகசீரிடம்</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>திருவாதிரை</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>புனர்பூசம்</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>பூசம்</translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <translation>ஆயில்யம்</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>மகம்</translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <translation>பூரம்</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>உத்திரம்</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>அஸ்தம்</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>சித்திரை</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>சுவாதி</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>விசாகம்</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>அனுஷம்</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>கேட்டை</translation>
    </message>
    <message>
        <source>Mula</source>
        <translation>மூலம்</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>பூராடம்</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>உத்திராடம்</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>திருவோணம்</translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <translation>அவிட்டம்</translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <translation>சதயம்</translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <translation>பூரட்டாதி</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>உத்திரட்டாதி</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>ரேவதி</translation>
    </message>
</context>
<context>
    <name>Panchanga</name>
    <message>
        <source>Rashi</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>ஹோரை</translation>
    </message>
    <message>
        <source>Drekkana</source>
        <translation>திரேக்காணம்</translation>
    </message>
    <message>
        <source>Chaturthamsha</source>
        <translation>சதுர்த்தாம்சம்</translation>
    </message>
    <message>
        <source>Saptamsha</source>
        <translation>சப்தாம்சம்</translation>
    </message>
    <message>
        <source>Navamsha</source>
        <translation>நவாம்சம்</translation>
    </message>
    <message>
        <source>Dashamsha</source>
        <translation>தசாம்சம்</translation>
    </message>
    <message>
        <source>Dwadashamsha</source>
        <translation>துவாதசாம்சம்</translation>
    </message>
    <message>
        <source>Shodashamsha</source>
        <translation>ஷோடசாம்சம்</translation>
    </message>
    <message>
        <source>Vimshamsha</source>
        <translation>விம்சாம்சம்</translation>
    </message>
    <message>
        <source>Chaturvimshamsha</source>
        <translation>சதுர்விம்சாம்சம்</translation>
    </message>
    <message>
        <source>Saptavimshamsha</source>
        <translation>சப்தவிம்சாம்சம்</translation>
    </message>
    <message>
        <source>Trimshamsha</source>
        <translation>திரிம்சாம்சம்</translation>
    </message>
    <message>
        <source>Khavedamsha</source>
        <translation>கவேதாம்சம்</translation>
    </message>
    <message>
        <source>Akshavedamsha</source>
        <translation>அக்ஷவேதாம்சம்</translation>
    </message>
    <message>
        <source>Shashtyamsha</source>
        <translation>ஷஷ்டியாம்சம்</translation>
    </message>
    <message>
        <source>Pratipada</source>
        <translation>பிரதமை</translation>
    </message>
    <message>
        <source>Dwitiya</source>
        <translation>துவிதியை</translation>
    </message>
    <message>
        <source>Tritiya</source>
        <translation>திருதியை</translation>
    </message>
    <message>
        <source>Chaturthi</source>
        <translation>சதுர்த்தி</translation>
    </message>
    <message>
        <source>Panchami</source>
        <translation>பஞ்சமி</translation>
    </message>
    <message>
        <source>Shashthi</source>
        <translation>சஷ்டி</translation>
    </message>
    <message>
        <source>Saptami</source>
        <translation>சப்தமி</translation>
    </message>
    <message>
        <source>Ashtami</source>
        <translation>அஷ்டமி</translation>
    </message>
    <message>
        <source>Navami</source>
        <translation>நவமி</translation>
    </message>
    <message>
        <source>Dashami</source>
        <translation>தசமி</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>ஏகாதசி</translation>
    </message>
    <message>
        <source>Dwadashi</source>
        <translation>துவாதசி</translation>
    </message>
    <message>
        <source>Trayodashi</source>
        <translation>திரயோதசி</translation>
    </message>
    <message>
        <source>Chaturdashi</source>
        <translation>சதுர்த்தசி</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>பௌர்ணமி</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>அமாவாசை</translation>
    </message>
    <message>
        <source>Shukla</source>
        <translation>சுக்ல</translation>
    </message>
    <message>
        <source>Krishna</source>
        <translation>கிருஷ்ண</translation>
    </message>
    <message>
        <source>Vishkambha</source>
        <comment>yoga</comment>
        <translation>விஷ்கம்பம்</translation>
    </message>
    <message>
        <source>Priti</source>
        <comment>yoga</comment>
        <translation>ப்ரீதி</translation>
    </message>
    <message>
        <source>Ayushman</source>
        <comment>yoga</comment>
        <translation>ஆயுஷ்மான்</translation>
    </message>
    <message>
        <source>Saubhagya</source>
        <comment>yoga</comment>
        <translation>சௌபாக்யம்</translation>
    </message>
    <message>
        <source>Shobhana</source>
        <comment>yoga</comment>
        <translation>சோபனம்</translation>
    </message>
    <message>
        <source>Atiganda</source>
        <comment>yoga</comment>
        <translation>அதிகண்டம்</translation>
    </message>
    <message>
        <source>Sukarma</source>
        <comment>yoga</comment>
        <translation>சுகர்மம்</translation>
    </message>
    <message>
        <source>Dhriti</source>
        <comment>yoga</comment>
        <translation>திருதி</translation>
    </message>
    <message>
        <source>Shula</source>
        <comment>yoga</comment>
        <translation>சூலம்</translation>
    </message>
    <message>
        <source>Ganda</source>
        <comment>yoga</comment>
        <translation>கண்டம்</translation>
    </message>
    <message>
        <source>Vriddhi</source>
        <comment>yoga</comment>
        <translation>விருத்தி</translation>
    </message>
    <message>
        <source>Dhruva</source>
        <comment>yoga</comment>
        <translation>துருவம்</translation>
    </message>
    <message>
        <source>Vyaghata</source>
        <comment>yoga</comment>
        <translation>வியாகாதம்</translation>
    </message>
    <message>
        <source>Harshana</source>
        <comment>yoga</comment>
        <translation>ஹர்ஷணம்</translation>
    </message>
    <message>
        <source>Vajra</source>
        <comment>yoga</comment>
        <translation>வஜ்ரம்</translation>
    </message>
    <message>
        <source>Siddhi</source>
        <comment>yoga</comment>
        <translation>சித்தி</translation>
    </message>
    <message>
        <source>Vyatipata</source>
        <comment>yoga</comment>
        <translation>வியதீபாதம்</translation>
    </message>
    <message>
        <source>Variyan</source>
        <comment>yoga</comment>
        <translation>வரீயான்</translation>
    </message>
    <message>
        <source>Parigha</source>
        <comment>yoga</comment>
        <translation>பரிகம்</translation>
    </message>
    <message>
        <source>Shiva</source>
        <comment>yoga</comment>
        <translation>சிவம்</translation>
    </message>
    <message>
        <source>Siddha</source>
        <comment>yoga</comment>
        <translation>சித்தம்</translation>
    </message>
    <message>
        <source>Sadhya</source>
        <comment>yoga</comment>
        <translation>சாத்தியம்</translation>
    </message>
    <message>
        <source>Shubha</source>
        <comment>yoga</comment>
        <translation>சுபம்</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>yoga</comment>
        <translation>சுப்பிரம்</translation>
    </message>
    <message>
        <source>Brahma</source>
        <comment>yoga</comment>
        <translation>பிராம்யம்</translation>
    </message>
    <message>
        <source>Indra</source>
        <comment>yoga</comment>
        <translation>ஐந்திரம்</translation>
    </message>
    <message>
        <source>Vaidhriti</source>
        <comment>yoga</comment>
        <translation>வைதிருதி</translation>
    </message>
    <message>
        <source>Kimstughna</source>
        <translation>கிம்ஸ்துக்னம்</translation>
    </message>
    <message>
        <source>Bava</source>
        <translation>பவம்</translation>
    </message>
    <message>
        <source>Balava</source>
        <translation>பாலவம்</translation>
    </message>
    <message>
        <source>Kaulava</source>
        <translation>கௌலவம்</translation>
    </message>
    <message>
        <source>Taitila</source>
        <translation>சைதுளை</translation>
    </message>
    <message>
        <source>Gara</source>
        <translation>கரசை</translation>
    </message>
    <message>
        <source>Vanija</source>
        <translation>வணிசை</translation>
    </message>
    <message>
        <source>Vishti</source>
        <translation>பத்திரை</translation>
    </message>
    <message>
        <source>Shakuni</source>
        <translation>சகுனி</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <translation>சதுஷ்பாதம்</translation>
    </message>
    <message>
        <source>Naga</source>
        <translation>நாகவம்</translation>
    </message>
</context>
<context>
    <name>PlacePicker</name>
    <message>
        <source>Place and clock status</source>
        <translation>இடமும் கடிகார நிலையும்</translation>
    </message>
    <message>
        <source>The offline atlas could not be read (%1); enter the place, its coordinates and zone by hand.</source>
        <translation>இடப் பட்டியலைப் படிக்க முடியவில்லை (%1); இடம், அதன் ஆயத்தொலைவுகள், நேர மண்டலம் ஆகியவற்றைக் கைமுறையாக உள்ளிடவும்.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing is not available: the printing module %1 could not be loaded (%2).</source>
        <translation>அச்சிட முடியாது: அச்சுத் தொகுதி %1 ஏற்றப்படவில்லை (%2).</translation>
    </message>
    <message>
        <source>it is not this program&apos;s printing module</source>
        <translation>இது இந்த மென்பொருளின் அச்சுத் தொகுதி அல்ல</translation>
    </message>
    <message>
        <source>Printing is not available: the printing module %1 was not found in %2.</source>
        <translation>அச்சிட முடியாது: அச்சுத் தொகுதி %1 இந்த இடங்களில் கிடைக்கவில்லை: %2.</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>அச்சு முன்பார்வை</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Orvel Pataki Chakra generates the Pataki Chakra of your natal chart based on Vedic Astrology principles. The Pataki Chakra or Tri Pataki Chakra means a flag of three in Sanskrit. It gives you information about your ill health and the planetary influences on the Moon.</source>
        <translation>Orvel Pataki Chakra வேத ஜோதிட நெறிமுறைகளின்படி உங்கள் ஜனன ஜாதகத்தின் பதாகி சக்கரத்தைக் கணிக்கிறது. பதாகி சக்கரம் அல்லது திரிபதாகி சக்கரம் என்பதற்கு வடமொழியில் மூன்று கொடிகள் என்று பொருள். இது உங்கள் உடல்நலக் குறைவு பற்றியும் சந்திரன் மீதான கிரகங்களின் தாக்கம் பற்றியும் தகவல் தருகிறது.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>சேமி</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>அனைத்தையும் சேமி</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>திற</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ஆம் (&amp;Y)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>அனைத்துக்கும் ஆம் (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>இல்லை (&amp;N)</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>அனைத்துக்கும் இல்லை (&amp;O)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>நிறுத்து</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>மீண்டும் முயல்</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>புறக்கணி</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்து</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>கைவிடு</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>உதவி</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>செயல்படுத்து</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>மீட்டமை</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>இயல்புநிலைக்கு மீட்டமை</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>சேமிக்க வேண்டாம்</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>சேமிக்காமல் மூடு</translation>
    </message>
</context>
<context>
    <name>ReadingCommands</name>
    <message>
        <source>Export PDF</source>
        <translation>PDF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>Save Chart Image</source>
        <translation>சக்கரப் படத்தைச் சேமி</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG படம் (*.png)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>அச்சிடு (&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF ஆகச் சேமி (&amp;E)...</translation>
    </message>
    <message>
        <source>Save &amp;Chart Image...</source>
        <translation>சக்கரப் படத்தைச் சேமி (&amp;C)...</translation>
    </message>
</context>
<context>
    <name>ReadingPage</name>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 மணி %2 நிமிடம்</translation>
    </message>
    <message>
        <source>no zone selected</source>
        <translation>நேர மண்டலம் தேர்ந்தெடுக்கப்படவில்லை</translation>
    </message>
    <message>
        <source>Pataki Chakra</source>
        <translation>பதாகி சக்கரம்</translation>
    </message>
    <message>
        <source>the place&apos;s own clock · %1 used</source>
        <translation>இடத்தின் சொந்தக் கடிகாரம் · %1 பயன்படுத்தப்பட்டது</translation>
    </message>
    <message>
        <source>%1 · daylight saving %2 · %3 used</source>
        <translation>%1 · பகலொளி சேமிப்பு: %2 · %3 பயன்படுத்தப்பட்டது</translation>
    </message>
    <message>
        <source>on</source>
        <translation>உண்டு</translation>
    </message>
    <message>
        <source>off</source>
        <translation>இல்லை</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>பிறப்பு</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>Shaded: the Lagna&apos;s sign and its vedha signs.  (R): retrograde.</source>
        <translation>நிழலிட்டவை: லக்ன ராசியும் அதன் வேதை ராசிகளும்.  (வ): வக்கிரம்.</translation>
    </message>
    <message>
        <source>Lagna (Asc)</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>கிழமை</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>சூரிய உதயம்</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>சூரிய அஸ்தமனம்</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>காலம்</translation>
    </message>
    <message>
        <source>Yamardha</source>
        <translation>யாமார்த்தம்</translation>
    </message>
    <message>
        <source>Yamardhapati</source>
        <translation>யாமார்த்தாதிபதி</translation>
    </message>
    <message>
        <source>Dandadhipati</source>
        <translation>தண்டாதிபதி</translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Planetary positions</source>
        <translation>கிரக நிலை</translation>
    </message>
    <message>
        <source>Pataki Chakra details</source>
        <translation>பதாகி சக்கர விவரம்</translation>
    </message>
    <message>
        <source>Nakshatra and Vimshottari dasha</source>
        <translation>நட்சத்திரம், விம்சோத்தரி தசை</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <comment>the dasha&apos;s balance at birth; the year</comment>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>Calculation: %1. %2.</source>
        <translation>கணிப்பு முறை: %1. %2.</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Mahadasha</source>
        <translation>மகா தசை</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>தொடக்கம்</translation>
    </message>
    <message>
        <source>End</source>
        <translation>முடிவு</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>தொடக்க வயது</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>அச்சிட்ட நாள்: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>பக்கம் %1 / %2</translation>
    </message>
    <message>
        <source>Divisional charts (vargas)</source>
        <translation>ஷோடச வர்க்கம்</translation>
    </message>
    <message>
        <source>*: vargottama, the same sign in D1 and D9.</source>
        <translation>*: வர்க்கோத்தமம், ராசியிலும் (D1) நவாம்சத்திலும் (D9) ஒரே ராசி.</translation>
    </message>
    <message>
        <source>Born before the sunrise of the date: the Hindu day, and its weekday, began at the previous sunrise.</source>
        <translation>பிறந்த தேதியின் சூரிய உதயத்துக்கு முன் பிறப்பு: இந்து நாளும் அதன் கிழமையும் முந்தைய சூரிய உதயத்தில் தொடங்கின.</translation>
    </message>
    <message>
        <source>The Sun did not rise on the date of birth: the weekday is the calendar&apos;s.</source>
        <translation>பிறந்த தேதியில் சூரியன் உதிக்கவில்லை: கிழமை நாள்காட்டியின்படி.</translation>
    </message>
    <message>
        <source>Panchanga of the birth</source>
        <translation>ஜனன பஞ்சாங்கம்</translation>
    </message>
    <message>
        <source>The panchanga could not be computed with this calculation.</source>
        <translation>இந்தக் கணிப்பு முறையில் பஞ்சாங்கத்தைக் கணிக்க முடியவில்லை.</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>அங்கம்</translation>
    </message>
    <message>
        <source>At birth</source>
        <translation>பிறந்த நேரத்தில்</translation>
    </message>
    <message>
        <source>Began</source>
        <translation>தொடக்கம்</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>முடிவு</translation>
    </message>
    <message>
        <source>Vara</source>
        <translation>வாரம்</translation>
    </message>
    <message>
        <source>%1, its lord %2</source>
        <translation>%1, அதிபதி %2</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>திதி</translation>
    </message>
    <message>
        <source>%1, %2 paksha</source>
        <translation>%1, %2 பக்ஷம்</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>யோகம்</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>கரணம்</translation>
    </message>
</context>
<context>
    <name>ReadingText</name>
    <message>
        <source>Dandadhipati Is Placed In The %1</source>
        <comment>Lagna</comment>
        <translation>தண்டாதிபதி லக்னத்தில் உள்ளார்</translation>
    </message>
    <message>
        <source>Dandadhipati Is Placed In The %1</source>
        <comment>Rashi</comment>
        <translation>தண்டாதிபதி ராசியில் உள்ளார்</translation>
    </message>
    <message>
        <source>Dandadhipati Is Not Placed In The %1</source>
        <comment>Lagna</comment>
        <translation>தண்டாதிபதி லக்னத்தில் இல்லை</translation>
    </message>
    <message>
        <source>Dandadhipati Is Not Placed In The %1</source>
        <comment>Rashi</comment>
        <translation>தண்டாதிபதி ராசியில் இல்லை</translation>
    </message>
    <message>
        <source>Cause Vedha To The %1</source>
        <comment>Lagna</comment>
        <translation>லக்னத்திற்கு வேதை உள்ளது</translation>
    </message>
    <message>
        <source>Cause Vedha To The %1</source>
        <comment>Rashi</comment>
        <translation>ராசிக்கு வேதை உள்ளது</translation>
    </message>
    <message numerus="yes">
        <source>Vedha to %1 from %n Malefic Planet</source>
        <comment>Lagna</comment>
        <translation>
            <numerusform>%n பாவ கிரகத்தால் லக்னத்திற்கு வேதை</numerusform>
            <numerusform>%n பாவ கிரகங்களால் லக்னத்திற்கு வேதை</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Vedha to %1 from %n Malefic Planet</source>
        <comment>Rashi</comment>
        <translation>
            <numerusform>%n பாவ கிரகத்தால் ராசிக்கு வேதை</numerusform>
            <numerusform>%n பாவ கிரகங்களால் ராசிக்கு வேதை</numerusform>
        </translation>
    </message>
    <message>
        <source>Vedha to %1 from Benefic and Malefic Planets</source>
        <comment>Lagna</comment>
        <translation>சுப, பாவ கிரகங்களால் லக்னத்திற்கு வேதை</translation>
    </message>
    <message>
        <source>Vedha to %1 from Benefic and Malefic Planets</source>
        <comment>Rashi</comment>
        <translation>சுப, பாவ கிரகங்களால் ராசிக்கு வேதை</translation>
    </message>
    <message>
        <source>Lagna</source>
        <comment>target</comment>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Rashi</source>
        <comment>target</comment>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Sun</comment>
        <translation>சூரியனால் வேதை :- %2</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Mercury</comment>
        <translation>புதனால் வேதை :- %2</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Venus</comment>
        <translation>சுக்கிரனால் வேதை :- %2</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Mars</comment>
        <translation>செவ்வாயால் வேதை :- %2</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Jupiter</comment>
        <translation>குருவால் வேதை :- %2</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Saturn</comment>
        <translation>சனியால் வேதை :- %2</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Rahu</comment>
        <translation>ராகுவால் வேதை :- %2</translation>
    </message>
    <message>
        <source>Vedha from %1 :- %2</source>
        <comment>Ketu</comment>
        <translation>கேதுவால் வேதை :- %2</translation>
    </message>
    <message>
        <source>Bile related problems; fever; mental tensions</source>
        <translation>பித்தக் கோளாறுகள்; காய்ச்சல்; மன உளைச்சல்</translation>
    </message>
    <message>
        <source>Blood disorders; accidents; fights; short temper</source>
        <translation>ரத்தக் கோளாறுகள்; விபத்துகள்; சண்டைகள்; முன்கோபம்</translation>
    </message>
    <message>
        <source>Intelligence; Wealth; Education</source>
        <translation>புத்தி; செல்வம்; கல்வி</translation>
    </message>
    <message>
        <source>Elevation of status; mental peace; child birth; prosperity</source>
        <translation>அந்தஸ்து உயர்வு; மன அமைதி; குழந்தைப் பேறு; செழிப்பு</translation>
    </message>
    <message>
        <source>Income; wealth; sensual pleasures</source>
        <translation>வருமானம்; செல்வம்; சுக போகங்கள்</translation>
    </message>
    <message>
        <source>Physical ailments; loss of stature; problems</source>
        <translation>உடல் உபாதைகள்; அந்தஸ்து குறைவு; பிரச்சினைகள்</translation>
    </message>
    <message>
        <source>Loss of honor; loss of wealth; phobias</source>
        <translation>கௌரவ இழப்பு; பண இழப்பு; காரணமற்ற பயங்கள்</translation>
    </message>
    <message>
        <source>Ill health; poor digestion; depression</source>
        <translation>உடல்நலக் குறைவு; அஜீரணம்; மனச்சோர்வு</translation>
    </message>
    <message>
        <source>More About Vedha and Dandadhipati</source>
        <translation>வேதை, தண்டாதிபதி விவரம்</translation>
    </message>
    <message>
        <source>Vedha of Lagna is related to intelligence issues</source>
        <translation>லக்ன வேதை புத்தி சார்ந்த விஷயங்களுடன் தொடர்புடையது.</translation>
    </message>
    <message>
        <source>Vedha of moon is related to health related issues.</source>
        <translation>சந்திர வேதை ஆரோக்கியம் சார்ந்த விஷயங்களுடன் தொடர்புடையது.</translation>
    </message>
    <message>
        <source>You may face a lot of troubles and tensions in areas associated with the planet</source>
        <translation>அந்தக் கிரகம் தொடர்பான விஷயங்களில் நீங்கள் பல கஷ்டங்களையும் மன உளைச்சலையும் சந்திக்க நேரிடலாம்.</translation>
    </message>
    <message>
        <source>You may have desirable results in areas associated with the planet</source>
        <translation>அந்தக் கிரகம் தொடர்பான விஷயங்களில் உங்களுக்கு நல்ல பலன்கள் கிடைக்கலாம்.</translation>
    </message>
    <message>
        <source>You may face many problems and obstacles.</source>
        <translation>நீங்கள் பல பிரச்சினைகளையும் தடைகளையும் சந்திக்க நேரிடலாம்.</translation>
    </message>
    <message>
        <source>You may face come physical ailments</source>
        <translation>உங்களுக்குச் சில உடல் உபாதைகள் ஏற்படலாம்.</translation>
    </message>
    <message>
        <source>You will face extreme problems.</source>
        <translation>நீங்கள் கடுமையான பிரச்சினைகளைச் சந்திக்க நேரிடும்.</translation>
    </message>
    <message>
        <source>You may have desirable results in areas associated with the benefic planet and you may face a lot of troubles and tensions in areas associated with the malefic planet </source>
        <translation>சுப கிரகம் தொடர்பான விஷயங்களில் உங்களுக்கு நல்ல பலன்கள் கிடைக்கலாம்; பாவ கிரகம் தொடர்பான விஷயங்களில் நீங்கள் பல கஷ்டங்களையும் மன உளைச்சலையும் சந்திக்க நேரிடலாம்.</translation>
    </message>
</context>
<context>
    <name>ResultFrame</name>
    <message>
        <source>Orvel Pataki Chakra Chart</source>
        <translation>Orvel Pataki Chakra ராசி சக்கரம்</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின் செல் (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Hora</source>
        <translation>ராசி சக்கரம்</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation>வேத ஜோதிட கிரக நிலை</translation>
    </message>
    <message>
        <source>Surya/Sun</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Chandra/Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Budha/Mercury</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Shukra/Venus</source>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Mangala/Mars</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Guru/Jupiter</source>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Shani/Saturn</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Rahu/North Node</source>
        <translation>ராகு</translation>
    </message>
    <message>
        <source>Ketu/South node</source>
        <translation>கேது</translation>
    </message>
    <message>
        <source>Asc/Lagna</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>தனிப்பட்ட விவரங்கள்</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Date of Birth :</source>
        <translation>பிறந்த தேதி :</translation>
    </message>
    <message>
        <source>Time of Birth :</source>
        <translation>பிறந்த நேரம் :</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>தீர்க்கரேகை :</translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translation>அட்சரேகை :</translation>
    </message>
    <message>
        <source>City :</source>
        <translation>நகரம் :</translation>
    </message>
    <message>
        <source>State :</source>
        <translation>மாநிலம் :</translation>
    </message>
    <message>
        <source>Country :</source>
        <translation>நாடு :</translation>
    </message>
    <message>
        <source>Clock :</source>
        <translation>கடிகாரம் :</translation>
    </message>
    <message>
        <source>Clock used</source>
        <translation>பயன்படுத்திய கடிகாரம்</translation>
    </message>
    <message>
        <source>Planetary Position</source>
        <translation>கிரக நிலை</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>உங்கள் விவரங்கள்</translation>
    </message>
    <message>
        <source>Pataki Chakra Details</source>
        <translation>பதாகி சக்கர விவரம்</translation>
    </message>
    <message>
        <source>Vaar/Day of Birth</source>
        <translation>பிறந்த கிழமை</translation>
    </message>
    <message>
        <source>Sun Rise</source>
        <translation>சூரிய உதயம்</translation>
    </message>
    <message>
        <source>Sun Set</source>
        <translation>சூரிய அஸ்தமனம்</translation>
    </message>
    <message>
        <source>Yamaradha</source>
        <translation>யாமார்த்தம்</translation>
    </message>
    <message>
        <source>Yamardhapati</source>
        <translation>யாமார்த்தாதிபதி</translation>
    </message>
    <message>
        <source>Dandadhipati</source>
        <translation>தண்டாதிபதி</translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Reading text</source>
        <translation>பலன் உரை</translation>
    </message>
    <message>
        <source>Pataki Details</source>
        <translation>பதாகி விவரம்</translation>
    </message>
    <message>
        <source> More About Vedha</source>
        <translation>வேதை விவரம்</translation>
    </message>
    <message>
        <source>Discuss your chart in our astrology forum</source>
        <translation>உங்கள் ஜாதகம் பற்றி மன்றத்தில் பேசுங்கள்</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>No web browser could be started for this page. To visit it, copy its address into a browser:

%1</source>
        <translation>இந்தப் பக்கத்துக்கு இணைய உலாவியைத் தொடங்க முடியவில்லை. பக்கத்தைப் பார்க்க, இந்த முகவரியை ஓர் உலாவியில் நகலெடுத்து ஒட்டவும்:

%1</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Sunday</source>
        <translation>ஞாயிறு</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>திங்கள்</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>வியாழன்</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>வெள்ளி</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>ராகு</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>கேது</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Mesha</source>
        <translation>மேஷம்</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <translation>ரிஷபம்</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <translation>மிதுனம்</translation>
    </message>
    <message>
        <source>Kataka</source>
        <translation>கடகம்</translation>
    </message>
    <message>
        <source>Simha</source>
        <translation>சிம்மம்</translation>
    </message>
    <message>
        <source>Kanya</source>
        <translation>கன்னி</translation>
    </message>
    <message>
        <source>Thula</source>
        <translation>துலாம்</translation>
    </message>
    <message>
        <source>Vrishchika</source>
        <translation>விருச்சிகம்</translation>
    </message>
    <message>
        <source>Dhanush</source>
        <translation>தனுசு</translation>
    </message>
    <message>
        <source>Makara</source>
        <translation>மகரம்</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <translation>கும்பம்</translation>
    </message>
    <message>
        <source>Meena</source>
        <translation>மீனம்</translation>
    </message>
    <message>
        <source>Dinamana</source>
        <translation>தினமானம்</translation>
    </message>
    <message>
        <source>Ratrimana</source>
        <translation>ராத்திரிமானம்</translation>
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
        <translation>%1 (அஸ்தமனமில்லை)</translation>
    </message>
    <message>
        <source>%1 (the Sun did not rise this day)</source>
        <translation>%1 (உதயமில்லை)</translation>
    </message>
    <message>
        <source>%1° %2&apos; N</source>
        <translation>%1° %2&apos; வடக்கு</translation>
    </message>
    <message>
        <source>%1° %2&apos; S</source>
        <translation>%1° %2&apos; தெற்கு</translation>
    </message>
    <message>
        <source>%1° %2&apos; E</source>
        <translation>%1° %2&apos; கிழக்கு</translation>
    </message>
    <message>
        <source>%1° %2&apos; W</source>
        <translation>%1° %2&apos; மேற்கு</translation>
    </message>
    <message>
        <source>(R)</source>
        <translation>(வ)</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>மேஷம்</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>ரிஷபம்</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>மிதுனம்</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>கடகம்</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>சிம்மம்</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>கன்னி</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>துலாம்</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>விருச்சிகம்</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>தனுசு</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>மகரம்</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>கும்பம்</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>மீனம்</translation>
    </message>
</context>
<context>
    <name>SignsShort</name>
    <message>
        <source>Ari</source>
        <translation>மேஷ</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>ரிஷ</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>மிது</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>கட</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>சிம்</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>கன்</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>துலா</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>விரு</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>தனு</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>மகர</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>கும்</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>மீன</translation>
    </message>
</context>
<context>
    <name>SingleCopy</name>
    <message>
        <source>Application is already running</source>
        <translation>இந்த மென்பொருள் ஏற்கெனவே இயங்கிக்கொண்டிருக்கிறது.</translation>
    </message>
    <message>
        <source>The running copy has a dialog open: &quot;%1&quot; will be opened once it is closed.</source>
        <translation>இயங்கிக்கொண்டிருக்கும் மென்பொருளில் ஓர் உரையாடல் பெட்டி திறந்திருக்கிறது: &quot;%1&quot; அது மூடப்பட்டதும் திறக்கப்படும்.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not opened: the running copy did not answer.</source>
        <translation>&quot;%1&quot; திறக்கப்படவில்லை: இயங்கிக்கொண்டிருக்கும் மென்பொருள் பதில் அளிக்கவில்லை.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not opened: the running copy has too many files waiting. Try again once it has opened them.</source>
        <translation>&quot;%1&quot; திறக்கப்படவில்லை: இயங்கிக்கொண்டிருக்கும் மென்பொருளில் திறக்கக் காத்திருக்கும் கோப்புகள் மிக அதிகம். அவை திறக்கப்பட்ட பின் மீண்டும் முயலவும்.</translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>அலாஸ்கா/ஹவாய் பகலொளி நேரம்,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>அலாஸ்கா/ஹவாய் சீர் நேரம்,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>அலாஸ்கா/ஹவாய் போர்க்கால நேரம்,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>அட்லாண்டிக் சீர் நேரம்,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>அட்லாண்டிக் போர்க்கால நேரம்,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ஆஸ்திரேலிய மத்திய பகலொளி நேரம்,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ஆஸ்திரேலிய மத்திய சீர் நேரம்,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ஆஸ்திரேலிய கிழக்குப் பகலொளி நேரம்,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ஆஸ்திரேலிய கிழக்குச் சீர் நேரம்,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ஆஸ்திரேலிய மேற்குப் பகலொளி நேரம்,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ஆஸ்திரேலிய மேற்குச் சீர் நேரம்,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>அசோரஸ் நேரம், AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>பாக்தாத் நேரம், BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>பெரிங் சீர் நேரம்,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>பிரேசில் மண்டலம் 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>பிரிட்டிஷ் இரட்டைக் கோடைக்கால நேரம்,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>பிரிட்டிஷ் கோடைக்கால நேரம்,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>பிரிட்டிஷ் போர்க்கால நேரம்,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>மத்திய பகலொளி நேரம்,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>மத்திய ஐரோப்பிய பகலொளி நேரம்,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>மத்திய ஐரோப்பிய நேரம்,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>மத்திய சீர் நேரம்,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>மத்திய போர்க்கால நேரம்,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>சீனக் கடற்கரை நேரம்,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>கிழக்குப் பகலொளி நேரம்,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>கிழக்கு ஐரோப்பிய பகலொளி நேரம்,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>கிழக்கு ஐரோப்பிய நேரம்,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>கிழக்குச் சீர் நேரம்,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>கிழக்குப் போர்க்கால நேரம்,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>கிரீன்விச் சராசரி நேரம்,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>குவாம் சீர் நேரம்,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>ஹவாய் பகலொளி நேரம்,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>ஹவாய் சீர் நேரம்,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>ஹவாய் போர்க்கால நேரம்,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>இந்திய நேரம், IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>பன்னாட்டுத் தேதிக் கோடு கிழக்கு,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>பன்னாட்டுத் தேதிக் கோடு மேற்கு,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ஈரான் நேரம், IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>ஜப்பான் சீர் நேரம்,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>ஜாவா நேரம், JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>மத்திய ஐரோப்பிய பகலொளி நேரம்,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>மத்திய ஐரோப்பிய நேரம்,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>மொலுக்கா நேரம், MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>மலைப் பகுதி பகலொளி நேரம்,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>மலைப் பகுதி சீர் நேரம்,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>மலைப் பகுதி போர்க்கால நேரம்,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>நியூசிலாந்து சீர் கோடைக்கால நேரம்,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>நியூசிலாந்து சீர் நேரம்,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>நியூசிலாந்து கோடைக்கால நேரம்,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>நியூசிலாந்து நேரம்,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>நியூஃபவுண்ட்லாந்து சீர் நேரம்,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>நோம் நேரம், NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>வடக்குச் சுமத்ரா நேரம்,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>பசிபிக் பகலொளி நேரம்,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>பசிபிக் சீர் நேரம்,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>பசிபிக் போர்க்கால நேரம்,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>தெற்கு ஆஸ்திரேலியா பகலொளி நேரம்,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>தெற்கு ஆஸ்திரேலியா பகலொளி நேரம்,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>தெற்கு ஆஸ்திரேலியா சீர் நேரம்,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>தெற்கு ஆஸ்திரேலியா சீர் நேரம்,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>தெற்குச் சுமத்ரா நேரம்,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>உலக நேரம், UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>சோவியத் மண்டலம் 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>சோவியத் மண்டலம் 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>சோவியத் மண்டலம் 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>சோவியத் மண்டலம் 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>சோவியத் மண்டலம் 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>மேற்கு ஆப்பிரிக்கா நேரம்,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>யூகான் பகலொளி நேரம்,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>யூகான் சீர் நேரம்,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>யூகான் போர்க்கால நேரம்,YWT,-8.0</translation>
    </message>
</context>
</TS>
