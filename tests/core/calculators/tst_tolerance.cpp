// SPDX-License-Identifier: GPL-3.0-or-later

// Worst-case ranges over the corners of the parts' tolerances, against ranges worked by hand.

#include "core/calculators/AdjustableRegulator.h"
#include "core/calculators/LEDDroppingResistor.h"
#include "core/calculators/NE555.h"
#include "core/calculators/OpAmpGain.h"
#include "core/calculators/RCAndLC.h"
#include "core/calculators/SeriesParallel.h"
#include "core/calculators/Tolerance.h"
#include "core/calculators/VoltageDivider.h"
#include "core/text/QuantityText.h"
#include "support/TestSupport.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

QString given(double value)
{
    return QString::number(value, 'g', 17);
}

// The 555 computes its nominal in single precision: it may stand a rounding outside the range.
bool inside(double value, zelkor::tolerance::Range range)
{
    const double slack = 1e-6 * std::max(std::abs(range.min), std::abs(range.max));
    return value >= range.min - slack && value <= range.max + slack;
}

bool wider(zelkor::tolerance::Range wide, zelkor::tolerance::Range narrow)
{
    return wide.min < narrow.min && wide.max > narrow.max;
}

} // namespace

using namespace Qt::StringLiterals;
using namespace zelkor;

