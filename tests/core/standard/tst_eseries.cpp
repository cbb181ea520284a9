// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/standard/ESeries.h"

#include <QTest>

using namespace zelkor::eseries;

class TestESeries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A few values per series as IEC 60063 prints them, not the table read back.
    void knownValues_data()
    {
        QTest::addColumn<QString>("series");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("member");
        QTest::newRow("E3 holds 4.7") << "E3" << 4.7 << true;
        QTest::newRow("E6 holds 6.8 k") << "E6" << 6800.0 << true;
        QTest::newRow("E12 holds 8.2 (not the formula's 8.3)") << "E12" << 8.2 << true;
        QTest::newRow("E12 lacks 8.3") << "E12" << 8.3 << false;
        QTest::newRow("E24 holds 9.1 M") << "E24" << 9.1e6 << true;
        QTest::newRow("E48 holds 4.64") << "E48" << 4.64 << true;
        QTest::newRow("E192 holds 9.20") << "E192" << 9.20 << true;
        QTest::newRow("E192 lacks 9.19") << "E192" << 9.19 << false;
        QTest::newRow("E96 holds 22.6") << "E96" << 22.6 << true;
        QTest::newRow("E192 holds 3.61") << "E192" << 3.61 << true;
        // Exact means within a relative 1e-9: the float nearest 1.8 lies 2.6e-8 away.
        QTest::newRow("E24 lacks the float 1.7999999") << "E24" << double(1.8f) << false;
    }
    void knownValues()
    {
        QFETCH(QString, series);
        QFETCH(double, value);
        QFETCH(bool, member);
        QCOMPARE(contains(*parse(series), value), member);
    }

    void seriesSizes()
    {
        for (Series s : kAllSeries)
            QCOMPARE(int(significands(s).size()), valuesPerDecade(s));
        QCOMPARE(seriesOf(4700.0), Series::E3);
        QCOMPARE(seriesOf(49.9), Series::E96);
        QCOMPARE(seriesOf(1.01), Series::E192);
        QVERIFY(!seriesOf(1234.0));
        QCOMPARE(parse(u"e96"), Series::E96);
        QVERIFY(!parse(u"E7"));
    }

    void queries_data()
    {
        QTest::addColumn<QString>("series");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("nearest");
        QTest::addColumn<double>("below");
        QTest::addColumn<double>("above");
        QTest::newRow("between two E12 values") << "E12" << 520.0 << 560.0 << 470.0 << 560.0;
        QTest::newRow("on a value") << "E12" << 4700.0 << 4700.0 << 4700.0 << 4700.0;
        // 9.1 and 10 in E24: sqrt(91) = 9.539 is the ratio midpoint.
        QTest::newRow("decade edge, below the midpoint") << "E24" << 9.5 << 9.1 << 9.1 << 10.0;
        QTest::newRow("decade edge, above the midpoint") << "E24" << 9.6 << 10.0 << 9.1 << 10.0;
        QTest::newRow("just under a decade") << "E96" << 99.9 << 100.0 << 97.6 << 100.0;
        QTest::newRow("just over a decade") << "E6" << 1001.0 << 1000.0 << 1000.0 << 1500.0;
        QTest::newRow("below one ohm") << "E24" << 0.05 << 0.051 << 0.047 << 0.051;
        QTest::newRow("E192 exception") << "E192" << 9.195 << 9.2 << 9.09 << 9.2;
    }
    void queries()
    {
        QFETCH(QString, series);
        QFETCH(double, value);
        const Series s = *parse(series);
        QTEST(*nearest(value, s), "nearest");
        QTEST(*atOrBelow(value, s), "below");
        QTEST(*atOrAbove(value, s), "above");
    }

    void rangeEdges()
    {
        QCOMPARE(*atOrAbove(0.0001, Series::E12), 1e-3);
        QVERIFY(!atOrBelow(0.0009, Series::E12));
        QCOMPARE(*atOrBelow(5e9, Series::E12), 1e9);
        QVERIFY(!atOrAbove(1.1e9, Series::E12));
        QVERIFY(!nearest(0.0, Series::E12));
        QVERIFY(!nearest(qQNaN(), Series::E12));
        QCOMPARE(*nearest(4.6e-9, Series::E12, kCapacitances), 4.7e-9);
        QVERIFY(!nearest(2.0, Series::E12, kCapacitances));
    }

    void valuesBetweenCountsDecades()
    {
        const auto values = valuesBetween(Series::E24, 1.0, 10e6);
        QCOMPARE(int(values.size()), 7 * 24 + 1);
        QCOMPARE(values.front(), 1.0);
        QCOMPARE(values.back(), 1e7);
        QVERIFY(std::is_sorted(values.begin(), values.end()));
    }
};

QTEST_APPLESS_MAIN(TestESeries)
#include "tst_eseries.moc"
