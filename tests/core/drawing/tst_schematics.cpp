// SPDX-License-Identifier: GPL-3.0-or-later

// The circuit drawings as data: every part is there with the value it was given (its name
// alone when the value is unknown or unusable), and no text covers another text or a symbol.
// The expected values are worked out by hand from the circuits' formulas.

#include "core/drawing/CircuitDrawings.h"
#include "support/TestSupport.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace zelkor::views;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(zelkor::views::SchematicPlan)

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

QStringList labelTexts(const SchematicPlan &plan)
{
    QStringList texts;
    for (const Label &l : plan.labels)
        texts << l.text;
    return texts;
}

// Whether p lies on the polyline (or polygon) within a hundredth of a unit.
bool touches(const Stroke &stroke, QPointF p)
{
    const qsizetype n = stroke.points.size();
    for (qsizetype i = 0; i + 1 < n + (stroke.closed ? 1 : 0); ++i) {
        const QPointF a = stroke.points[i], b = stroke.points[(i + 1) % n];
        const QPointF ab = b - a, ap = p - a;
        const double length2 = QPointF::dotProduct(ab, ab);
        const double t =
            length2 > 0 ? std::clamp(QPointF::dotProduct(ap, ab) / length2, 0.0, 1.0) : 0.0;
        const QPointF nearest = a + t * ab;
        if (std::hypot(p.x() - nearest.x(), p.y() - nearest.y()) < 0.01)
            return true;
    }
    return n == 1 && std::hypot(p.x() - stroke.points[0].x(), p.y() - stroke.points[0].y()) < 0.01;
}

bool contains(const QRectF &outer, const QRectF &inner)
{
    return inner.left() >= outer.left() && inner.right() <= outer.right() &&
           inner.top() >= outer.top() && inner.bottom() <= outer.bottom();
}

} // namespace