namespace {

// One calculator's result for parts anywhere in their box, and its range for a tolerance: the
// parts' nominal values are drawn once per trial, the tolerance scales every part's box.
struct Circuit
{
    const char *name;
    int parts;
    std::function<double(const std::vector<double> &nominal, const std::vector<double> &built)>
        value;
    std::function<tolerance::Range(const std::vector<double> &nominal, double percent)> range;
};

// The LED's standard resistor for a supply n[0] (a float's value) and n[2] mA at 2 V, every
// part at percent.
led::StandardResistor ledResistor(const std::vector<double> &n, double percent)
{
    led::Inputs inputs;
    inputs.supplyVoltage = float(n[0]);
    inputs.forwardVoltage = 2.0f;
    inputs.currentMilliamps = float(n[2]);
    inputs.tolerancePercent = percent;
    inputs.supplyTolerancePercent = percent;
    inputs.forwardSpread = percent / 100.0;
    return *led::calculate(inputs).standard;
}

std::vector<Circuit> resistorCircuits()
{
    using V = const std::vector<double> &;
    return {
        // The load counts as exact.
        {"divider", 4, [](V n, V b) { return divider::analyse(b[0], b[1], b[2], n[3]).vout; },
         [](V n, double p) {
             return divider::analyse(n[0], n[1], n[2], n[3], {.resistors = p, .supply = p})
                 .voutRange;
         }},
        {"regulator", 2,
         [](V, V b) { return regulator::outputVoltage(regulator::Part{}, b[0], b[1]); },
         [](V n, double p) { return regulator::outputRange(regulator::Part{}, n[0], n[1], p); }},
        {"inverting gain", 2,
         [](V, V b) { return opamp::gain(opamp::Circuit::Inverting, b[0], b[1]); },
         [](V n, double p) { return opamp::gainRange(opamp::Circuit::Inverting, n[0], n[1], p); }},
        {"LED current", 3,
         [](V n, V b) {
             // The supply and the resistor vary by the percentage, the forward voltage by as
             // many hundredths of a volt.
             const double forward = 2.0 + (b[1] - n[1]) / n[1];
             return (b[0] - forward) / (ledResistor(n, 0.0).resistance * b[2] / n[2]);
         },
         [](V n, double p) {
             const led::StandardResistor r = ledResistor(n, p);
             return tolerance::Range{r.currentRange.min / 1000.0, r.currentRange.max / 1000.0};
         }},
    };
}

} // namespace

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

    // Random parts, each built anywhere in its box: the result lies inside the range, and so
    // does the nominal one; a wider tolerance widens the range.
    void builtValuesLieInsideTheRange()
    {
        QRandomGenerator random(22);
        const auto draw = [&](double low, double high) {
            return low * std::pow(high / low, random.generateDouble());
        };
        for (const Circuit &circuit : resistorCircuits()) {
            for (int trial = 0; trial < 200; ++trial) {
                // Parts from 100 Ω to 1 MΩ; the divider's first is its input voltage, its
                // last the load; the LED's a supply of 3 to 30 V and a current of 1 to 50 mA.
                std::vector<double> nominal;
                for (int i = 0; i < circuit.parts; ++i)
                    nominal.push_back(draw(100.0, 1e6));
                if (circuit.parts == 3) // the LED
                    nominal = {double(float(draw(3.0, 30.0))), 100.0, draw(1.0, 50.0)};
                const double percent = draw(0.1, 30.0);
                const tolerance::Range range = circuit.range(nominal, percent);
                const tolerance::Range wider = circuit.range(nominal, percent * 1.5);
                QVERIFY2(wider.min <= range.min && wider.max >= range.max &&
                             wider.max - wider.min > range.max - range.min,
                         circuit.name);
                const double slack = 1e-12 * std::max(std::abs(range.min), std::abs(range.max));
                QVERIFY2(circuit.value(nominal, nominal) >= range.min - slack &&
                             circuit.value(nominal, nominal) <= range.max + slack,
                         circuit.name);
                for (int built = 0; built < 20; ++built) {
                    std::vector<double> parts = nominal;
                    for (double &part : parts)
                        part *= 1.0 + percent / 100.0 * (2.0 * random.generateDouble() - 1.0);
                    const double value = circuit.value(nominal, parts);
                    QVERIFY2(value >= range.min - slack && value <= range.max + slack,
                             circuit.name);
                }
            }
        }
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

    // Random parts, and random values inside their tolerances: what the built circuit does lies
    // inside the range, and so does its nominal; one percent more tolerance widens the range.
    void builtCircuitsStayInsideTheirRanges()
    {
        QRandomGenerator random(22);
        const auto logUniform = [&](double low, double high) {
            return given(low * std::pow(high / low, random.generateDouble()));
        };
        const auto within = [&](double nominal, double percent) {
            return nominal * (1.0 + percent / 100.0 * (2.0 * random.generateDouble() - 1.0));
        };
        for (int trial = 0; trial < 300; ++trial) {
            const double rp = 30.0 * random.generateDouble(), cp = 30.0 * random.generateDouble();
            const QString r1 = logUniform(100, 1e6), r2 = logUniform(100, 1e6);
            const QString c = logUniform(1e-5, 100); // µF
            const auto rcAt = [&](double more) {
                return rc::calculate({.r = r1,
                                      .c = c,
                                      .tolerance = given(rp + more),
                                      .capacitorTolerance = given(cp + more)},
                                     Reading::Strict)
                    ->filters.front();
            };
            const rc::Filter f = rcAt(0);
            const double r = within(f.r, rp), farads = within(f.c, cp);
            QVERIFY(inside(rc::cornerFrequency(r, farads), f.frequencyRange));
            QVERIFY(inside(rc::timeConstant(r, farads), f.tauRange));
            QVERIFY(inside(f.frequency, f.frequencyRange) && inside(f.tau, f.tauRange));
            QVERIFY(wider(rcAt(1).frequencyRange, f.frequencyRange));

            const auto lc =
                lc::calculate({.l = r2, .c = c, .lTolerance = given(rp)}, Reading::Strict);
            const auto &lcRange = *lc->frequencyRange;
            QVERIFY(inside(lc::resonance(within(lc->inductance, rp), within(lc->capacitance, 10)),
                           lcRange));
            QVERIFY(inside(lc->frequency, lcRange));

            const auto ne555At = [&](ne555::Circuit circuit, double more) {
                return *ne555::calculate(
                    {circuit, r1, r2, r2, c, given(rp + more), given(cp + more)}, Reading::Strict);
            };
            const ne555::Result astable = ne555At(ne555::Circuit::Astable, 0);
            const ne555::AstableRanges &ranges = astable.ranges;
            for (const ne555::AstableTiming &t :
                 {astable.timing,
                  ne555::astableTiming(float(within(astable.r1, rp)), float(within(astable.r2, rp)),
                                       float(within(astable.c1, cp)))}) {
                QVERIFY(inside(t.frequency, ranges.frequency) &&
                        inside(t.highTime, ranges.highTime));
                QVERIFY(inside(t.lowTime, ranges.lowTime) &&
                        inside(t.dutyPercent, ranges.dutyPercent));
            }
            QVERIFY(wider(ne555At(ne555::Circuit::Astable, 1).ranges.frequency, ranges.frequency));
            const ne555::Result pulse = ne555At(ne555::Circuit::Monostable, 0);
            QVERIFY(inside(ne555::monostablePulseDuration(float(within(pulse.r, rp)),
                                                          float(within(pulse.c1, cp))),
                           pulse.durationRange));

            QList<QString> parts;
            for (int i = 0, n = 1 + int(random.bounded(40)); i < n; ++i)
                parts.append(logUniform(1, 1e6));
            const auto listAt = [&](double more) {
                return *seriesparallel::calculate(seriesparallel::PartKind::Resistors, parts,
                                                  Reading::Strict, given(rp + more));
            };
            const seriesparallel::Totals list = listAt(0);
            double sum = 0.0, reciprocalSum = 0.0;
            for (const QString &part : parts) {
                const double value = within(part.toDouble(), rp);
                sum += value;
                reciprocalSum += 1.0 / value;
            }
            QVERIFY(inside(sum, list.sumRange) &&
                    inside(1.0 / reciprocalSum, list.reciprocalRange));
            QVERIFY(inside(list.sum, list.sumRange) &&
                    inside(list.reciprocal, list.reciprocalRange));
            QVERIFY(wider(listAt(1).sumRange, list.sumRange));
        }
    }
};

QTEST_GUILESS_MAIN(TestTolerance)
#include "tst_tolerance.moc"
