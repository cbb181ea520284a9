// SPDX-License-Identifier: GPL-3.0-or-later

// The voltage divider against worked numbers, both ways.

#include "core/calculators/VoltageDivider.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace zelkor;
using namespace zelkor::divider;

class TestVoltageDivider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::initIsolatedApp(); }

    void analysis()
    {
        // 10 V over 10 kΩ and (10 kΩ ∥ 10 kΩ = 5 kΩ): 10 · 5 / 15 = 3.3333 V, 0.66667 mA,
        // 4.4444 mW in R1, 3.3333² / 10k = 1.1111 mW in R2, and R1 ∥ R2 = 5 kΩ.
        const auto r = calculate({.mode = Mode::Analysis,
                                  .vin = u"10"_s,
                                  .load = u"10k"_s,
                                  .r1 = u"10k"_s,
                                  .r2 = u"10k"_s},
                                 Reading::Lenient);
        QVERIFY(r);
        // At the default 5 %: 10 · (10.5k ∥ 10k) / (9.5k + …) = 3.5029 V, and 3.1693 V the
        // other way round.
        QCOMPARE(resultText(*r), u"Output voltage: 3.3333 V (3.1693 … 3.5029 V)\n"
                                 "Current: 666.67 µA\n"
                                 "Power in R1: 4.4444 mW\nPower in R2: 1.1111 mW\n"
                                 "Output impedance: 5.0000 kΩ"_s);
    }

    void builtRangeWithSagSupply()
    {
        // 12 V ± 10 % over 2.4 kΩ and 910 Ω at 1 %: 10.8 · 900.9 / 3324.9 = 2.92632 V and
        // 13.2 · 919.1 / 3295.1 = 3.68187 V.
        const auto r = calculate({.mode = Mode::Analysis,
                                  .vin = u"12"_s,
                                  .r1 = u"2.4k"_s,
                                  .r2 = u"910"_s,
                                  .tolerance = u"1"_s,
                                  .supplyTolerance = u"10"_s},
                                 Reading::Strict);
        QVERIFY(r);
        QCOMPARE(qRound(r->circuits.front().voutRange.min * 1e5), 292632);
        QCOMPARE(qRound(r->circuits.front().voutRange.max * 1e5), 368187);
    }

    void design()
    {
        // 12 V · 910 / 3310 = 3.29909 V (−0.027 %), 3.6254 mA, P1 = I² · 2.4k = 31.5 mW,
        // P2 = 3.29909² / 910 = 12.0 mW, 2.4k ∥ 910 = 659.8 Ω.
        const auto r = calculate({.vin = u"12"_s, .vout = u"3.3"_s}, Reading::Strict);
        QVERIFY(r);
        QCOMPARE(r->circuits.size(), 5u);
        // E24 parts are 5 % parts: 12 · 864.5 / 3384.5 = 3.0651 V to 12 · 955.5 / 3235.5 =
        // 3.5438 V.
        QCOMPARE(resultText(*r).section(u'\n', 0, 1),
                 u"R1 2.4 kΩ, R2 910 Ω: 3.2991 V (3.0651 … 3.5438 V) (−0.027 %)\n"
                 "    3.625 mA, P1 31.5 mW, P2 12.0 mW, Zout 659.8 Ω"_s);
        // With a 1 kΩ load the loaded output is what counts: 2.4k over (R2 ∥ 1k).
        const auto loaded =
            calculate({.vin = u"12"_s, .vout = u"3.3"_s, .load = u"1k"_s}, Reading::Strict);
        QVERIFY(loaded);
        const Circuit &best = loaded->circuits.front();
        const double lower = best.r2 * 1000.0 / (best.r2 + 1000.0);
        QCOMPARE(best.vout, 12.0 * lower / (best.r1 + lower));
        QVERIFY(std::abs(best.error) < 0.01);
    }

    void problems_data()
    {
        QTest::addColumn<QStringList>("given"); // vin vout series load total r1 r2, "-": none
        QTest::addColumn<Reason>("reason");
        QTest::addColumn<Field>("field");
        using enum Reason;
        QTest::newRow("output at the input") << QStringList{"5", "5"} << OutOfRange << Field::Vout;
        QTest::newRow("beyond ten million to one")
            << QStringList{"100", "1e-6"} << Impossible << Field::Vout;
        QTest::newRow("E7 is no series")
            << QStringList{"12", "3.3", "E7"} << OutOfRange << Field::Series;
        QTest::newRow("target and parts")
            << QStringList{"12", "3.3", "-", "-", "-", "1k"} << Conflict << Field::Vout;
        QTest::newRow("negative load")
            << QStringList{"12", "3.3", "-", "-1"} << OutsideDomain << Field::Load;
    }
    void problems()
    {
        QFETCH(QStringList, given);
        QFETCH(Reason, reason);
        QFETCH(Field, field);
        std::array<Given, 7> texts;
        for (qsizetype i = 0; i < given.size(); ++i)
            if (given[i] != u"-")
                texts[std::size_t(i)] = given[i];
        const auto r = calculate({.vin = texts[0],
                                  .vout = texts[1],
                                  .series = texts[2],
                                  .load = texts[3],
                                  .total = texts[4],
                                  .r1 = texts[5],
                                  .r2 = texts[6]},
                                 Reading::Strict);
        QVERIFY(!r);
        QCOMPARE(r.problem(), (Problem<Field>{reason, field}));
    }
};

QTEST_MAIN(TestVoltageDivider)
#include "tst_voltagedivider.moc"
