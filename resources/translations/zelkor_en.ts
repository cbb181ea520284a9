<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <!-- categories -->
    <message id="Resistors">
        <source>Resistors</source>
        <translation>Resistors</translation>
    </message>
    <message id="ResistorColors">
        <source>Resistor Colour Codes</source>
        <translation>Resistor Colour Codes</translation>
    </message>
    <message id="LEDDroppingResistor">
        <source>LED Dropping Resistor</source>
        <translation>LED Dropping Resistor</translation>
    </message>
    <message id="OhmsLaw">
        <source>Ohm's Law</source>
        <translation>Ohm's Law</translation>
    </message>
    <message id="SeriesParallelConnection">
        <source>Series &amp; Parallel</source>
        <translation>Series &amp; Parallel</translation>
    </message>
    <message id="VoltageDivider">
        <source>Voltage Divider</source>
        <translation>Voltage Divider</translation>
    </message>
    <message id="Miscellaneous">
        <source>Miscellaneous</source>
        <translation>Miscellaneous</translation>
    </message>
    <message id="HeatSinks">
        <source>Heat Sinks</source>
        <translation>Heat Sinks</translation>
    </message>
    <message id="Coils">
        <source>Coils</source>
        <translation>Coils</translation>
    </message>
    <message id="AirCoredCoils">
        <source>Air-Cored Coils</source>
        <translation>Air-Cored Coils</translation>
    </message>
    <message id="InductorColors">
        <source>Inductor Colour Codes</source>
        <translation>Inductor Colour Codes</translation>
    </message>
    <message id="Tubes">
        <source>Tubes</source>
        <translation>Tubes</translation>
    </message>
    <message id="TubeIdent">
        <source>Tube Designations</source>
        <translation>Tube Designations</translation>
    </message>
    <message id="ICs">
        <source>ICs</source>
        <translation>ICs</translation>
    </message>
    <message id="NE555">
        <source>555 Timer</source>
        <translation>555 Timer</translation>
    </message>
    <message id="AdjustableRegulator">
        <source>Adjustable Regulator</source>
        <translation>Adjustable Regulator</translation>
    </message>
    <message id="OpAmpGain">
        <source>Op-Amp Gain</source>
        <translation>Op-Amp Gain</translation>
    </message>
    <message id="About">
        <source>About</source>
        <translation>About</translation>
    </message>
    <!-- words that also find a panel in the source list -->
    <message id="FindPanelPlaceholder">
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message id="FindPanelA11yDescription">
        <source>Narrows the list to the panels whose names or keywords begin with the words typed</source>
        <translation>Narrows the list to the panels whose names or keywords begin with the words typed</translation>
    </message>
    <message id="FindPanelA11yName">
        <source>Find a panel</source>
        <translation>Find a panel</translation>
    </message>
    <message id="ResistorColorsKeywords">
        <source>colour color bands code IEC-60062 E12 E24 E96</source>
        <translation>colour color bands code IEC-60062 E12 E24 E96</translation>
    </message>
    <message id="LEDDroppingResistorKeywords">
        <source>LED series resistor diode current-limiting</source>
        <translation>LED series resistor diode current-limiting</translation>
    </message>
    <message id="SmdCodesKeywords">
        <source>SMD EIA-96 marking code chip</source>
        <translation>SMD EIA-96 marking code chip</translation>
    </message>
    <message id="OhmsLawKeywords">
        <source>voltage current resistance power watt volt ampere</source>
        <translation>voltage current resistance power watt volt ampere</translation>
    </message>
    <message id="SeriesParallelConnectionKeywords">
        <source>series parallel combination E-series standard values capacitor resistor</source>
        <translation>series parallel combination E-series standard values capacitor resistor</translation>
    </message>
    <message id="VoltageDividerKeywords">
        <source>divider potential ratio attenuator</source>
        <translation>divider potential ratio attenuator</translation>
    </message>
    <message id="RCAndLCKeywords">
        <source>tau time-constant resonance cutoff frequency filter low-pass tank</source>
        <translation>tau time-constant resonance cutoff frequency filter low-pass tank</translation>
    </message>
    <message id="HeatSinksKeywords">
        <source>heatsink thermal resistance cooling temperature junction</source>
        <translation>heatsink thermal resistance cooling temperature junction</translation>
    </message>
    <message id="AirCoredCoilsKeywords">
        <source>inductor inductance coil winding turns solenoid</source>
        <translation>inductor inductance coil winding turns solenoid</translation>
    </message>
    <message id="TubeIdentKeywords">
        <source>valve vacuum tube Pro-Electron EL34 ECC83</source>
        <translation>valve vacuum tube Pro-Electron EL34 ECC83</translation>
    </message>
    <message id="NE555Keywords">
        <source>NE555 timer astable monostable oscillator multivibrator</source>
        <translation>NE555 timer astable monostable oscillator multivibrator</translation>
    </message>
    <message id="AdjustableRegulatorKeywords">
        <source>LM317 LM337 TL431 regulator voltage reference</source>
        <translation>LM317 LM337 TL431 regulator voltage reference</translation>
    </message>
    <message id="OpAmpGainKeywords">
        <source>op-amp operational amplifier inverting non-inverting gain feedback</source>
        <translation>op-amp operational amplifier inverting non-inverting gain feedback</translation>
    </message>
    <message id="AboutKeywords">
        <source>version licence license donate website</source>
        <translation>version licence license donate website</translation>
    </message>
    <!-- end of categories -->
    <!-- shared captions and units -->
    <message id="Resistance">
        <source>Resistance</source>
        <translation>Resistance</translation>
    </message>
    <message id="Power">
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message id="Voltage">
        <source>Voltage</source>
        <translation>Voltage</translation>
    </message>
    <message id="Current">
        <source>Current</source>
        <translation>Current</translation>
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
        <translation>Tolerance</translation>
    </message>
    <message id="FourBands">
        <source>4 bands</source>
        <translation>4 bands</translation>
    </message>
    <message id="FiveBands">
        <source>5 bands</source>
        <translation>5 bands</translation>
    </message>
    <message id="FirstDigit">
        <source>1st digit</source>
        <translation>1st digit</translation>
    </message>
    <message id="SecondDigit">
        <source>2nd digit</source>
        <translation>2nd digit</translation>
    </message>
    <message id="ThirdDigit">
        <source>3rd digit</source>
        <translation>3rd digit</translation>
    </message>
    <message id="Multiplier">
        <source>Multiplier</source>
        <translation>Multiplier</translation>
    </message>
    <message id="ColorSilver">
        <source>Silver</source>
        <translation>Silver</translation>
    </message>
    <message id="ColorGold">
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message id="ColorBlack">
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message id="ColorBrown">
        <source>Brown</source>
        <translation>Brown</translation>
    </message>
    <message id="ColorRed">
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message id="ColorOrange">
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message id="ColorYellow">
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message id="ColorGreen">
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message id="ColorBlue">
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message id="ColorViolet">
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message id="ColorGrey">
        <source>Grey</source>
        <translation>Grey</translation>
    </message>
    <message id="ColorWhite">
        <source>White</source>
        <translation>White</translation>
    </message>
    <message id="ColorNoBand">
        <source>No band</source>
        <translation>No band</translation>
    </message>
    <message id="ResistorFourBandsA11yName">
        <source>Four bands</source>
        <translation>Four bands</translation>
    </message>
    <message id="ResistorFourBandsA11yDescription">
        <source>resistor with four colour bands</source>
        <translation>resistor with four colour bands</translation>
    </message>
    <message id="ResistorFiveBandsA11yName">
        <source>Five bands</source>
        <translation>Five bands</translation>
    </message>
    <message id="ResistorFiveBandsA11yDescription">
        <source>resistor with five colour bands</source>
        <translation>resistor with five colour bands</translation>
    </message>
    <message id="ResistorFourFirstBandA11yName">
        <source>First digit</source>
        <translation>First digit</translation>
    </message>
    <message id="ResistorFourFirstBandA11yDescription">
        <source>colour of the first band</source>
        <translation>colour of the first band</translation>
    </message>
    <message id="ResistorFourSecondBandA11yName">
        <source>Second digit</source>
        <translation>Second digit</translation>
    </message>
    <message id="ResistorFourSecondBandA11yDescription">
        <source>colour of the second band</source>
        <translation>colour of the second band</translation>
    </message>
    <message id="ResistorFourThirdBandA11yName">
        <source>Multiplier</source>
        <translation>Multiplier</translation>
    </message>
    <message id="ResistorFourThirdBandA11yDescription">
        <source>colour of the third band</source>
        <translation>colour of the third band</translation>
    </message>
    <message id="ResistorFourFourthBandA11yName">
        <source>Tolerance</source>
        <translation>Tolerance</translation>
    </message>
    <message id="ResistorFourFourthBandA11yDescription">
        <source>colour of the fourth band</source>
        <translation>colour of the fourth band</translation>
    </message>
    <message id="ResistorFiveFirstBandA11yName">
        <source>First digit</source>
        <translation>First digit</translation>
    </message>
    <message id="ResistorFiveFirstBandA11yDescription">
        <source>colour of the first band</source>
        <translation>colour of the first band</translation>
    </message>
    <message id="ResistorFiveSecondBandA11yName">
        <source>Second digit</source>
        <translation>Second digit</translation>
    </message>
    <message id="ResistorFiveSecondBandA11yDescription">
        <source>colour of the second band</source>
        <translation>colour of the second band</translation>
    </message>
    <message id="ResistorFiveThirdBandA11yName">
        <source>Third digit</source>
        <translation>Third digit</translation>
    </message>
    <message id="ResistorFiveThirdBandA11yDescription">
        <source>colour of the third band</source>
        <translation>colour of the third band</translation>
    </message>
    <message id="ResistorFiveFourthBandA11yName">
        <source>Multiplier</source>
        <translation>Multiplier</translation>
    </message>
    <message id="ResistorFiveFourthBandA11yDescription">
        <source>colour of the fourth band</source>
        <translation>colour of the fourth band</translation>
    </message>
    <message id="ResistorFiveFifthBandA11yName">
        <source>Tolerance</source>
        <translation>Tolerance</translation>
    </message>
    <message id="ResistorFiveFifthBandA11yDescription">
        <source>colour of the fifth band</source>
        <translation>colour of the fifth band</translation>
    </message>
    <message id="ResistorPictureA11yName">
        <source>Resistor</source>
        <translation>Resistor</translation>
    </message>
    <message id="ResistorPictureA11yDescription">
        <source>picture of the resistor with the chosen bands</source>
        <translation>picture of the resistor with the chosen bands</translation>
    </message>
    <message id="ResistorResultA11yName">
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message id="ResistorResultA11yDescription">
        <source>resistance and tolerance</source>
        <translation>resistance and tolerance</translation>
    </message>
    <message id="SixBands">
        <source>6 bands</source>
        <translation>6 bands</translation>
    </message>
    <message id="ResistorSixBandsA11yName">
        <source>Six bands</source>
        <translation>Six bands</translation>
    </message>
    <message id="ResistorSixBandsA11yDescription">
        <source>resistor with six colour bands</source>
        <translation>resistor with six colour bands</translation>
    </message>
    <message id="TemperatureCoefficient">
        <source>Temperature coefficient</source>
        <translation>Temperature coefficient</translation>
    </message>
    <message id="ResistorSixSixthBandA11yName">
        <source>Temperature coefficient</source>
        <translation>Temperature coefficient</translation>
    </message>
    <message id="ResistorSixSixthBandA11yDescription">
        <source>colour of the sixth band</source>
        <translation>colour of the sixth band</translation>
    </message>
    <message id="Value">
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message id="ValuePlaceholder">
        <source>e.g. 4k7</source>
        <translation>e.g. 4k7</translation>
    </message>
    <message id="ResistorValueA11yName">
        <source>Resistance value</source>
        <translation>Resistance value</translation>
    </message>
    <message id="ResistorValueA11yDescription">
        <source>a value such as 4k7 or 49.9k; sets the bands</source>
        <translation>a value such as 4k7 or 49.9k; sets the bands</translation>
    </message>
    <message id="ResistorValueToleranceA11yName">
        <source>Tolerance of the value</source>
        <translation>Tolerance of the value</translation>
    </message>
    <message id="ResistorValueToleranceA11yDescription">
        <source>sets the tolerance band</source>
        <translation>sets the tolerance band</translation>
    </message>
    <message id="ResistorNoteA11yName">
        <source>Standard values</source>
        <translation>Standard values</translation>
    </message>
    <message id="ResistorNoteA11yDescription">
        <source>whether the value is a standard value</source>
        <translation>whether the value is a standard value</translation>
    </message>
    <message id="NotAResistance">
        <source>Type a resistance such as 4k7, 49.9k or 4700.</source>
        <translation>Type a resistance such as 4k7, 49.9k or 4700.</translation>
    </message>
    <message id="BandsRounded">
        <source>Rounded to %@ for %d bands.</source>
        <translation>Rounded to %@ for %d bands.</translation>
    </message>
    <message id="InductorBandCount">
        <source>An inductor has three or four bands: two digits, a multiplier and a tolerance.</source>
        <translation>An inductor has three or four bands: two digits, a multiplier and a tolerance.</translation>
    </message>
    <message id="InductorMilitaryCode">
        <source>A silver first band or a gold digit band marks the military code, whose gold band is a decimal point. It is not read: only the four-band code is.</source>
        <translation>A silver first band or a gold digit band marks the military code, whose gold band is a decimal point. It is not read: only the four-band code is.</translation>
    </message>
    <message id="InductorBandColor">
        <source>%@ is not a colour of band %d.</source>
        <translation>%@ is not a colour of band %d.</translation>
    </message>
    <message id="InductorBandsOutOfRange">
        <source>Four bands show only 0.1 µH to 990 mH.</source>
        <translation>Four bands show only 0.1 µH to 990 mH.</translation>
    </message>
    <message id="NotAnInductance">
        <source>Type an inductance in µH such as 4.7, 4u7 or 10m (10 mH).</source>
        <translation>Type an inductance in µH such as 4.7, 4u7 or 10m (10 mH).</translation>
    </message>
    <message id="InductanceMicrohenries">
        <source>Inductance (µH)</source>
        <translation>Inductance (µH)</translation>
    </message>
    <message id="InductorValuePlaceholder">
        <source>e.g. 4.7</source>
        <translation>e.g. 4.7</translation>
    </message>
    <message id="InductorValueA11yName">
        <source>Inductance value in microhenries</source>
        <translation>Inductance value in microhenries</translation>
    </message>
    <message id="InductorFirstBandA11yName">
        <source>First band, first digit</source>
        <translation>First band, first digit</translation>
    </message>
    <message id="InductorSecondBandA11yName">
        <source>Second band, second digit</source>
        <translation>Second band, second digit</translation>
    </message>
    <message id="InductorMultiplierBandA11yName">
        <source>Third band, multiplier</source>
        <translation>Third band, multiplier</translation>
    </message>
    <message id="InductorToleranceBandA11yName">
        <source>Fourth band, tolerance</source>
        <translation>Fourth band, tolerance</translation>
    </message>
    <message id="InductorPictureA11yName">
        <source>Inductor</source>
        <translation>Inductor</translation>
    </message>
    <message id="InductorResultA11yDescription">
        <source>inductance and tolerance</source>
        <translation>inductance and tolerance</translation>
    </message>
    <message id="InductorNoteA11yName">
        <source>Note on the value</source>
        <translation>Note on the value</translation>
    </message>
    <message id="InductorValueA11yDescription">
        <source>an inductance in µH such as 4.7 or 4u7; sets the bands</source>
        <translation>an inductance in µH such as 4.7 or 4u7; sets the bands</translation>
    </message>
    <message id="InductorNoteA11yDescription">
        <source>whether the value was rounded or cannot be shown</source>
        <translation>whether the value was rounded or cannot be shown</translation>
    </message>
    <message id="InductorPictureA11yDescription">
        <source>picture of the inductor with the chosen bands</source>
        <translation>picture of the inductor with the chosen bands</translation>
    </message>
    <message id="InductorColorsKeywords">
        <source>inductor choke coil colour color code bands rings µH moulded</source>
        <translation>inductor choke coil colour color code bands rings µH moulded</translation>
    </message>
    <message id="BandsOutOfRange">
        <source>%d bands cannot show %@.</source>
        <translation>%d bands cannot show %@.</translation>
    </message>
    <message id="BandsTolerance">
        <source>%d bands cannot show a tolerance of %@%%.</source>
        <translation>%d bands cannot show a tolerance of %@%%.</translation>
    </message>
    <message id="BandsTemperatureCoefficient">
        <source>No band colour stands for %d ppm/K.</source>
        <translation>No band colour stands for %d ppm/K.</translation>
    </message>
    <message id="BandsCount">
        <source>A resistor has 4, 5 or 6 bands.</source>
        <translation>A resistor has 4, 5 or 6 bands.</translation>
    </message>
    <message id="NotStandardValue">
        <source>%@ is not an %@ value.</source>
        <translation>%@ is not an %@ value.</translation>
    </message>
    <message id="NotStandardValueNearest">
        <source>%@ is not an %@ value. Nearest: %@ below, %@ above.</source>
        <translation>%@ is not an %@ value. Nearest: %@ below, %@ above.</translation>
    </message>
    <!-- end of resistor colour codes -->
    <!-- smd resistor codes -->
    <message id="SmdCodes">
        <source>SMD Resistor Codes</source>
        <translation>SMD Resistor Codes</translation>
    </message>
    <message id="SmdCode">
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message id="SmdCodePlaceholder">
        <source>e.g. 472, 4R7, 01C</source>
        <translation>e.g. 472, 4R7, 01C</translation>
    </message>
    <message id="SmdCodeA11yName">
        <source>SMD code</source>
        <translation>SMD code</translation>
    </message>
    <message id="SmdCodeA11yDescription">
        <source>the code printed on the resistor; shows its value</source>
        <translation>the code printed on the resistor; shows its value</translation>
    </message>
    <message id="SmdValueA11yName">
        <source>Resistance value</source>
        <translation>Resistance value</translation>
    </message>
    <message id="SmdValueA11yDescription">
        <source>shows the codes of this value</source>
        <translation>shows the codes of this value</translation>
    </message>
    <message id="SmdResultA11yName">
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message id="SmdResultA11yDescription">
        <source>the value of the code, or the codes of the value</source>
        <translation>the value of the code, or the codes of the value</translation>
    </message>
    <message id="SmdThreeDigits">
        <source>Three digits</source>
        <translation>Three digits</translation>
    </message>
    <message id="SmdFourDigits">
        <source>Four digits</source>
        <translation>Four digits</translation>
    </message>
    <message id="SmdEia96">
        <source>EIA-96</source>
        <translation>EIA-96</translation>
    </message>
    <message id="SmdJumper">
        <source>%@ (jumper)</source>
        <translation>%@ (jumper)</translation>
    </message>
    <message id="SmdAsEia96">
        <source>As EIA-96: %@</source>
        <translation>As EIA-96: %@</translation>
    </message>
    <message id="SmdEmpty">
        <source>Type the code printed on the resistor.</source>
        <translation>Type the code printed on the resistor.</translation>
    </message>
    <message id="SmdLength">
        <source>An SMD code has three or four characters.</source>
        <translation>An SMD code has three or four characters.</translation>
    </message>
    <message id="SmdCharacter">
        <source>'%@' does not appear in SMD codes.</source>
        <translation>'%@' does not appear in SMD codes.</translation>
    </message>
    <message id="SmdLeadingZero">
        <source>A code that starts with 0 is all zeros (a 0 Ω jumper).</source>
        <translation>A code that starts with 0 is all zeros (a 0 Ω jumper).</translation>
    </message>
    <message id="SmdDecimalMarks">
        <source>A code holds at most one R.</source>
        <translation>A code holds at most one R.</translation>
    </message>
    <message id="SmdEia96Index">
        <source>EIA-96 numbers run from 01 to 96, not %@.</source>
        <translation>EIA-96 numbers run from 01 to 96, not %@.</translation>
    </message>
    <message id="SmdEia96Letter">
        <source>'%@' is no EIA-96 multiplier (Z, Y, R, X, S, A, B, H, C, D, E, F).</source>
        <translation>'%@' is no EIA-96 multiplier (Z, Y, R, X, S, A, B, H, C, D, E, F).</translation>
    </message>
    <message id="SmdBelowSmallestCode">
        <source>No SMD code shows a value below %@.</source>
        <translation>No SMD code shows a value below %@.</translation>
    </message>
    <message id="SmdNoCode">
        <source>No SMD code shows %@.</source>
        <translation>No SMD code shows %@.</translation>
    </message>
    <!-- end of smd resistor codes -->
    <!-- standard values -->
    <message id="ESeriesNearest">
        <source>Nearest</source>
        <translation>Nearest</translation>
    </message>
    <message id="ESeriesAtOrBelow">
        <source>At or below</source>
        <translation>At or below</translation>
    </message>
    <message id="ESeriesAtOrAbove">
        <source>At or above</source>
        <translation>At or above</translation>
    </message>
    <!-- end of standard values -->
    <!-- ohm's law -->
    <message id="Clear">
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message id="OhmsLawPowerA11yName">
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message id="OhmsLawPowerA11yDescription">
        <source>watts</source>
        <translation>watts</translation>
    </message>
    <message id="OhmsLawVoltageA11yName">
        <source>Voltage</source>
        <translation>Voltage</translation>
    </message>
    <message id="OhmsLawVoltageA11yDescription">
        <source>volts</source>
        <translation>volts</translation>
    </message>
    <message id="OhmsLawCurrentA11yName">
        <source>Current</source>
        <translation>Current</translation>
    </message>
    <message id="OhmsLawCurrentA11yDescription">
        <source>amperes</source>
        <translation>amperes</translation>
    </message>
    <message id="OhmsLawResistanceA11yName">
        <source>Resistance</source>
        <translation>Resistance</translation>
    </message>
    <message id="OhmsLawResistanceA11yDescription">
        <source>ohms</source>
        <translation>ohms</translation>
    </message>
    <!-- end of ohm's law -->
    <!-- led dropping resistor -->
    <message id="ForwardVoltage">
        <source>Forward voltage</source>
        <translation>Forward voltage</translation>
    </message>
    <message id="SupplyVoltage">
        <source>Supply voltage</source>
        <translation>Supply voltage</translation>
    </message>
    <message id="OperatingCurrent">
        <source>Operating current</source>
        <translation>Operating current</translation>
    </message>
    <message id="LEDPresetInfrared">
        <source>Infrared</source>
        <translation>Infrared</translation>
    </message>
    <message id="LEDPresetRed">
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message id="LEDPresetGreen">
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message id="LEDPresetYellow">
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message id="LEDPresetBlue">
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message id="LEDPresetWhite">
        <source>White</source>
        <translation>White</translation>
    </message>
    <message id="LEDPowerWarning">
        <source>Warning: resistor power above 10 W</source>
        <translation>Warning: resistor power above 10 W</translation>
    </message>
    <message id="LEDForwardVoltageA11yName">
        <source>Forward voltage</source>
        <translation>Forward voltage</translation>
    </message>
    <message id="LEDForwardVoltageA11yDescription">
        <source>volts, or an LED colour from the list</source>
        <translation>volts, or an LED colour from the list</translation>
    </message>
    <message id="LEDSupplyVoltageA11yName">
        <source>Supply voltage</source>
        <translation>Supply voltage</translation>
    </message>
    <message id="LEDVoltsA11yDescription">
        <source>volts</source>
        <translation>volts</translation>
    </message>
    <message id="LEDOperatingCurrentA11yName">
        <source>Operating current</source>
        <translation>Operating current</translation>
    </message>
    <message id="LEDMilliamperesA11yDescription">
        <source>milliamperes</source>
        <translation>milliamperes</translation>
    </message>
    <message id="LEDResultA11yName">
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message id="LEDResultA11yDescription">
        <source>series resistor and its power</source>
        <translation>series resistor and its power</translation>
    </message>
    <message id="LEDPowerWarningA11yName">
        <source>Power warning</source>
        <translation>Power warning</translation>
    </message>
    <message id="LEDStandardResistor">
        <source>%@ resistor: %@
