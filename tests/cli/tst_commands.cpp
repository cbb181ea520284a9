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
    void helpAndVersion();
    void binaryNeedsNoDisplay();
};

void TestCommands::prints_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("out");

    const QString twelveVolts = "Power: 24 W\nVoltage: 12 V\nCurrent: 2 A\nResistance: 6 Ω\n";
    QTest::newRow("ohm: voltage and current")
        << words("ohm --voltage 12 --current 2") << twelveVolts;
    QTest::newRow("ohm: power and current") << words("ohm --power 24 --current 2") << twelveVolts;
    QTest::newRow("ohm: equals form") << words("ohm --power=24 --voltage=12") << twelveVolts;
    QTest::newRow("ohm: zero current") << words("ohm --voltage 5 --current 0")
                                       << "Power: 0 W\nVoltage: 5 V\nCurrent: 0 A\n"
                                          "Resistance: inf Ω\n";
    QTest::newRow("ohm: exponent and leading point") << words("ohm --voltage 1e1 --current .5")
                                                     << "Power: 5 W\nVoltage: 10 V\n"
                                                        "Current: 0.5 A\nResistance: 20 Ω\n";

    QTest::newRow("resistor: four bands") << words("resistor yellow violet orange gold")
                                          << "Resistance: 47.00 kΩ\nTolerance: 5.0% (±2.35 kΩ)\n";
    QTest::newRow("resistor: no tolerance band") << words("resistor brown black silver none")
                                                 << "Resistance: 0.10 Ω\n"
                                                    "Tolerance: 20.0% (±0.02 Ω)\n";
    QTest::newRow("resistor: five bands, grey tolerance")
        << words("resistor white white white blue grey")
        << "Resistance: 999.00 MΩ\nTolerance: 0.05% (±0.50 MΩ)\n";
    QTest::newRow("resistor: gray, purple and capitals")
        << words("resistor Brown GRAY purple gold")
        << "Resistance: 180.00 MΩ\nTolerance: 5.0% (±9.00 MΩ)\n";

    QTest::newRow("led: yellow preset") << words("led --supply 5 --preset 3 --current 20")
                                        << "Resistance: \t\t145.0 Ohm\nPower: \t\t\t0.058 W\n";
    QTest::newRow("led: above 10 W adds the warning line")
        << words("led --supply 1000 --forward 2 --current 20")
        << "Resistance: \t\t49900.0 Ohm\nPower: \t\t\t19.960 W\n"
           "Warning: resistor power above 10 W\n";
    QTest::newRow("led: supply below forward voltage")
        << words("led --supply 1.5 --forward 2.1 --current 20")
        << "Resistance: \t\t-30.0 Ohm\nPower: \t\t\t-0.012 W\n";

    QTest::newRow("heatsink: chip temperature")
        << words("heatsink --power 10 --chip 1.5 --mount-preset 0 --sink 2 --ambient 25")
        << "Resulting chip temperature: 63.00\n";
    QTest::newRow("heatsink: ambient of 0 degrees computes")
        << words("heatsink --power 10 --chip 1.5 --mount 0.3 --sink 2 --ambient 0")
        << "Resulting chip temperature: 38.00\n";
    QTest::newRow("heatsink: largest heat sink")
        << words("heatsink --power 10 --chip 1.5 --mount-preset 2 --max-temp 125 --ambient 25")
        << "Max. heat sink resistance: 8.40 °K/W\n";

    QTest::newRow("combine: resistors")
        << words("combine --resistors 100 220 470") << "Series: 790.00 Ohm\nParallel: 59.98 Ohm\n";
    QTest::newRow("combine: capacitors")
        << words("combine --capacitors 0.47 0.1") << "Series: 0.08 µF\nParallel: 0.57 µF\n";
    QTest::newRow("combine: a unit after the number")
        << words("combine --resistors 4.7k") << "Series: 4.70 Ohm\nParallel: 4.70 Ohm\n";

    QTest::newRow("coil: single layer")
        << words("coil --single --turns 100 --outer 25.4 --length 50.8")
        << "Inductance: 102.041µH\n";
    QTest::newRow("coil: single layer ignores --inner")
        << words("coil --single --turns 20 --outer 10 --inner 50 --length 20")
        << "Inductance: 1.607µH\n";
    QTest::newRow("coil: multi-layer")
        << words("coil --multi --turns 100 --outer 25.4 --inner 12.7 --length 50.8")
        << "Inductance: 49.451µH\n";

    QTest::newRow("555: astable") << words("555 --astable --r1 1000 --r2 10000 --c 10")
                                  << "Frequency: 6.90131140 Hz\n";
    QTest::newRow("555: monostable")
        << words("555 --monostable --r 10000 --c 100") << "Pulse duration: 1.10000002 s\n";

    QTest::newRow("tube: ECC83") << words("tube ECC83")
                                 << "Micropower Triode\nMicropower Triode\n\n"
                                    "Heating: 6.3V, Noval, 9 Pins\n";
    QTest::newRow("tube: leading empty line kept")
        << words("tube E80") << "\nHeating: 6.3V, Noval, 9 Pins\n";
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
    // What the message must name; a whole line (ending in a line feed) is the exact message.
    QTest::addColumn<QString>("mentions");

    QTest::newRow("no subcommand") << QStringList{} << "";
    QTest::newRow("unknown subcommand") << words("frobnicate") << "";

    QTest::newRow("ohm: only one quantity") << words("ohm --voltage 12") << "exactly two";
    QTest::newRow("ohm: all three")
        << words("ohm --power 1 --voltage 1 --current 1") << "exactly two";
    QTest::newRow("ohm: not a number") << words("ohm --voltage twelve --current 2") << "--voltage";
    QTest::newRow("ohm: trailing text") << words("ohm --voltage 12V --current 2") << "'12V'";
    QTest::newRow("ohm: missing value") << words("ohm --voltage") << "voltage";
    QTest::newRow("ohm: unknown option") << words("ohm --resistance 5") << "resistance";
    QTest::newRow("ohm: line break in a value")
        << QStringList{"ohm", "--voltage", "1\n2", "--current", "2"} << "--voltage";
    QTest::newRow("ohm: terminal escape in a value")
        << QStringList{"ohm", "--voltage", "\x1b[2J", "--current", "2"} << "--voltage";
    QTest::newRow("ohm: control character in an unexpected argument")
        << QStringList{"ohm", "--", "--v\x12"} << "--v";
    QTest::newRow("ohm: C1 control character")
        << QStringList{"ohm", "--voltage", "1\u009b31m", "--current", "2"} << "--voltage";

    QTest::newRow("led: missing supply") << words("led --preset 0 --current 20") << "--supply";
    QTest::newRow("led: zero current")
        << words("led --supply 5 --preset 0 --current 0") << "--current";
    QTest::newRow("led: forward not a number")
        << words("led --supply 5 --forward red --current 20") << "--forward";
    QTest::newRow("led: forward and preset")
        << words("led --supply 5 --forward 2 --preset 1 --current 20") << "--preset";
    QTest::newRow("led: preset out of range")
        << words("led --supply 5 --preset 6 --current 20") << "--preset";

    QTest::newRow("heatsink: missing ambient")
        << words("heatsink --power 10 --chip 1.5 --mount 0.3 --sink 2") << "--ambient";
    QTest::newRow("heatsink: zero power")
        << words("heatsink --power 0 --chip 1.5 --mount 0.3 --sink 2 --ambient 25") << "--power";
    QTest::newRow("heatsink: ideal heat sink")
        << words("heatsink --power 10 --chip 1.5 --mount 0.3 --sink 0 --ambient 25") << "--sink";
    QTest::newRow("heatsink: chip not a number")
        << words("heatsink --power 10 --chip x --mount 0.3 --sink 2 --ambient 25") << "--chip";
    QTest::newRow("heatsink: sink and maximum")
        << words("heatsink --power 10 --chip 1.5 --mount 0.3 --sink 2 --max-temp 125 --ambient 25")
        << "--max-temp";

    QTest::newRow("combine: not a number") << words("combine --resistors 100 k47") << "'k47'";
    QTest::newRow("combine: no kind") << words("combine 100") << "--resistors";

    QTest::newRow("coil: no winding") << words("coil --turns 1 --outer 1 --length 1") << "--single";
    QTest::newRow("coil: both windings")
        << words("coil --single --multi --turns 1 --outer 1 --length 1") << "--multi";
    QTest::newRow("coil: turns missing")
        << words("coil --single --outer 1 --length 1") << "--turns";
    QTest::newRow("coil: inner missing for multi-layer")
        << words("coil --multi --turns 1 --outer 1 --length 1") << "--inner";
    QTest::newRow("coil: zero outer diameter")
        << words("coil --single --turns 1 --outer 0 --length 1") << "--outer";
    QTest::newRow("coil: inner wider than outer")
        << words("coil --multi --turns 1 --outer 10 --inner 11 --length 1") << "--inner";
    QTest::newRow("coil: turns not a number")
        << words("coil --single --turns ten --outer 1 --length 1") << "--turns";

    QTest::newRow("555: no circuit") << words("555 --r 1 --c 1") << "--astable";
    QTest::newRow("555: astable without R2") << words("555 --astable --r1 1 --c 1") << "--r2";
    QTest::newRow("555: monostable without C") << words("555 --monostable --r 1") << "--c";
    QTest::newRow("555: monostable given R1")
        << words("555 --monostable --r1 1 --r 1 --c 1") << "--r1";
    QTest::newRow("555: capacitance with a unit")
        << words("555 --monostable --r 1 --c 1uF") << "--c";

    QTest::newRow("resistor: black first digit")
        << words("resistor black black red gold")
        << "zelkor-calc: resistor: band 1: cannot be black; use brown, red, orange, yellow, "
           "green, blue, violet, grey, white\n";
    QTest::newRow("resistor: none as five-band tolerance")
        << words("resistor brown black black red none")
        << "zelkor-calc: resistor: band 5: cannot be none; use silver, gold, brown, red, green, "
           "blue, violet, grey\n";
    QTest::newRow("resistor: unknown colour")
        << words("resistor brown pink red gold")
        << "zelkor-calc: resistor: band 2: 'pink' is not a colour; use black, brown, red, "
           "orange, yellow, green, blue, violet, grey, white\n";
    QTest::newRow("resistor: three colours") << words("resistor brown black red")
                                             << "zelkor-calc: resistor: give four or five "
                                                "colours, not 3\n";
    QTest::newRow("tube: no digit after the letters")
        << words("tube ECC") << "zelkor-calc: cannot decode 'ECC': no digit after the letters\n";
    QTest::newRow("tube: lone digit")
        << words("tube 6") << "zelkor-calc: cannot decode '6': no digit after the letters\n";
    QTest::newRow("tube: empty designation")
        << QStringList{"tube", ""} << "zelkor-calc: cannot decode '': the designation is empty\n";
    QTest::newRow("tube: control characters are not echoed")
        << QStringList{"tube", "E\x1b[K\nC"}
        << "zelkor-calc: cannot decode 'E\uFFFD[K\uFFFDC': no digit after the letters\n";
}

void TestCommands::refuses()
{
    QFETCH(QStringList, args);
    QFETCH(QString, mentions);
    const auto result = run(args);
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.empty());
    const QString err = QString::fromStdString(result.err);
    QVERIFY2(err.startsWith(u"zelkor-calc: "), qPrintable(err));
    QVERIFY2(err.endsWith(u'\n') && err.count(u'\n') == 1, qPrintable(err));
    if (mentions.endsWith(u'\n'))
        QCOMPARE(err, mentions);
    QVERIFY2(err.contains(mentions), qPrintable(err));
    // The message quotes what was typed; a terminal must not act on it.
    for (const QChar c : QStringView(err).chopped(1))
        QVERIFY2(c.category() != QChar::Other_Control, qPrintable(err));
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
