#include "cli/CommandLine.h"
#include "support/TestSupport.h"

#include <QTest>

using zelkor::cli::run;

namespace {
// args: the options, separated by blanks.
std::vector<std::string> led(const QString &args)
{
    std::vector<std::string> argv{"led"};
    for (const QString &arg : args.split(u' '))
        argv.push_back(arg.toStdString());
    return argv;
}
} // namespace

class TestLedCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void prints_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("out");
        QTest::newRow("yellow preset") << "--supply 5 --preset 3 --current 20"
                                       << "Resistance: \t\t145.0 Ohm\nPower: \t\t\t0.058 W\n";
        QTest::newRow("above 10 W adds the warning line")
            << "--supply 1000 --forward 2 --current 20"
            << "Resistance: \t\t49900.0 Ohm\nPower: \t\t\t19.960 W\n"
               "Warning: resistor power above 10 W\n";
        QTest::newRow("supply below forward voltage")
            << "--supply 1.5 --forward 2.1 --current 20"
            << "Resistance: \t\t-30.0 Ohm\nPower: \t\t\t-0.012 W\n";
    }
    void prints()
    {
        QFETCH(QString, args);
        QFETCH(QString, out);
        const auto result = run(led(args));
        QCOMPARE(result.status, 0);
        QCOMPARE(QString::fromStdString(result.out), out);
        QVERIFY(result.err.empty());
    }

    void rejects_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("named");
        QTest::newRow("missing supply") << "--preset 0 --current 20"
                                        << "--supply";
        QTest::newRow("zero current") << "--supply 5 --preset 0 --current 0"
                                      << "--current";
        QTest::newRow("forward voltage not a number") << "--supply 5 --forward red --current 20"
                                                      << "--forward";
        QTest::newRow("both forward and preset") << "--supply 5 --forward 2 --preset 1 --current 20"
                                                 << "--preset";
        QTest::newRow("preset out of range") << "--supply 5 --preset 6 --current 20"
                                             << "--preset";
    }
    void rejects()
    {
        QFETCH(QString, args);
        QFETCH(QString, named);
        const auto result = run(led(args));
        QCOMPARE(result.status, 2);
        QVERIFY(result.out.empty());
        const QString err = QString::fromStdString(result.err);
        QVERIFY2(err.contains(named), qPrintable(err));
        QCOMPARE(err.count(u'\n'), 1);
    }
};

QTEST_GUILESS_MAIN(TestLedCommand)
#include "tst_LedCommand.moc"