at %.01f mA and %.02f W</source>
        <translation>%@ resistor: %@
at %.01f mA and %.02f W</translation>
    </message>
    <message id="LEDCannotLight">
        <source>The LED cannot light:
the supply voltage must be
above its forward voltage.</source>
        <translation>The LED cannot light:
the supply voltage must be
above its forward voltage.</translation>
    </message>
    <message id="LEDResistorSeries">
        <source>Resistor series</source>
        <translation>Resistor series</translation>
    </message>
    <message id="LEDResistorSeriesA11yName">
        <source>Resistor series</source>
        <translation>Resistor series</translation>
    </message>
    <message id="LEDResistorSeriesA11yDescription">
        <source>the E series the resistor to buy comes from</source>
        <translation>the E series the resistor to buy comes from</translation>
    </message>
    <!-- end of led dropping resistor -->
    <!-- series and parallel -->
    <message id="Capacitors">
        <source>Capacitors</source>
        <translation>Capacitors</translation>
    </message>
    <message id="Series">
        <source>Series</source>
        <translation>Series</translation>
    </message>
    <message id="Parallel">
        <source>Parallel</source>
        <translation>Parallel</translation>
    </message>
    <message id="PartValue">
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message id="AddPart">
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message id="RemovePart">
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message id="PartNotANumber">
        <source>A part's value must begin with a number, such as 4.7 or 1e3.</source>
        <translation>A part's value must begin with a number, such as 4.7 or 1e3.</translation>
    </message>
    <message id="Capacitance">
        <source>Capacitance</source>
        <translation>Capacitance</translation>
    </message>
    <message id="SeriesParallelResistorsA11yName">
        <source>Resistors</source>
        <translation>Resistors</translation>
    </message>
    <message id="SeriesParallelResistorsA11yDescription">
        <source>combine resistors</source>
        <translation>combine resistors</translation>
    </message>
    <message id="SeriesParallelCapacitorsA11yName">
        <source>Capacitors</source>
        <translation>Capacitors</translation>
    </message>
    <message id="SeriesParallelCapacitorsA11yDescription">
        <source>combine capacitors</source>
        <translation>combine capacitors</translation>
    </message>
    <message id="SeriesParallelPartA11yName">
        <source>Part value</source>
        <translation>Part value</translation>
    </message>
    <message id="SeriesParallelOhmsA11yDescription">
        <source>ohms; Enter adds the part</source>
        <translation>ohms; Enter adds the part</translation>
    </message>
    <message id="SeriesParallelMicrofaradsA11yDescription">
        <source>microfarads; Enter adds the part</source>
        <translation>microfarads; Enter adds the part</translation>
    </message>
    <message id="SeriesParallelPartsA11yName">
        <source>Parts</source>
        <translation>Parts</translation>
    </message>
    <message id="SeriesParallelPartsA11yDescription">
        <source>the parts to combine; Delete removes the selected part</source>
        <translation>the parts to combine; Delete removes the selected part</translation>
    </message>
    <message id="SeriesParallelResultA11yName">
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message id="SeriesParallelResultA11yDescription">
        <source>total in series and in parallel</source>
        <translation>total in series and in parallel</translation>
    </message>
    <!-- end of series and parallel -->
    <!-- heat sink -->
    <message id="TRHeatSink">
        <source>Heat sink thermal resistance</source>
        <translation>Heat sink thermal resistance</translation>
    </message>
    <message id="MaxChipTemp">
        <source>Max. chip temperature</source>
        <translation>Max. chip temperature</translation>
    </message>
    <message id="ResultingChipTemp">
        <source>Resulting chip temperature</source>
        <translation>Resulting chip temperature</translation>
    </message>
    <message id="HeatSinkResultMsg">
        <source>Max. heat sink resistance</source>
        <translation>Max. heat sink resistance</translation>
    </message>
    <message id="HeatSinkInvalidInput">
        <source>No heat sink can keep the chip below its maximum temperature.</source>
        <translation>No heat sink can keep the chip below its maximum temperature.</translation>
    </message>
    <message id="MaxChipTempWarning">
        <source>The ambient temperature is at or above the maximum chip temperature.</source>
        <translation>The ambient temperature is at or above the maximum chip temperature.</translation>
    </message>
    <message id="HeatSinkModeChipTemperature">
        <source>Chip temperature</source>
        <translation>Chip temperature</translation>
    </message>
    <message id="HeatSinkModeSinkResistance">
        <source>Required heat sink</source>
        <translation>Required heat sink</translation>
    </message>
    <message id="HeatSinkPowerCaption">
        <source>Power:</source>
        <translation>Power:</translation>
    </message>
    <message id="ChipToCaseCaption">
        <source>Chip to case:</source>
        <translation>Chip to case:</translation>
    </message>
    <message id="CaseToHeatSinkCaption">
        <source>Case to heat sink:</source>
        <translation>Case to heat sink:</translation>
    </message>
    <message id="AmbientTemperatureCaption">
        <source>Ambient temperature:</source>
        <translation>Ambient temperature:</translation>
    </message>
    <message id="MountingMicaWasher">
        <source>Mica washer, thermal paste</source>
        <translation>Mica washer, thermal paste</translation>
    </message>
    <message id="MountingThermalPaste">
        <source>Direct, thermal paste</source>
        <translation>Direct, thermal paste</translation>
    </message>
    <message id="MountingThermalPad">
        <source>Direct, thermal pad</source>
        <translation>Direct, thermal pad</translation>
    </message>
    <message id="HeatSinkChipTemperatureModeA11yName">
        <source>Chip temperature</source>
        <translation>Chip temperature</translation>
    </message>
    <message id="HeatSinkChipTemperatureModeA11yDescription">
        <source>compute the chip temperature for a given heat sink</source>
        <translation>compute the chip temperature for a given heat sink</translation>
    </message>
    <message id="HeatSinkSinkResistanceModeA11yName">
        <source>Heat sink resistance</source>
        <translation>Heat sink resistance</translation>
    </message>
    <message id="HeatSinkSinkResistanceModeA11yDescription">
        <source>compute the largest heat sink resistance for a maximum chip temperature</source>
        <translation>compute the largest heat sink resistance for a maximum chip temperature</translation>
    </message>
    <message id="HeatSinkPowerA11yName">
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message id="HeatSinkWattsA11yDescription">
        <source>watts</source>
        <translation>watts</translation>
    </message>
    <message id="HeatSinkChipToCaseA11yName">
        <source>Chip to case</source>
        <translation>Chip to case</translation>
    </message>
    <message id="HeatSinkKelvinsPerWattA11yDescription">
        <source>kelvins per watt</source>
        <translation>kelvins per watt</translation>
    </message>
    <message id="HeatSinkCaseToHeatSinkA11yName">
        <source>Case to heat sink</source>
        <translation>Case to heat sink</translation>
    </message>
    <message id="HeatSinkMountingA11yDescription">
        <source>kelvins per watt, or a mounting from the list</source>
        <translation>kelvins per watt, or a mounting from the list</translation>
    </message>
    <message id="HeatSinkSinkResistanceA11yName">
        <source>Heat sink thermal resistance</source>
        <translation>Heat sink thermal resistance</translation>
    </message>
    <message id="HeatSinkAmbientTemperatureA11yName">
        <source>Ambient temperature</source>
        <translation>Ambient temperature</translation>
    </message>
    <message id="HeatSinkDegreesCelsiusA11yDescription">
        <source>degrees Celsius</source>
        <translation>degrees Celsius</translation>
    </message>
    <message id="HeatSinkWarningA11yName">
        <source>Temperature warning</source>
        <translation>Temperature warning</translation>
    </message>
    <message id="HeatSinkResultA11yName">
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message id="HeatSinkResultA11yDescription">
        <source>chip temperature or largest heat sink resistance</source>
        <translation>chip temperature or largest heat sink resistance</translation>
    </message>
    <!-- end of heat sink -->
    <!-- air-cored coil -->
    <message id="Inductance">
        <source>Inductance</source>
        <translation>Inductance</translation>
    </message>
    <message id="CoilWinding">
        <source>Winding</source>
        <translation>Winding</translation>
    </message>
    <message id="SingleLayer">
        <source>Single layer</source>
        <translation>Single layer</translation>
    </message>
    <message id="MultiLayer">
        <source>Multi-layer</source>
        <translation>Multi-layer</translation>
    </message>
    <message id="Turns">
        <source>Turns</source>
        <translation>Turns</translation>
    </message>
    <message id="OuterDiameter">
        <source>Outer diameter</source>
        <translation>Outer diameter</translation>
    </message>
    <message id="InnerDiameter">
        <source>Inner diameter</source>
        <translation>Inner diameter</translation>
    </message>
    <message id="CoilLength">
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message id="CoilSingleLayerA11yName">
        <source>Single layer</source>
        <translation>Single layer</translation>
    </message>
    <message id="CoilSingleLayerA11yDescription">
        <source>coil wound in one layer</source>
        <translation>coil wound in one layer</translation>
    </message>
    <message id="CoilMultiLayerA11yName">
        <source>Multi-layer</source>
        <translation>Multi-layer</translation>
    </message>
    <message id="CoilMultiLayerA11yDescription">
        <source>coil wound in several layers</source>
        <translation>coil wound in several layers</translation>
    </message>
    <message id="CoilTurnsA11yName">
        <source>Turns</source>
        <translation>Turns</translation>
    </message>
    <message id="CoilTurnsA11yDescription">
        <source>number of turns</source>
        <translation>number of turns</translation>
    </message>
    <message id="CoilOuterDiameterA11yName">
        <source>Outer diameter</source>
        <translation>Outer diameter</translation>
    </message>
    <message id="CoilMillimetresA11yDescription">
        <source>millimetres</source>
        <translation>millimetres</translation>
    </message>
    <message id="CoilInnerDiameterA11yName">
        <source>Inner diameter</source>
        <translation>Inner diameter</translation>
    </message>
    <message id="CoilInnerDiameterA11yDescription">
        <source>millimetres, multi-layer coils only</source>
        <translation>millimetres, multi-layer coils only</translation>
    </message>
    <message id="CoilLengthA11yName">
        <source>Coil length</source>
        <translation>Coil length</translation>
    </message>
    <message id="CoilResultA11yName">
        <source>Inductance</source>
        <translation>Inductance</translation>
    </message>
    <message id="CoilResultA11yDescription">
        <source>microhenries</source>
        <translation>microhenries</translation>
    </message>
    <!-- end of air-cored coil -->
    <!-- 555 timer -->
    <message id="Frequency">
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message id="ImpDuration">
        <source>Pulse duration</source>
        <translation>Pulse duration</translation>
    </message>
    <message id="Astable">
        <source>Astable</source>
        <translation>Astable</translation>
    </message>
    <message id="Monostable">
        <source>Monostable</source>
        <translation>Monostable</translation>
    </message>
    <message id="NE555AstableA11yName">
        <source>Astable</source>
        <translation>Astable</translation>
    </message>
    <message id="NE555AstableA11yDescription">
        <source>compute the frequency of a free-running oscillator</source>
        <translation>compute the frequency of a free-running oscillator</translation>
    </message>
    <message id="NE555MonostableA11yName">
        <source>Monostable</source>
        <translation>Monostable</translation>
    </message>
    <message id="NE555MonostableA11yDescription">
        <source>compute the duration of a single pulse</source>
        <translation>compute the duration of a single pulse</translation>
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
        <translation>ohms</translation>
    </message>
    <message id="NE555C1A11yName">
        <source>C1</source>
        <translation>C1</translation>
    </message>
    <message id="NE555MicrofaradsA11yDescription">
        <source>microfarads</source>
        <translation>microfarads</translation>
    </message>
    <message id="NE555ResultA11yName">
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message id="NE555ResultA11yDescription">
        <source>frequency and duty cycle, pulse duration, or the designed parts</source>
        <translation>frequency and duty cycle, pulse duration, or the designed parts</translation>
    </message>
    <message id="NE555Design">
        <source>Design</source>
        <translation>Design</translation>
    </message>
    <message id="NE555DesignA11yName">
        <source>Design</source>
        <translation>Design</translation>
    </message>
    <message id="NE555DesignA11yDescription">
        <source>find the resistors for a target frequency and duty cycle, or for a pulse duration</source>
        <translation>find the resistors for a target frequency and duty cycle, or for a pulse duration</translation>
    </message>
    <message id="NE555FrequencyA11yName">
        <source>Target frequency</source>
        <translation>Target frequency</translation>
    </message>
    <message id="NE555HertzA11yDescription">
        <source>hertz</source>
        <translation>hertz</translation>
    </message>
    <message id="NE555DutyA11yName">
        <source>Duty cycle</source>
        <translation>Duty cycle</translation>
    </message>
    <message id="NE555PercentA11yDescription">
        <source>percent, above 50</source>
        <translation>percent, above 50</translation>
    </message>
    <message id="NE555DurationA11yName">
        <source>Pulse duration</source>
        <translation>Pulse duration</translation>
    </message>
    <message id="NE555SecondsA11yDescription">
        <source>seconds</source>
        <translation>seconds</translation>
    </message>
    <message id="NE555SeriesLabel">
        <source>E series</source>
        <translation>E series</translation>
    </message>
    <message id="NE555SeriesA11yName">
        <source>E series</source>
        <translation>E series</translation>
    </message>
    <message id="NE555SeriesA11yDescription">
        <source>the standard values the resistors are chosen from</source>
        <translation>the standard values the resistors are chosen from</translation>
    </message>
    <!-- end of 555 timer -->
    <!-- tube designations -->
    <message id="TubeNumber">
        <source>Type designation</source>
        <translation>Type designation</translation>
    </message>
    <message id="TubeNumberPlaceholder">
        <source>e.g. ECC83</source>
        <translation>e.g. ECC83</translation>
    </message>
    <message id="TubeNumberA11yName">
        <source>Tube designation</source>
        <translation>Tube designation</translation>
    </message>
    <message id="TubeNumberA11yDescription">
        <source>letters and digits, such as ECC83</source>
        <translation>letters and digits, such as ECC83</translation>
    </message>
    <message id="TubeResultA11yName">
        <source>Decoded tube</source>
        <translation>Decoded tube</translation>
    </message>
    <message id="TubeResultA11yDescription">
        <source>electrode systems, heater supply and base</source>
        <translation>electrode systems, heater supply and base</translation>
    </message>
    <!-- end of tube designations -->
    <!-- solving in every direction -->
    <message id="CopyDrawing">
        <source>Copy Drawing</source>
        <translation>Copy Drawing</translation>
    </message>
    <message id="ValuesNotPositive">
        <source>Every value must be a number above 0.</source>
        <translation>Every value must be a number above 0.</translation>
    </message>
    <message id="NoStandardValue">
        <source>A resistor would lie outside the standard values (1 mΩ to 1 GΩ).</source>
        <translation>A resistor would lie outside the standard values (1 mΩ to 1 GΩ).</translation>
    </message>
    <message id="NearestStandardValue">
        <source>%@: %@, nearest %@ value %@</source>
        <translation>%@: %@, nearest %@ value %@</translation>
    </message>
    <message id="HighTime">
        <source>High time</source>
        <translation>High time</translation>
    </message>
    <message id="LowTime">
        <source>Low time</source>
        <translation>Low time</translation>
    </message>
    <message id="DutyCycle">
        <source>Duty cycle</source>
        <translation>Duty cycle</translation>
    </message>
    <message id="WithTheseParts">
        <source>With these parts: %.02f Hz, duty cycle %.02f %%</source>
        <translation>With these parts: %.02f Hz, duty cycle %.02f %%</translation>
    </message>
    <message id="WithThisPart">
        <source>With this part: %.08f s</source>
        <translation>With this part: %.08f s</translation>
    </message>
    <message id="NE555DutyAtOrBelowHalf">
        <source>This circuit cannot make a duty cycle of 50 % or less: that needs a diode across R2.</source>
        <translation>This circuit cannot make a duty cycle of 50 % or less: that needs a diode across R2.</translation>
    </message>
    <message id="NE555DutyAtOrAboveWhole">
        <source>The duty cycle must stay below 100 %.</source>
        <translation>The duty cycle must stay below 100 %.</translation>
    </message>
    <message id="HeatSinkModeMaxPower">
        <source>Largest power</source>
        <translation>Largest power</translation>
    </message>
    <message id="HeatSinkMaxPowerModeA11yName">
        <source>Largest power</source>
        <translation>Largest power</translation>
    </message>
    <message id="HeatSinkMaxPowerModeA11yDescription">
        <source>compute the largest power a heat sink allows at a maximum chip temperature</source>
        <translation>compute the largest power a heat sink allows at a maximum chip temperature</translation>
    </message>
    <message id="CoilSought">
        <source>Compute</source>
        <translation>Compute</translation>
    </message>
    <message id="CoilInductanceFromTurns">
        <source>Inductance from turns</source>
        <translation>Inductance from turns</translation>
    </message>
    <message id="CoilTurnsForInductance">
        <source>Turns for inductance</source>
        <translation>Turns for inductance</translation>
    </message>
    <message id="CoilInductanceSoughtA11yDescription">
        <source>compute the inductance from the number of turns</source>
        <translation>compute the inductance from the number of turns</translation>
    </message>
    <message id="CoilTurnsSoughtA11yDescription">
        <source>compute the number of turns for a wanted inductance</source>
        <translation>compute the number of turns for a wanted inductance</translation>
    </message>
    <message id="CoilWantedInductanceA11yDescription">
        <source>wanted inductance in microhenries</source>
        <translation>wanted inductance in microhenries</translation>
    </message>
    <message id="HeatSinkMaxPowerMsg">
        <source>Largest power: %.02f W</source>
        <translation>Largest power: %.02f W</translation>
    </message>
    <message id="HeatSinkResistanceNotPositive">
        <source>The thermal resistances must add up to more than 0.</source>
        <translation>The thermal resistances must add up to more than 0.</translation>
    </message>
    <message id="ExactInductance">
        <source>Exact (Nagaoka)</source>
        <translation>Exact (Nagaoka)</translation>
    </message>
    <message id="WheelerInductance">
        <source>Wheeler</source>
        <translation>Wheeler</translation>
    </message>
    <message id="NagaokaTurns">
        <source>Turns (Nagaoka)</source>
        <translation>Turns (Nagaoka)</translation>
    </message>
    <message id="WheelerTurns">
        <source>Turns (Wheeler)</source>
        <translation>Turns (Wheeler)</translation>
    </message>
    <message id="CombinationStandardValue">
        <source>%@ is a standard value of %@.</source>
        <translation>%@ is a standard value of %@.</translation>
    </message>
    <message id="CombinationOutOfRange">
        <source>Up to %d parts from 1 Ω to 10 MΩ cannot make this value.</source>
        <translation>Up to %d parts from 1 Ω to 10 MΩ cannot make this value.</translation>
    </message>
    <message id="SeriesParallelListMode">
        <source>Parts list</source>
        <translation>Parts list</translation>
    </message>
    <message id="SeriesParallelTargetMode">
        <source>Target value</source>
        <translation>Target value</translation>
    </message>
    <message id="CombinationTarget">
        <source>Target</source>
        <translation>Target</translation>
    </message>
    <message id="CombinationTargetA11yName">
        <source>Target resistance</source>
        <translation>Target resistance</translation>
    </message>
    <message id="CombinationSeries">
        <source>E series</source>
        <translation>E series</translation>
    </message>
    <message id="CombinationParts">
        <source>Parts at most</source>
        <translation>Parts at most</translation>
    </message>
    <message id="SeriesParallelListModeA11yName">
        <source>Parts list</source>
        <translation>Parts list</translation>
    </message>
    <message id="SeriesParallelListModeA11yDescription">
        <source>Totals of the parts in the list, in series and in parallel</source>
        <translation>Totals of the parts in the list, in series and in parallel</translation>
    </message>
    <message id="SeriesParallelTargetModeA11yName">
        <source>Target value</source>
        <translation>Target value</translation>
    </message>
    <message id="SeriesParallelTargetModeA11yDescription">
        <source>The standard resistors that come closest to a target value</source>
        <translation>The standard resistors that come closest to a target value</translation>
    </message>
    <message id="CombinationTargetA11yDescription">
        <source>The resistance to reach, in ohms</source>
        <translation>The resistance to reach, in ohms</translation>
    </message>
    <message id="CombinationSeriesA11yName">
        <source>E series</source>
        <translation>E series</translation>
    </message>
    <message id="CombinationSeriesA11yDescription">
        <source>The standard series the resistors come from</source>
        <translation>The standard series the resistors come from</translation>
    </message>
    <message id="CombinationPartsA11yName">
        <source>Parts at most</source>
        <translation>Parts at most</translation>
    </message>
    <message id="CombinationPartsA11yDescription">
        <source>How many resistors a combination may use</source>
        <translation>How many resistors a combination may use</translation>
    </message>
    <!-- end of solving in every direction -->
    <!-- about -->
    <message id="AboutVersion">
        <source>Version %@</source>
        <translation>Version %@</translation>
    </message>
    <message id="AboutDescription">
        <source>An electronics toolbox for the bench: resistor colour codes, LED dropping resistors, Ohm's law, series and parallel connections, heat sinks, air-cored coils, 555 timers and tube designations.</source>
        <translation>An electronics toolbox for the bench: resistor colour codes, LED dropping resistors, Ohm's law, series and parallel connections, heat sinks, air-cored coils, 555 timers and tube designations.</translation>
    </message>
    <message id="AboutLicense">
        <source>Zelkor is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Zelkor is free software under the GNU General Public License, version 3 or later.</translation>
    </message>
    <message id="AboutWebsite">
        <source>Visit Website</source>
        <translation>Visit Website</translation>
    </message>
    <message id="AboutMail">
        <source>Send E-Mail</source>
        <translation>Send E-Mail</translation>
    </message>
    <message id="AboutDonate">
        <source>Donate</source>
        <translation>Donate</translation>
    </message>
    <!-- end of about -->
    <!-- designing with standard parts -->
    <message id="PairTargetMet">
        <source>%@ is met exactly.</source>
        <translation>%@ is met exactly.</translation>
    </message>
    <message id="ChosenEntryA11yDescription">
        <source>%@ (pair %d of %d chosen, drawn beside)</source>
        <translation>%@ (pair %d of %d chosen, drawn beside)</translation>
    </message>
    <message id="DividerAnalysisText">
        <source>Output voltage: %@
