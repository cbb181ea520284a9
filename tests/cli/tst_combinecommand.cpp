#include "cli/CommandLine.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Args = std::vector<std::string>;
Q_DECLARE_METATYPE(Args)

class TestCombineCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void combine_data();
    void combine();
};

void TestCombineCommand::combine_data()
{
    QTest::addColumn<Args>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    QTest::newRow("resistors") << Args{"combine", "--resistors", "100", "220", "470"} << 0
                               << u"Series: 790.00 Ohm\nParallel: 59.98 Ohm\n"_s << u""_s;
    QTest::newRow("capacitors") << Args{"combine", "--capacitors", "0.47", "0.1"} << 0
                                << u"Series: 0.08 µF\nParallel: 0.57 µF\n"_s << u""_s;
    QTest::newRow("value with a unit reads its number")
        << Args{"combine", "--resistors", "4.7k"} << 0
        << u"Series: 4.70 Ohm\nParallel: 4.70 Ohm\n"_s << u""_s;
    QTest::newRow("error: not a number")
        << Args{"combine", "--resistors", "100", "k47"} << 2 << u""_s
        << u"zelkor-calc: combine: 'k47' is not a number\n"_s;
    QTest::newRow("error: no kind")
        << Args{"combine", "100"} << 2 << u""_s
        << u"zelkor-calc: combine: give --resistors or --capacitors\n"_s;
}

void TestCombineCommand::combine()
{
    QFETCH(Args, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    const zelkor::cli::Result result = zelkor::cli::run(args);
    QCOMPARE(result.status, status);
    QCOMPARE(QString::fromStdString(result.out), out);
    QCOMPARE(QString::fromStdString(result.err), err);
}

QTEST_GUILESS_MAIN(TestCombineCommand)
#include "tst_combinecommand.moc"
