#include "calculators/SeriesParallel.h"
#include "support/TestSupport.h"
#include "text/NumberFormat.h"

#include <QTest>

using namespace Qt::StringLiterals;

using zelkor::seriesparallel::PartKind;

class TestSeriesParallel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void totals_data();
    void totals();
    void resultText_data();
    void resultText();
    void emptyListHasNoTotals();
    void isPart_data();
    void isPart();
};

void TestSeriesParallel::totals_data()
{
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("sum");
    QTest::addColumn<QString>("reciprocal");

    QTest::newRow("equal pair halves")
        << QStringList{u"100"_s, u"100"_s} << u"200.00"_s << u"50.00"_s;
    QTest::newRow("three resistors")
        << QStringList{u"100"_s, u"220"_s, u"470"_s} << u"790.00"_s << u"59.98"_s;
    QTest::newRow("four large resistors")
        << QStringList{u"1000"_s, u"2200"_s, u"4700"_s, u"10000"_s} << u"17900.00"_s << u"565.83"_s;
    QTest::newRow("fractions count in both totals")
        << QStringList{u"4.7"_s, u"4.7"_s} << u"9.40"_s << u"2.35"_s;
    QTest::newRow("parts below one") << QStringList{u"0.47"_s, u"0.1"_s} << u"0.57"_s << u"0.08"_s;
    QTest::newRow("high values do not overflow")
        << QStringList{u"220000"_s, u"470000"_s, u"1000000"_s, u"2200000"_s, u"4700000"_s}
        << u"8590000.00"_s << u"119897.96"_s;
    QTest::newRow("a zero part shorts the reciprocal total")
        << QStringList{u"0"_s, u"100"_s} << u"100.00"_s << u"0.00"_s;
    QTest::newRow("texts read up to the number's end")
        << QStringList{u" 100"_s, u"220 ohm"_s, u"1e3"_s} << u"1320.00"_s << u"64.33"_s;
}

void TestSeriesParallel::totals()
{
    QFETCH(QStringList, parts);
    QFETCH(QString, sum);
    QFETCH(QString, reciprocal);

    const auto totals = zelkor::seriesparallel::combine(parts);
    QVERIFY(totals);
    QCOMPARE(zelkor::formatFixed(totals->sum, 2), sum);
    QCOMPARE(zelkor::formatFixed(totals->reciprocal, 2), reciprocal);
}

void TestSeriesParallel::resultText_data()
{
    QTest::addColumn<PartKind>("kind");
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("expected");

    QTest::newRow("resistors add in series")
        << PartKind::Resistors << QStringList{u"100"_s, u"100"_s}
        << u"Series: 200.00 Ohm\nParallel: 50.00 Ohm"_s;
    QTest::newRow("capacitors add in parallel")
        << PartKind::Capacitors << QStringList{u"10"_s, u"10"_s}
        << u"Series: 5.00 µF\nParallel: 20.00 µF"_s;
}

void TestSeriesParallel::resultText()
{
    QFETCH(PartKind, kind);
    QFETCH(QStringList, parts);
    QFETCH(QString, expected);

    QCOMPARE(zelkor::seriesparallel::resultText(kind, parts), expected);
}

void TestSeriesParallel::emptyListHasNoTotals()
{
    QVERIFY(!zelkor::seriesparallel::combine({}));
    QVERIFY(zelkor::seriesparallel::resultText(PartKind::Resistors, {}).isEmpty());
    QVERIFY(zelkor::seriesparallel::resultText(PartKind::Capacitors, {}).isEmpty());
}

void TestSeriesParallel::isPart_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("whole number") << u"100"_s << true;
    QTest::newRow("exponent") << u"4.7e3"_s << true;
    QTest::newRow("unit after the number") << u"220 ohm"_s << true;
    QTest::newRow("error: letters") << u"abc"_s << false;
    QTest::newRow("error: blanks only") << u"   "_s << false;
    QTest::newRow("error: decimal comma alone") << u",5"_s << false;
}

void TestSeriesParallel::isPart()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);

    QCOMPARE(zelkor::seriesparallel::isPart(text), accepted);
}

QTEST_GUILESS_MAIN(TestSeriesParallel)
#include "tst_seriesparallel.moc"
