<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name></name>
    <!-- categories -->
    <message id="Resistors">
        <source>Resistors</source>
        <translation>Widerstände</translation>
    </message>
    <message id="ResistorColors">
        <source>Resistor Colour Codes</source>
        <translation>Widerstands-Farbcodes</translation>
    </message>
    <message id="LEDDroppingResistor">
        <source>LED Dropping Resistor</source>
        <translation>LED-Vorwiderstand</translation>
    </message>
    <message id="OhmsLaw">
        <source>Ohm's Law</source>
        <translation>Ohmsches Gesetz</translation>
    </message>
    <message id="SeriesParallelConnection">
        <source>Series &amp; Parallel</source>
        <translation>Reihe &amp; Parallel</translation>
    </message>
    <message id="VoltageDivider">
        <source>Voltage Divider</source>
        <translation>Spannungsteiler</translation>
    </message>
    <message id="Miscellaneous">
        <source>Miscellaneous</source>
        <translation>Verschiedenes</translation>
    </message>
    <message id="HeatSinks">
        <source>Heat Sinks</source>
        <translation>Kühlkörper</translation>
    </message>
    <message id="Coils">
        <source>Coils</source>
        <translation>Spulen</translation>
    </message>
    <message id="AirCoredCoils">
        <source>Air-Cored Coils</source>
        <translation>Luftspulen</translation>
    </message>
    <message id="InductorColors">
        <source>Inductor Colour Codes</source>
        <translation>Farbcode Induktivitäten</translation>
    </message>
    <message id="Tubes">
        <source>Tubes</source>
        <translation>Röhren</translation>
    </message>
    <message id="TubeIdent">
        <source>Tube Designations</source>
        <translation>Röhrenbezeichnungen</translation>
    </message>
    <message id="ICs">
        <source>ICs</source>
        <translation>ICs</translation>
    </message>
    <message id="NE555">
        <source>555 Timer</source>
        <translation>555-Timer</translation>
    </message>
    <message id="AdjustableRegulator">
        <source>Adjustable Regulator</source>
        <translation>Einstellbarer Regler</translation>
    </message>
    <message id="OpAmpGain">
        <source>Op-Amp Gain</source>
        <translation>OPV-Verstärkung</translation>
    </message>
    <message id="About">
        <source>About</source>
        <translation>Über</translation>
    </message>
    <!-- words that also find a panel in the source list -->
    <message id="FindPanelPlaceholder">
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message id="FindPanelA11yDescription">
        <source>Narrows the list to the panels whose names or keywords begin with the words typed</source>
        <translation>Zeigt in der Liste nur die Panels, deren Namen oder Stichwörter mit den eingegebenen Wörtern beginnen</translation>
    </message>
    <message id="FindPanelA11yName">
        <source>Find a panel</source>
        <translation>Panel suchen</translation>
    </message>
    <message id="ResistorColorsKeywords">
        <source>colour color bands code IEC-60062 E12 E24 E96</source>
        <translation>Farbringe Farbcode Ringe colour color IEC-60062 E12 E24 E96</translation>
    </message>
    <message id="LEDDroppingResistorKeywords">
        <source>LED series resistor diode current-limiting</source>
        <translation>LED Vorwiderstand Diode Strombegrenzung</translation>
    </message>
    <message id="SmdCodesKeywords">
        <source>SMD EIA-96 marking code chip</source>
        <translation>SMD EIA-96 Aufdruck Kennzeichnung Code Chip</translation>
    </message>
    <message id="OhmsLawKeywords">
        <source>voltage current resistance power watt volt ampere</source>
        <translation>Spannung Strom Widerstand Leistung Watt Volt Ampere</translation>
    </message>
    <message id="SeriesParallelConnectionKeywords">
        <source>series parallel combination E-series standard values capacitor resistor</source>
        <translation>Reihenschaltung Parallelschaltung Kombination E-Reihe Normwerte Kondensator Widerstand</translation>
    </message>
    <message id="VoltageDividerKeywords">
        <source>divider potential ratio attenuator</source>
        <translation>Teiler Spannungsteiler Verhältnis Abschwächer</translation>
    </message>
    <message id="RCAndLCKeywords">
        <source>tau time-constant resonance cutoff frequency filter low-pass tank</source>
        <translation>Tau Zeitkonstante Resonanz Grenzfrequenz Filter Tiefpass Schwingkreis</translation>
    </message>
    <message id="HeatSinksKeywords">
        <source>heatsink thermal resistance cooling temperature junction</source>
        <translation>Kühlkörper Wärmewiderstand Kühlung Temperatur Sperrschicht heatsink</translation>
    </message>
    <message id="AirCoredCoilsKeywords">
        <source>inductor inductance coil winding turns solenoid</source>
        <translation>Induktivität Spule Windungen Wicklung Zylinderspule</translation>
    </message>
    <message id="TubeIdentKeywords">
        <source>valve vacuum tube Pro-Electron EL34 ECC83</source>
        <translation>Röhre Elektronenröhre Pro-Electron EL34 ECC83</translation>
    </message>
    <message id="NE555Keywords">
        <source>NE555 timer astable monostable oscillator multivibrator</source>
        <translation>NE555 Timer astabil monostabil Kippstufe Oszillator</translation>
    </message>
    <message id="AdjustableRegulatorKeywords">
        <source>LM317 LM337 TL431 regulator voltage reference</source>
        <translation>LM317 LM337 TL431 Regler Spannungsregler Referenz</translation>
    </message>
    <message id="OpAmpGainKeywords">
        <source>op-amp operational amplifier inverting non-inverting gain feedback</source>
        <translation>OPV Operationsverstärker invertierend nichtinvertierend Verstärkung Rückkopplung</translation>
    </message>
    <message id="AboutKeywords">
        <source>version licence license donate website</source>
        <translation>Info Version Lizenz Spende Webseite</translation>
    </message>
    <!-- end of categories -->
    <!-- shared captions and units -->
    <message id="Resistance">
        <source>Resistance</source>
        <translation>Widerstand</translation>
    </message>
    <message id="Power">
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message id="Voltage">
        <source>Voltage</source>
        <translation>Spannung</translation>
    </message>
    <message id="Current">
        <source>Current</source>
        <translation>Strom</translation>
    </message>
    <message id="Ohm">
        <source>Ω</source>
        <translation>Ω</translation>
    </message>
    <message id="KiloOhm">
        <source>kΩ</source>
        <translation>kΩ</translation>
    </message>
    <message id="MegaOhm">
        <source>MΩ</source>
        <translation>MΩ</translation>
    </message>
    <message id="GigaOhm">
        <source>GΩ</source>
        <translation>GΩ</translation>
    </message>
    <!-- end of shared captions and units -->
    <!-- resistor colour codes -->
    <message id="Tolerance">
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message id="FourBands">
        <source>4 bands</source>
        <translation>4 Ringe</translation>
    </message>
    <message id="FiveBands">
        <source>5 bands</source>
        <translation>5 Ringe</translation>
    </message>
    <message id="FirstDigit">
        <source>1st digit</source>
        <translation>1. Ziffer</translation>
    </message>
    <message id="SecondDigit">
        <source>2nd digit</source>
        <translation>2. Ziffer</translation>
    </message>
    <message id="ThirdDigit">
        <source>3rd digit</source>
        <translation>3. Ziffer</translation>
    </message>
    <message id="Multiplier">
        <source>Multiplier</source>
        <translation>Multiplikator</translation>
    </message>
    <message id="ColorSilver">
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message id="ColorGold">
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message id="ColorBlack">
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message id="ColorBrown">
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message id="ColorRed">
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message id="ColorOrange">
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message id="ColorYellow">
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message id="ColorGreen">
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message id="ColorBlue">
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message id="ColorViolet">
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message id="ColorGrey">
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message id="ColorWhite">
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message id="ColorNoBand">
        <source>No band</source>
        <translation>Kein Ring</translation>
    </message>
    <message id="ResistorFourBandsA11yName">
        <source>Four bands</source>
        <translation>Vier Ringe</translation>
    </message>
    <message id="ResistorFourBandsA11yDescription">
        <source>resistor with four colour bands</source>
        <translation>Widerstand mit vier Farbringen</translation>
    </message>
    <message id="ResistorFiveBandsA11yName">
        <source>Five bands</source>
        <translation>Fünf Ringe</translation>
    </message>
    <message id="ResistorFiveBandsA11yDescription">
        <source>resistor with five colour bands</source>
        <translation>Widerstand mit fünf Farbringen</translation>
    </message>
    <message id="ResistorFourFirstBandA11yName">
        <source>First digit</source>
        <translation>Erste Ziffer</translation>
    </message>
    <message id="ResistorFourFirstBandA11yDescription">
        <source>colour of the first band</source>
        <translation>Farbe des ersten Rings</translation>
    </message>
    <message id="ResistorFourSecondBandA11yName">
        <source>Second digit</source>
        <translation>Zweite Ziffer</translation>
    </message>
    <message id="ResistorFourSecondBandA11yDescription">
        <source>colour of the second band</source>
        <translation>Farbe des zweiten Rings</translation>
    </message>
    <message id="ResistorFourThirdBandA11yName">
        <source>Multiplier</source>
        <translation>Multiplikator</translation>
    </message>
    <message id="ResistorFourThirdBandA11yDescription">
        <source>colour of the third band</source>
        <translation>Farbe des dritten Rings</translation>
    </message>
    <message id="ResistorFourFourthBandA11yName">
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message id="ResistorFourFourthBandA11yDescription">
        <source>colour of the fourth band</source>
        <translation>Farbe des vierten Rings</translation>
    </message>
    <message id="ResistorFiveFirstBandA11yName">
        <source>First digit</source>
        <translation>Erste Ziffer</translation>
    </message>
    <message id="ResistorFiveFirstBandA11yDescription">
        <source>colour of the first band</source>
        <translation>Farbe des ersten Rings</translation>
    </message>
    <message id="ResistorFiveSecondBandA11yName">
        <source>Second digit</source>
        <translation>Zweite Ziffer</translation>
    </message>
    <message id="ResistorFiveSecondBandA11yDescription">
        <source>colour of the second band</source>
        <translation>Farbe des zweiten Rings</translation>
    </message>
    <message id="ResistorFiveThirdBandA11yName">
        <source>Third digit</source>
        <translation>Dritte Ziffer</translation>
    </message>
    <message id="ResistorFiveThirdBandA11yDescription">
        <source>colour of the third band</source>
        <translation>Farbe des dritten Rings</translation>
    </message>
    <message id="ResistorFiveFourthBandA11yName">
        <source>Multiplier</source>
        <translation>Multiplikator</translation>
    </message>
    <message id="ResistorFiveFourthBandA11yDescription">
        <source>colour of the fourth band</source>
        <translation>Farbe des vierten Rings</translation>
    </message>
    <message id="ResistorFiveFifthBandA11yName">
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message id="ResistorFiveFifthBandA11yDescription">
        <source>colour of the fifth band</source>
        <translation>Farbe des fünften Rings</translation>
    </message>
    <message id="ResistorPictureA11yName">
        <source>Resistor</source>
        <translation>Widerstand</translation>
    </message>
    <message id="ResistorPictureA11yDescription">
        <source>picture of the resistor with the chosen bands</source>
        <translation>Bild des Widerstands mit den gewählten Ringen</translation>
    </message>
    <message id="ResistorResultA11yName">
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message id="ResistorResultA11yDescription">
        <source>resistance and tolerance</source>
        <translation>Widerstandswert und Toleranz</translation>
    </message>
    <message id="SixBands">
        <source>6 bands</source>
        <translation>6 Ringe</translation>
    </message>
    <message id="ResistorSixBandsA11yName">
        <source>Six bands</source>
        <translation>Sechs Ringe</translation>
    </message>
    <message id="ResistorSixBandsA11yDescription">
        <source>resistor with six colour bands</source>
        <translation>Widerstand mit sechs Farbringen</translation>
    </message>
    <message id="TemperatureCoefficient">
        <source>Temperature coefficient</source>
        <translation>Temperaturkoeffizient</translation>
    </message>
    <message id="ResistorSixSixthBandA11yName">
        <source>Temperature coefficient</source>
        <translation>Temperaturkoeffizient</translation>
    </message>
    <message id="ResistorSixSixthBandA11yDescription">
        <source>colour of the sixth band</source>
        <translation>Farbe des sechsten Rings</translation>
    </message>
    <message id="Value">
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message id="ValuePlaceholder">
        <source>e.g. 4k7</source>
        <translation>z. B. 4k7</translation>
    </message>
    <message id="ResistorValueA11yName">
        <source>Resistance value</source>
        <translation>Widerstandswert</translation>
    </message>
    <message id="ResistorValueA11yDescription">
        <source>a value such as 4k7 or 49.9k; sets the bands</source>
        <translation>ein Wert wie 4k7 oder 49.9k; stellt die Ringe ein</translation>
    </message>
    <message id="ResistorValueToleranceA11yName">
        <source>Tolerance of the value</source>
        <translation>Toleranz des Werts</translation>
    </message>
    <message id="ResistorValueToleranceA11yDescription">
        <source>sets the tolerance band</source>
        <translation>stellt den Toleranzring ein</translation>
    </message>
    <message id="ResistorNoteA11yName">
        <source>Standard values</source>
        <translation>Normwerte</translation>
    </message>
    <message id="ResistorNoteA11yDescription">
        <source>whether the value is a standard value</source>
        <translation>ob der Wert ein Normwert ist</translation>
    </message>
    <message id="NotAResistance">
        <source>Type a resistance such as 4k7, 49.9k or 4700.</source>
        <translation>Bitte einen Widerstandswert wie 4k7, 49.9k oder 4700 eingeben.</translation>
    </message>
    <message id="BandsRounded">
        <source>Rounded to %@ for %d bands.</source>
        <translation>Auf %@ gerundet, damit %d Ringe den Wert zeigen.</translation>
    </message>
    <message id="InductorBandCount">
        <source>An inductor has three or four bands: two digits, a multiplier and a tolerance.</source>
        <translation>Eine Induktivität hat drei oder vier Ringe: zwei Ziffern, einen Multiplikator und eine Toleranz.</translation>
    </message>
    <message id="InductorMilitaryCode">
        <source>A silver first band or a gold digit band marks the military code, whose gold band is a decimal point. It is not read: only the four-band code is.</source>
        <translation>Ein silberner erster Ring oder ein goldener Ziffernring kennzeichnet den Militärcode, dessen goldener Ring ein Dezimalkomma ist. Er wird nicht gelesen, nur der Code mit vier Ringen.</translation>
    </message>
    <message id="InductorBandColor">
        <source>%@ is not a colour of band %d.</source>
        <translation>%@ ist keine Farbe für Ring %d.</translation>
    </message>
    <message id="InductorBandsOutOfRange">
        <source>Four bands show only 0.1 µH to 990 mH.</source>
        <translation>Vier Ringe zeigen nur 0.1 µH bis 990 mH.</translation>
    </message>
    <message id="NotAnInductance">
        <source>Type an inductance in µH such as 4.7, 4u7 or 10m (10 mH).</source>
        <translation>Bitte eine Induktivität in µH wie 4.7, 4u7 oder 10m (10 mH) eingeben.</translation>
    </message>
    <message id="InductanceMicrohenries">
        <source>Inductance (µH)</source>
        <translation>Induktivität (µH)</translation>
    </message>
    <message id="InductorValuePlaceholder">
        <source>e.g. 4.7</source>
        <translation>z. B. 4.7</translation>
    </message>
    <message id="InductorValueA11yName">
        <source>Inductance value in microhenries</source>
        <translation>Induktivität in Mikrohenry</translation>
    </message>
    <message id="InductorFirstBandA11yName">
        <source>First band, first digit</source>
        <translation>Erster Ring, erste Ziffer</translation>
    </message>
    <message id="InductorSecondBandA11yName">
        <source>Second band, second digit</source>
        <translation>Zweiter Ring, zweite Ziffer</translation>
    </message>
    <message id="InductorMultiplierBandA11yName">
        <source>Third band, multiplier</source>
        <translation>Dritter Ring, Multiplikator</translation>
    </message>
    <message id="InductorToleranceBandA11yName">
        <source>Fourth band, tolerance</source>
        <translation>Vierter Ring, Toleranz</translation>
    </message>
    <message id="InductorPictureA11yName">
        <source>Inductor</source>
        <translation>Induktivität</translation>
    </message>
    <message id="InductorResultA11yDescription">
        <source>inductance and tolerance</source>
        <translation>Induktivität und Toleranz</translation>
    </message>
    <message id="InductorNoteA11yName">
        <source>Note on the value</source>
        <translation>Hinweis zum Wert</translation>
    </message>
    <message id="InductorValueA11yDescription">
        <source>an inductance in µH such as 4.7 or 4u7; sets the bands</source>
        <translation>eine Induktivität in µH wie 4.7 oder 4u7; stellt die Ringe ein</translation>
    </message>
    <message id="InductorNoteA11yDescription">
        <source>whether the value was rounded or cannot be shown</source>
        <translation>ob der Wert gerundet wurde oder nicht darstellbar ist</translation>
    </message>
    <message id="InductorPictureA11yDescription">
        <source>picture of the inductor with the chosen bands</source>
        <translation>Bild der Induktivität mit den gewählten Ringen</translation>
    </message>
    <message id="InductorColorsKeywords">
        <source>inductor choke coil colour color code bands rings µH moulded</source>
        <translation>Induktivität Drossel Spule Farbcode Farbringe Ringe µH Festinduktivität</translation>
    </message>
    <message id="BandsOutOfRange">
        <source>%d bands cannot show %@.</source>
        <translation>%d Ringe können %@ nicht zeigen.</translation>
    </message>
    <message id="BandsTolerance">
        <source>%d bands cannot show a tolerance of %@%%.</source>
        <translation>%d Ringe können keine Toleranz von %@%% zeigen.</translation>
    </message>
    <message id="BandsTemperatureCoefficient">
        <source>No band colour stands for %d ppm/K.</source>
        <translation>Keine Ringfarbe steht für %d ppm/K.</translation>
    </message>
    <message id="BandsCount">
        <source>A resistor has 4, 5 or 6 bands.</source>
        <translation>Ein Widerstand hat 4, 5 oder 6 Ringe.</translation>
    </message>
    <message id="NotStandardValue">
        <source>%@ is not an %@ value.</source>
        <translation>%@ ist kein %@-Wert.</translation>
    </message>
    <message id="NotStandardValueNearest">
        <source>%@ is not an %@ value. Nearest: %@ below, %@ above.</source>
        <translation>%@ ist kein %@-Wert. Nächste: %@ darunter, %@ darüber.</translation>
    </message>
    <!-- end of resistor colour codes -->
    <!-- smd resistor codes -->
    <message id="SmdCodes">
        <source>SMD Resistor Codes</source>
        <translation>SMD-Widerstandscodes</translation>
    </message>
    <message id="SmdCode">
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message id="SmdCodePlaceholder">
        <source>e.g. 472, 4R7, 01C</source>
        <translation>z. B. 472, 4R7, 01C</translation>
    </message>
    <message id="SmdCodeA11yName">
        <source>SMD code</source>
        <translation>SMD-Code</translation>
    </message>
    <message id="SmdCodeA11yDescription">
        <source>the code printed on the resistor; shows its value</source>
        <translation>der auf den Widerstand gedruckte Code; zeigt seinen Wert</translation>
    </message>
    <message id="SmdValueA11yName">
        <source>Resistance value</source>
        <translation>Widerstandswert</translation>
    </message>
    <message id="SmdValueA11yDescription">
        <source>shows the codes of this value</source>
        <translation>zeigt die Codes dieses Werts</translation>
    </message>
    <message id="SmdResultA11yName">
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message id="SmdResultA11yDescription">
        <source>the value of the code, or the codes of the value</source>
        <translation>der Wert des Codes oder die Codes des Werts</translation>
    </message>
    <message id="SmdThreeDigits">
        <source>Three digits</source>
        <translation>Drei Ziffern</translation>
    </message>
    <message id="SmdFourDigits">
        <source>Four digits</source>
        <translation>Vier Ziffern</translation>
    </message>
    <message id="SmdEia96">
        <source>EIA-96</source>
        <translation>EIA-96</translation>
    </message>
    <message id="SmdJumper">
        <source>%@ (jumper)</source>
        <translation>%@ (Brücke)</translation>
    </message>
    <message id="SmdAsEia96">
        <source>As EIA-96: %@</source>
        <translation>Als EIA-96: %@</translation>
    </message>
    <message id="SmdEmpty">
        <source>Type the code printed on the resistor.</source>
        <translation>Bitte den aufgedruckten Code eingeben.</translation>
    </message>
    <message id="SmdLength">
        <source>An SMD code has three or four characters.</source>
        <translation>Ein SMD-Code hat drei oder vier Zeichen.</translation>
    </message>
    <message id="SmdCharacter">
        <source>'%@' does not appear in SMD codes.</source>
        <translation>„%@“ kommt in SMD-Codes nicht vor.</translation>
    </message>
    <message id="SmdLeadingZero">
        <source>A code that starts with 0 is all zeros (a 0 Ω jumper).</source>
        <translation>Ein Code, der mit 0 beginnt, besteht nur aus Nullen (0-Ω-Brücke).</translation>
    </message>
    <message id="SmdDecimalMarks">
        <source>A code holds at most one R.</source>
        <translation>Ein Code enthält höchstens ein R.</translation>
    </message>
    <message id="SmdEia96Index">
        <source>EIA-96 numbers run from 01 to 96, not %@.</source>
        <translation>EIA-96-Nummern reichen von 01 bis 96, nicht %@.</translation>
    </message>
    <message id="SmdEia96Letter">
        <source>'%@' is no EIA-96 multiplier (Z, Y, R, X, S, A, B, H, C, D, E, F).</source>
        <translation>„%@“ ist kein EIA-96-Multiplikator (Z, Y, R, X, S, A, B, H, C, D, E, F).</translation>
    </message>
    <message id="SmdBelowSmallestCode">
        <source>No SMD code shows a value below %@.</source>
        <translation>Kein SMD-Code zeigt einen Wert unter %@.</translation>
    </message>
    <message id="SmdNoCode">
        <source>No SMD code shows %@.</source>
        <translation>Kein SMD-Code zeigt %@.</translation>
    </message>
    <!-- end of smd resistor codes -->
    <!-- standard values -->
    <message id="ESeriesNearest">
        <source>Nearest</source>
        <translation>Nächster</translation>
    </message>
    <message id="ESeriesAtOrBelow">
        <source>At or below</source>
        <translation>Darunter oder gleich</translation>
    </message>
    <message id="ESeriesAtOrAbove">
        <source>At or above</source>
        <translation>Darüber oder gleich</translation>
    </message>
    <!-- end of standard values -->
    <!-- ohm's law -->
    <message id="Clear">
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message id="OhmsLawPowerA11yName">
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message id="OhmsLawPowerA11yDescription">
        <source>watts</source>
        <translation>Watt</translation>
    </message>
    <message id="OhmsLawVoltageA11yName">
        <source>Voltage</source>
        <translation>Spannung</translation>
    </message>
    <message id="OhmsLawVoltageA11yDescription">
        <source>volts</source>
        <translation>Volt</translation>
    </message>
    <message id="OhmsLawCurrentA11yName">
        <source>Current</source>
        <translation>Strom</translation>
    </message>
    <message id="OhmsLawCurrentA11yDescription">
        <source>amperes</source>
        <translation>Ampere</translation>
    </message>
    <message id="OhmsLawResistanceA11yName">
        <source>Resistance</source>
        <translation>Widerstand</translation>
    </message>
    <message id="OhmsLawResistanceA11yDescription">
        <source>ohms</source>
        <translation>Ohm</translation>
    </message>
    <!-- end of ohm's law -->
    <!-- led dropping resistor -->
    <message id="ForwardVoltage">
        <source>Forward voltage</source>
        <translation>Durchlassspannung</translation>
    </message>
    <message id="SupplyVoltage">
        <source>Supply voltage</source>
        <translation>Versorgungsspannung</translation>
    </message>
    <message id="OperatingCurrent">
        <source>Operating current</source>
        <translation>Betriebsstrom</translation>
    </message>
    <message id="LEDPresetInfrared">
        <source>Infrared</source>
        <translation>Infrarot</translation>
    </message>
    <message id="LEDPresetRed">
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message id="LEDPresetGreen">
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message id="LEDPresetYellow">
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message id="LEDPresetBlue">
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message id="LEDPresetWhite">
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message id="LEDPowerWarning">
        <source>Warning: resistor power above 10 W</source>
        <translation>Achtung: Verlustleistung des Widerstands über 10 W</translation>
    </message>
    <message id="LEDForwardVoltageA11yName">
        <source>Forward voltage</source>
        <translation>Durchlassspannung</translation>
    </message>
    <message id="LEDForwardVoltageA11yDescription">
        <source>volts, or an LED colour from the list</source>
        <translation>Volt, oder eine LED-Farbe aus der Liste</translation>
    </message>
    <message id="LEDSupplyVoltageA11yName">
        <source>Supply voltage</source>
        <translation>Versorgungsspannung</translation>
    </message>
    <message id="LEDVoltsA11yDescription">
        <source>volts</source>
        <translation>Volt</translation>
    </message>
    <message id="LEDOperatingCurrentA11yName">
        <source>Operating current</source>
        <translation>Betriebsstrom</translation>
    </message>
    <message id="LEDMilliamperesA11yDescription">
        <source>milliamperes</source>
        <translation>Milliampere</translation>
    </message>
    <message id="LEDResultA11yName">
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message id="LEDResultA11yDescription">
        <source>series resistor and its power</source>
        <translation>Vorwiderstand und seine Leistung</translation>
    </message>
    <message id="LEDPowerWarningA11yName">
        <source>Power warning</source>
        <translation>Leistungswarnung</translation>
    </message>
    <message id="LEDStandardResistor">
        <source>%@ resistor: %@
