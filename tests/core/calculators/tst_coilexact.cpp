// SPDX-License-Identifier: GPL-3.0-or-later

// The current-sheet inductance against Nagaoka's published coefficients, and turns from
// inductance as the inverse of inductance from turns.

#include "core/calculators/CoilExact.h"
#include "core/text/NumberFormat.h"

#include <QTest>

#include <cmath>

using namespace zelkor::coil;

class TestCoilExact : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nagaoka_data()
    {
        QTest::addColumn<double>("diameterToLength");
        QTest::addColumn<double>("coefficient");
        QTest::addColumn<double>("tolerance");
        // Nagaoka's table, four places.
        QTest::newRow("2r/l 0.1") << 0.1 << 0.9588 << 5e-5;
        QTest::newRow("2r/l 0.5") << 0.5 << 0.8181 << 5e-5;
        QTest::newRow("2r/l 1") << 1.0 << 0.6884 << 5e-5;
        QTest::newRow("2r/l 2") << 2.0 << 0.5255 << 5e-5;
        QTest::newRow("2r/l 10") << 10.0 << 0.2033 << 5e-5;
        // Very long coils: K = 1 − 4u/3π + u²/8 − ...
        QTest::newRow("2r/l 1e-4") << 1e-4 << 1 - 4e-4 / (3 * M_PI) + 1e-8 / 8 << 1e-13;
        QTest::newRow("2r/l 1e-7") << 1e-7 << 1 - 4e-7 / (3 * M_PI) << 1e-13;
    }
    void nagaoka()
    {
        QFETCH(double, diameterToLength);
        QFETCH(double, coefficient);
        QFETCH(double, tolerance);
        QCOMPARE_LT(std::abs(*nagaokaCoefficient(diameterToLength) - coefficient), tolerance);
        // Shorter coils have a smaller coefficient.
        QCOMPARE_LT(*nagaokaCoefficient(diameterToLength * 1.01),
                    *nagaokaCoefficient(diameterToLength));
    }

    void inductance_data()
    {
        QTest::addColumn<Dimensions>("coil");
        QTest::addColumn<QString>("exactWheelerDeviation");
        QTest::newRow("twice as long as wide")
            << Dimensions{100, 25.4f, 0, 50.8f} << "102.548 102.041 -0.49";
        QTest::newRow("flat: Wheeler far off") << Dimensions{10, 50, 0, 5} << "10.034 8.948 -10.82";
        QTest::newRow("no turns") << Dimensions{0, 25.4f, 0, 50.8f} << "";
        QTest::newRow("negative diameter") << Dimensions{100, -25.4f, 0, 50.8f} << "";
        QTest::newRow("no length") << Dimensions{100, 25.4f, 0, 0} << "";
    }
    void inductance()
    {
        QFETCH(Dimensions, coil);
        const auto l = exactInductance(coil);
        QTEST(l ? zelkor::formatText(u"%.03f %.03f %.02f",
                                     {l->exact, l->wheeler, l->wheelerDeviation})
                : QString(),
              "exactWheelerDeviation");
    }

    // turns → inductance → turns, for both formulas and both windings.
    void turnsRoundTrip_data()
    {
        QTest::addColumn<Winding>("winding");
        QTest::addColumn<Dimensions>("coil");
        QTest::newRow("single, long") << Winding::SingleLayer << Dimensions{100, 25.4f, 0, 50.8f};
        QTest::newRow("single, flat") << Winding::SingleLayer << Dimensions{7.5f, 50, 0, 5};
        QTest::newRow("multi") << Winding::MultiLayer << Dimensions{200, 30, 10, 20};
        QTest::newRow("multi, no depth") << Winding::MultiLayer << Dimensions{50, 20, 20, 10};
    }
    void turnsRoundTrip()
    {
        QFETCH(Winding, winding);
        QFETCH(Dimensions, coil);
        const float wheeler = *turnsFor(zelkor::coil::inductance(winding, coil), winding, coil);
        QCOMPARE_LT(std::abs(wheeler / coil.turns - 1), 1e-6);
        if (winding == Winding::SingleLayer) {
            const double exact = *exactTurnsFor(exactInductance(coil)->exact, coil);
            QCOMPARE_LT(std::abs(exact / coil.turns - 1), 1e-12);
        }
    }

    void turnsImpossible()
    {
        const Dimensions shape{0, 25.4f, 0, 50.8f};
        QCOMPARE_LT(std::abs(*exactTurnsFor(102.548, shape) - 100), 1e-3);
        QVERIFY(!exactTurnsFor(0, shape));
        QVERIFY(!turnsFor(-5, Winding::SingleLayer, shape));
        QVERIFY(!turnsFor(100, Winding::MultiLayer, shape)); // no inner diameter
        QVERIFY(!exactTurnsFor(100, {0, 25.4f, 0, -1}));
    }
};

QTEST_MAIN(TestCoilExact)
#include "tst_coilexact.moc"
