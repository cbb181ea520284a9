// SPDX-License-Identifier: GPL-3.0-or-later

// zelkor-calc: every subcommand prints its panel's text; bad input gets one line on stderr
// and status 2.

#include "cli/CommandLine.h"
#include "support/TestSupport.h"

#include <QProcess>
#include <QTest>

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
    void combineTarget_data();
    void combineTarget();
    void helpAndVersion();
    void binaryNeedsNoDisplay();
};

void TestCommands::prints_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("out");

    const QString twelveVolts = "Power: 24 W\nVoltage: 12 V\nCurrent: 2 A\nResistance: 6 Ω\n";
    QTest::newRow("ohm") << words("ohm --voltage 12 --current 2") << twelveVolts;
    QTest::newRow("ohm: equals form, units")
        << words("ohm --power=24W --voltage=12000mV") << twelveVolts;
    QTest::newRow("ohm: power and resistance")
        << words("ohm --power 0.25 --resistance 100")
        << "Power: 0.25 W\nVoltage: 5 V\nCurrent: 0.05 A\nResistance: 100 Ω\n";
    QTest::newRow("resistor: four bands") << words("resistor yellow violet orange gold")
                                          << "Resistance: 47.00 kΩ\nTolerance: 5.0% (±2.35 kΩ)\n";
    QTest::newRow("resistor: gray, purple and capitals")
        << words("resistor Brown GRAY purple gold")
        << "Resistance: 180.00 MΩ\nTolerance: 5.0% (±9.00 MΩ)\n";
    QTest::newRow("led: preset") << words("led --supply 5 --preset 3 --current 20")
                                 << "Resistance: \t\t145.0 Ohm\nPower: \t\t\t0.058 W\n"
                                    "E12 resistor: 150 Ω\nat 19.3 mA and 0.06 W\n";
    QTest::newRow("led: E24, and the warning line")
        << words("led --supply 1000 --forward 2 --current 0.02A --series E24")
        << "Resistance: \t\t49900.0 Ohm\nPower: \t\t\t19.960 W\nE24 resistor: 51 kΩ\n"
           "at 19.6 mA and 19.53 W\nWarning: resistor power above 10 W\n";
    QTest::newRow("heatsink: chip temperature")
        << words("heatsink --power 10 --chip 1.5 --mount-preset 0 --sink 2 --ambient 25")
        << "Resulting chip temperature: 63.00\n";
    QTest::newRow("heatsink: largest heat sink")
        << words("heatsink --power 10 --chip 1.5 --mount 0.3 --max-temp 150 --ambient 0")
        << "Max. heat sink resistance: 13.20 °K/W\n";
    QTest::newRow("heatsink: largest power")
        << words("heatsink --max-power --chip 1.5 --mount 0.3 --sink 2 --max-temp 100 --ambient 25")
        << "Largest power: 19.74 W\n";
    QTest::newRow("combine: resistors")
        << words("combine --resistors 100 220 470") << "Series: 790.00 Ohm\nParallel: 59.98 Ohm\n";
    QTest::newRow("combine: capacitors")
        << words("combine --capacitors 470n 0.1") << "Series: 0.08 µF\nParallel: 0.57 µF\n";
    QTest::newRow("coil: single layer")
        << words("coil --single --turns 100 --outer 25.4 --inner 99 --length 50.8")
        << "Exact (Nagaoka): 102.548µH\nWheeler: 102.041µH (−0.49 %)\n";
    QTest::newRow("coil: turns for an inductance")
        << words("coil --multi --inductance 49.451 --outer 25.4 --inner 12.7 --length 50.8")
        << "Turns: 100.00\n";
    QTest::newRow("coil: multi-layer")
        << words("coil --multi --turns 100 --outer 25.4 --inner 12.7 --length 50.8mm")
        << "Inductance: 49.451µH\n";
    QTest::newRow("555: astable")
        << words("555 --astable --r1 1k --r2 10k --c 10")
        << "Frequency: 6.90131140 Hz\nHigh time: 0.07590000 s\nLow time: 0.06900000 s\n"
           "Duty cycle: 52.38 %\n";
    QTest::newRow("555: design astable")
        << words("555 --design --frequency 1kHz --duty 60 --c 0.1")
        << "R1: 2.899 kΩ, nearest E24 value 3.0 kΩ\nR2: 5.797 kΩ, nearest E24 value 5.6 kΩ\n"
           "With these parts: 1020.62 Hz, duty cycle 60.56 %\n";
    QTest::newRow("555: design monostable, E12")
        << words("555 --design --duration 10ms --c 1 --series E12")
        << "R: 9.091 kΩ, nearest E12 value 10 kΩ\nWith this part: 0.01100000 s\n";
    QTest::newRow("555: monostable")
        << words("555 --monostable --r 10000 --c 100") << "Pulse duration: 1.10000002 s\n";
    QTest::newRow("tube: ECC83") << words("tube ECC83")
                                 << "Micropower Triode\nMicropower Triode\n\n"
                                    "Heating: 6.3V, Noval, 9 Pins\n";
    QTest::newRow("tube: non-ASCII in an error text")
        << words("tube Eö8") << "'ö' not expected.\n\nHeating: 6.3V, Noval, 9 Pins\n";
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

    QTest::newRow("no subcommand") << QStringList{} << "";
    QTest::newRow("unknown subcommand") << words("frobnicate") << "";
    QTest::newRow("unknown option") << words("ohm --ohms 5") << "ohms";
    QTest::newRow("missing value") << words("ohm --voltage") << "voltage";

    // How each problem with a value reads.
    QTest::newRow("missing") << words("led --preset 0 --current 20") << "led: --supply is missing";
    QTest::newRow("not a number") << words("ohm --voltage twelve --current 2")
                                  << "--voltage: 'twelve' is not a number";
    QTest::newRow("trailing text")
        << words("ohm --voltage 12abc --current 2") << "--voltage: '12abc' is not a number";
    QTest::newRow("wrong unit") << words("ohm --voltage 12 --current 12V")
                                << "--current: '12V' has the wrong unit";
    QTest::newRow("zero") << words("led --supply 5 --preset 0 --current 0")
                          << "led: --current must not be 0";

    QTest::newRow("ohm: not two")
        << words("ohm --voltage 12")
        << "ohm: give exactly two of --power, --voltage, --current and --resistance";
    QTest::newRow("ohm: three") << words("ohm --voltage 12 --current 2 --resistance 6")
                                << "give exactly two of";
    QTest::newRow("ohm: bad value before count")
        << words("ohm --power 1 --voltage x --current 1") << "--voltage: 'x' is not a number";
    QTest::newRow("led: cannot light")
        << words("led --supply 1.5 --forward 2.1 --current 20")
        << "led: The LED cannot light: the supply voltage must be above its forward voltage.";
    QTest::newRow("led: forward and preset")
        << words("led --supply 5 --forward 2 --preset 1 --current 20")
        << "led: give either --forward or --preset, not both";
    QTest::newRow("led: neither") << words("led --supply 5 --current 20")
                                  << "led: --forward or --preset is missing";
    QTest::newRow("led: preset out of range")
        << words("led --supply 5 --preset 6 --current 20")
        << "led: --preset: '6' is not a preset number from 0 to 5";
    QTest::newRow("led: series") << words("led --supply 5 --preset 0 --current 20 --series E6")
                                 << "led: --series: 'E6' is not E12 or E24";
    QTest::newRow("heatsink: missing ambient")
        << words("heatsink --power 10 --chip 1.5 --mount 0.3 --sink 2")
        << "heatsink: --ambient is missing";
    QTest::newRow("heatsink: ideal heat sink")
        << words("heatsink --power 10 --chip 1.5 --mount 0.3 --sink 0 --ambient 25")
        << "heatsink: --sink must not be 0";
    QTest::newRow("heatsink: mount and preset")
        << words("heatsink --power 1 --chip 1 --mount 1 --mount-preset 1 --sink 1 --ambient 1")
        << "heatsink: give either --mount or --mount-preset, not both";
    QTest::newRow("heatsink: no mount") << words("heatsink --power 1 --chip 1 --sink 1")
                                        << "heatsink: --mount or --mount-preset is missing";
    QTest::newRow("heatsink: preset out of range")
        << words("heatsink --power 1 --chip 1 --mount-preset 3")
        << "heatsink: --mount-preset: '3' is not a preset number from 0 to 2";
    QTest::newRow("heatsink: sink and maximum")
        << words("heatsink --power 1 --chip 1 --mount 1 --sink 2 --max-temp 125")
        << "heatsink: give either --sink or --max-temp, not both";
    QTest::newRow("heatsink: neither") << words("heatsink --power 1 --chip 1 --mount 1")
                                       << "heatsink: --sink or --max-temp is missing";
    QTest::newRow("heatsink: largest power for a given power")
        << words("heatsink --max-power --power 5 --chip 1 --mount 1 --sink 1 --max-temp 9")
        << "heatsink: --max-power computes the power: give no --power";
    QTest::newRow("heatsink: largest power without a sink")
        << words("heatsink --max-power --chip 1 --mount 1 --max-temp 90 --ambient 25")
        << "heatsink: --sink is missing";
    QTest::newRow("combine: no kind")
        << words("combine 100") << "combine: give --resistors or --capacitors";
    QTest::newRow("combine: not a number")
        << words("combine --resistors 100 k47") << "combine: 'k47' is not a number";
    QTest::newRow("combine: wrong unit")
        << words("combine --resistors 100 1uF") << "combine: '1uF' has the wrong unit";
    QTest::newRow("combine: nothing to combine")
        << words("combine") << "combine: give the values of the parts, or --target";
    QTest::newRow("combine: target and a list")
        << words("combine --target 1k 100")
        << "combine: give either --target or a list of parts, not both";
    QTest::newRow("combine: target not a number")
        << words("combine --target abc") << "--target: 'abc' is not a number";
    QTest::newRow("combine: target of another quantity")
        << words("combine --target 5V") << "--target: '5V' has the wrong unit";
    QTest::newRow("combine: target 0")
        << words("combine --target 0") << "combine: --target must be above 0";
    QTest::newRow("combine: two parts cannot reach 1 GΩ")
        << words("combine --target 1G")
        << "combine: Up to 2 parts from 1 Ω to 10 MΩ cannot make this value.";
    QTest::newRow("combine: E3 is not offered")
        << words("combine --target 1k --series E3")
        << "combine: --series must be one of E6, E12, E24, E48, E96, E192";
    QTest::newRow("combine: four parts")
        << words("combine --target 1k --parts 4") << "combine: --parts must be 2 or 3";
    QTest::newRow("coil: no winding")
        << words("coil --turns 1 --outer 1 --length 1") << "coil: give --single or --multi";
    QTest::newRow("coil: both windings")
        << words("coil --single --multi --turns 1 --outer 1 --length 1") << "--multi";
    QTest::newRow("coil: inner wider than outer")
        << words("coil --multi --turns 1 --outer 10 --inner 11 --length 0")
        << "coil: --inner must not be larger than --outer";
    QTest::newRow("coil: too small for single precision")
        << words("coil --single --turns 1 --outer 1 --length 1e-44")
        << "coil: these dimensions describe no coil";
    QTest::newRow("coil: turns and inductance")
        << words("coil --single --turns 1 --inductance 1 --outer 1 --length 1")
        << "coil: give either --turns or --inductance, not both";
    QTest::newRow("coil: neither turns nor inductance")
        << words("coil --single --outer 1 --length 1")
        << "coil: --turns or --inductance is missing";
    QTest::newRow("coil: negative inductance")
        << words("coil --single --inductance -1 --outer 1 --length 1")
        << "coil: --inductance must be above 0";
    QTest::newRow("555: no circuit")
        << words("555 --r 1 --c 1") << "555: give --astable, --monostable or --design";
    QTest::newRow("555: design, duty 50 %")
        << words("555 --design --frequency 1k --duty 50 --c 1")
        << "555: This circuit cannot make a duty cycle of 50 % or less: that needs a diode "
           "across R2.";
    QTest::newRow("555: design, no target")
        << words("555 --design --c 1")
        << "555: --design needs --frequency and --duty, or --duration";
    QTest::newRow("555: design, no duty")
        << words("555 --design --frequency 1k --c 1") << "555: --duty is missing";
    QTest::newRow("555: design, unknown series")
        << words("555 --design --duration 1 --c 1 --series E7") << "'E7' is not a series";
    QTest::newRow("555: duration and duty")
        << words("555 --design --duration 1 --duty 60 --c 1") << "--duty";
    QTest::newRow("555: frequency without design")
        << words("555 --astable --r1 1 --r2 1 --c 1 --frequency 1") << "--design";
    QTest::newRow("555: the capacitor is named first")
        << words("555 --astable") << "555: --c is missing";
    QTest::newRow("555: monostable given R1")
        << words("555 --monostable --r1 1 --r 1 --c 1") << "--r1";

    QTest::newRow("resistor: black first digit")
        << words("resistor black black red gold")
        << "resistor: band 1: cannot be black; use brown, red, orange, yellow, green, blue, "
           "violet, grey, white";
    QTest::newRow("resistor: three colours")
        << words("resistor brown black red") << "resistor: give four, five or six colours, not 3";
    QTest::newRow("tube: empty designation")
        << QStringList{"tube", ""} << "cannot decode '': the designation is empty";

    // The message quotes what was typed; a terminal must not act on it.
    QTest::newRow("line break in a value")
        << QStringList{"ohm", "--voltage", "1\n2", "--current", "2"} << "--voltage";
    QTest::newRow("C1 control character")
        << QStringList{"ohm", "--voltage", "1\u009b31m", "--current", "2"} << "--voltage";
    QTest::newRow("control character in an unexpected argument")
        << QStringList{"ohm", "--", "--v\x12"} << "--v";
    QTest::newRow("tube: control characters are not echoed")
        << QStringList{"tube", "E\x1b[K\nC"}
        << "cannot decode 'E\uFFFD[K\uFFFDC': no digit after the letters";
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