at %.01f mA and %.02f W</source>
        <translation>%@-Widerstand: %@
bei %.01f mA und %.02f W</translation>
    </message>
    <message id="LEDCannotLight">
        <source>The LED cannot light:
the supply voltage must be
above its forward voltage.</source>
        <translation>Die LED leuchtet so nicht:
die Spannung muss über
ihrer Flussspannung liegen.</translation>
    </message>
    <message id="LEDResistorSeries">
        <source>Resistor series</source>
        <translation>Widerstandsreihe</translation>
    </message>
    <message id="LEDResistorSeriesA11yName">
        <source>Resistor series</source>
        <translation>Widerstandsreihe</translation>
    </message>
    <message id="LEDResistorSeriesA11yDescription">
        <source>the E series the resistor to buy comes from</source>
        <translation>die E-Reihe, aus der der zu kaufende Widerstand stammt</translation>
    </message>
    <!-- end of led dropping resistor -->
    <!-- series and parallel -->
    <message id="Capacitors">
        <source>Capacitors</source>
        <translation>Kondensatoren</translation>
    </message>
    <message id="Series">
        <source>Series</source>
        <translation>Reihe</translation>
    </message>
    <message id="Parallel">
        <source>Parallel</source>
        <translation>Parallel</translation>
    </message>
    <message id="PartValue">
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message id="AddPart">
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message id="RemovePart">
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message id="PartNotANumber">
        <source>A part's value must begin with a number, such as 4.7 or 1e3.</source>
        <translation>Der Wert eines Bauteils muss mit einer Zahl beginnen, etwa 4.7 oder 1e3.</translation>
    </message>
    <message id="Capacitance">
        <source>Capacitance</source>
        <translation>Kapazität</translation>
    </message>
    <message id="SeriesParallelResistorsA11yName">
        <source>Resistors</source>
        <translation>Widerstände</translation>
    </message>
    <message id="SeriesParallelResistorsA11yDescription">
        <source>combine resistors</source>
        <translation>Widerstände zusammenschalten</translation>
    </message>
    <message id="SeriesParallelCapacitorsA11yName">
        <source>Capacitors</source>
        <translation>Kondensatoren</translation>
    </message>
    <message id="SeriesParallelCapacitorsA11yDescription">
        <source>combine capacitors</source>
        <translation>Kondensatoren zusammenschalten</translation>
    </message>
    <message id="SeriesParallelPartA11yName">
        <source>Part value</source>
        <translation>Bauteilwert</translation>
    </message>
    <message id="SeriesParallelOhmsA11yDescription">
        <source>ohms; Enter adds the part</source>
        <translation>Ohm; Eingabetaste fügt das Bauteil hinzu</translation>
    </message>
    <message id="SeriesParallelMicrofaradsA11yDescription">
        <source>microfarads; Enter adds the part</source>
        <translation>Mikrofarad; Eingabetaste fügt das Bauteil hinzu</translation>
    </message>
    <message id="SeriesParallelPartsA11yName">
        <source>Parts</source>
        <translation>Bauteile</translation>
    </message>
    <message id="SeriesParallelPartsA11yDescription">
        <source>the parts to combine; Delete removes the selected part</source>
        <translation>die zusammengeschalteten Bauteile; Entf entfernt das gewählte Bauteil</translation>
    </message>
    <message id="SeriesParallelResultA11yName">
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message id="SeriesParallelResultA11yDescription">
        <source>total in series and in parallel</source>
        <translation>Gesamtwert in Reihe und parallel</translation>
    </message>
    <!-- end of series and parallel -->
    <!-- heat sink -->
    <message id="TRHeatSink">
        <source>Heat sink thermal resistance</source>
        <translation>Wärmewiderstand Kühlkörper</translation>
    </message>
    <message id="MaxChipTemp">
        <source>Max. chip temperature</source>
        <translation>Max. Chiptemperatur</translation>
    </message>
    <message id="ResultingChipTemp">
        <source>Resulting chip temperature</source>
        <translation>Resultierende Chiptemperatur</translation>
    </message>
    <message id="HeatSinkResultMsg">
        <source>Max. heat sink resistance</source>
        <translation>Max. Wärmewiderstand Kühlkörper</translation>
    </message>
    <message id="HeatSinkInvalidInput">
        <source>No heat sink can keep the chip below its maximum temperature.</source>
        <translation>Kein Kühlkörper kann den Chip unter seiner Höchsttemperatur halten.</translation>
    </message>
    <message id="MaxChipTempWarning">
        <source>The ambient temperature is at or above the maximum chip temperature.</source>
        <translation>Die Umgebungstemperatur liegt bei oder über der maximalen Chiptemperatur.</translation>
    </message>
    <message id="HeatSinkModeChipTemperature">
        <source>Chip temperature</source>
        <translation>Chiptemperatur</translation>
    </message>
    <message id="HeatSinkModeSinkResistance">
        <source>Required heat sink</source>
        <translation>Nötiger Kühlkörper</translation>
    </message>
    <message id="HeatSinkPowerCaption">
        <source>Power:</source>
        <translation>Leistung:</translation>
    </message>
    <message id="ChipToCaseCaption">
        <source>Chip to case:</source>
        <translation>Chip zu Gehäuse:</translation>
    </message>
    <message id="CaseToHeatSinkCaption">
        <source>Case to heat sink:</source>
        <translation>Gehäuse zu Kühlkörper:</translation>
    </message>
    <message id="AmbientTemperatureCaption">
        <source>Ambient temperature:</source>
        <translation>Umgebungstemperatur:</translation>
    </message>
    <message id="MountingMicaWasher">
        <source>Mica washer, thermal paste</source>
        <translation>Glimmerscheibe, Wärmeleitpaste</translation>
    </message>
    <message id="MountingThermalPaste">
        <source>Direct, thermal paste</source>
        <translation>Direkt, Wärmeleitpaste</translation>
    </message>
    <message id="MountingThermalPad">
        <source>Direct, thermal pad</source>
        <translation>Direkt, Wärmeleitpad</translation>
    </message>
    <message id="HeatSinkChipTemperatureModeA11yName">
        <source>Chip temperature</source>
        <translation>Chiptemperatur</translation>
    </message>
    <message id="HeatSinkChipTemperatureModeA11yDescription">
        <source>compute the chip temperature for a given heat sink</source>
        <translation>die Chiptemperatur für einen gegebenen Kühlkörper berechnen</translation>
    </message>
    <message id="HeatSinkSinkResistanceModeA11yName">
        <source>Heat sink resistance</source>
        <translation>Kühlkörperwiderstand</translation>
    </message>
    <message id="HeatSinkSinkResistanceModeA11yDescription">
        <source>compute the largest heat sink resistance for a maximum chip temperature</source>
        <translation>den größten Kühlkörperwiderstand für eine höchste Chiptemperatur berechnen</translation>
    </message>
    <message id="HeatSinkPowerA11yName">
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message id="HeatSinkWattsA11yDescription">
        <source>watts</source>
        <translation>Watt</translation>
    </message>
    <message id="HeatSinkChipToCaseA11yName">
        <source>Chip to case</source>
        <translation>Chip zu Gehäuse</translation>
    </message>
    <message id="HeatSinkKelvinsPerWattA11yDescription">
        <source>kelvins per watt</source>
        <translation>Kelvin pro Watt</translation>
    </message>
    <message id="HeatSinkCaseToHeatSinkA11yName">
        <source>Case to heat sink</source>
        <translation>Gehäuse zu Kühlkörper</translation>
    </message>
    <message id="HeatSinkMountingA11yDescription">
        <source>kelvins per watt, or a mounting from the list</source>
        <translation>Kelvin pro Watt, oder eine Montageart aus der Liste</translation>
    </message>
    <message id="HeatSinkSinkResistanceA11yName">
        <source>Heat sink thermal resistance</source>
        <translation>Wärmewiderstand des Kühlkörpers</translation>
    </message>
    <message id="HeatSinkAmbientTemperatureA11yName">
        <source>Ambient temperature</source>
        <translation>Umgebungstemperatur</translation>
    </message>
    <message id="HeatSinkDegreesCelsiusA11yDescription">
        <source>degrees Celsius</source>
        <translation>Grad Celsius</translation>
    </message>
    <message id="HeatSinkWarningA11yName">
        <source>Temperature warning</source>
        <translation>Temperaturwarnung</translation>
    </message>
    <message id="HeatSinkResultA11yName">
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message id="HeatSinkResultA11yDescription">
        <source>chip temperature or largest heat sink resistance</source>
        <translation>Chiptemperatur oder größter Kühlkörperwiderstand</translation>
    </message>
    <!-- end of heat sink -->
    <!-- air-cored coil -->
    <message id="Inductance">
        <source>Inductance</source>
        <translation>Induktivität</translation>
    </message>
    <message id="CoilWinding">
        <source>Winding</source>
        <translation>Wicklung</translation>
    </message>
    <message id="SingleLayer">
        <source>Single layer</source>
        <translation>Einlagig</translation>
    </message>
    <message id="MultiLayer">
        <source>Multi-layer</source>
        <translation>Mehrlagig</translation>
    </message>
    <message id="Turns">
        <source>Turns</source>
        <translation>Windungen</translation>
    </message>
    <message id="OuterDiameter">
        <source>Outer diameter</source>
        <translation>Außendurchmesser</translation>
    </message>
    <message id="InnerDiameter">
        <source>Inner diameter</source>
        <translation>Innendurchmesser</translation>
    </message>
    <message id="CoilLength">
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message id="CoilSingleLayerA11yName">
        <source>Single layer</source>
        <translation>Einlagig</translation>
    </message>
    <message id="CoilSingleLayerA11yDescription">
        <source>coil wound in one layer</source>
        <translation>Spule in einer Lage gewickelt</translation>
    </message>
    <message id="CoilMultiLayerA11yName">
        <source>Multi-layer</source>
        <translation>Mehrlagig</translation>
    </message>
    <message id="CoilMultiLayerA11yDescription">
        <source>coil wound in several layers</source>
        <translation>Spule in mehreren Lagen gewickelt</translation>
    </message>
    <message id="CoilTurnsA11yName">
        <source>Turns</source>
        <translation>Windungen</translation>
    </message>
    <message id="CoilTurnsA11yDescription">
        <source>number of turns</source>
        <translation>Anzahl der Windungen</translation>
    </message>
    <message id="CoilOuterDiameterA11yName">
        <source>Outer diameter</source>
        <translation>Außendurchmesser</translation>
    </message>
    <message id="CoilMillimetresA11yDescription">
        <source>millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message id="CoilInnerDiameterA11yName">
        <source>Inner diameter</source>
        <translation>Innendurchmesser</translation>
    </message>
    <message id="CoilInnerDiameterA11yDescription">
        <source>millimetres, multi-layer coils only</source>
        <translation>Millimeter, nur für mehrlagige Spulen</translation>
    </message>
    <message id="CoilLengthA11yName">
        <source>Coil length</source>
        <translation>Spulenlänge</translation>
    </message>
    <message id="CoilResultA11yName">
        <source>Inductance</source>
        <translation>Induktivität</translation>
    </message>
    <message id="CoilResultA11yDescription">
        <source>microhenries</source>
        <translation>Mikrohenry</translation>
    </message>
    <!-- end of air-cored coil -->
    <!-- 555 timer -->
    <message id="Frequency">
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message id="ImpDuration">
        <source>Pulse duration</source>
        <translation>Impulsdauer</translation>
    </message>
    <message id="Astable">
        <source>Astable</source>
        <translation>Astabil</translation>
    </message>
    <message id="Monostable">
        <source>Monostable</source>
        <translation>Monostabil</translation>
    </message>
    <message id="NE555AstableA11yName">
        <source>Astable</source>
        <translation>Astabil</translation>
    </message>
    <message id="NE555AstableA11yDescription">
        <source>compute the frequency of a free-running oscillator</source>
        <translation>die Frequenz eines frei laufenden Oszillators berechnen</translation>
    </message>
    <message id="NE555MonostableA11yName">
        <source>Monostable</source>
        <translation>Monostabil</translation>
    </message>
    <message id="NE555MonostableA11yDescription">
        <source>compute the duration of a single pulse</source>
        <translation>die Dauer eines einzelnen Impulses berechnen</translation>
    </message>
    <message id="NE555R1A11yName">
        <source>R1</source>
        <translation>R1</translation>
    </message>
    <message id="NE555R2A11yName">
        <source>R2</source>
        <translation>R2</translation>
    </message>
    <message id="NE555OhmsA11yDescription">
        <source>ohms</source>
        <translation>Ohm</translation>
    </message>
    <message id="NE555C1A11yName">
        <source>C1</source>
        <translation>C1</translation>
    </message>
    <message id="NE555MicrofaradsA11yDescription">
        <source>microfarads</source>
        <translation>Mikrofarad</translation>
    </message>
    <message id="NE555ResultA11yName">
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message id="NE555ResultA11yDescription">
        <source>frequency and duty cycle, pulse duration, or the designed parts</source>
        <translation>Frequenz und Tastgrad, Impulsdauer oder die entworfenen Bauteile</translation>
    </message>
    <message id="NE555Design">
        <source>Design</source>
        <translation>Entwurf</translation>
    </message>
    <message id="NE555DesignA11yName">
        <source>Design</source>
        <translation>Entwurf</translation>
    </message>
    <message id="NE555DesignA11yDescription">
        <source>find the resistors for a target frequency and duty cycle, or for a pulse duration</source>
        <translation>die Widerstände für eine Zielfrequenz und einen Tastgrad oder für eine Impulsdauer finden</translation>
    </message>
    <message id="NE555FrequencyA11yName">
        <source>Target frequency</source>
        <translation>Zielfrequenz</translation>
    </message>
    <message id="NE555HertzA11yDescription">
        <source>hertz</source>
        <translation>Hertz</translation>
    </message>
    <message id="NE555DutyA11yName">
        <source>Duty cycle</source>
        <translation>Tastgrad</translation>
    </message>
    <message id="NE555PercentA11yDescription">
        <source>percent, above 50</source>
        <translation>Prozent, über 50</translation>
    </message>
    <message id="NE555DurationA11yName">
        <source>Pulse duration</source>
        <translation>Impulsdauer</translation>
    </message>
    <message id="NE555SecondsA11yDescription">
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message id="NE555SeriesLabel">
        <source>E series</source>
        <translation>E-Reihe</translation>
    </message>
    <message id="NE555SeriesA11yName">
        <source>E series</source>
        <translation>E-Reihe</translation>
    </message>
    <message id="NE555SeriesA11yDescription">
        <source>the standard values the resistors are chosen from</source>
        <translation>die Normwerte, aus denen die Widerstände gewählt werden</translation>
    </message>
    <!-- end of 555 timer -->
    <!-- tube designations -->
    <message id="TubeNumber">
        <source>Type designation</source>
        <translation>Typbezeichnung</translation>
    </message>
    <message id="TubeNumberPlaceholder">
        <source>e.g. ECC83</source>
        <translation>z. B. ECC83</translation>
    </message>
    <message id="TubeNumberA11yName">
        <source>Tube designation</source>
        <translation>Röhrenbezeichnung</translation>
    </message>
    <message id="TubeNumberA11yDescription">
        <source>letters and digits, such as ECC83</source>
        <translation>Buchstaben und Ziffern, etwa ECC83</translation>
    </message>
    <message id="TubeResultA11yName">
        <source>Decoded tube</source>
        <translation>Entschlüsselte Röhre</translation>
    </message>
    <message id="TubeResultA11yDescription">
        <source>electrode systems, heater supply and base</source>
        <translation>Elektrodensysteme, Heizung und Sockel</translation>
    </message>
    <!-- end of tube designations -->
    <!-- solving in every direction -->
    <message id="CopyDrawing">
        <source>Copy Drawing</source>
        <translation>Zeichnung kopieren</translation>
    </message>
    <message id="ValuesNotPositive">
        <source>Every value must be a number above 0.</source>
        <translation>Jeder Wert muss eine Zahl über 0 sein.</translation>
    </message>
    <message id="NoStandardValue">
        <source>A resistor would lie outside the standard values (1 mΩ to 1 GΩ).</source>
        <translation>Ein Widerstand läge außerhalb der Normwerte (1 mΩ bis 1 GΩ).</translation>
    </message>
    <message id="NearestStandardValue">
        <source>%@: %@, nearest %@ value %@</source>
        <translation>%@: %@, nächster %@-Wert %@</translation>
    </message>
    <message id="HighTime">
        <source>High time</source>
        <translation>High-Zeit</translation>
    </message>
    <message id="LowTime">
        <source>Low time</source>
        <translation>Low-Zeit</translation>
    </message>
    <message id="DutyCycle">
        <source>Duty cycle</source>
        <translation>Tastgrad</translation>
    </message>
    <message id="WithTheseParts">
        <source>With these parts: %.02f Hz, duty cycle %.02f %%</source>
        <translation>Mit diesen Teilen: %.02f Hz, Tastgrad %.02f %%</translation>
    </message>
    <message id="WithThisPart">
        <source>With this part: %.08f s</source>
        <translation>Mit diesem Teil: %.08f s</translation>
    </message>
    <message id="NE555DutyAtOrBelowHalf">
        <source>This circuit cannot make a duty cycle of 50 % or less: that needs a diode across R2.</source>
        <translation>Diese Schaltung kann keinen Tastgrad von 50 % oder weniger erzeugen: dafür braucht es eine Diode parallel zu R2.</translation>
    </message>
    <message id="NE555DutyAtOrAboveWhole">
        <source>The duty cycle must stay below 100 %.</source>
        <translation>Der Tastgrad muss unter 100 % bleiben.</translation>
    </message>
    <message id="HeatSinkModeMaxPower">
        <source>Largest power</source>
        <translation>Größte Leistung</translation>
    </message>
    <message id="HeatSinkMaxPowerModeA11yName">
        <source>Largest power</source>
        <translation>Größte Leistung</translation>
    </message>
    <message id="HeatSinkMaxPowerModeA11yDescription">
        <source>compute the largest power a heat sink allows at a maximum chip temperature</source>
        <translation>die größte Leistung berechnen, die ein Kühlkörper bei einer höchsten Chiptemperatur zulässt</translation>
    </message>
    <message id="CoilSought">
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
    <message id="CoilInductanceFromTurns">
        <source>Inductance from turns</source>
        <translation>Induktivität aus Windungen</translation>
    </message>
    <message id="CoilTurnsForInductance">
        <source>Turns for inductance</source>
        <translation>Windungen für Induktivität</translation>
    </message>
    <message id="CoilInductanceSoughtA11yDescription">
        <source>compute the inductance from the number of turns</source>
        <translation>die Induktivität aus der Windungszahl berechnen</translation>
    </message>
    <message id="CoilTurnsSoughtA11yDescription">
        <source>compute the number of turns for a wanted inductance</source>
        <translation>die Windungszahl für eine gewünschte Induktivität berechnen</translation>
    </message>
    <message id="CoilWantedInductanceA11yDescription">
        <source>wanted inductance in microhenries</source>
        <translation>gewünschte Induktivität in Mikrohenry</translation>
    </message>
    <message id="HeatSinkMaxPowerMsg">
        <source>Largest power: %.02f W</source>
        <translation>Größte Verlustleistung: %.02f W</translation>
    </message>
    <message id="HeatSinkResistanceNotPositive">
        <source>The thermal resistances must add up to more than 0.</source>
        <translation>Die Wärmewiderstände müssen zusammen mehr als 0 ergeben.</translation>
    </message>
    <message id="ExactInductance">
        <source>Exact (Nagaoka)</source>
        <translation>Exakt (Nagaoka)</translation>
    </message>
    <message id="WheelerInductance">
        <source>Wheeler</source>
        <translation>Wheeler</translation>
    </message>
    <message id="NagaokaTurns">
        <source>Turns (Nagaoka)</source>
        <translation>Windungen (Nagaoka)</translation>
    </message>
    <message id="WheelerTurns">
        <source>Turns (Wheeler)</source>
        <translation>Windungen (Wheeler)</translation>
    </message>
    <message id="CombinationStandardValue">
        <source>%@ is a standard value of %@.</source>
        <translation>%@ ist ein Normwert der Reihe %@.</translation>
    </message>
    <message id="CombinationOutOfRange">
        <source>Up to %d parts from 1 Ω to 10 MΩ cannot make this value.</source>
        <translation>Bis zu %d Teile von 1 Ω bis 10 MΩ ergeben diesen Wert nicht.</translation>
    </message>
    <message id="SeriesParallelListMode">
        <source>Parts list</source>
        <translation>Teileliste</translation>
    </message>
    <message id="SeriesParallelTargetMode">
        <source>Target value</source>
        <translation>Zielwert</translation>
    </message>
    <message id="CombinationTarget">
        <source>Target</source>
        <translation>Zielwert</translation>
    </message>
    <message id="CombinationTargetA11yName">
        <source>Target resistance</source>
        <translation>Zielwiderstand</translation>
    </message>
    <message id="CombinationSeries">
        <source>E series</source>
        <translation>E-Reihe</translation>
    </message>
    <message id="CombinationParts">
        <source>Parts at most</source>
        <translation>Höchstens Teile</translation>
    </message>
    <message id="SeriesParallelListModeA11yName">
        <source>Parts list</source>
        <translation>Teileliste</translation>
    </message>
    <message id="SeriesParallelListModeA11yDescription">
        <source>Totals of the parts in the list, in series and in parallel</source>
        <translation>Gesamtwerte der Teile in der Liste, in Reihe und parallel</translation>
    </message>
    <message id="SeriesParallelTargetModeA11yName">
        <source>Target value</source>
        <translation>Zielwert</translation>
    </message>
    <message id="SeriesParallelTargetModeA11yDescription">
        <source>The standard resistors that come closest to a target value</source>
        <translation>Die Normwiderstände, die einem Zielwert am nächsten kommen</translation>
    </message>
    <message id="CombinationTargetA11yDescription">
        <source>The resistance to reach, in ohms</source>
        <translation>Der zu erreichende Widerstand in Ohm</translation>
    </message>
    <message id="CombinationSeriesA11yName">
        <source>E series</source>
        <translation>E-Reihe</translation>
    </message>
    <message id="CombinationSeriesA11yDescription">
        <source>The standard series the resistors come from</source>
        <translation>Die Normreihe, aus der die Widerstände stammen</translation>
    </message>
    <message id="CombinationPartsA11yName">
        <source>Parts at most</source>
        <translation>Höchstens Teile</translation>
    </message>
    <message id="CombinationPartsA11yDescription">
        <source>How many resistors a combination may use</source>
        <translation>Wie viele Widerstände eine Kombination nutzen darf</translation>
    </message>
    <!-- end of solving in every direction -->
    <!-- about -->
    <message id="AboutVersion">
        <source>Version %@</source>
        <translation>Version %@</translation>
    </message>
    <message id="AboutDescription">
        <source>An electronics toolbox for the bench: resistor colour codes, LED dropping resistors, Ohm's law, series and parallel connections, heat sinks, air-cored coils, 555 timers and tube designations.</source>
        <translation>Ein Elektronik-Werkzeugkasten für die Werkbank: Widerstands-Farbcodes, LED-Vorwiderstände, Ohmsches Gesetz, Reihen- und Parallelschaltungen, Kühlkörper, Luftspulen, 555-Timer und Röhrenbezeichnungen.</translation>
    </message>
    <message id="AboutLicense">
        <source>Zelkor is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Zelkor ist freie Software unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
    <message id="AboutWebsite">
        <source>Visit Website</source>
        <translation>Website besuchen</translation>
    </message>
    <message id="AboutMail">
        <source>Send E-Mail</source>
        <translation>E-Mail schreiben</translation>
    </message>
    <message id="AboutDonate">
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <!-- end of about -->
    <!-- designing with standard parts -->
    <message id="PairTargetMet">
        <source>%@ is met exactly.</source>
        <translation>%@ wird genau erreicht.</translation>
    </message>
    <message id="ChosenEntryA11yDescription">
        <source>%@ (pair %d of %d chosen, drawn beside)</source>
        <translation>%@ (Paar %d von %d gewählt, daneben gezeichnet)</translation>
    </message>
    <message id="DividerAnalysisText">
        <source>Output voltage: %@