class TestSchematics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void plans_data()
    {
        using zelkor::ne555::Circuit;
        using zelkor::regulator::Kind;
        QTest::addColumn<SchematicPlan>("plan");
        QTest::addColumn<QStringList>("labels");  // each present, exactly so
        QTest::addColumn<QStringList>("parts");   // named parts present
        QTest::addColumn<QStringList>("missing"); // neither a part nor a label

        QTest::newRow("LED: supply, resistor, LED and current")
            << ledDroppingResistorDrawing({12.0, 470.0, 2.1, 0.02})
            << QStringList{"Vs 12 V", "R 470 Ω", "LED 2.1 V", "I 20 mA"} << QStringList{"R", "LED"}
            << QStringList{};
        QTest::newRow("LED: unknown, NaN, negative and absurd values leave the names")
            << ledDroppingResistorDrawing({{}, kNaN, 1e300, -0.02})
            << QStringList{"Vs", "R", "LED", "I"} << QStringList{"R", "LED"} << QStringList{};
        QTest::newRow("divider with a load")
            << voltageDividerDrawing({12.0, 2400.0, 910.0, 10e3, 3.3})
            << QStringList{"Vin 12 V", "R1 2.4 kΩ", "R2 910 Ω", "RL 10 kΩ", "Vout 3.3 V"}
            << QStringList{"R1", "R2", "RL"} << QStringList{};
        QTest::newRow("divider without a load draws no RL")
            << voltageDividerDrawing({{}, 1e3, 1e3, {}, {}})
            << QStringList{"Vin", "R1 1 kΩ", "R2 1 kΩ", "Vout"} << QStringList{"R1", "R2"}
            << QStringList{"RL"};
        QTest::newRow("LM317: R1 from OUT to ADJ")
            << adjustableRegulatorDrawing({Kind::LM317, 240.0, 720.0, 5.0})
            << QStringList{"R1 240 Ω", "R2 720 Ω", "Vout 5 V", "IN", "OUT", "ADJ"}
            << QStringList{"LM317", "R1", "R2"} << QStringList{"FB"};
        QTest::newRow("LM337: output below ground")
            << adjustableRegulatorDrawing({Kind::LM337, 120.0, 1e3, 11.67})
            << QStringList{"Vout −11.7 V"} << QStringList{"LM337"} << QStringList{};
        QTest::newRow("feedback kind: R1 to FB, GND pin grounded, femtoohms unmarked")
            << adjustableRegulatorDrawing({Kind::Feedback, 31.6e3, 1e-15, {}})
            << QStringList{"R1 31.6 kΩ", "R2", "Vout", "FB", "GND"} << QStringList{"R1", "R2"}
            << QStringList{"ADJ"};
        QTest::newRow("non-inverting amplifier")
            << opAmpGainDrawing({zelkor::opamp::Circuit::NonInverting, 9.1e3, 1e3})
            << QStringList{"Rf 9.1 kΩ", "Rg 1 kΩ", "Vin", "Vout"}
            << QStringList{"op-amp", "Rf", "Rg"} << QStringList{};
        QTest::newRow("inverting amplifier, values unknown")
            << opAmpGainDrawing({zelkor::opamp::Circuit::Inverting, {}, {}})
            << QStringList{"Rf", "Rg"} << QStringList{"op-amp", "Rf", "Rg"} << QStringList{};
        // 1 / (2π · 10 kΩ · 100 nF) = 159.15 Hz
        QTest::newRow("RC low-pass") << rcLowPassDrawing({10e3, 100e-9, 159.155})
                                     << QStringList{"R 10 kΩ", "C 100 nF", "fc 159 Hz"}
                                     << QStringList{"R", "C"} << QStringList{};
        // 1 / (2π · √(10 µH · 100 nF)) = 159.15 kHz
        QTest::newRow("LC resonant pair") << lcResonantDrawing({10e-6, 100e-9, 159.155e3})
                                          << QStringList{"L 10 µH", "C 100 nF", "f₀ 159 kHz"}
                                          << QStringList{"L", "C"} << QStringList{};
        QTest::newRow("555 astable with pin numbers and 10 nF on pin 5")
            << timerDrawing({Circuit::Astable, 1e3, 10e3, 10e-9})
            << QStringList{"R1 1 kΩ", "R2 10 kΩ", "C 10 nF", "10 nF", "1", "2",     "3",
                           "4",       "5",        "6",       "7",     "8", "RESET", "CTRL"}
            << QStringList{"555", "R1", "R2", "C"} << QStringList{"R"};
        QTest::newRow("555 monostable: one R and a trigger input")
            << timerDrawing({Circuit::Monostable, 100e3, 5e3, 1e-6})
            << QStringList{"R 100 kΩ", "C 1 µF", "Trigger", "4"} << QStringList{"555", "R", "C"}
            << QStringList{"R1", "R2"};
        // 0.69 · (1 kΩ + 10 kΩ) · 10 nF = 75.9 µs high, 0.69 · 10 kΩ · 10 nF = 69 µs low
        QTest::newRow("555 astable output: t_high and t_low")
            << timerWaveformDrawing({Circuit::Astable, 75.9e-6, 69e-6})
            << QStringList{"t_high 75.9 µs", "t_low 69 µs"} << QStringList{} << QStringList{};
        // Stacked, neither drawing's texts may land on the other's.
        QTest::newRow("555 above its output, as the panel shows them")
            << above(timerDrawing({Circuit::Astable, 1e3, 10e3, 10e-9}),
                     timerWaveformDrawing({Circuit::Astable, 75.9e-6, 69e-6}))
            << QStringList{"R1 1 kΩ", "t_high 75.9 µs", "t_low 69 µs"}
            << QStringList{"555", "R1", "R2", "C"} << QStringList{};
        QTest::newRow("555 monostable output: only the pulse")
            << timerWaveformDrawing({Circuit::Monostable, 0.11, {}}) << QStringList{"t_high 110 ms"}
            << QStringList{} << QStringList{"t_low"};
        // 25 °C + 10 W · (1.5 + 0.5 + 5.5) K/W = 100 °C at the junction
        QTest::newRow("thermal path with the temperature at each node")
            << thermalPathDrawing({10.0, 100.0, 85.0, 80.0, 25.0, 1.5, 0.5, 5.5})
            << QStringList{"P 10 W",          "Junction 100.0 °C", "R_chip 1.50 K/W",
                           "Case 85.0 °C",    "R_mount 0.50 K/W",  "Heat sink 80.0 °C",
                           "R_sink 5.50 K/W", "Ambient 25.0 °C"}
            << QStringList{"R_chip", "R_mount", "R_sink"} << QStringList{};
        QTest::newRow("thermal path, nothing known or usable yet")
            << thermalPathDrawing({{}, kNaN, 1e300, {}, {}, -1.0, {}, kNaN})
            << QStringList{"P",       "Junction",  "R_chip", "Case",
                           "R_mount", "Heat sink", "R_sink", "Ambient"}
            << QStringList{} << QStringList{};
    }

    void plans()
    {
        QFETCH(SchematicPlan, plan);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, parts);
        QFETCH(QStringList, missing);

        const QStringList texts = labelTexts(plan);
        QStringList names;
        for (const Part &p : std::as_const(plan.parts))
            names << p.name;
        for (const QString &label : labels)
            QVERIFY2(texts.contains(label), qPrintable(label + " not in " + texts.join(u'|')));
        for (const QString &name : parts)
            QVERIFY2(names.contains(name), qPrintable(name));
        for (const QString &absent : missing) {
            QVERIFY2(!names.contains(absent), qPrintable(absent));
            for (const QString &text : texts)
                QVERIFY2(text.section(u' ', 0, 0) != absent, qPrintable(text));
        }
    }

    // The wiring holds together: a terminal sits on the end of a wire, and a junction dot
    // joins at least two strokes (one passing, one ending), so no part hangs loose.
    void dotsSitOnTheirWires_data() { plans_data(); }
    void dotsSitOnTheirWires()
    {
        QFETCH(SchematicPlan, plan);
        for (const Dot &dot : std::as_const(plan.dots)) {
            int meeting = 0;
            for (const Stroke &stroke : std::as_const(plan.strokes))
                meeting += touches(stroke, dot.centre) ? 1 : 0;
            const QString where = u"(%1, %2)"_s.arg(dot.centre.x()).arg(dot.centre.y());
            QVERIFY2(meeting >= (dot.fill == Fill::Ink ? 2 : 1), qPrintable(where));
        }
    }

    // What the eye needs: texts apart from each other and off the symbols, except those
    // written inside one, and nothing cut off at the plan's edge.
    void plansLeaveTheirTextsReadable_data() { plans_data(); }
    void plansLeaveTheirTextsReadable()
    {
        QFETCH(SchematicPlan, plan);
        for (qsizetype i = 0; i < plan.labels.size(); ++i) {
            const Label &label = plan.labels[i];
            QVERIFY2(contains(plan.bounds, label.box), qPrintable(label.text));
            for (qsizetype j = i + 1; j < plan.labels.size(); ++j)
                QVERIFY2(!label.box.intersects(plan.labels[j].box),
                         qPrintable(label.text + " overlaps " + plan.labels[j].text));
            bool inside = false;
            for (const Part &part : std::as_const(plan.parts)) {
                inside = inside || contains(part.box, label.box);
                if (label.role == LabelRole::Caption)
                    QVERIFY2(!label.box.intersects(part.box),
                             qPrintable(label.text + " covers " + part.name));
            }
            QVERIFY2(label.role == LabelRole::Caption || inside, qPrintable(label.text));
        }
        for (const Stroke &stroke : std::as_const(plan.strokes))
            for (const QPointF &p : stroke.points)
                QVERIFY(plan.bounds.contains(p));
        for (const Dot &dot : std::as_const(plan.dots))
            QVERIFY(plan.bounds.contains(dot.centre));
    }
};

QTEST_MAIN(TestSchematics)
#include "tst_schematics.moc"
