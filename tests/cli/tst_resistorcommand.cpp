#include "cli/CommandLine.h"
#include "support/TestSupport.h"

#include <QTest>

using Args = std::vector<std::string>;

class TestResistorCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void printsThePanelText_data();
    void printsThePanelText();
    void rejectsBadColours_data();
    void rejectsBadColours();
};

void TestResistorCommand::printsThePanelText_data()
{
    QTest::addColumn<Args>("args");
    QTest::addColumn<QString>("out");
    QTest::newRow("four bands") << Args{"yellow", "violet", "orange", "gold"}
                                << "Resistance: 47.00 kΩ\nTolerance: 5.0% (±2.35 kΩ)\n";
    QTest::newRow("four bands without tolerance band")
        << Args{"brown", "black", "silver", "none"}
        << "Resistance: 0.10 Ω\nTolerance: 20.0% (±0.02 Ω)\n";
    QTest::newRow("five bands, grey tolerance")
        << Args{"white", "white", "white", "blue", "grey"}
        << "Resistance: 999.00 MΩ\nTolerance: 0.05% (±0.50 MΩ)\n";
    QTest::newRow("gray, purple and capitals")
        << Args{"Brown", "GRAY", "purple", "gold"}
        << "Resistance: 180.00 MΩ\nTolerance: 5.0% (±9.00 MΩ)\n";
}

void TestResistorCommand::printsThePanelText()
{
    QFETCH(Args, args);
    QFETCH(QString, out);
    args.insert(args.begin(), "resistor");
    const auto result = zelkor::cli::run(args);
    QCOMPARE(result.status, 0);
    QCOMPARE(QString::fromStdString(result.out), out);
    QVERIFY(result.err.empty());
}

void TestResistorCommand::rejectsBadColours_data()
{
    QTest::addColumn<Args>("args");
    QTest::addColumn<QString>("error");
    QTest::newRow("error: black first digit")
        << Args{"black", "black", "red", "gold"}
        << "zelkor-calc: resistor: band 1: cannot be black; use brown, red, orange, yellow, "
           "green, blue, violet, grey, white\n";
    QTest::newRow("error: none on a five-band tolerance")
        << Args{"brown", "black", "black", "red", "none"}
        << "zelkor-calc: resistor: band 5: cannot be none; use silver, gold, brown, red, green, "
           "blue, violet, grey\n";
    QTest::newRow("error: unknown colour")
        << Args{"brown", "pink", "red", "gold"}
        << "zelkor-calc: resistor: band 2: 'pink' is not a colour; use black, brown, red, "
           "orange, yellow, green, blue, violet, grey, white\n";
    QTest::newRow("error: three colours")
        << Args{"brown", "black", "red"}
        << "zelkor-calc: resistor: give four or five colours, not 3\n";
    QTest::newRow("error: no colours")
        << Args{} << "zelkor-calc: resistor: give four or five colours, not 0\n";
}

void TestResistorCommand::rejectsBadColours()
{
    QFETCH(Args, args);
    QFETCH(QString, error);
    args.insert(args.begin(), "resistor");
    const auto result = zelkor::cli::run(args);
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.empty());
    QCOMPARE(QString::fromStdString(result.err), error);
}

QTEST_GUILESS_MAIN(TestResistorCommand)
#include "tst_resistorcommand.moc"