Current: %@
Power in R1: %@
Power in R2: %@
Output impedance: %@</source>
        <translation>Ausgangsspannung: %@
Strom: %@
Leistung in R1: %@
Leistung in R2: %@
Ausgangswiderstand: %@</translation>
    </message>
    <message id="DividerPairLine">
        <source>R1 %@, R2 %@: %@ (%@)</source>
        <translation>R1 %@, R2 %@: %@ (%@)</translation>
    </message>
    <message id="DividerPairDetails">
        <source>    %@, P1 %@, P2 %@, Zout %@</source>
        <translation>    %@, P1 %@, P2 %@, Zout %@</translation>
    </message>
    <message id="DividerVoutAboveVin">
        <source>The output voltage must lie below the input voltage.</source>
        <translation>Die Ausgangsspannung muss unter der Eingangsspannung liegen.</translation>
    </message>
    <message id="DividerOutOfReach">
        <source>No two resistors from 1 Ω to 10 MΩ give this output voltage.</source>
        <translation>Keine zwei Widerstände von 1 Ω bis 10 MΩ ergeben diese Ausgangsspannung.</translation>
    </message>
    <message id="DividerDesign">
        <source>Design</source>
        <translation>Entwurf</translation>
    </message>
    <message id="DividerAnalysis">
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message id="DividerDesignA11yName">
        <source>Design</source>
        <translation>Entwurf</translation>
    </message>
    <message id="DividerDesignA11yDescription">
        <source>find two standard resistors for an output voltage</source>
        <translation>zwei Normwiderstände für eine Ausgangsspannung finden</translation>
    </message>
    <message id="DividerAnalysisA11yName">
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message id="DividerAnalysisA11yDescription">
        <source>compute what two given resistors do</source>
        <translation>berechnen, was zwei gegebene Widerstände ergeben</translation>
    </message>
    <message id="DividerVin">
        <source>Input voltage</source>
        <translation>Eingangsspannung</translation>
    </message>
    <message id="DividerVout">
        <source>Output voltage</source>
        <translation>Ausgangsspannung</translation>
    </message>
    <message id="DividerSeries">
        <source>E series</source>
        <translation>E-Reihe</translation>
    </message>
    <message id="DividerLoad">
        <source>Load (optional)</source>
        <translation>Last (optional)</translation>
    </message>
    <message id="DividerTotal">
        <source>Preferred R1 + R2</source>
        <translation>Richtwert R1 + R2</translation>
    </message>
    <message id="DividerR1">
        <source>R1 (top)</source>
        <translation>R1 (oben)</translation>
    </message>
    <message id="DividerR2">
        <source>R2 (to ground)</source>
        <translation>R2 (nach Masse)</translation>
    </message>
    <message id="DividerVinA11yName">
        <source>Input voltage</source>
        <translation>Eingangsspannung</translation>
    </message>
    <message id="DividerVoutA11yName">
        <source>Output voltage</source>
        <translation>Ausgangsspannung</translation>
    </message>
    <message id="DividerVoltsA11yDescription">
        <source>volts</source>
        <translation>Volt</translation>
    </message>
    <message id="DividerSeriesA11yName">
        <source>E series</source>
        <translation>E-Reihe</translation>
    </message>
    <message id="DividerSeriesA11yDescription">
        <source>the standard values both resistors are chosen from</source>
        <translation>die Normwerte, aus denen beide Widerstände gewählt werden</translation>
    </message>
    <message id="DividerLoadA11yName">
        <source>Load</source>
        <translation>Last</translation>
    </message>
    <message id="DividerLoadA11yDescription">
        <source>ohms across the output; leave empty for none</source>
        <translation>Ohm am Ausgang; leer lassen für keine</translation>
    </message>
    <message id="DividerTotalA11yName">
        <source>Preferred R1 + R2</source>
        <translation>Richtwert R1 + R2</translation>
    </message>
    <message id="DividerOhmsA11yDescription">
        <source>ohms</source>
        <translation>Ohm</translation>
    </message>
    <message id="DividerR1A11yName">
        <source>R1, upper resistor</source>
        <translation>R1, oberer Widerstand</translation>
    </message>
    <message id="DividerR2A11yName">
        <source>R2, lower resistor</source>
        <translation>R2, unterer Widerstand</translation>
    </message>
    <message id="DividerResultA11yName">
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message id="DividerResultA11yDescription">
        <source>the best resistor pairs, or the output voltage, current, powers and output impedance</source>
        <translation>die besten Widerstandspaare oder Ausgangsspannung, Strom, Leistungen und Ausgangswiderstand</translation>
    </message>
    <message id="OpAmpGainValue">
        <source>%@ (%.02f dB)</source>
        <translation>%@ (%.02f dB)</translation>
    </message>
    <message id="OpAmpAnalysisText">
        <source>Gain: %@</source>
        <translation>Verstärkung: %@</translation>
    </message>
    <message id="OpAmpPairLine">
        <source>Rf %@, Rg %@: %@ (%@)</source>
        <translation>Rf %@, Rg %@: %@ (%@)</translation>
    </message>
    <message id="OpAmpGainAtOrBelowOne">
        <source>A non-inverting amplifier's gain lies above 1.</source>
        <translation>Die Verstärkung eines nichtinvertierenden Verstärkers liegt über 1.</translation>
    </message>
    <message id="OpAmpOutOfReach">
        <source>No two resistors from 1 kΩ to 1 MΩ give this gain.</source>
        <translation>Keine zwei Widerstände von 1 kΩ bis 1 MΩ ergeben diese Verstärkung.</translation>
    </message>
    <message id="OpAmpNonInverting">
        <source>Non-inverting</source>
        <translation>Nichtinvertierend</translation>
    </message>
    <message id="OpAmpNonInvertingA11yDescription">
        <source>amplifier with G = 1 + Rf ÷ Rg</source>
        <translation>Verstärker mit G = 1 + Rf ÷ Rg</translation>
    </message>
    <message id="OpAmpInverting">
        <source>Inverting</source>
        <translation>Invertierend</translation>
    </message>
    <message id="OpAmpInvertingA11yDescription">
        <source>amplifier with G = −Rf ÷ Rg</source>
        <translation>Verstärker mit G = −Rf ÷ Rg</translation>
    </message>
    <message id="OpAmpDesign">
        <source>Design</source>
        <translation>Entwurf</translation>
    </message>
    <message id="OpAmpDesignA11yDescription">
        <source>find standard resistors for a target gain</source>
        <translation>Normwiderstände für eine Zielverstärkung finden</translation>
    </message>
    <message id="OpAmpAnalysis">
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message id="OpAmpAnalysisA11yDescription">
        <source>compute the gain of two resistors</source>
        <translation>die Verstärkung zweier Widerstände berechnen</translation>
    </message>
    <message id="OpAmpTargetGain">
        <source>Gain</source>
        <translation>Verstärkung</translation>
    </message>
    <message id="OpAmpGainA11yDescription">
        <source>the wanted gain; for the inverting amplifier its magnitude</source>
        <translation>die gewünschte Verstärkung; beim invertierenden Verstärker ihr Betrag</translation>
    </message>
    <message id="OpAmpSeries">
        <source>E series</source>
        <translation>E-Reihe</translation>
    </message>
    <message id="OpAmpSeriesA11yDescription">
        <source>the standard values both resistors are chosen from</source>
        <translation>die Normwerte, aus denen beide Widerstände gewählt werden</translation>
    </message>
    <message id="OpAmpRf">
        <source>Rf</source>
        <translation>Rf</translation>
    </message>
    <message id="OpAmpRfA11yDescription">
        <source>feedback resistor in ohms</source>
        <translation>Rückkopplungswiderstand in Ohm</translation>
    </message>
    <message id="OpAmpRg">
        <source>Rg</source>
        <translation>Rg</translation>
    </message>
    <message id="OpAmpRgA11yDescription">
        <source>resistor to ground or to the input, in ohms</source>
        <translation>Widerstand nach Masse oder zum Eingang, in Ohm</translation>
    </message>
    <message id="OpAmpResultA11yName">
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message id="OpAmpResultA11yDescription">
        <source>the gain, or the best resistor pairs with their gain</source>
        <translation>die Verstärkung oder die besten Widerstandspaare mit ihrer Verstärkung</translation>
    </message>
    <message id="RegulatorNegative">
        <source>%@ (negative)</source>
        <translation>%@ (negativ)</translation>
    </message>
    <message id="RegulatorAnalysisText">
        <source>Output voltage: %@</source>
        <translation>Ausgangsspannung: %@</translation>
    </message>
    <message id="RegulatorR1Current">
        <source>Current through R1: %@</source>
        <translation>Strom durch R1: %@</translation>
    </message>
    <message id="RegulatorPairLine">
        <source>R1 %@, R2 %@: %@ (%@)</source>
        <translation>R1 %@, R2 %@: %@ (%@)</translation>
    </message>
    <message id="RegulatorVoutAtOrBelowVref">
        <source>The output voltage must lie above the reference voltage.</source>
        <translation>Die Ausgangsspannung muss über der Referenzspannung liegen.</translation>
    </message>
    <message id="RegulatorOutOfReach">
        <source>No two resistors of the range give this output voltage.</source>
        <translation>Keine zwei Widerstände des Bereichs ergeben diese Ausgangsspannung.</translation>
    </message>
    <message id="RegulatorMinCurrentOutOfReach">
        <source>No resistor between 1 Ω and 10 MΩ draws this minimum load current.</source>
        <translation>Kein Widerstand zwischen 1 Ω und 10 MΩ zieht diesen Mindestlaststrom.</translation>
    </message>
    <!-- adjustable regulator panel -->
    <message id="RegulatorReferenceTL431">
        <source>TL431</source>
        <translation>TL431</translation>
    </message>
    <message id="RegulatorCustom">
        <source>Custom</source>
        <translation>Eigener</translation>
    </message>
    <message id="RegulatorFeedback">
        <source>Feedback pin</source>
        <translation>Feedback-Pin</translation>
    </message>
    <message id="RegulatorDesign">
        <source>Design</source>
        <translation>Entwurf</translation>
    </message>
    <message id="RegulatorAnalysis">
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message id="RegulatorVref">
        <source>Reference voltage</source>
        <translation>Referenzspannung</translation>
    </message>
    <message id="RegulatorAdjustCurrent">
        <source>Adjust pin current</source>
        <translation>Strom am Adjust-Pin</translation>
    </message>
    <message id="RegulatorVout">
        <source>Output voltage</source>
        <translation>Ausgangsspannung</translation>
    </message>
    <message id="RegulatorSeries">
        <source>E series</source>
        <translation>E-Reihe</translation>
    </message>
    <message id="RegulatorMinCurrent">
        <source>Minimum load current</source>
        <translation>Mindestlaststrom</translation>
    </message>
    <message id="RegulatorTotal">
        <source>Preferred R1 + R2</source>
        <translation>Bevorzugt R1 + R2</translation>
    </message>
    <message id="RegulatorR1">
        <source>R1 (upper)</source>
        <translation>R1 (oben)</translation>
    </message>
    <message id="RegulatorR2">
        <source>R2 (lower)</source>
        <translation>R2 (unten)</translation>
    </message>
    <message id="RegulatorLM317A11yDescription">
        <source>LM317: 1.25 V between output and adjust pin, 50 µA from the adjust pin</source>
        <translation>LM317: 1,25 V zwischen Ausgang und Adjust-Pin, 50 µA aus dem Adjust-Pin</translation>
    </message>
    <message id="RegulatorLM337A11yDescription">
        <source>LM337, for a negative output: 1.25 V between output and adjust pin, 65 µA from the adjust pin</source>
        <translation>LM337 für eine negative Ausgangsspannung: 1,25 V zwischen Ausgang und Adjust-Pin, 65 µA aus dem Adjust-Pin</translation>
    </message>
    <message id="RegulatorCustomA11yDescription">
        <source>A regulator of the LM317 kind with its own reference voltage and adjust pin current</source>
        <translation>Ein Regler nach Art des LM317 mit eigener Referenzspannung und eigenem Strom am Adjust-Pin</translation>
    </message>
    <message id="RegulatorFeedbackA11yDescription">
        <source>A regulator that compares its feedback pin with a reference, such as an LDO, a switcher or the TL431</source>
        <translation>Ein Regler, der seinen Feedback-Pin mit einer Referenz vergleicht, etwa ein LDO, ein Schaltregler oder der TL431</translation>
    </message>
    <message id="RegulatorDesignA11yDescription">
        <source>Finds the standard resistors for an output voltage</source>
        <translation>Sucht die Normwiderstände für eine Ausgangsspannung</translation>
    </message>
    <message id="RegulatorAnalysisA11yDescription">
        <source>Gives the output voltage of two resistors</source>
        <translation>Berechnet die Ausgangsspannung zweier Widerstände</translation>
    </message>
    <message id="RegulatorVrefA11yDescription">
        <source>Reference at the feedback pin in volts; pick one from the list or type your own</source>
        <translation>Referenz am Feedback-Pin in Volt; aus der Liste wählen oder selbst eingeben</translation>
    </message>
    <message id="RegulatorAdjustVrefA11yDescription">
        <source>Voltage between output and adjust pin in volts</source>
        <translation>Spannung zwischen Ausgang und Adjust-Pin in Volt</translation>
    </message>
    <message id="RegulatorAdjustCurrentA11yDescription">
        <source>Current out of the adjust pin in microamperes</source>
        <translation>Strom aus dem Adjust-Pin in Mikroampere</translation>
    </message>
    <message id="RegulatorVoutA11yDescription">
        <source>Wanted output voltage in volts, as a magnitude for the LM337</source>
        <translation>Gewünschte Ausgangsspannung in Volt, beim LM337 als Betrag</translation>
    </message>
    <message id="RegulatorSeriesA11yDescription">
        <source>E series both resistors come from</source>
        <translation>E-Reihe, aus der beide Widerstände stammen</translation>
    </message>
    <message id="RegulatorMinCurrentA11yDescription">
        <source>Least load current the regulator needs, in milliamperes; R1 carries between one and four times it</source>
        <translation>Kleinster Laststrom, den der Regler braucht, in Milliampere; durch R1 fließt das Ein- bis Vierfache</translation>
    </message>
    <message id="RegulatorTotalA11yDescription">
        <source>Preferred sum of both resistors in ohms</source>
        <translation>Bevorzugte Summe beider Widerstände in Ohm</translation>
    </message>
    <message id="RegulatorR1A11yDescription">
        <source>Upper resistor in ohms</source>
        <translation>Oberer Widerstand in Ohm</translation>
    </message>
    <message id="RegulatorR2A11yDescription">
        <source>Lower resistor in ohms</source>
        <translation>Unterer Widerstand in Ohm</translation>
    </message>
    <message id="RegulatorResultA11yName">
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message id="RegulatorResultA11yDescription">
        <source>The output voltage, or the best pairs of resistors with the output voltage each gives</source>
        <translation>Die Ausgangsspannung oder die besten Widerstandspaare mit der Ausgangsspannung, die jedes ergibt</translation>
    </message>
    <message id="RCAnalysisText">
        <source>Time constant: %@
