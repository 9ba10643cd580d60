<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta">
<context>
    <name>AboutBox</name>
    <message>
        <source>Click here to visit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth places from GeoNames (www.geonames.org), licensed under CC BY 4.0. Clocks of the birth places from the tz database, release %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BirthDetails</name>
    <message>
        <source>&amp;Open Birth Details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Birth Details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Birth &amp;Details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Birth Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was saved with %2 for %3 at the birth time; the tz data in use (%4) gives %5. The form keeps the %6 of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zone and daylight saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Birth Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 list has no entry &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 list has no row %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large to hold birth details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The place&apos;s zone cannot be used: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BirthForm</name>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My Pataki Chakra Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join our astrology discussion forum at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click for Latitude &amp;&amp; Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Lahiri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True Chitrapaksha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built-in formulas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swiss Ephemeris, %1, %2, sunrise: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mean node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>true node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upper limb, refracted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>centre of the disc, unrefracted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions from the program&apos;s own formulas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris&apos;s analytical ephemeris (its files could not be used)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalculationMenu</name>
    <message>
        <source>&amp;Built-in formulas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program&apos;s own formulas for the years 1901 to 2050, as it has always computed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Swiss Ephemeris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reference ephemeris of astrologers, for the years 1800 to 2399</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lahiri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ayanamsa of the Indian national calendar (Chitrapaksha)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Raman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B. V. Raman&apos;s ayanamsa, about 1.5 degrees less than Lahiri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Krishnamurti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ayanamsa of the Krishnamurti Paddhati (KP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;True Chitrapaksha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The star Spica (Chitra) kept at exactly 180 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mean node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu at the node&apos;s average place, moving evenly backwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;True node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu at the node&apos;s true place, which wobbles about the mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upper limb, refracted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sun&apos;s upper edge on the horizon, with the air&apos;s refraction (standard almanacs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Centre of the disc, unrefracted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The centre of the Sun on the horizon, without refraction (the Hindu rule of several almanacs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ayanamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar &amp;node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;unrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A choice of the Swiss Ephemeris</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>Born %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockStatus</name>
    <message>
        <source> as you answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> did not exist there. Most likely it means </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> happened twice: the clocks went back from </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> minutes ahead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> on the new clock (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> the clocks jumped from </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>) would have shown as </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>), the moment the </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, but the state, country, coordinates and clock are those of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, or pick it from the atlas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, still summer time)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, the clock before the change, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Keep them for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. The birth time stays as you typed it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Which of the two was the birth?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the atlas no longer sets the clock; pick the city again to let it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the birth date is not a date of the calendar; the clock is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; most likely it means </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; read as </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; taken as the </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the reading will ask whether to keep them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; tz database </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City changed by hand: the state, country, coordinates and clock are still those of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City entered by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the state, country, coordinates and time zone of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The City reads &quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The place was changed elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The second (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ahead of standard time all year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ahead of standard time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clock before the change (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clocks were </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double summer time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>local mean time of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>local mean time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no common clock yet: local mean time of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set back from the usual clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>summer time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>war time, kept all year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>war time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>winter time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State entered by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country entered by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude entered by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude entered by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving set by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude set by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude set by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone chosen by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this time did not exist there: clocks went from </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this time happened twice there, as clocks went back from </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the city of birth to choose it from the offline atlas: its coordinates, zone and daylight saving then follow from the birth date and time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dasha</name>
    <message>
        <source>Balance of %1&apos;s mahadasha at birth: %2 years %3 months %4 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years of %1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before birth</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DashaTab</name>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra and pada of each body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vimshottari mahadashas and their antardashas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance at birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasha year length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra and dasha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra &amp;&amp; Dasha</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not all of it could be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is the file being read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Nakshatras</name>
    <message>
        <source>Ashwini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revati</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlacePicker</name>
    <message>
        <source>Place and clock status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The offline atlas could not be read (%1); enter the place, its coordinates and zone by hand.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing is not available: the printing module %1 could not be loaded (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not this program&apos;s printing module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing is not available: the printing module %1 was not found in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Orvel Pataki Chakra generates the Pataki Chakra of your natal chart based on Vedic Astrology principles. The Pataki Chakra or Tri Pataki Chakra means a flag of three in Sanskrit. It gives you information about your ill health and the planetary influences on the Moon.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingCommands</name>
    <message>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Chart Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Chart Image...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingPage</name>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no zone selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pataki Chakra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the place&apos;s own clock · %1 used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · daylight saving %2 · %3 used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shaded: the Lagna&apos;s sign and its vedha signs.  (R): retrograde.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagna (Asc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yamardha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yamardhapati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dandadhipati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planetary positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pataki Chakra details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra and Vimshottari dasha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the Moon of: %1. %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mahadasha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultFrame</name>
    <message>
        <source>Orvel Pataki Chakra Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Hora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surya/Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chandra/Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budha/Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shukra/Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mangala/Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guru/Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shani/Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu/North Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketu/South node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asc/Lagna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planetary Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pataki Chakra Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vaar/Day of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun Rise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yamaradha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yamardhapati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dandadhipati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pataki Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> More About Vedha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discuss your chart in our astrology forum</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>No web browser could be started for this page. To visit it, copy its address into a browser:

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mesha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mithuna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kataka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kanya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vrishchika</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dhanush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kumbha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dinamana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ratrimana</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleCopy</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