Current: %@
Power in R1: %@
Power in R2: %@
Output impedance: %@</source>
        <translation>Output voltage: %@
Current: %@
Power in R1: %@
Power in R2: %@
Output impedance: %@</translation>
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
        <translation>The output voltage must lie below the input voltage.</translation>
    </message>
    <message id="DividerOutOfReach">
        <source>No two resistors from 1 Ω to 10 MΩ give this output voltage.</source>
        <translation>No two resistors from 1 Ω to 10 MΩ give this output voltage.</translation>
    </message>
    <message id="DividerDesign">
        <source>Design</source>
        <translation>Design</translation>
    </message>
    <message id="DividerAnalysis">
        <source>Analysis</source>
        <translation>Analysis</translation>
    </message>
    <message id="DividerDesignA11yName">
        <source>Design</source>
        <translation>Design</translation>
    </message>
    <message id="DividerDesignA11yDescription">
        <source>find two standard resistors for an output voltage</source>
        <translation>find two standard resistors for an output voltage</translation>
    </message>
    <message id="DividerAnalysisA11yName">
        <source>Analysis</source>
        <translation>Analysis</translation>
    </message>
    <message id="DividerAnalysisA11yDescription">
        <source>compute what two given resistors do</source>
        <translation>compute what two given resistors do</translation>
    </message>
    <message id="DividerVin">
        <source>Input voltage</source>
        <translation>Input voltage</translation>
    </message>
    <message id="DividerVout">
        <source>Output voltage</source>
        <translation>Output voltage</translation>
    </message>
    <message id="DividerSeries">
        <source>E series</source>
        <translation>E series</translation>
    </message>
    <message id="DividerLoad">
        <source>Load (optional)</source>
        <translation>Load (optional)</translation>
    </message>
    <message id="DividerTotal">
        <source>Preferred R1 + R2</source>
        <translation>Preferred R1 + R2</translation>
    </message>
    <message id="DividerR1">
        <source>R1 (top)</source>
        <translation>R1 (top)</translation>
    </message>
    <message id="DividerR2">
        <source>R2 (to ground)</source>
        <translation>R2 (to ground)</translation>
    </message>
    <message id="DividerVinA11yName">
        <source>Input voltage</source>
        <translation>Input voltage</translation>
    </message>
    <message id="DividerVoutA11yName">
        <source>Output voltage</source>
        <translation>Output voltage</translation>
    </message>
    <message id="DividerVoltsA11yDescription">
        <source>volts</source>
        <translation>volts</translation>
    </message>
    <message id="DividerSeriesA11yName">
        <source>E series</source>
        <translation>E series</translation>
    </message>
    <message id="DividerSeriesA11yDescription">
        <source>the standard values both resistors are chosen from</source>
        <translation>the standard values both resistors are chosen from</translation>
    </message>
    <message id="DividerLoadA11yName">
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message id="DividerLoadA11yDescription">
        <source>ohms across the output; leave empty for none</source>
        <translation>ohms across the output; leave empty for none</translation>
    </message>
    <message id="DividerTotalA11yName">
        <source>Preferred R1 + R2</source>
        <translation>Preferred R1 + R2</translation>
    </message>
    <message id="DividerOhmsA11yDescription">
        <source>ohms</source>
        <translation>ohms</translation>
    </message>
    <message id="DividerR1A11yName">
        <source>R1, upper resistor</source>
        <translation>R1, upper resistor</translation>
    </message>
    <message id="DividerR2A11yName">
        <source>R2, lower resistor</source>
        <translation>R2, lower resistor</translation>
    </message>
    <message id="DividerResultA11yName">
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message id="DividerResultA11yDescription">
        <source>the best resistor pairs, or the output voltage, current, powers and output impedance</source>
        <translation>the best resistor pairs, or the output voltage, current, powers and output impedance</translation>
    </message>
    <message id="OpAmpGainValue">
        <source>%@ (%.02f dB)</source>
        <translation>%@ (%.02f dB)</translation>
    </message>
    <message id="OpAmpAnalysisText">
        <source>Gain: %@</source>
        <translation>Gain: %@</translation>
    </message>
    <message id="OpAmpPairLine">
        <source>Rf %@, Rg %@: %@ (%@)</source>
        <translation>Rf %@, Rg %@: %@ (%@)</translation>
    </message>
    <message id="OpAmpGainAtOrBelowOne">
        <source>A non-inverting amplifier's gain lies above 1.</source>
        <translation>A non-inverting amplifier's gain lies above 1.</translation>
    </message>
    <message id="OpAmpOutOfReach">
        <source>No two resistors from 1 kΩ to 1 MΩ give this gain.</source>
        <translation>No two resistors from 1 kΩ to 1 MΩ give this gain.</translation>
    </message>
    <message id="OpAmpNonInverting">
        <source>Non-inverting</source>
        <translation>Non-inverting</translation>
    </message>
    <message id="OpAmpNonInvertingA11yDescription">
        <source>amplifier with G = 1 + Rf ÷ Rg</source>
        <translation>amplifier with G = 1 + Rf ÷ Rg</translation>
    </message>
    <message id="OpAmpInverting">
        <source>Inverting</source>
        <translation>Inverting</translation>
    </message>
    <message id="OpAmpInvertingA11yDescription">
        <source>amplifier with G = −Rf ÷ Rg</source>
        <translation>amplifier with G = −Rf ÷ Rg</translation>
    </message>
    <message id="OpAmpDesign">
        <source>Design</source>
        <translation>Design</translation>
    </message>
    <message id="OpAmpDesignA11yDescription">
        <source>find standard resistors for a target gain</source>
        <translation>find standard resistors for a target gain</translation>
    </message>
    <message id="OpAmpAnalysis">
        <source>Analysis</source>
        <translation>Analysis</translation>
    </message>
    <message id="OpAmpAnalysisA11yDescription">
        <source>compute the gain of two resistors</source>
        <translation>compute the gain of two resistors</translation>
    </message>
    <message id="OpAmpTargetGain">
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message id="OpAmpGainA11yDescription">
        <source>the wanted gain; for the inverting amplifier its magnitude</source>
        <translation>the wanted gain; for the inverting amplifier its magnitude</translation>
    </message>
    <message id="OpAmpSeries">
        <source>E series</source>
        <translation>E series</translation>
    </message>
    <message id="OpAmpSeriesA11yDescription">
        <source>the standard values both resistors are chosen from</source>
        <translation>the standard values both resistors are chosen from</translation>
    </message>
    <message id="OpAmpRf">
        <source>Rf</source>
        <translation>Rf</translation>
    </message>
    <message id="OpAmpRfA11yDescription">
        <source>feedback resistor in ohms</source>
        <translation>feedback resistor in ohms</translation>
    </message>
    <message id="OpAmpRg">
        <source>Rg</source>
        <translation>Rg</translation>
    </message>
    <message id="OpAmpRgA11yDescription">
        <source>resistor to ground or to the input, in ohms</source>
        <translation>resistor to ground or to the input, in ohms</translation>
    </message>
    <message id="OpAmpResultA11yName">
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message id="OpAmpResultA11yDescription">
        <source>the gain, or the best resistor pairs with their gain</source>
        <translation>the gain, or the best resistor pairs with their gain</translation>
    </message>
    <message id="RegulatorNegative">
        <source>%@ (negative)</source>
        <translation>%@ (negative)</translation>
    </message>
    <message id="RegulatorAnalysisText">
        <source>Output voltage: %@</source>
        <translation>Output voltage: %@</translation>
    </message>
    <message id="RegulatorR1Current">
        <source>Current through R1: %@</source>
        <translation>Current through R1: %@</translation>
    </message>
    <message id="RegulatorPairLine">
        <source>R1 %@, R2 %@: %@ (%@)</source>
        <translation>R1 %@, R2 %@: %@ (%@)</translation>
    </message>
    <message id="RegulatorVoutAtOrBelowVref">
        <source>The output voltage must lie above the reference voltage.</source>
        <translation>The output voltage must lie above the reference voltage.</translation>
    </message>
    <message id="RegulatorOutOfReach">
        <source>No two resistors of the range give this output voltage.</source>
        <translation>No two resistors of the range give this output voltage.</translation>
    </message>
    <message id="RegulatorMinCurrentOutOfReach">
        <source>No resistor between 1 Ω and 10 MΩ draws this minimum load current.</source>
        <translation>No resistor between 1 Ω and 10 MΩ draws this minimum load current.</translation>
    </message>
    <!-- adjustable regulator panel -->
    <message id="RegulatorReferenceTL431">
        <source>TL431</source>
        <translation>TL431</translation>
    </message>
    <message id="RegulatorCustom">
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message id="RegulatorFeedback">
        <source>Feedback pin</source>
        <translation>Feedback pin</translation>
    </message>
    <message id="RegulatorDesign">
        <source>Design</source>
        <translation>Design</translation>
    </message>
    <message id="RegulatorAnalysis">
        <source>Analysis</source>
        <translation>Analysis</translation>
    </message>
    <message id="RegulatorVref">
        <source>Reference voltage</source>
        <translation>Reference voltage</translation>
    </message>
    <message id="RegulatorAdjustCurrent">
        <source>Adjust pin current</source>
        <translation>Adjust pin current</translation>
    </message>
    <message id="RegulatorVout">
        <source>Output voltage</source>
        <translation>Output voltage</translation>
    </message>
    <message id="RegulatorSeries">
        <source>E series</source>
        <translation>E series</translation>
    </message>
    <message id="RegulatorMinCurrent">
        <source>Minimum load current</source>
        <translation>Minimum load current</translation>
    </message>
    <message id="RegulatorTotal">
        <source>Preferred R1 + R2</source>
        <translation>Preferred R1 + R2</translation>
    </message>
    <message id="RegulatorR1">
        <source>R1 (upper)</source>
        <translation>R1 (upper)</translation>
    </message>
    <message id="RegulatorR2">
        <source>R2 (lower)</source>
        <translation>R2 (lower)</translation>
    </message>
    <message id="RegulatorLM317A11yDescription">
        <source>LM317: 1.25 V between output and adjust pin, 50 µA from the adjust pin</source>
        <translation>LM317: 1.25 V between output and adjust pin, 50 µA from the adjust pin</translation>
    </message>
    <message id="RegulatorLM337A11yDescription">
        <source>LM337, for a negative output: 1.25 V between output and adjust pin, 65 µA from the adjust pin</source>
        <translation>LM337, for a negative output: 1.25 V between output and adjust pin, 65 µA from the adjust pin</translation>
    </message>
    <message id="RegulatorCustomA11yDescription">
        <source>A regulator of the LM317 kind with its own reference voltage and adjust pin current</source>
        <translation>A regulator of the LM317 kind with its own reference voltage and adjust pin current</translation>
    </message>
    <message id="RegulatorFeedbackA11yDescription">
        <source>A regulator that compares its feedback pin with a reference, such as an LDO, a switcher or the TL431</source>
        <translation>A regulator that compares its feedback pin with a reference, such as an LDO, a switcher or the TL431</translation>
    </message>
    <message id="RegulatorDesignA11yDescription">
        <source>Finds the standard resistors for an output voltage</source>
        <translation>Finds the standard resistors for an output voltage</translation>
    </message>
    <message id="RegulatorAnalysisA11yDescription">
        <source>Gives the output voltage of two resistors</source>
        <translation>Gives the output voltage of two resistors</translation>
    </message>
    <message id="RegulatorVrefA11yDescription">
        <source>Reference at the feedback pin in volts; pick one from the list or type your own</source>
        <translation>Reference at the feedback pin in volts; pick one from the list or type your own</translation>
    </message>
    <message id="RegulatorAdjustVrefA11yDescription">
        <source>Voltage between output and adjust pin in volts</source>
        <translation>Voltage between output and adjust pin in volts</translation>
    </message>
    <message id="RegulatorAdjustCurrentA11yDescription">
        <source>Current out of the adjust pin in microamperes</source>
        <translation>Current out of the adjust pin in microamperes</translation>
    </message>
    <message id="RegulatorVoutA11yDescription">
        <source>Wanted output voltage in volts, as a magnitude for the LM337</source>
        <translation>Wanted output voltage in volts, as a magnitude for the LM337</translation>
    </message>
    <message id="RegulatorSeriesA11yDescription">
        <source>E series both resistors come from</source>
        <translation>E series both resistors come from</translation>
    </message>
    <message id="RegulatorMinCurrentA11yDescription">
        <source>Least load current the regulator needs, in milliamperes; R1 carries between one and four times it</source>
        <translation>Least load current the regulator needs, in milliamperes; R1 carries between one and four times it</translation>
    </message>
    <message id="RegulatorTotalA11yDescription">
        <source>Preferred sum of both resistors in ohms</source>
        <translation>Preferred sum of both resistors in ohms</translation>
    </message>
    <message id="RegulatorR1A11yDescription">
        <source>Upper resistor in ohms</source>
        <translation>Upper resistor in ohms</translation>
    </message>
    <message id="RegulatorR2A11yDescription">
        <source>Lower resistor in ohms</source>
        <translation>Lower resistor in ohms</translation>
    </message>
    <message id="RegulatorResultA11yName">
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message id="RegulatorResultA11yDescription">
        <source>The output voltage, or the best pairs of resistors with the output voltage each gives</source>
        <translation>The output voltage, or the best pairs of resistors with the output voltage each gives</translation>
    </message>
    <message id="RCAnalysisText">
        <source>Time constant: %@
