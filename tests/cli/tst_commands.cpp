// SPDX-License-Identifier: GPL-3.0-or-later

// zelkor-calc: every subcommand, mode and option reaches its calculator and prints the panel's
// text; bad input gets one line on stderr and status 2. The digits themselves are core's.

#include "cli/CommandLine.h"
#include "support/TestSupport.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

zelkor::cli::Result run(const QStringList &args)
{
    std::vector<std::string> argv;
    for (const QString &arg : args)
        argv.push_back(arg.toStdString());
    return zelkor::cli::run(argv);
}

// "ohm --voltage 12" → {"ohm", "--voltage", "12"}
QStringList words(const char *line)
{
    return QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts);
}

// A command line as typed, and what it prints or the error message it names.
void row(const char *name, const char *line, const QString &expected)
{
    QTest::newRow(name) << words(line) << expected;
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void prints_data();
    void prints();
    void refuses_data();
    void refuses();
    void helpAndVersion();
    void refusalExitsWithTwo();
};

void TestCommands::prints_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("out");

    // A mode that tst_json reads back, with the text, is not repeated here.
    const QString twelveVolts = "Power: 24 W\nVoltage: 12 V\nCurrent: 2 A\nResistance: 6 Ω\n";
    row("ohm: equals form, units", "ohm --voltage=12000mV --current 2", twelveVolts);
    row("ohm: power and resistance", "ohm --power 24W --resistance 6", twelveVolts);
    row("resistor: four bands, gray, purple and capitals", "resistor Brown GRAY purple gold",
        "Resistance: 180.00 MΩ\nTolerance: 5.0% (±9.00 MΩ)\n");
    row("resistor: five bands", "resistor yellow violet black red brown",
        "Resistance: 47.00 kΩ\nTolerance: 1.0% (±0.47 kΩ)\n");
    row("led: forward, E24, and the warning line",
        "led --supply 1000 --forward 2 --current 0.02A --series E24",
        "Resistance: \t\t49900.0 Ohm\nPower: \t\t\t19.960 W\nE24 resistor: 51 kΩ\n"
        "at 19.6 mA and 19.53 W\nBuilt, R ±5 %: 19.57 mA (18.64 … 20.60 mA)\n"
        "and 19.5 W (18.6 … 20.6 W)\nWarning: resistor power above 10 W\n");
    row("heatsink: largest power",
        "heatsink --max-power --chip 1.5 --mount 0.3 --sink 2 --max-temp 100 --ambient 25",
        "Largest power: 19.74 W\n");
    // (0 - (-40) - 10 · (1 + 0.5)) / 10: a maximum of 0 °C is a temperature, not a missing one.
    row("heatsink: maximum of 0 degrees, frosty ambient",
        "heatsink --power 10 --chip 1 --mount 0.5 --max-temp 0 --ambient -40",
        "Max. heat sink resistance: 2.50 °K/W\n");
    row("combine: resistors", "combine --resistors 100 220 470",
        "Series: 790.00 Ohm\nParallel: 59.98 Ohm\n"
        "Series range at 5 %: 750.50 … 829.50 Ohm\nParallel range at 5 %: 56.98 … 62.98 Ohm\n");
    // 10 pF + 22 pF = 32 pF; 220 / 32 = 6.875 pF: below 0.01 µF, the totals move to pF.
    row("combine: picofarads keep their digits", "combine --capacitors 10p 22p",
        "Series: 6.88 pF\nParallel: 32.00 pF\n"
        "Series range at 10 %: 6.19 … 7.56 pF\nParallel range at 10 %: 28.80 … 35.20 pF\n");
    // 1R8 is 1.8 itself, not the float below it: the single part leads 2 Ω ∥ 18 Ω = 36/20 Ω.
    row("combine: an exact standard target leads with its single part", "combine --target 1R8",
        "1.8 Ω is a standard value of E24.\n1.8 Ω = 1.80 Ω (0.000 %)\n"
        "2.0 Ω ∥ 18 Ω = 1.80 Ω (0.000 %)\n3.6 Ω ∥ 3.6 Ω = 1.80 Ω (0.000 %)\n"
        "1.8 Ω ∥ 10 MΩ = 1.80 Ω (0.000 %)\n1.8 Ω ∥ 9.1 MΩ = 1.80 Ω (0.000 %)\n");
    // 1300 · 24000 / 25300 = 1233.2016 Ω, 0.0647 % low.
    row("combine: target, two E24 parts by default", "combine --target 1234",
        "1.3 kΩ ∥ 24 kΩ = 1233.20 Ω (−0.065 %)\n33 Ω + 1.2 kΩ = 1233.00 Ω (−0.081 %)\n"
        "36 Ω + 1.2 kΩ = 1236.00 Ω (+0.162 %)\n1.8 kΩ ∥ 3.9 kΩ = 1231.58 Ω (−0.196 %)\n"
        "30 Ω + 1.2 kΩ = 1230.00 Ω (−0.324 %)\n");
    row("combine: target, series and parts", "combine --target 4k7 --series E12 --parts 3",
        "4.7 kΩ is a standard value of E12.\n4.7 kΩ = 4700.00 Ω (0.000 %)\n"
        "120 Ω + 680 Ω + 3.9 kΩ = 4700.00 Ω (0.000 %)\n"
        "330 Ω + 470 Ω + 3.9 kΩ = 4700.00 Ω (0.000 %)\n"
        "1.0 kΩ + 1.0 kΩ + 2.7 kΩ = 4700.00 Ω (0.000 %)\n"
        "1.0 kΩ + 1.5 kΩ + 2.2 kΩ = 4700.00 Ω (0.000 %)\n");
    row("coil: single layer", "coil --single --turns 100 --outer 25.4 --inner 99 --length 50.8",
        "Exact (Nagaoka): 102.548µH\nWheeler: 102.041µH (−0.49 %)\n");
    row("coil: turns for an inductance",
        "coil --multi --inductance 49.451 --outer 25.4 --inner 12.7 --length 50.8",
        "Turns: 100.00\n");
    row("555: monostable", "555 --monostable --r 10000 --c 100",
        "Pulse duration: 1.10000002 s\nPulse duration range: 0.94050000 … 1.27050000 s\n");
    row("555: design astable", "555 --design --frequency 1kHz --duty 60 --c 0.1",
        "R1: 2.899 kΩ, nearest E24 value 3.0 kΩ\nR2: 5.797 kΩ, nearest E24 value 5.6 kΩ\n"
        "With these parts: 1020.62 Hz, duty cycle 60.56 %\n"
        "Range: 883.65 … 1193.70 Hz, duty cycle 59.75 … 61.42 %\n");
    // Worked apart from the engine: every E24 ratio, ranked by |ln(Vout / 3.3 V)|, each shown
    // at the decade whose R1 + R2 lies nearest 10 kΩ (18k + 6.8k = 24.8k beats 2.48k). Each
    // range is R1 high with R2 low and the other way round, at E24's 5 %.
    row("divider: 12 V to 3.3 V in E24", "divider --vin 12 --vout 3.3",
        "R1 2.4 kΩ, R2 910 Ω: 3.2991 V (3.0651 … 3.5438 V) (−0.027 %)\n"
        "    3.625 mA, P1 31.5 mW, P2 12.0 mW, Zout 659.8 Ω\n"
        "R1 18 kΩ, R2 6.8 kΩ: 3.2903 V (3.0568 … 3.5347 V) (−0.293 %)\n"
        "    483.9 µA, P1 4.21 mW, P2 1.59 mW, Zout 4.935 kΩ\n"
        "R1 4.7 kΩ, R2 1.8 kΩ: 3.3231 V (3.0880 … 3.5688 V) (+0.699 %)\n"
        "    1.846 mA, P1 16.0 mW, P2 6.13 mW, Zout 1.302 kΩ\n"
        "R1 20 kΩ, R2 7.5 kΩ: 3.2727 V (3.0400 … 3.5163 V) (−0.826 %)\n"
        "    436.4 µA, P1 3.81 mW, P2 1.43 mW, Zout 5.455 kΩ\n"
        "R1 3.9 kΩ, R2 1.5 kΩ: 3.3333 V (3.0978 … 3.5795 V) (+1.010 %)\n"
        "    2.222 mA, P1 19.3 mW, P2 7.41 mW, Zout 1.083 kΩ\n");
    // 10 kΩ over 10 kΩ ∥ 10 kΩ: 10 · 5 / 15 = 3.3333 V; the load does not change R1 ∥ R2.
    row("divider: analysis with a load", "divider --vin 10 --r1 10k --r2 10k --load 10k",
        "Output voltage: 3.3333 V (3.1693 … 3.5029 V)\nCurrent: 666.67 µA\n"
        "Power in R1: 4.4444 mW\nPower in R2: 1.1111 mW\nOutput impedance: 5.0000 kΩ\n");
    // 1.25 · (1 + 720/240) + 50 µA · 720 Ω; 1.25 V / 240 Ω through R1.
    row("regulator: LM317 analysis", "regulator --lm317 --r1 240 --r2 720",
        "Output voltage: 5.0360 V (4.4571 … 5.6861 V)\nCurrent through R1: 5.208 mA\n");
    // 0.8 · (1 + 7.5k/2.4k) = 3.3 V; then 4.7k/1.5k gives 0.8 · 4.1333 = 3.3067 V.
    row("regulator: feedback design", "regulator --vref 0.8 --vout 3.3",
        "3.3000 V is met exactly.\n"
        "R1 7.5 kΩ, R2 2.4 kΩ: 3.3000 V (3.0313 … 3.5988 V) (0.000 %)\n"
        "R1 4.7 kΩ, R2 1.5 kΩ: 3.3067 V (3.0373 … 3.6062 V) (+0.202 %)\n"
        "R1 16 kΩ, R2 5.1 kΩ: 3.3098 V (3.0401 … 3.6097 V) (+0.297 %)\n"
        "R1 5.6 kΩ, R2 1.8 kΩ: 3.2889 V (3.0213 … 3.5864 V) (−0.337 %)\n"
        "R1 6.2 kΩ, R2 2.0 kΩ: 3.2800 V (3.0134 … 3.5765 V) (−0.606 %)\n");
    // R1 from 33 Ω to 120 Ω in E12: 1.25 · (1 + 330/39) + 65 µA · 330 Ω = 11.848 V is the
    // nearest, 56 Ω and 470 Ω give 11.772 V.
    row("regulator: LM337 design", "regulator --lm337 --vout 12 --series E12",
        "R1 39 Ω, R2 330 Ω: 11.848 V (negative) (9.508 … 14.781 V) (−1.264 %)\n"
        "R1 56 Ω, R2 470 Ω: 11.772 V (negative) (9.440 … 14.687 V) (−1.903 %)\n"
        "R1 120 Ω, R2 1.0 kΩ: 11.732 V (negative) (9.382 … 14.651 V) (−2.236 %)\n"
        "R1 82 Ω, R2 680 Ω: 11.660 V (negative) (9.342 … 14.551 V) (−2.833 %)\n"
        "R1 47 Ω, R2 390 Ω: 11.648 V (negative) (9.347 … 14.527 V) (−2.936 %)\n");
    // Ranked by |ln(G ÷ 4.7)|, worked out apart from the engine.
    row("gain: design, inverting in E12", "gain --inverting --gain 4.7 --series E12",
        "−4.7000 (13.44 dB) is met exactly.\n"
        "Rf 47 kΩ, Rg 10 kΩ: −4.7000 (−5.7444 … −3.8455) (0.000 %)\n"
        "Rf 22 kΩ, Rg 4.7 kΩ: −4.6809 (−5.7210 … −3.8298) (−0.407 %)\n"
        "Rf 5.6 kΩ, Rg 1.2 kΩ: −4.6667 (−5.7037 … −3.8182) (−0.709 %)\n"
        "Rf 39 kΩ, Rg 8.2 kΩ: −4.7561 (−5.8130 … −3.8914) (+1.194 %)\n"
        "Rf 18 kΩ, Rg 3.9 kΩ: −4.6154 (−5.6410 … −3.7762) (−1.800 %)\n");
    row("gain: analysis, inverting", "gain --inverting --rf 47k --rg 10k",
        "Gain: −4.7000 (13.44 dB) (−5.1947 … −4.2524)\n");
    row("rc: time constant and corner", "rc --r 10k --c 100n",
        "Time constant: 1.0000 ms (0.8550 … 1.1550 ms)\n"
        "Corner frequency (−3 dB): 159.15 Hz (137.80 … 186.15 Hz)\n");
    // Brute force over E24 × E6: 16 kΩ · 10 nF = 160 µs is the nearest to 159.15 µs; 4.7 kΩ ·
    // 33 nF and 3.3 kΩ · 47 nF give one product but are different parts. Each f ranges from
    // f / (1.05 · 1.2) to f / (0.95 · 0.8): E24 parts are sold at 5 %, E6 at 20 %.
    row("rc: the best E24 × E6 pairs for 1 kHz", "rc --frequency 1k",
        "16 kΩ, 10 nF: 994.72 Hz (789.46 … 1308.84 Hz) (−0.53 %)\n"
        "24 kΩ, 6.8 nF: 975.21 Hz (773.98 … 1283.18 Hz) (−2.48 %)\n"
        "4.7 kΩ, 33 nF: 1.0261 kHz (0.8144 … 1.3502 kHz) (+2.61 %)\n"
        "3.3 kΩ, 47 nF: 1.0261 kHz (0.8144 … 1.3502 kHz) (+2.61 %)\n"
        "11 kΩ, 15 nF: 964.58 Hz (765.54 … 1269.18 Hz) (−3.54 %)\n");
    // 10 kΩ · 4.7 µF and 4.7 kΩ · 10 µF are both exact: the one at the preferred 10 kΩ leads.
    // Typed tolerances of 0 leave each τ a single value.
    row("rc: an exact time constant in E12 × E3",
        "rc --tau 47m --series E12 --c-series E3 --tolerance 0 --c-tolerance 0",
        "47.000 ms is met exactly.\n10 kΩ, 4.7 µF: 47.000 ms (47.000 … 47.000 ms) (0.00 %)\n"
        "4.7 kΩ, 10 µF: 47.000 ms (47.000 … 47.000 ms) (0.00 %)\n"
        "22 kΩ, 2.2 µF: 48.400 ms (48.400 … 48.400 ms) (+2.98 %)\n"
        "18 kΩ, 2.2 µF: 39.600 ms (39.600 … 39.600 ms) (−15.74 %)\n"
        "5.6 kΩ, 10 µF: 56.000 ms (56.000 … 56.000 ms) (+19.15 %)\n");
    row("lc: resonance of L and C", "lc --l 10 --c 100p",
        "Resonant frequency: 5.0329 MHz (4.5754 … 5.5921 MHz)\nInductance: 10.000 µH\n"
        "Capacitance: 100.00 pF\nAt 5.0329 MHz: X_L 316.23 Ω, X_C 316.23 Ω\n");
    // 1 % each: 5.0329 MHz / 1.01 and / 0.99.
    row("lc: reactances at another frequency",
        "lc --l 10u --c 100p --at 1M --l-tolerance 1 --c-tolerance 1",
        "Resonant frequency: 5.0329 MHz (4.9831 … 5.0838 MHz)\nInductance: 10.000 µH\nCapacitance: "
        "100.00 pF\n"
        "At 1.0000 MHz: X_L 62.832 Ω, X_C 1.5915 kΩ\n");
    // L = 1 / ((2π · 1 MHz)² · 1 nF) = 25.330 µH.
    row("lc: L for a resonance with C", "lc --frequency 1M --c 1n",
        "Resonant frequency: 1.0000 MHz\nInductance: 25.330 µH\nCapacitance: 1.0000 nF\n"
        "At 1.0000 MHz: X_L 159.15 Ω, X_C 159.15 Ω\n");
    row("tube: non-ASCII in the decoded text", "tube Eö8",
        "'ö' not expected.\n\nHeating: 6.3V, Noval, 9 Pins\n");
    row("cap: both readings, the likelier first", "cap R5", "0.5 pF\nAs EIA-198: 430 nF\n");
    row("cap: voltage code after a space", "cap 104J 2A", "100 nF ±5 % 100 V\n");
    row("cap: tantalum", "cap A475", "4.7 µF 10 V\n");
    row("cap: codes of a value", "cap --value 100n", "Code: 104\nEIA-198: A5\n");
    row("inductor: a value rounded to two digits, in mH", "inductor --value 4.75m --tolerance 5%",
        "yellow grey red gold\nInductance: 4.80 mH\nTolerance: 5.0% (±0.24 mH)\n"
        "Rounded to 4.8 mH for 4 bands.\n");
    row("inductor: three bands have no tolerance band", "inductor Brown GRAY gold",
        "Inductance: 1.80 µH\nTolerance: 20.0% (±0.36 µH)\n");
    row("bands: number of bands", "bands 4k7 --bands 5",
        "yellow violet black brown gold\nResistance: 4.70 kΩ\nTolerance: 5.0% (±0.23 kΩ)\n");
    row("bands: five significant digits rounded to five bands", "bands 12345",
        "brown red orange red gold\nResistance: 12.30 kΩ\nTolerance: 5.0% (±0.62 kΩ)\n");
    row("bands: tolerance, --tempco means six bands", "bands 100 --tolerance 1 --tempco 50",
        "brown black black black brown red\nResistance: 100.00 Ω\n"
        "Tolerance: 1.0% (±1.00 Ω)\nTemperature coefficient: 50 ppm/K\n");
}