Corner frequency (−3 dB): %@</source>
        <translation>Zeitkonstante: %@
Grenzfrequenz (−3 dB): %@</translation>
    </message>
    <message id="RCPairLine">
        <source>%@, %@: %@ (%@)</source>
        <translation>%@, %@: %@ (%@)</translation>
    </message>
    <message id="RCOutOfReach">
        <source>No resistor from 100 Ω to 1 MΩ with a capacitor from 10 pF to 100 µF gives this.</source>
        <translation>Kein Widerstand von 100 Ω bis 1 MΩ ergibt das mit einem Kondensator von 10 pF bis 100 µF.</translation>
    </message>
    <message id="LCText">
        <source>Resonant frequency: %@
Inductance: %@
Capacitance: %@
At %@: X_L %@, X_C %@</source>
        <translation>Resonanzfrequenz: %@
Induktivität: %@
Kapazität: %@
Bei %@: X_L %@, X_C %@</translation>
    </message>
    <message id="RCAndLC">
        <source>RC &amp; LC</source>
        <translation>RC &amp; LC</translation>
    </message>
    <message id="RCCircuitA11yName">
        <source>RC circuit</source>
        <translation>RC-Glied</translation>
    </message>
    <message id="RCCircuitA11yDescription">
        <source>time constant and corner frequency of a resistor and a capacitor</source>
        <translation>Zeitkonstante und Grenzfrequenz aus Widerstand und Kondensator</translation>
    </message>
    <message id="LCCircuitA11yName">
        <source>LC circuit</source>
        <translation>LC-Schwingkreis</translation>
    </message>
    <message id="LCCircuitA11yDescription">
        <source>resonance and reactances of an inductor and a capacitor</source>
        <translation>Resonanz und Blindwiderstände aus Spule und Kondensator</translation>
    </message>
    <message id="RCMode">
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
    <message id="RCAnalysis">
        <source>τ and f</source>
        <translation>τ und f</translation>
    </message>
    <message id="RCAnalysisA11yDescription">
        <source>time constant and corner frequency from R and C</source>
        <translation>Zeitkonstante und Grenzfrequenz aus R und C</translation>
    </message>
    <message id="RCDesignFrequency">
        <source>Parts for f</source>
        <translation>Bauteile für f</translation>
    </message>
    <message id="RCDesignFrequencyA11yDescription">
        <source>the best standard R and C for a corner frequency</source>
        <translation>die besten Normwerte für R und C zu einer Grenzfrequenz</translation>
    </message>
    <message id="RCDesignTau">
        <source>Parts for τ</source>
        <translation>Bauteile für τ</translation>
    </message>
    <message id="RCDesignTauA11yDescription">
        <source>the best standard R and C for a time constant</source>
        <translation>die besten Normwerte für R und C zu einer Zeitkonstante</translation>
    </message>
    <message id="RCResistance">
        <source>Resistance R</source>
        <translation>Widerstand R</translation>
    </message>
    <message id="RCCapacitance">
        <source>Capacitance C</source>
        <translation>Kapazität C</translation>
    </message>
    <message id="RCFrequency">
        <source>Corner frequency</source>
        <translation>Grenzfrequenz</translation>
    </message>
    <message id="RCTau">
        <source>Time constant τ</source>
        <translation>Zeitkonstante τ</translation>
    </message>
    <message id="RCSeries">
        <source>Resistor series</source>
        <translation>Widerstandsreihe</translation>
    </message>
    <message id="RCSeriesA11yDescription">
        <source>E series the resistor is taken from</source>
        <translation>E-Reihe, aus der der Widerstand stammt</translation>
    </message>
    <message id="RCCapacitorSeries">
        <source>Capacitor series</source>
        <translation>Kondensatorreihe</translation>
    </message>
    <message id="RCCapacitorSeriesA11yDescription">
        <source>E series the capacitor is taken from</source>
        <translation>E-Reihe, aus der der Kondensator stammt</translation>
    </message>
    <message id="RCOhmsA11yDescription">
        <source>in ohms; 4k7 for 4.7 kΩ</source>
        <translation>in Ohm; 4k7 für 4,7 kΩ</translation>
    </message>
    <message id="RCMicrofaradsA11yDescription">
        <source>in microfarads; 100n for 100 nF</source>
        <translation>in Mikrofarad; 100n für 100 nF</translation>
    </message>
    <message id="RCHertzA11yDescription">
        <source>in hertz; 1k for 1 kHz</source>
        <translation>in Hertz; 1k für 1 kHz</translation>
    </message>
    <message id="RCSecondsA11yDescription">
        <source>in seconds; 1m for 1 ms</source>
        <translation>in Sekunden; 1m für 1 ms</translation>
    </message>
    <message id="RCResultA11yName">
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message id="RCResultA11yDescription">
        <source>time constant and corner frequency, the best pairs of parts, or the resonance and reactances</source>
        <translation>Zeitkonstante und Grenzfrequenz, die besten Bauteilpaare oder Resonanz und Blindwiderstände</translation>
    </message>
    <message id="LCSought">
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
    <message id="LCSoughtFrequency">
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message id="LCSoughtFrequencyA11yDescription">
        <source>the resonant frequency from L and C</source>
        <translation>die Resonanzfrequenz aus L und C</translation>
    </message>
    <message id="LCSoughtInductance">
        <source>Inductance</source>
        <translation>Induktivität</translation>
    </message>
    <message id="LCSoughtInductanceA11yDescription">
        <source>the inductance for a resonant frequency with C</source>
        <translation>die Induktivität für eine Resonanzfrequenz mit C</translation>
    </message>
    <message id="LCSoughtCapacitance">
        <source>Capacitance</source>
        <translation>Kapazität</translation>
    </message>
    <message id="LCSoughtCapacitanceA11yDescription">
        <source>the capacitance for a resonant frequency with L</source>
        <translation>die Kapazität für eine Resonanzfrequenz mit L</translation>
    </message>
    <message id="LCFrequency">
        <source>Resonant frequency f₀</source>
        <translation>Resonanzfrequenz f₀</translation>
    </message>
    <message id="LCInductance">
        <source>Inductance L</source>
        <translation>Induktivität L</translation>
    </message>
    <message id="LCCapacitance">
        <source>Capacitance C</source>
        <translation>Kapazität C</translation>
    </message>
    <message id="LCAt">
        <source>Reactances at</source>
        <translation>Blindwiderstände bei</translation>
    </message>
    <message id="LCAtA11yDescription">
        <source>in hertz; empty for the resonant frequency</source>
        <translation>in Hertz; leer für die Resonanzfrequenz</translation>
    </message>
    <message id="LCMicrohenriesA11yDescription">
        <source>in microhenries; 470n for 470 nH</source>
        <translation>in Mikrohenry; 470n für 470 nH</translation>
    </message>
    <message id="LCAtPlaceholder">
        <source>f₀</source>
        <translation>f₀</translation>
    </message>
    <message id="CapacitorCodes">
        <source>Capacitor Codes</source>
        <translation>Kondensatorcodes</translation>
    </message>
    <message id="CapacitorCodesKeywords">
        <source>ceramic film tantalum electrolytic EIA-198 marking code SMD tolerance voltage pF nF µF</source>
        <translation>Keramik Folie Tantal Elko EIA-198 Aufdruck Kennzeichnung Code SMD Toleranz Spannung pF nF µF</translation>
    </message>
    <message id="CapCode">
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message id="CapCodePlaceholder">
        <source>e.g. 104J 2A, 4R7, S4</source>
        <translation>z. B. 104J 2A, 4R7, S4</translation>
    </message>
    <message id="CapCodeA11yName">
        <source>Capacitor code</source>
        <translation>Kondensatorcode</translation>
    </message>
    <message id="CapCodeA11yDescription">
        <source>the marking printed on the capacitor; shows its value, tolerance and voltage</source>
        <translation>der Aufdruck auf dem Kondensator; zeigt Kapazität, Toleranz und Spannung</translation>
    </message>
    <message id="CapValuePlaceholder">
        <source>e.g. 100n</source>
        <translation>z. B. 100n</translation>
    </message>
    <message id="CapValueA11yName">
        <source>Capacitance</source>
        <translation>Kapazität</translation>
    </message>
    <message id="CapValueA11yDescription">
        <source>in microfarads; 100n for 100 nF; shows its codes</source>
        <translation>in Mikrofarad; 100n für 100 nF; zeigt die Codes</translation>
    </message>
    <message id="CapResultA11yName">
        <source>Capacitor code result</source>
        <translation>Ergebnis Kondensatorcode</translation>
    </message>
    <message id="CapResultA11yDescription">
        <source>the readings of the code, or the codes of the value</source>
        <translation>die Lesarten des Codes oder die Codes des Werts</translation>
    </message>
    <message id="CapVoltageCode">
        <source>Voltage code</source>
        <translation>Spannungscode</translation>
    </message>
    <message id="CapDigitCode">
        <source>pF code</source>
        <translation>pF-Code</translation>
    </message>
    <message id="CapDecimalMark">
        <source>R notation</source>
        <translation>R-Schreibweise</translation>
    </message>
    <message id="CapUnitLetter">
        <source>Value with prefix</source>
        <translation>Wert mit Vorsatz</translation>
    </message>
    <message id="CapMicrofarads">
        <source>µF</source>
        <translation>µF</translation>
    </message>
    <message id="CapTantalum">
        <source>Tantalum code</source>
        <translation>Tantal-Code</translation>
    </message>
    <message id="CapEia198">
        <source>EIA-198</source>
        <translation>EIA-198</translation>
    </message>
    <message id="CapAlsoAs">
        <source>As %@: %@</source>
        <translation>Als %@: %@</translation>
    </message>
    <message id="CapEmpty">
        <source>Type the marking printed on the capacitor.</source>
        <translation>Bitte den Aufdruck des Kondensators eingeben.</translation>
    </message>
    <message id="CapCharacter">
        <source>'%@' does not occur in capacitor codes.</source>
        <translation>„%@“ kommt in Kondensatorcodes nicht vor.</translation>
    </message>
    <message id="CapWords">
        <source>A marking is a value and at most one voltage, such as 104J 2A.</source>
        <translation>Ein Aufdruck ist ein Wert und höchstens eine Spannung, etwa 104J 2A.</translation>
    </message>
    <message id="CapDigits">
        <source>'%@' has too many digits for a picofarad code; it has two or three.</source>
        <translation>„%@“ hat zu viele Ziffern für einen Picofarad-Code; er hat zwei oder drei.</translation>
    </message>
    <message id="CapLeadingZero">
        <source>A picofarad code does not start with 0; write R for a decimal point, as in 0R5.</source>
        <translation>Ein Picofarad-Code beginnt nicht mit 0; R steht für das Komma, wie in 0R5.</translation>
    </message>
    <message id="CapDecimalMarks">
        <source>A code has at most one R for the decimal point.</source>
        <translation>Ein Code hat höchstens ein R als Komma.</translation>
    </message>
    <message id="CapToleranceLetter">
        <source>The tolerance letter %@ is in picofarads and marks parts under 10 pF only.</source>
        <translation>Der Toleranzbuchstabe %@ gilt in Picofarad und nur für Teile unter 10 pF.</translation>
    </message>
    <message id="CapNoVoltage">
        <source>'%@' is no voltage; write it as an EIA code such as 2A or in volts such as 16V.</source>
        <translation>„%@“ ist keine Spannung; bitte als EIA-Code wie 2A oder in Volt wie 16V schreiben.</translation>
    </message>
    <message id="CapUnknown">
        <source>'%@' is no capacitor code that Zelkor knows.</source>
        <translation>„%@“ ist kein Kondensatorcode, den Zelkor kennt.</translation>
    </message>
    <message id="CapThreeDigits">
        <source>Code: %@</source>
        <translation>Code: %@</translation>
    </message>
    <message id="CapNoThreeDigits">
        <source>No three-digit code shows %@.</source>
        <translation>Kein dreistelliger Code zeigt %@.</translation>
    </message>
    <message id="CapEia198Nearest">
        <source>EIA-198: %@ (nearest E24 value, %@)</source>
        <translation>EIA-198: %@ (nächster E24-Wert, %@)</translation>
    </message>
    <message id="CapNoEia198">
        <source>No EIA-198 code shows %@.</source>
        <translation>Kein EIA-198-Code zeigt %@.</translation>
    </message>
    <message id="NotACapacitance">
        <source>Type a capacitance from 0.01 pF to 100 kF, such as 100n, 4.7u or 0.1 (µF).</source>
        <translation>Bitte eine Kapazität von 0,01 pF bis 100 kF eingeben, etwa 100n, 4.7u oder 0.1 (µF).</translation>
    </message>
    <message id="DrawingJunction">
        <source>Junction</source>
        <translation>Sperrschicht</translation>
    </message>
    <message id="DrawingCase">
        <source>Case</source>
        <translation>Gehäuse</translation>
    </message>
    <message id="DrawingHeatSink">
        <source>Heat sink</source>
        <translation>Kühlkörper</translation>
    </message>
    <message id="DrawingAmbient">
        <source>Ambient</source>
        <translation>Umgebung</translation>
    </message>
    <message id="DrawingTrigger">
        <source>Trigger</source>
        <translation>Trigger</translation>
    </message>
    <message id="ResistorTolerance">
        <source>Resistor tolerance</source>
        <translation>Toleranz der Widerstände</translation>
    </message>
    <message id="CapacitorTolerance">
        <source>Capacitor tolerance</source>
        <translation>Toleranz des Kondensators</translation>
    </message>
    <message id="InductorTolerance">
        <source>Inductor tolerance</source>
        <translation>Toleranz der Spule</translation>
    </message>
    <message id="CombinationTolerance">
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message id="ToleranceA11yDescription">
        <source>tolerance in percent; empty takes the default shown</source>
        <translation>Toleranz in Prozent; leer gilt der angezeigte Standardwert</translation>
    </message>
    <message id="NE555ToleranceHelp">
        <source>The ranges cover the tolerances of R1, R2 and C1. The spread of the 555's own switching thresholds is not included.</source>
        <translation>Die Bereiche berücksichtigen die Toleranzen von R1, R2 und C1. Die Streuung der Schaltschwellen des 555 selbst ist nicht enthalten.</translation>
    </message>
    <message id="NE555AstableRanges">
        <source>Range: %.08f … %.08f Hz, duty cycle %.02f … %.02f %%
