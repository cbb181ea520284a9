// SPDX-License-Identifier: GPL-3.0-or-later

// Series and parallel connection: the totals, what counts as a part, and the
// target search's options.

#include "core/calculators/SeriesParallel.h"
#include "core/text/NumberFormat.h"
#include "support/TestSupport.h"

using namespace Qt::StringLiterals;
using zelkor::seriesparallel::PartKind;

class TestSeriesParallel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // S = Σv and Q = 1/Σ(1/v), worked out by hand; "R:" parts are in Ω, "C:" parts in µF.
    void totals_data()
    {
        QTest::addColumn<QString>("parts");
        QTest::addColumn<QString>("totals"); // S Q
        QTest::newRow("three resistors") << "R:100|220|470"
                                         << "790.00 59.98";
        QTest::newRow("high values do not overflow") << "R:220000|470000|1000000|2200000|4700000"
                                                     << "8590000.00 119897.96";
        QTest::newRow("prefixes and RKM") << "R:4k7|4.7 kΩ|R47"
                                          << "9400.47 0.47";
        QTest::newRow("nanofarads in microfarads") << "C:100n|100 nF"
                                                   << "0.20 0.05";
    }
    void totals()
    {
        QFETCH(QString, parts);
        const PartKind kind = parts.startsWith(u'R') ? PartKind::Resistors : PartKind::Capacitors;
        for (const auto reading : {zelkor::Reading::Lenient, zelkor::Reading::Strict}) {
            const auto totals =
                zelkor::seriesparallel::calculate(kind, parts.mid(2).split(u'|'), reading);
            QVERIFY(totals);
            QTEST(zelkor::formatFixed(totals->sum, 2) + u' ' +
                      zelkor::formatFixed(totals->reciprocal, 2),
                  "totals");
        }
    }

    // A total below 0.01 of the kind's unit moves to the largest unit in which it is at least
    // 1; 10 pF and 22 pF make 32 pF in parallel and 220/32 = 6.875 pF in series.
    void smallTotalsKeepTheirDigits_data()
    {
        QTest::addColumn<QString>("parts");
        QTest::addColumn<QString>("shown");
        QTest::newRow("picofarads") << "C:10p|22p" << u"Series: 6.88 pF\nParallel: 32.00 pF"_s;
        QTest::newRow("nanofarads, and 0.01 µF stays in µF")
            << "C:10n|22n" << u"Series: 6.88 nF\nParallel: 0.03 µF"_s;
        QTest::newRow("below a picofarad stays in pF")
            << "C:1p|1p" << u"Series: 0.50 pF\nParallel: 2.00 pF"_s;
        QTest::newRow("milliohms") << "R:4m7|4m7" << u"Series: 9.40 mOhm\nParallel: 2.35 mOhm"_s;
        QTest::newRow("a shorted part stays 0.00 Ohm")
            << "R:0|100" << u"Series: 100.00 Ohm\nParallel: 0.00 Ohm"_s;
    }
    void smallTotalsKeepTheirDigits()
    {
        QFETCH(QString, parts);
        const PartKind kind = parts.startsWith(u'R') ? PartKind::Resistors : PartKind::Capacitors;
        QTEST(
            zelkor::seriesparallel::resultText(kind, parts.mid(2).split(u'|')).section(u'\n', 0, 1),
            "shown");
    }

    // Every part must be above 0. A panel takes a part of 0, which shorts the parallel group;
    // zelkor-calc refuses it like any value outside the domain.
    void partsOutsideTheDomain_data()
    {
        QTest::addColumn<QString>("parts");
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("panelComputes");
        QTest::newRow("a negative part cancels no other") << "100|-100" << 1 << false;
        QTest::newRow("a negative part first") << "-1k|100|220" << 0 << false;
        QTest::newRow("a part of 0") << "100|0" << 1 << true;
        QTest::newRow("a part too large for a float") << "1e39|1" << 0 << false;
    }
    void partsOutsideTheDomain()
    {
        QFETCH(QString, parts);
        QFETCH(int, item);
        QFETCH(bool, panelComputes);
        const auto list = parts.split(u'|');
        const auto strict =
            zelkor::seriesparallel::calculate(PartKind::Resistors, list, zelkor::Reading::Strict);
        QVERIFY(!strict);
        QCOMPARE(strict.problem(),
                 (zelkor::Problem<zelkor::seriesparallel::Field>{
                     zelkor::Reason::OutsideDomain, zelkor::seriesparallel::Field::Parts, item}));
        QCOMPARE(!zelkor::seriesparallel::resultText(PartKind::Resistors, list).isEmpty(),
                 panelComputes);
    }

    // The search's options: a choice outside the offered ones names its field.
    void searchInputs_data()
    {
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("parts");
        QTest::addColumn<int>("field"); // -1: accepted
        using zelkor::seriesparallel::Field;
        QTest::newRow("E192 and three parts") << u"E192"_s << u"3"_s << -1;
        QTest::newRow("E3 is too coarse to combine") << u"E3"_s << u"2"_s << int(Field::Series);
        QTest::newRow("E7 is no series") << u"E7"_s << u"2"_s << int(Field::Series);
        QTest::newRow("four parts") << u"E24"_s << u"4"_s << int(Field::PartsCount);
    }
    void searchInputs()
    {
        QFETCH(QString, series);
        QFETCH(QString, parts);
        QFETCH(int, field);
        const auto inputs =
            zelkor::seriesparallel::searchInputs(u"1k"_s, series, parts, zelkor::Reading::Strict);
        QCOMPARE(inputs ? -1 : int(inputs.problem().field), field);
        if (!inputs)
            QCOMPARE(inputs.problem().reason, zelkor::Reason::OutOfRange);
    }

    void panelTakesWhatBeginsWithAValue()
    {
        for (const QString &part : {u"100"_s, u"R47"_s, u"220 ohm"_s, u"4x7"_s})
            QVERIFY2(zelkor::seriesparallel::isPart(part, PartKind::Resistors), qPrintable(part));
        for (const QString &part : {u"abc"_s, u"   "_s, u",5"_s, u"k47"_s})
            QVERIFY2(!zelkor::seriesparallel::isPart(part, PartKind::Resistors), qPrintable(part));
    }
};

QTEST_MAIN(TestSeriesParallel)
#include "tst_seriesparallel.moc"
