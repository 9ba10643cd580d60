<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
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
    <name>FrmAbout</name>
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
</TS>