High time range: %.08f … %.08f s
Low time range: %.08f … %.08f s</source>
        <translation>Bereich: %.08f … %.08f Hz, Tastgrad %.02f … %.02f %%
High-Zeit-Bereich: %.08f … %.08f s
Low-Zeit-Bereich: %.08f … %.08f s</translation>
    </message>
    <message id="NE555PulseRange">
        <source>Pulse duration range: %.08f … %.08f s</source>
        <translation>Impulsdauerbereich: %.08f … %.08f s</translation>
    </message>
    <message id="NE555DesignRanges">
        <source>Range: %.02f … %.02f Hz, duty cycle %.02f … %.02f %%</source>
        <translation>Bereich: %.02f … %.02f Hz, Tastgrad %.02f … %.02f %%</translation>
    </message>
    <message id="SeriesParallelRange">
        <source>Series range at %@ %%: %.02f … %.02f %@
Parallel range at %@ %%: %.02f … %.02f %@</source>
        <translation>Bereich in Reihe bei %@ %%: %.02f … %.02f %@
Bereich parallel bei %@ %%: %.02f … %.02f %@</translation>
    </message>
    <message id="LEDStandardRange">
        <source>Built, R ±%@ %%: %@ %@
and %@ %@</source>
        <translation>Gebaut, R ±%@ %%: %@ %@