Corner frequency (−3 dB): %@</source>
        <translation>Time constant: %@
Corner frequency (−3 dB): %@</translation>
    </message>
    <message id="RCPairLine">
        <source>%@, %@: %@ (%@)</source>
        <translation>%@, %@: %@ (%@)</translation>
    </message>
    <message id="RCOutOfReach">
        <source>No resistor from 100 Ω to 1 MΩ with a capacitor from 10 pF to 100 µF gives this.</source>
        <translation>No resistor from 100 Ω to 1 MΩ with a capacitor from 10 pF to 100 µF gives this.</translation>
    </message>
    <message id="LCText">
        <source>Resonant frequency: %@
Inductance: %@
Capacitance: %@
At %@: X_L %@, X_C %@</source>
        <translation>Resonant frequency: %@
Inductance: %@
Capacitance: %@
At %@: X_L %@, X_C %@</translation>
    </message>
    <message id="RCAndLC">
        <source>RC &amp; LC</source>
        <translation>RC &amp; LC</translation>
    </message>
    <message id="RCCircuitA11yName">
        <source>RC circuit</source>
        <translation>RC circuit</translation>
    </message>
    <message id="RCCircuitA11yDescription">
        <source>time constant and corner frequency of a resistor and a capacitor</source>
        <translation>time constant and corner frequency of a resistor and a capacitor</translation>
    </message>
    <message id="LCCircuitA11yName">
        <source>LC circuit</source>
        <translation>LC circuit</translation>
    </message>
    <message id="LCCircuitA11yDescription">
        <source>resonance and reactances of an inductor and a capacitor</source>
        <translation>resonance and reactances of an inductor and a capacitor</translation>
    </message>
    <message id="RCMode">
        <source>Compute</source>
        <translation>Compute</translation>
    </message>
    <message id="RCAnalysis">
        <source>τ and f</source>
        <translation>τ and f</translation>
    </message>
    <message id="RCAnalysisA11yDescription">
        <source>time constant and corner frequency from R and C</source>
        <translation>time constant and corner frequency from R and C</translation>
    </message>
    <message id="RCDesignFrequency">
        <source>Parts for f</source>
        <translation>Parts for f</translation>
    </message>
    <message id="RCDesignFrequencyA11yDescription">
        <source>the best standard R and C for a corner frequency</source>
        <translation>the best standard R and C for a corner frequency</translation>
    </message>
    <message id="RCDesignTau">
        <source>Parts for τ</source>
        <translation>Parts for τ</translation>
    </message>
    <message id="RCDesignTauA11yDescription">
        <source>the best standard R and C for a time constant</source>
        <translation>the best standard R and C for a time constant</translation>
    </message>
    <message id="RCResistance">
        <source>Resistance R</source>
        <translation>Resistance R</translation>
    </message>
    <message id="RCCapacitance">
        <source>Capacitance C</source>
        <translation>Capacitance C</translation>
    </message>
    <message id="RCFrequency">
        <source>Corner frequency</source>
        <translation>Corner frequency</translation>
    </message>
    <message id="RCTau">
        <source>Time constant τ</source>
        <translation>Time constant τ</translation>
    </message>
    <message id="RCSeries">
        <source>Resistor series</source>
        <translation>Resistor series</translation>
    </message>
    <message id="RCSeriesA11yDescription">
        <source>E series the resistor is taken from</source>
        <translation>E series the resistor is taken from</translation>
    </message>
    <message id="RCCapacitorSeries">
        <source>Capacitor series</source>
        <translation>Capacitor series</translation>
    </message>
    <message id="RCCapacitorSeriesA11yDescription">
        <source>E series the capacitor is taken from</source>
        <translation>E series the capacitor is taken from</translation>
    </message>
    <message id="RCOhmsA11yDescription">
        <source>in ohms; 4k7 for 4.7 kΩ</source>
        <translation>in ohms; 4k7 for 4.7 kΩ</translation>
    </message>
    <message id="RCMicrofaradsA11yDescription">
        <source>in microfarads; 100n for 100 nF</source>
        <translation>in microfarads; 100n for 100 nF</translation>
    </message>
    <message id="RCHertzA11yDescription">
        <source>in hertz; 1k for 1 kHz</source>
        <translation>in hertz; 1k for 1 kHz</translation>
    </message>
    <message id="RCSecondsA11yDescription">
        <source>in seconds; 1m for 1 ms</source>
        <translation>in seconds; 1m for 1 ms</translation>
    </message>
    <message id="RCResultA11yName">
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message id="RCResultA11yDescription">
        <source>time constant and corner frequency, the best pairs of parts, or the resonance and reactances</source>
        <translation>time constant and corner frequency, the best pairs of parts, or the resonance and reactances</translation>
    </message>
    <message id="LCSought">
        <source>Compute</source>
        <translation>Compute</translation>
    </message>
    <message id="LCSoughtFrequency">
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message id="LCSoughtFrequencyA11yDescription">
        <source>the resonant frequency from L and C</source>
        <translation>the resonant frequency from L and C</translation>
    </message>
    <message id="LCSoughtInductance">
        <source>Inductance</source>
        <translation>Inductance</translation>
    </message>
    <message id="LCSoughtInductanceA11yDescription">
        <source>the inductance for a resonant frequency with C</source>
        <translation>the inductance for a resonant frequency with C</translation>
    </message>
    <message id="LCSoughtCapacitance">
        <source>Capacitance</source>
        <translation>Capacitance</translation>
    </message>
    <message id="LCSoughtCapacitanceA11yDescription">
        <source>the capacitance for a resonant frequency with L</source>
        <translation>the capacitance for a resonant frequency with L</translation>
    </message>
    <message id="LCFrequency">
        <source>Resonant frequency f₀</source>
        <translation>Resonant frequency f₀</translation>
    </message>
    <message id="LCInductance">
        <source>Inductance L</source>
        <translation>Inductance L</translation>
    </message>
    <message id="LCCapacitance">
        <source>Capacitance C</source>
        <translation>Capacitance C</translation>
    </message>
    <message id="LCAt">
        <source>Reactances at</source>
        <translation>Reactances at</translation>
    </message>
    <message id="LCAtA11yDescription">
        <source>in hertz; empty for the resonant frequency</source>
        <translation>in hertz; empty for the resonant frequency</translation>
    </message>
    <message id="LCMicrohenriesA11yDescription">
        <source>in microhenries; 470n for 470 nH</source>
        <translation>in microhenries; 470n for 470 nH</translation>
    </message>
    <message id="LCAtPlaceholder">
        <source>f₀</source>
        <translation>f₀</translation>
    </message>
    <message id="CapacitorCodes">
        <source>Capacitor Codes</source>
        <translation>Capacitor Codes</translation>
    </message>
    <message id="CapacitorCodesKeywords">
        <source>ceramic film tantalum electrolytic EIA-198 marking code SMD tolerance voltage pF nF µF</source>
        <translation>ceramic film tantalum electrolytic EIA-198 marking code SMD tolerance voltage pF nF µF</translation>
    </message>
    <message id="CapCode">
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message id="CapCodePlaceholder">
        <source>e.g. 104J 2A, 4R7, S4</source>
        <translation>e.g. 104J 2A, 4R7, S4</translation>
    </message>
    <message id="CapCodeA11yName">
        <source>Capacitor code</source>
        <translation>Capacitor code</translation>
    </message>
    <message id="CapCodeA11yDescription">
        <source>the marking printed on the capacitor; shows its value, tolerance and voltage</source>
        <translation>the marking printed on the capacitor; shows its value, tolerance and voltage</translation>
    </message>
    <message id="CapValuePlaceholder">
        <source>e.g. 100n</source>
        <translation>e.g. 100n</translation>
    </message>
    <message id="CapValueA11yName">
        <source>Capacitance</source>
        <translation>Capacitance</translation>
    </message>
    <message id="CapValueA11yDescription">
        <source>in microfarads; 100n for 100 nF; shows its codes</source>
        <translation>in microfarads; 100n for 100 nF; shows its codes</translation>
    </message>
    <message id="CapResultA11yName">
        <source>Capacitor code result</source>
        <translation>Capacitor code result</translation>
    </message>
    <message id="CapResultA11yDescription">
        <source>the readings of the code, or the codes of the value</source>
        <translation>the readings of the code, or the codes of the value</translation>
    </message>
    <message id="CapVoltageCode">
        <source>Voltage code</source>
        <translation>Voltage code</translation>
    </message>
    <message id="CapDigitCode">
        <source>pF code</source>
        <translation>pF code</translation>
    </message>
    <message id="CapDecimalMark">
        <source>R notation</source>
        <translation>R notation</translation>
    </message>
    <message id="CapUnitLetter">
        <source>Value with prefix</source>
        <translation>Value with prefix</translation>
    </message>
    <message id="CapMicrofarads">
        <source>µF</source>
        <translation>µF</translation>
    </message>
    <message id="CapTantalum">
        <source>Tantalum code</source>
        <translation>Tantalum code</translation>
    </message>
    <message id="CapEia198">
        <source>EIA-198</source>
        <translation>EIA-198</translation>
    </message>
    <message id="CapAlsoAs">
        <source>As %@: %@</source>
        <translation>As %@: %@</translation>
    </message>
    <message id="CapEmpty">
        <source>Type the marking printed on the capacitor.</source>
        <translation>Type the marking printed on the capacitor.</translation>
    </message>
    <message id="CapCharacter">
        <source>'%@' does not occur in capacitor codes.</source>
        <translation>'%@' does not occur in capacitor codes.</translation>
    </message>
    <message id="CapWords">
        <source>A marking is a value and at most one voltage, such as 104J 2A.</source>
        <translation>A marking is a value and at most one voltage, such as 104J 2A.</translation>
    </message>
    <message id="CapDigits">
        <source>'%@' has too many digits for a picofarad code; it has two or three.</source>
        <translation>'%@' has too many digits for a picofarad code; it has two or three.</translation>
    </message>
    <message id="CapLeadingZero">
        <source>A picofarad code does not start with 0; write R for a decimal point, as in 0R5.</source>
        <translation>A picofarad code does not start with 0; write R for a decimal point, as in 0R5.</translation>
    </message>
    <message id="CapDecimalMarks">
        <source>A code has at most one R for the decimal point.</source>
        <translation>A code has at most one R for the decimal point.</translation>
    </message>
    <message id="CapToleranceLetter">
        <source>The tolerance letter %@ is in picofarads and marks parts under 10 pF only.</source>
        <translation>The tolerance letter %@ is in picofarads and marks parts under 10 pF only.</translation>
    </message>
    <message id="CapNoVoltage">
        <source>'%@' is no voltage; write it as an EIA code such as 2A or in volts such as 16V.</source>
        <translation>'%@' is no voltage; write it as an EIA code such as 2A or in volts such as 16V.</translation>
    </message>
    <message id="CapUnknown">
        <source>'%@' is no capacitor code that Zelkor knows.</source>
        <translation>'%@' is no capacitor code that Zelkor knows.</translation>
    </message>
    <message id="CapThreeDigits">
        <source>Code: %@</source>
        <translation>Code: %@</translation>
    </message>
    <message id="CapNoThreeDigits">
        <source>No three-digit code shows %@.</source>
        <translation>No three-digit code shows %@.</translation>
    </message>
    <message id="CapEia198Nearest">
        <source>EIA-198: %@ (nearest E24 value, %@)</source>
        <translation>EIA-198: %@ (nearest E24 value, %@)</translation>
    </message>
    <message id="CapNoEia198">
        <source>No EIA-198 code shows %@.</source>
        <translation>No EIA-198 code shows %@.</translation>
    </message>
    <message id="NotACapacitance">
        <source>Type a capacitance from 0.01 pF to 100 kF, such as 100n, 4.7u or 0.1 (µF).</source>
        <translation>Type a capacitance from 0.01 pF to 100 kF, such as 100n, 4.7u or 0.1 (µF).</translation>
    </message>
    <message id="DrawingJunction">
        <source>Junction</source>
        <translation>Junction</translation>
    </message>
    <message id="DrawingCase">
        <source>Case</source>
        <translation>Case</translation>
    </message>
    <message id="DrawingHeatSink">
        <source>Heat sink</source>
        <translation>Heat sink</translation>
    </message>
    <message id="DrawingAmbient">
        <source>Ambient</source>
        <translation>Ambient</translation>
    </message>
    <message id="DrawingTrigger">
        <source>Trigger</source>
        <translation>Trigger</translation>
    </message>
    <message id="LEDStandardRange">
        <source>Built, R ±%@ %%: %@ %@
