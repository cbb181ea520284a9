// SPDX-License-Identifier: GPL-3.0-or-later

// The air-cored coil: Wheeler's formulas, the current-sheet inductance against Nagaoka's
// published coefficients, and turns from an inductance.

#include "core/calculators/CoilExact.h"
#include "core/text/NumberFormat.h"
#include "support/TestSupport.h"

#include <QTest>

#include <cmath>

using namespace zelkor::coil;
using namespace Qt::StringLiterals;
using zelkor::Reading;

namespace {

// "winding|turns|outer|inner|length[|inductance]" with S or M for the winding, "-" for an
// input not given.
Texts texts(const QString &given)
{
    const QStringList v = given.split(u'|');
    const auto at = [&](int i) { return v[i] == u"-" ? zelkor::Given() : v[i]; };
    std::optional<Winding> winding;
    if (v[0] != u"-")
        winding = v[0] == u"M" ? Winding::MultiLayer : Winding::SingleLayer;
    return {winding, at(1), at(2), at(3), at(4), v.size() > 5 ? at(5) : zelkor::Given()};
}

} // namespace

class TestAirCoredCoil : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // In inches: single layer a²N²/(9a + 10l) with a = D/2; multi-layer 0.8a²N²/(6a + 9l + 10c)
    // with a = (D + d)/4 and c = (D - d)/2. Worked out by hand.
    void inductance_data()
    {
        QTest::addColumn<QString>("given"); // "inputs → µH"
        QTest::newRow("single: one-inch former, two inches long") << "S|100|25.4|-|50.8 → 102.041";
        QTest::newRow("single: small coil") << "S|20|10|-|20 → 1.607";
        QTest::newRow("single: inner diameter is ignored") << "S|20|10|99|20 → 1.607";
        QTest::newRow("single: units") << "S|20|10 mm|-|0.02 m → 1.607";
        QTest::newRow("multi: half-inch bore") << "M|100|25.4|12.7|50.8 → 49.451";
        QTest::newRow("multi: deep winding") << "M|200|30|10|20 → 370.542";
        QTest::newRow("multi: no depth") << "M|50|20|20|10 → 52.493";
    }
    void inductance()
    {
        QFETCH(QString, given);
        for (const Reading reading : {Reading::Lenient, Reading::Strict}) {
            const auto l = calculate(texts(given.section(u" → "_s, 0, 0)), reading);
            QVERIFY(l);
            QCOMPARE(zelkor::formatFixed(*l, 3), given.section(u" → "_s, 1));
        }
    }

    // The first problem in the order winding, turns, outer, inner, length.
    void problems_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<zelkor::Reason>("reason");
        QTest::addColumn<Field>("field");
        using enum zelkor::Reason;
        QTest::newRow("no winding") << "-|0|0|0|0" << Missing << Field::Winding;
        QTest::newRow("no turns") << "S|-|0|-|0" << Missing << Field::Turns;
        // A panel waits past a 0; zelkor-calc refuses it.
        QTest::newRow("turns 0") << "M|0|0|0|0" << Zero << Field::Turns;
        QTest::newRow("outer 0") << "S|20|0|-|0" << Zero << Field::OuterDiameter;
        QTest::newRow("multi: inner 0") << "M|20|10|0|0" << Zero << Field::InnerDiameter;
        QTest::newRow("length 0") << "M|20|10|5|0" << Zero << Field::Length;
        QTest::newRow("multi: no inner") << "M|20|10|-|0" << Missing << Field::InnerDiameter;
        QTest::newRow("inner wider") << "M|20|10|10.1|0" << OutOfRange << Field::InnerDiameter;
        // Each is more than 0, but 0 in single precision once in inches.
        QTest::newRow("tiny outer") << "S|20|1e-44|-|20" << Impossible << Field::OuterDiameter;
        QTest::newRow("tiny length") << "S|20|10|-|1e-44" << Impossible << Field::Length;
        QTest::newRow("tiny inner") << "M|20|10|1e-44|20" << Impossible << Field::InnerDiameter;
        // (1e20)² is past the largest float; so is (0.5·1e38 mm in inches)².
        QTest::newRow("turns squared too large")
            << "S|1e20|25.4|-|50.8" << Overflow << Field::Turns;
        QTest::newRow("diameter squared too large")
            << "M|1|3e38|1e38|50.8" << Overflow << Field::OuterDiameter;
    }
    void problems()
    {
        QFETCH(QString, given);
        QFETCH(zelkor::Reason, reason);
        QFETCH(Field, field);
        const auto calculated = [&](Reading r) { return calculate(texts(given), r); };
        if (reason == zelkor::Reason::Zero)
            zelkor::test::checkZero(calculated, field);
        else
            zelkor::test::checkProblem(calculated, zelkor::Problem<Field>{reason, field});
    }

    // Single layer: the current sheet, 0.8181 by Nagaoka's table for D/l = 0.5, gives
    // 4e-7·π²·(12.7 mm)²·100²·0.8181 / 50.8 mm ≈ 102.54 µH; Wheeler's figure is above. The
    // turns invert each formula on its own, so they come back to 100 from either inductance.
    void solve_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<Sought>("sought");
        QTest::addColumn<QString>("expected");
        QTest::newRow("single: exact beside Wheeler")
            << "S|100|25.4|-|50.8" << Sought::Inductance
            << u"Exact (Nagaoka): 102.548µH\nWheeler: 102.041µH (−0.49 %)"_s;
        QTest::newRow("single, flat: Wheeler far off")
            << "S|10|50|-|5" << Sought::Inductance
            << u"Exact (Nagaoka): 10.034µH\nWheeler: 8.948µH (−10.82 %)"_s;
        QTest::newRow("multi: Wheeler only")
            << "M|100|25.4|12.7|50.8" << Sought::Inductance << u"Inductance: 49.451µH"_s;
        QTest::newRow("single: turns from the exact value")
            << "S|-|25.4|-|50.8|102.548" << Sought::Turns
            << u"Turns (Nagaoka): 100.00\nTurns (Wheeler): 100.25"_s;
        QTest::newRow("multi: turns from Wheeler's value")
            << "M|-|25.4|12.7|50.8|49.451" << Sought::Turns << u"Turns: 100.00"_s;
        QTest::newRow("negative inductance")
            << "S|-|25.4|-|50.8|-1" << Sought::Turns << u"OutsideDomain Inductance"_s;
        // One turn of this thin coil has about 4.8e-42 µH: sqrt(1e38 / 4.8e-42) ≈ 4.5e39 turns.
        QTest::newRow("turns past the largest float")
            << "S|-|5e-19|-|50.8|1e38" << Sought::Turns << u"Overflow Inductance"_s;
        QTest::newRow("turns and inductance")
            << "S|100|25.4|-|50.8|1" << Sought::Turns << u"Conflict Inductance"_s;
        QTest::newRow("no inductance")
            << "M|-|25.4|12.7|50.8|-" << Sought::Turns << u"Missing Inductance"_s;
        QTest::newRow("no winding before the inductance")
            << "-|-|1|-|1|-" << Sought::Turns << u"Missing Winding"_s;
    }
    void solve()
    {
        QFETCH(QString, given);
        QFETCH(Sought, sought);
        const QMap<zelkor::Reason, QString> reasons{
            {zelkor::Reason::Missing, u"Missing"_s},
            {zelkor::Reason::Conflict, u"Conflict"_s},
            {zelkor::Reason::OutsideDomain, u"OutsideDomain"_s},
            {zelkor::Reason::Overflow, u"Overflow"_s}};
        const QMap<Field, QString> fields{{Field::Winding, u"Winding"_s},
                                          {Field::Inductance, u"Inductance"_s}};
        for (const Reading reading : {Reading::Lenient, Reading::Strict}) {
            const auto solution = zelkor::coil::solve(texts(given), sought, reading);
            QTEST(solution ? solutionText(*solution)
                           : reasons.value(solution.problem().reason, u"?"_s) + u' ' +
                                 fields.value(solution.problem().field, u"?"_s),
                  "expected");
        }
    }

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

    void noCoilNoFigure()
    {
        const Dimensions shape{0, 25.4f, 0, 50.8f};
        QVERIFY(!exactInductance(shape));
        QVERIFY(!exactInductance({100, -25.4f, 0, 50.8f}));
        QVERIFY(!exactInductance({100, 25.4f, 0, 0}));
        QVERIFY(!exactTurnsFor(0, shape));
        QVERIFY(!turnsFor(-5, Winding::SingleLayer, shape));
        QVERIFY(!turnsFor(100, Winding::MultiLayer, shape)); // no inner diameter
        QVERIFY(!exactTurnsFor(100, {0, 25.4f, 0, -1}));
    }
};

QTEST_MAIN(TestAirCoredCoil)
#include "tst_aircoredcoil.moc"