void TestCommands::prints()
{
    QFETCH(QStringList, args);
    QFETCH(QString, out);
    const auto result = run(args);
    QCOMPARE(QString::fromStdString(result.err), QString());
    QCOMPARE(result.status, 0);
    QCOMPARE(QString::fromStdString(result.out), out);
}

void TestCommands::refuses_data()
{
    QTest::addColumn<QStringList>("args");
    // The message after "zelkor-calc: ", or a part of it that it must name.
    QTest::addColumn<QString>("message");

    row("no subcommand", "", "");
    row("unknown option", "ohm --ohms 5", "ohms");
    row("missing value", "ohm --voltage", "voltage");

    // How each problem with a value reads; a value outside its domain is tst_domains'.
    row("missing", "led --preset 0 --current 20", "led: --supply is missing");
    row("not a number", "ohm --voltage twelve --current 2",
        "ohm: --voltage: 'twelve' is not a number");
    row("wrong unit", "ohm --voltage 12 --current 12V", "ohm: --current: '12V' has the wrong unit");
    row("--json: a refusal prints no JSON", "led --supply 1 --forward 2 --current 20 --json",
        "cannot light");

    row("ohm: not two", "ohm --voltage 12",
        "ohm: give exactly two of --power, --voltage, --current and --resistance");
    row("ohm: three", "ohm --voltage 12 --current 2 --resistance 6", "give exactly two of");
    row("ohm: a tiny current overflows the resistance", "ohm --voltage 100 --current 1e-37",
        "ohm: --current: '1e-37' is too small: a result would not be a number");
    row("ohm: past the largest float, on the allowed side", "ohm --voltage 1e300 --current 2",
        "ohm: --voltage: '1e300' is too large");
    row("ohm: past the largest float, below the bounds", "ohm --voltage -1e300 --current 2",
        "ohm: --voltage must be above 0");
    row("led: cannot light", "led --supply 1.5 --forward 2.1 --current 20",
        "led: The LED cannot light: the supply voltage must be above its forward voltage.");
    row("led: forward and preset", "led --supply 5 --forward 2 --preset 1 --current 20",
        "led: give either --forward or --preset, not both");
    row("led: neither", "led --supply 5 --current 20", "led: --forward or --preset is missing");
    row("led: preset out of range", "led --supply 5 --preset 6 --current 20",
        "led: --preset: '6' is not a preset number from 0 to 5");
    row("led: series", "led --supply 5 --preset 0 --current 20 --series E6",
        "led: --series: 'E6' is not E12 or E24");
    row("divider: output at the input", "divider --vin 5 --vout 5",
        "divider: The output voltage must lie below the input voltage.");
    row("divider: beyond what the series reaches", "divider --vin 100 --vout 1u",
        "divider: No two resistors from 1 Ω to 10 MΩ give this output voltage.");
    row("divider: a load too small for the output", "divider --vin 12 --vout 11 --load 1",
        "divider: No two resistors from 1 Ω to 10 MΩ give this output voltage.");
    row("divider: target and parts", "divider --vin 12 --vout 3.3 --r1 1k --r2 1k",
        "divider: give either --r1 and --r2 or --vout, not both");
    row("divider: neither target nor parts", "divider --vin 12",
        "divider: --vout or --r1 and --r2 is missing");
    row("divider: only one part", "divider --vin 12 --r1 1k", "divider: --r2 is missing");
    row("divider: series without a target", "divider --vin 12 --r1 1k --r2 1k --series E12",
        "--series excludes --r");
    row("divider: no such series", "divider --vin 12 --vout 3.3 --series E7",
        "divider: --series: 'E7' is not E3, E6, E12, E24, E48, E96 or E192");
    row("heatsink: largest power without any resistance",
        "heatsink --max-power --chip 0 --mount 0 --sink 0 --max-temp 100 --ambient 25",
        "heatsink: With no thermal resistance at all, any power keeps the chip below --max-temp.");
    row("heatsink: mount and preset",
        "heatsink --power 1 --chip 1 --mount 1 --mount-preset 1 --sink 1 --ambient 1",
        "heatsink: give either --mount or --mount-preset, not both");
    row("heatsink: no mount", "heatsink --power 1 --chip 1 --sink 1",
        "heatsink: --mount or --mount-preset is missing");
    row("heatsink: preset out of range", "heatsink --power 1 --chip 1 --mount-preset 3",
        "heatsink: --mount-preset: '3' is not a preset number from 0 to 2");
    row("heatsink: sink and maximum", "heatsink --power 1 --chip 1 --mount 1 --sink 2 --max-temp 9",
        "heatsink: give either --sink or --max-temp, not both");
    row("heatsink: neither", "heatsink --power 1 --chip 1 --mount 1",
        "heatsink: --sink or --max-temp is missing");
    row("heatsink: largest power for a given power",
        "heatsink --max-power --power 5 --chip 1 --mount 1 --sink 1 --max-temp 9",
        "heatsink: --max-power computes the power: give no --power");
    row("combine: no kind", "combine 100", "combine: give --resistors or --capacitors");
    row("combine: not a number", "combine --resistors 100 k47",
        "combine: part 2: 'k47' is not a number");
    row("combine: wrong unit", "combine --resistors 100 1uF",
        "combine: part 2: '1uF' has the wrong unit");
    row("combine: a negative part", "combine --resistors 100 -100",
        "combine: part 2 must be above 0");
    row("combine: nothing to combine", "combine",
        "combine: give the values of the parts, or --target");
    row("combine: target and a list", "combine --target 1k 100",
        "combine: give either --target or a list of parts, not both");
    row("combine: --series without --target", "combine --resistors --series E12 100 220",
        "combine: --series needs --target");
    row("combine: --parts without --target", "combine --parts 3",
        "combine: --parts needs --target");
    row("combine: a tolerance for a target", "combine --target 1k --tolerance 5",
        "combine: --tolerance needs a list of parts");
    row("combine: target not a number", "combine --target abc",
        "combine: --target: 'abc' is not a number");
    row("combine: target of another quantity", "combine --target 5V",
        "combine: --target: '5V' has the wrong unit");
    row("combine: target 0", "combine --target 0", "combine: --target must be above 0");
    row("combine: two parts cannot reach 1 GΩ", "combine --target 1G",
        "combine: Up to 2 parts from 1 Ω to 10 MΩ cannot make this value.");
    row("combine: E3 is not offered", "combine --target 1k --series E3",
        "combine: --series: 'E3' is not E6, E12, E24, E48, E96 or E192");
    row("combine: four parts", "combine --target 1k --parts 4",
        "combine: --parts: '4' is not 2 or 3");
    row("coil: no winding", "coil --turns 1 --outer 1 --length 1",
        "coil: give --single or --multi");
    row("coil: both windings", "coil --single --multi --turns 1 --outer 1 --length 1", "--multi");
    row("coil: inner wider than outer", "coil --multi --turns 1 --outer 10 --inner 11 --length 0",
        "coil: --inner must not be larger than --outer");
    row("coil: too small for single precision", "coil --single --turns 1 --outer 1 --length 1e-44",
        "coil: these dimensions describe no coil");
    row("coil: turns and inductance", "coil --single --turns 1 --inductance 1 --outer 1 --length 1",
        "coil: give either --turns or --inductance, not both");
    row("coil: neither turns nor inductance", "coil --single --outer 1 --length 1",
        "coil: --turns or --inductance is missing");
    row("coil: negative inductance", "coil --single --inductance -1 --outer 1 --length 1",
        "coil: --inductance must be above 0");
    row("coil: 0 turns", "coil --single --turns 0 --outer 1 --length 1",
        "coil: --turns must be above 0");
    row("coil: turns whose square is past a float",
        "coil --single --turns 1e20 --outer 25.4 --length 50.8",
        "coil: --turns: '1e20' is too large: a result would not be a number");
    row("regulator: no part", "regulator --vout 5",
        "regulator: give --lm317, --lm337, --adjust-vref with --iadj, or --vref");
    row("regulator: Vout at Vref", "regulator --vref 1.25 --vout 1.25",
        "regulator: The output voltage must lie above the reference voltage.");
    row("regulator: Vout below the LM317's reference", "regulator --lm317 --vout 1",
        "regulator: The output voltage must lie above the reference voltage.");
    row("regulator: Vout out of reach", "regulator --vref 0.8 --vout 9e6",
        "regulator: No two resistors of the range give this output voltage.");
    row("regulator: a total for the LM317", "regulator --lm317 --vout 5 --total 10k",
        "regulator: --total belongs to --vref; the LM317 kind takes --min-current");
    row("regulator: a minimum current for the feedback kind",
        "regulator --vref 0.8 --vout 5 --min-current 5",
        "regulator: --min-current belongs to the LM317 kind; --vref takes --total");
    row("regulator: I_adj without its reference", "regulator --iadj 50 --vout 5",
        "regulator: --adjust-vref is missing");
    row("regulator: design and analysis", "regulator --lm317 --vout 5 --r1 240 --r2 720",
        "regulator: give either --r1 and --r2 or --vout, not both");
    row("regulator: a minimum current no R1 can draw",
        "regulator --lm317 --vout 5 --min-current 10000",
        "regulator: No resistor between 1 Ω and 10 MΩ draws this minimum load current.");
    row("555: no circuit", "555 --r 1 --c 1", "555: give --astable, --monostable or --design");
    row("555: negative R1", "555 --astable --r1 -1k --r2 10k --c 10", "555: --r1 must be above 0");
    row("555: capacitor 0", "555 --astable --r1 1k --r2 10k --c 0", "555: --c must be above 0");
    row("555: design, duty 50 %", "555 --design --frequency 1k --duty 50 --c 1",
        "555: --duty must be above 50 and below 100");
    row("555: design, capacitor 0", "555 --design --duration 1 --c 0", "555: --c must be above 0");
    row("555: design, no target", "555 --design --c 1",
        "555: --design needs --frequency and --duty, or --duration");
    row("555: design, no duty", "555 --design --frequency 1k --c 1", "555: --duty is missing");
    row("555: design, unknown series", "555 --design --duration 1 --c 1 --series E7",
        "555: --series: 'E7' is not E3, E6, E12, E24, E48, E96 or E192");
    row("555: duration and duty", "555 --design --duration 1 --duty 60 --c 1", "--duty");
    row("555: frequency without design", "555 --astable --r1 1 --r2 1 --c 1 --frequency 1",
        "--design");
    row("555: the capacitor is named first", "555 --astable", "555: --c is missing");
    row("555: monostable given R1", "555 --monostable --r1 1 --r 1 --c 1", "--r1");
    row("gain: no circuit", "gain --gain 10", "gain: give --non-inverting or --inverting");
    row("gain: both circuits", "gain --non-inverting --inverting --gain 10", "--inverting");
    row("gain: non-inverting gain of 1", "gain --non-inverting --gain 1",
        "gain: A non-inverting amplifier's gain lies above 1.");
    row("gain: beyond 1 MΩ over 1 kΩ", "gain --inverting --gain 1001",
        "gain: No two resistors from 1 kΩ to 1 MΩ give this gain.");
    row("gain: below 1 kΩ over 1 MΩ", "gain --inverting --gain 0.0009",
        "gain: No two resistors from 1 kΩ to 1 MΩ give this gain.");
    row("gain: a gain and resistors", "gain --inverting --gain 10 --rf 1k --rg 1k",
        "gain: give either --rf and --rg or --gain, not both");
    row("gain: a series for resistors", "gain --inverting --rf 1k --rg 1k --series E12", "--gain");
    row("gain: Rg missing", "gain --inverting --rf 1k", "gain: --rg is missing");
    row("gain: a tiny Rg overflows the gain", "gain --inverting --rf 3e38 --rg 1e-300",
        "gain: --rg: '1e-300' is too small: a result would not be a number");
    row("rc: 200 MHz is faster than 100 Ω with 10 pF", "rc --frequency 200M",
        "rc: No resistor from 100 Ω to 1 MΩ with a capacitor from 10 pF to 100 µF gives this.");
    row("rc: 200 s is slower than 1 MΩ with 100 µF", "rc --tau 200",
        "rc: No resistor from 100 Ω to 1 MΩ with a capacitor from 10 pF to 100 µF gives this.");
    row("rc: no E48 capacitors", "rc --frequency 1k --c-series E48",
        "rc: --c-series: 'E48' is not E3, E6, E12 or E24");
    row("rc: nothing to compute", "rc", "rc: give --r and --c, --frequency or --tau");
    row("rc: R without C", "rc --r 10k", "rc: --c is missing");
    row("rc: parts and a target", "rc --r 10k --c 1 --tau 1", "--tau");
    row("lc: one of three", "lc --l 10", "lc: give two of --frequency, --l and --c");
    row("lc: all three", "lc --frequency 1M --l 10 --c 1n",
        "lc: give two of --frequency, --l and --c, not three");
    row("lc: reactances at 0 Hz", "lc --l 10 --c 1n --at 0", "lc: --at must be above 0");
    row("resistor: not a colour", "resistor red red x gold", "'x' is not a colour");
    row("resistor: black first digit", "resistor black black red gold",
        "resistor: band 1: cannot be black; use brown, red, orange, yellow, green, blue, "
        "violet, grey, white");
    row("resistor: three colours", "resistor brown black red",
        "resistor: give four, five or six colours, not 3");
    row("inductor: the military code", "inductor silver red gold red gold",
        "inductor: A silver first band or a gold digit band marks the military code, whose gold "
        "band is a decimal point. It is not read: only the four-band code is.");
    row("inductor: no colour for the multiplier", "inductor brown black white silver",
        "inductor: White is not a colour of band 3.");
    row("inductor: tolerance without a colour", "inductor --value 10 --tolerance 7",
        "'7' is no tolerance band");
    row("inductor: colours and a value", "inductor red red red --value 1",
        "inductor: give either colours or --value, not both");
    row("bands: not a resistance", "bands 4k7x", "bands: '4k7x' is not a resistance");
    row("bands: seven bands", "bands 1k --bands 7", "bands: --bands must be 4, 5 or 6");
    row("bands: no colour for the tolerance", "bands 1k --tolerance 3", "3.0%");
    row("bands: tempco on five bands", "bands 1k --bands 5 --tempco 50",
        "bands: --tempco needs six bands");
    row("bands: tempco without a colour", "bands 1k --tempco 2000",
        "bands: no band colour stands for '2000' ppm/K");
    row("smd: neither code nor value", "smd", "smd: give a CODE or --value");
    row("cap: neither code nor value", "cap", "cap: give a CODE or --value");
    row("cap: four digits", "cap 1041",
        "cap: '1041' has too many digits for a picofarad code; it has two or three.");
    row("cap: no part is that large", "cap --value 1e39",
        "cap: --value: '1e39' is not a capacitance from 0.01 pF to 100 kF");
    row("cap: no part is that small", "cap --value 0.009p", "is not a capacitance from");
    row("smd: bad letter", "smd 47G", "'G'");
    row("smd: value without a code", "smd --value 4705", "4.705 kΩ");
    row("smd: a value below every code is no jumper", "smd --value 1e-50",
        "smd: No SMD code shows a value below 0.001 Ω.");
    row("eseries: unknown series", "eseries 1k --series E7",
        "eseries: --series: 'E7' is not E3, E6, E12, E24, E48, E96 or E192");
    QTest::newRow("tube: empty designation")
        << QStringList{"tube", ""} << "tube: cannot decode '': the designation is empty";

    // An error line quotes at most 40 characters of what was typed.
    const QString longArgument(100'000, u'x');
    const QString shown = u"'"_s + QString(40, u'x') + u"…'"_s;
    QTest::newRow("tube: a long designation is shortened")
        << QStringList{"tube", longArgument}
        << "tube: cannot decode " + shown + ": no digit after the letters";
    QTest::newRow("eseries: a long value is shortened")
        << QStringList{"eseries", longArgument} << "eseries: " + shown + " is not a resistance";
    QTest::newRow("bands: a long value is shortened")
        << QStringList{"bands", longArgument} << "bands: " + shown + " is not a resistance";
    QTest::newRow("smd: a long value is shortened")
        << QStringList{"smd", "--value", longArgument} << "smd: " + shown + " is not a resistance";
    QTest::newRow("resistor: a long colour is shortened")
        << QStringList{"resistor", "red", "red", longArgument, "gold"}
        << "resistor: band 3: " + shown +
               " is not a colour; use silver, gold, black, brown, red, "
               "orange, yellow, green, blue, violet, grey, white";
    QTest::newRow("combine: a long part is shortened")
        << QStringList{"combine", "--resistors", longArgument}
        << "combine: part 1: " + shown + " is not a number";

    // The message quotes what was typed; a terminal must not act on it.
    QTest::newRow("line break in a value")
        << QStringList{"ohm", "--voltage", "1\n2", "--current", "2"} << "--voltage";
    QTest::newRow("C1 control character")
        << QStringList{"ohm", "--voltage", "1\u009b31m", "--current", "2"} << "--voltage";
    QTest::newRow("control character in an unexpected argument")
        << QStringList{"ohm", "--", "--v\x12"} << "--v";
    QTest::newRow("tube: control characters are not echoed")
        << QStringList{"tube", "E\x1b[K\nC"}
        << "tube: cannot decode 'E\uFFFD[K\uFFFDC': no digit after the letters";
}

void TestCommands::refuses()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const auto result = run(args);
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.empty());
    const QString err = QString::fromStdString(result.err);
    QVERIFY2(err.startsWith(u"zelkor-calc: ") && err.endsWith(u'\n') && err.count(u'\n') == 1,
             qPrintable(err));
    QVERIFY2(err.contains(message), qPrintable(err));
    // A message with a colon is the whole message of this program, not one of CLI11's.
    if (message.contains(u": "))
        QCOMPARE(err, "zelkor-calc: " + message + u'\n');
    for (const QChar c : QStringView(err).chopped(1))
        QVERIFY2(c.category() != QChar::Other_Control, qPrintable(err));
}

void TestCommands::helpAndVersion()
{
    const auto help = run({"--help"});
    QCOMPARE(help.status, 0);
    for (const char *command :
         {"ohm", "resistor", "led", "heatsink", "combine", "coil", "555", "tube", "bands", "smd",
          "cap", "eseries", "divider", "regulator", "gain", "rc", "lc"})
        QVERIFY2(QString::fromStdString(help.out).contains(QString::fromLatin1(command)), command);
    const auto version = run({"--version"});
    QCOMPARE(version.status, 0);
    // The version, then the licence the way the About panel states it.
    const QString out = QString::fromStdString(version.out);
    QCOMPARE(out.section(u'\n', 0, 0), QStringLiteral("zelkor-calc " ZELKOR_VERSION));
    QVERIFY2(out.contains(u"GNU General Public License, version 3 or later"), qPrintable(out));
}

void TestCommands::refusalExitsWithTwo()
{
    const QString binary = qEnvironmentVariable("ZELKOR_CALC");
    if (binary.isEmpty())
        QSKIP("ZELKOR_CALC is not set; run through ctest");
    QProcess process;
    process.start(binary, words("ohm --power x"));
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    QCOMPARE(process.readAllStandardError().count('\n'), 1);
}

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