and %@ %@</source>
        <translation>Built, R ±%@ %%: %@ %@
and %@ %@</translation>
    </message>
    <message id="ResistorTolerance">
        <source>Resistor tolerance</source>
        <translation>Resistor tolerance</translation>
    </message>
    <message id="CapacitorTolerance">
        <source>Capacitor tolerance</source>
        <translation>Capacitor tolerance</translation>
    </message>
    <message id="InductorTolerance">
        <source>Inductor tolerance</source>
        <translation>Inductor tolerance</translation>
    </message>
    <message id="CombinationTolerance">
        <source>Tolerance</source>
        <translation>Tolerance</translation>
    </message>
    <message id="ToleranceA11yDescription">
        <source>tolerance in percent; empty takes the default shown</source>
        <translation>tolerance in percent; empty takes the default shown</translation>
    </message>
    <message id="NE555ToleranceHelp">
        <source>The ranges cover the tolerances of R1, R2 and C1. The spread of the 555's own switching thresholds is not included.</source>
        <translation>The ranges cover the tolerances of R1, R2 and C1. The spread of the 555's own switching thresholds is not included.</translation>
    </message>
    <message id="NE555AstableRanges">
        <source>Range: %.08f … %.08f Hz, duty cycle %.02f … %.02f %%
High time range: %.08f … %.08f s
Low time range: %.08f … %.08f s</source>
        <translation>Range: %.08f … %.08f Hz, duty cycle %.02f … %.02f %%
