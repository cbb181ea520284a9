// SPDX-License-Identifier: GPL-3.0-or-later

// Worst-case ranges over the corners of the parts' tolerances, against ranges worked by hand.

#include "core/calculators/Tolerance.h"
#include "core/text/QuantityText.h"
#include "support/TestSupport.h"

#include <QTest>

#include <numbers>

using namespace Qt::StringLiterals;
using namespace zelkor;

class TestTolerance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::initIsolatedApp(); }

    void partThatStandsTwiceKeepsItsRangeNarrow()
    {
        // Duty cycle (R1 + R2) / (R1 + 2 R2) with 1 kΩ and 10 kΩ at 5 %: the corners give
        // 52.16 % (R1 low, R2 high) and 52.62 % (R1 high, R2 low); taking R2 low above and high
        // below the line at once would give 47.39 … 57.89 %.
        const auto duty = tolerance::worstCase(
            std::array{tolerance::percent(1e3, 5), tolerance::percent(10e3, 5)},
            [](double r1, double r2) { return 100 * (r1 + r2) / (r1 + 2 * r2); });
        QCOMPARE(qRound(duty.min * 100), 5216);
        QCOMPARE(qRound(duty.max * 100), 5262);
    }

    void rangeReadsInTheNominalsPrefix()
    {
        // 16 kΩ at 5 % and 10 nF at 10 %: 1 / (2π · 16.8 kΩ · 11 nF) = 861.23 Hz and
        // 1 / (2π · 15.2 kΩ · 9 nF) = 1163.41 Hz, printed in Hz beside 994.72 Hz.
        const auto corner = [](double r, double c) { return 1 / (2 * std::numbers::pi * r * c); };
        const auto f = tolerance::worstCase(
            std::array{tolerance::percent(16e3, 5), tolerance::percent(10e-9, 10)}, corner);
        QCOMPARE(prefixedRangeText(corner(16e3, 10e-9), f.min, f.max, u"Hz", 5),
                 u"(861.23 … 1163.41 Hz)"_s);
        // An exact part has no spread, and the range takes the decimals of the nominal, 1.50 mA.
        QCOMPARE(
            tolerance::worstCase(std::array{tolerance::exact(2.0)}, [](double v) { return v; }),
            (tolerance::Range{2.0, 2.0}));
        QCOMPARE(prefixedRangeText(1.5e-3, 0.9e-3, 2.1e-3, u"A", 3), u"(0.90 … 2.10 mA)"_s);
    }

    void seriesAndSpreads()
    {
        QCOMPARE(tolerance::seriesPercent(eseries::Series::E12), 10.0);
        QCOMPARE(tolerance::seriesPercent(eseries::Series::E192), 0.5);
        QCOMPARE(tolerance::spread(2.0, 0.1), (tolerance::Bounds{1.9, 2.1}));
        // A negative nominal (an LM337's output) widens both ways too.
        QCOMPARE(tolerance::percent(-10.0, 10), (tolerance::Bounds{-11.0, -9.0}));
        QVERIFY(tolerance::kPercentDomain.contains(0.0));
        QVERIFY(!tolerance::kPercentDomain.contains(100.0));
    }
};

QTEST_GUILESS_MAIN(TestTolerance)
#include "tst_tolerance.moc"
