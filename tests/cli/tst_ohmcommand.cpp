// zelkor-calc's own interface and its ohm subcommand.

#include "cli/CommandLine.h"
#include "support/TestSupport.h"

#include <QProcess>
#include <QTest>

using zelkor::cli::run;

class TestOhmCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void solves_data();
    void solves();
    void refuses_data();
    void refuses();
    void helpAndVersion();
    void binaryNeedsNoDisplay();
};

void TestOhmCommand::solves_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("out");
    const QString twelveVolts = "Power: 24 W\nVoltage: 12 V\nCurrent: 2 A\nResistance: 6 Ω\n";
    QTest::newRow("voltage and current") << QStringList{"--voltage", "12", "--current", "2"}
                                         << twelveVolts;
    QTest::newRow("power and current") << QStringList{"--power", "24", "--current", "2"}
                                       << twelveVolts;
    QTest::newRow("power and voltage, equals form")
        << QStringList{"--power=24", "--voltage=12"} << twelveVolts;
    QTest::newRow("zero current") << QStringList{"--voltage", "5", "--current", "0"}
                                  << "Power: 0 W\nVoltage: 5 V\nCurrent: 0 A\nResistance: inf Ω\n";
    QTest::newRow("exponent and blanks") << QStringList{"--voltage", " 1e1 ", "--current", ".5"}
                                         << "Power: 5 W\nVoltage: 10 V\nCurrent: 0.5 A\n"
                                            "Resistance: 20 Ω\n";
}

void TestOhmCommand::solves()
{
    QFETCH(QStringList, args);
    QFETCH(QString, out);
    std::vector<std::string> argv{"ohm"};
    for (const QString &arg : args)
        argv.push_back(arg.toStdString());
    const auto result = run(argv);
    QCOMPARE(result.status, 0);
    QCOMPARE(QString::fromStdString(result.out), out);
    QVERIFY(result.err.empty());
}

void TestOhmCommand::refuses_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("only one quantity") << QStringList{"ohm", "--voltage", "12"} << "exactly two";
    QTest::newRow("all three quantities")
        << QStringList{"ohm", "--power", "1", "--voltage", "1", "--current", "1"} << "exactly two";
    QTest::newRow("none") << QStringList{"ohm"} << "exactly two";
    QTest::newRow("not a number") << QStringList{"ohm", "--voltage", "twelve", "--current", "2"}
                                  << "--voltage";
    QTest::newRow("number with trailing text")
        << QStringList{"ohm", "--voltage", "12V", "--current", "2"} << "'12V'";
    QTest::newRow("missing value") << QStringList{"ohm", "--voltage"} << "voltage";
    QTest::newRow("unknown option") << QStringList{"ohm", "--resistance", "5"} << "resistance";
    QTest::newRow("unknown subcommand") << QStringList{"frobnicate"} << "";
    QTest::newRow("no subcommand") << QStringList{} << "";
    QTest::newRow("line break in a value stays on one line")
        << QStringList{"ohm", "--voltage", "1\n2", "--current", "2"} << "--voltage";
    QTest::newRow("terminal escape in a value is defused")
        << QStringList{"ohm", "--voltage", "\x1b[2J", "--current", "2"} << "--voltage";
    QTest::newRow("control character in an unexpected argument is defused")
        << QStringList{"ohm", "--", "--v\x12"} << "--v";
    QTest::newRow("C1 control character is defused")
        << QStringList{"ohm", "--voltage", "1\u009b31m", "--current", "2"} << "--voltage";
}

void TestOhmCommand::refuses()
{
    QFETCH(QStringList, args);
    QFETCH(QString, mentions);
    std::vector<std::string> argv;
    for (const QString &arg : args)
        argv.push_back(arg.toStdString());
    const auto result = run(argv);
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.empty());
    const QString err = QString::fromStdString(result.err);
    QVERIFY2(err.startsWith(u"zelkor-calc: "), qPrintable(err));
    QCOMPARE(err.count(u'\n'), 1);
    QVERIFY(err.endsWith(u'\n'));
    QVERIFY2(err.contains(mentions), qPrintable(err));
    // The message quotes what was typed; a terminal must not act on it.
    for (const QChar c : QStringView(err).chopped(1))
        QVERIFY2(c.category() != QChar::Other_Control, qPrintable(err));
}

void TestOhmCommand::helpAndVersion()
{
    const auto help = run({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(QString::fromStdString(help.out).contains(u"ohm"));
    const auto version = run({"--version"});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, std::string("zelkor-calc ") + ZELKOR_VERSION + "\n");
}

void TestOhmCommand::binaryNeedsNoDisplay()
{
    const QString binary = qEnvironmentVariable("ZELKOR_CALC");
    if (binary.isEmpty())
        QSKIP("ZELKOR_CALC is not set; run through ctest");
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(env);
    process.start(binary, {QStringLiteral("ohm"), QStringLiteral("--power"), QStringLiteral("24"),
                           QStringLiteral("--voltage"), QStringLiteral("12")});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
             QStringLiteral("Power: 24 W\nVoltage: 12 V\nCurrent: 2 A\nResistance: 6 Ω\n"));

    process.start(binary, {QStringLiteral("ohm"), QStringLiteral("--power"), QStringLiteral("x")});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    QCOMPARE(process.readAllStandardError().count('\n'), 1);
}

QTEST_GUILESS_MAIN(TestOhmCommand)
#include "tst_ohmcommand.moc"