High time range: %.08f … %.08f s
Low time range: %.08f … %.08f s</translation>
    </message>
    <message id="NE555PulseRange">
        <source>Pulse duration range: %.08f … %.08f s</source>
        <translation>Pulse duration range: %.08f … %.08f s</translation>
    </message>
    <message id="NE555DesignRanges">
        <source>Range: %.02f … %.02f Hz, duty cycle %.02f … %.02f %%</source>
        <translation>Range: %.02f … %.02f Hz, duty cycle %.02f … %.02f %%</translation>
    </message>
    <message id="SeriesParallelRange">
        <source>Series range at %@ %%: %.02f … %.02f %@
Parallel range at %@ %%: %.02f … %.02f %@</source>
        <translation>Series range at %@ %%: %.02f … %.02f %@
Parallel range at %@ %%: %.02f … %.02f %@</translation>
    </message>
    <message id="ResistorToleranceA11yDescription">
        <source>percent; leave empty for the series' tolerance, 5 % without a series</source>
        <translation>percent; leave empty for the series' tolerance, 5 % without a series</translation>
    </message>
    <message id="SupplyTolerance">
        <source>Supply tolerance</source>
        <translation>Supply tolerance</translation>
    </message>
    <message id="SupplyToleranceA11yDescription">
        <source>percent; leave empty for an exact supply</source>
        <translation>percent; leave empty for an exact supply</translation>
    </message>
    <message id="ForwardSpread">
        <source>Forward voltage ±</source>
        <translation>Forward voltage ±</translation>
    </message>
    <message id="ForwardSpreadA11yDescription">
        <source>volts either side of the forward voltage; leave empty for none</source>
        <translation>volts either side of the forward voltage; leave empty for none</translation>
    </message>
    <message id="VrefTolerance">
        <source>Vref tolerance</source>
        <translation>Vref tolerance</translation>
    </message>
    <message id="VrefToleranceA11yDescription">
        <source>percent; leave empty for 1 %</source>
        <translation>percent; leave empty for 1 %</translation>
    </message>
    <message id="LEDRangeA11yName">
        <source>Range of the built circuit</source>
        <translation>Range of the built circuit</translation>
    </message>
</context>
</TS>