und %@ %@</translation>
    </message>
    <message id="ResistorToleranceA11yDescription">
        <source>percent; leave empty for the series' tolerance, 5 % without a series</source>
        <translation>Prozent; leer lassen für die Toleranz der Reihe, 5 % ohne Reihe</translation>
    </message>
    <message id="SupplyTolerance">
        <source>Supply tolerance</source>
        <translation>Spannungstoleranz</translation>
    </message>
    <message id="SupplyToleranceA11yDescription">
        <source>percent; leave empty for an exact supply</source>
        <translation>Prozent; leer lassen für eine exakte Spannung</translation>
    </message>
    <message id="ForwardSpread">
        <source>Forward voltage ±</source>
        <translation>Flussspannung ±</translation>
    </message>
    <message id="ForwardSpreadA11yDescription">
        <source>volts either side of the forward voltage; leave empty for none</source>
        <translation>Volt um die Flussspannung; leer lassen für keine Streuung</translation>
    </message>
    <message id="VrefTolerance">
        <source>Vref tolerance</source>
        <translation>Vref-Toleranz</translation>
    </message>
    <message id="VrefToleranceA11yDescription">
        <source>percent; leave empty for 1 %</source>
        <translation>Prozent; leer lassen für 1 %</translation>
    </message>
    <message id="LEDRangeA11yName">
        <source>Range of the built circuit</source>
        <translation>Bereich der aufgebauten Schaltung</translation>
    </message>
</context>
</TS>