void TestCommands::combineTarget_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("first");

    // 1300 · 24000 / 25300 = 1233.2016 Ω, 0.0647 % low.
    QTest::newRow("two E24 parts") << words("combine --target 1234 --series E24 --parts 2")
                                   << QStringLiteral("1.3 kΩ ∥ 24 kΩ = 1233.20 Ω (−0.065 %)");
    QTest::newRow("E24 is the default series")
        << words("combine --target 1234")
        << QStringLiteral("1.3 kΩ ∥ 24 kΩ = 1233.20 Ω (−0.065 %)");
    QTest::newRow("a standard value says so first")
        << words("combine --target 4k7 --series E12 --parts 3")
        << QStringLiteral("4.7 kΩ is a standard value of E12.");
}

void TestCommands::combineTarget()
{
    QFETCH(QStringList, args);
    QFETCH(QString, first);
    const auto result = run(args);
    QCOMPARE(result.status, 0);
    const QStringList lines = QString::fromStdString(result.out).trimmed().split(u'\n');
    QCOMPARE(lines.first(), first);
    QVERIFY(lines.size() >= 5 && lines.size() <= 6);
}

void TestCommands::helpAndVersion()
{
    const auto help = run({"--help"});
    QCOMPARE(help.status, 0);
    for (const char *command :
         {"ohm", "resistor", "led", "heatsink", "combine", "coil", "555", "tube"})
        QVERIFY2(QString::fromStdString(help.out).contains(QString::fromLatin1(command)), command);
    const auto version = run({"--version"});
    QCOMPARE(version.status, 0);
    // The version, then the licence the way the About panel states it.
    const QString out = QString::fromStdString(version.out);
    QCOMPARE(out.section(u'\n', 0, 0), QStringLiteral("zelkor-calc " ZELKOR_VERSION));
    QVERIFY2(out.contains(u"GNU General Public License, version 3 or later"), qPrintable(out));
}

void TestCommands::binaryNeedsNoDisplay()
{
    const QString binary = qEnvironmentVariable("ZELKOR_CALC");
    if (binary.isEmpty())
        QSKIP("ZELKOR_CALC is not set; run through ctest");
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);

    process.start(binary, words("ohm --power 24 --voltage 12"));
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
             "Power: 24 W\nVoltage: 12 V\nCurrent: 2 A\nResistance: 6 Ω\n");

    process.start(binary, words("ohm --power x"));
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    QCOMPARE(process.readAllStandardError().count('\n'), 1);
}

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
