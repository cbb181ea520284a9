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
    <message id="About">
        <source>About</source>
        <translation>About</translation>
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
    <!-- end of resistor colour codes -->
    <!-- ohm's law -->
    <message id="Clear">
        <source>Clear</source>
        <translation>Clear</translation>
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
        <source>Infrared (1.5 V)</source>
        <translation>Infrared (1.5 V)</translation>
    </message>
    <message id="LEDPresetRed">
        <source>Red (1.6 V)</source>
        <translation>Red (1.6 V)</translation>
    </message>
    <message id="LEDPresetGreen">
        <source>Green (2.2 V)</source>
        <translation>Green (2.2 V)</translation>
    </message>
    <message id="LEDPresetYellow">
        <source>Yellow (2.1 V)</source>
        <translation>Yellow (2.1 V)</translation>
    </message>
    <message id="LEDPresetBlue">
        <source>Blue (2.9 V)</source>
        <translation>Blue (2.9 V)</translation>
    </message>
    <message id="LEDPresetWhite">
        <source>White (4.0 V)</source>
        <translation>White (4.0 V)</translation>
    </message>
    <message id="LEDPowerWarning">
        <source>Warning: resistor power above 10 W</source>
        <translation>Warning: resistor power above 10 W</translation>
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
        <source>Mica washer, thermal paste (0.3 K/W)</source>
        <translation>Mica washer, thermal paste (0.3 K/W)</translation>
    </message>
    <message id="MountingThermalPaste">
        <source>Direct, thermal paste (0.1 K/W)</source>
        <translation>Direct, thermal paste (0.1 K/W)</translation>
    </message>
    <message id="MountingThermalPad">
        <source>Direct, thermal pad (0.1 K/W)</source>
        <translation>Direct, thermal pad (0.1 K/W)</translation>
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
    <!-- end of tube designations -->
    <!-- about -->
    <message id="AboutVersion">
        <source>Version %@</source>
        <translation>Version %@</translation>
    </message>
    <message id="AboutDescription">
        <source>An electronics toolbox for the bench: resistor colour codes, LED dropping resistors, Ohm's law, series and parallel connections, heat sinks, air-cored coils, 555 timers and tube designations.</source>
        <translation>An electronics toolbox for the bench: resistor colour codes, LED dropping resistors, Ohm's law, series and parallel connections, heat sinks, air-cored coils, 555 timers and tube designations.</translation>
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
</context>
</TS>
