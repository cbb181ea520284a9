#include "cli/CommandLine.h"
#include "support/TestSupport.h"

#include <QTest>

using zelkor::cli::run;

namespace {
// args: the options, separated by blanks.
std::vector<std::string> heatsink(const QString &args)
{
    std::vector<std::string> argv{"heatsink"};
    for (const QString &arg : args.split(u' '))
        argv.push_back(arg.toStdString());
    return argv;
}
} // namespace

class TestHeatSinkCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void prints_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("out");
        QTest::newRow("chip temperature")
            << "--power 10 --chip 1.5 --mount-preset 0 --sink 2 --ambient 25"
            << "Resulting chip temperature: 63.00\n";
        QTest::newRow("ambient of 0 degrees computes")
            << "--power 10 --chip 1.5 --mount 0.3 --sink 2 --ambient 0"
            << "Resulting chip temperature: 38.00\n";
        QTest::newRow("largest heat sink")
            << "--power 10 --chip 1.5 --mount-preset 2 --max-temp 125 --ambient 25"
            << QString::fromUtf8("Max. heat sink resistance: 8.40 °K/W\n");
    }
    void prints()
    {
        QFETCH(QString, args);
        QFETCH(QString, out);
        const auto result = run(heatsink(args));
        QCOMPARE(result.status, 0);
        QCOMPARE(QString::fromStdString(result.out), out);
    }

    void rejects_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("named");
        QTest::newRow("missing ambient") << "--power 10 --chip 1.5 --mount 0.3 --sink 2"
                                         << "--ambient";
        QTest::newRow("zero power") << "--power 0 --chip 1.5 --mount 0.3 --sink 2 --ambient 25"
                                    << "--power";
        QTest::newRow("ideal heat sink")
            << "--power 10 --chip 1.5 --mount 0.3 --sink 0 --ambient 25"
            << "--sink";
        QTest::newRow("chip resistance not a number")
            << "--power 10 --chip x --mount 0.3 --sink 2 --ambient 25"
            << "--chip";
        QTest::newRow("both heat sink and maximum")
            << "--power 10 --chip 1.5 --mount 0.3 --sink 2 --max-temp 125 --ambient 25"
            << "--max-temp";
    }
    void rejects()
    {
        QFETCH(QString, args);
        QFETCH(QString, named);
        const auto result = run(heatsink(args));
        QCOMPARE(result.status, 2);
        QVERIFY(result.out.empty());
        const QString err = QString::fromStdString(result.err);
        QVERIFY2(err.contains(named), qPrintable(err));
        QCOMPARE(err.count(u'\n'), 1);
    }
};

QTEST_GUILESS_MAIN(TestHeatSinkCommand)
#include "tst_HeatSinkCommand.moc"
