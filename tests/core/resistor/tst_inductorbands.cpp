// SPDX-License-Identifier: GPL-3.0-or-later

// Inductor colour bands both ways: hand-read codes, the refused military code, E12 round trips
// and the capsule body of the drawing.

#include "core/resistor/InductorBands.h"
#include "core/resistor/ResistorBands.h"
#include "core/resistor/ResistorDrawing.h"
#include "core/standard/ESeries.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace zelkor::resistor;
using namespace Qt::StringLiterals;

namespace {

std::vector<int> codesOf(const QString &names)
{
    std::vector<int> codes;
    for (const QString &name : names.split(u' ', Qt::SkipEmptyParts))
        codes.push_back(colorCodeForName(name).value_or(-1));
    return codes;
}

QString namesOf(const std::vector<int> &codes)
{
    QStringList names;
    for (const int code : codes)
        names << colorName(code);
    return names.join(u' ');
}

} // namespace

class TestInductorBands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void reads_data()
    {
        QTest::addColumn<QString>("colours");
        QTest::addColumn<double>("microhenries"); // 0 when refused
        QTest::addColumn<float>("tolerance");
        QTest::addColumn<int>("failure");
        const int none = int(InductorBandsFailure::None);
        QTest::newRow("10 µH silver") << "brown black black silver" << 10.0 << 10.0f << none;
        QTest::newRow("gold multiplier is × 0.1")
            << "yellow violet gold gold" << 4.7 << 5.0f << none;
        QTest::newRow("silver multiplier is × 0.01, black tolerance 20 %")
            << "red red silver black" << 0.22 << 20.0f << none;
        QTest::newRow("three bands: no tolerance band is 20 %")
            << "red red silver" << 0.22 << 20.0f << none;
        QTest::newRow("orange tolerance 3 %, yellow multiplier")
            << "blue grey yellow orange" << 680000.0 << 3.0f << none;
        QTest::newRow("yellow tolerance 4 %") << "brown red brown yellow" << 120.0 << 4.0f << none;
        const int military = int(InductorBandsFailure::MilitaryCode);
        QTest::newRow("military: wide silver first band")
            << "silver red gold red gold" << 0.0 << 0.0f << military;
        QTest::newRow("military: silver first of four")
            << "silver red red gold" << 0.0 << 0.0f << military;
        QTest::newRow("military: gold as the decimal point")
            << "yellow gold violet silver" << 0.0 << 0.0f << military;
        QTest::newRow("five bands without silver") << "brown black black black silver" << 0.0
                                                   << 0.0f << int(InductorBandsFailure::BandCount);
        QTest::newRow("two bands")
            << "brown black" << 0.0 << 0.0f << int(InductorBandsFailure::BandCount);
        QTest::newRow("green multiplier would be above 990 mH")
            << "brown black green silver" << 0.0 << 0.0f << int(InductorBandsFailure::Color);
        QTest::newRow("green is no inductor tolerance")
            << "brown black black green" << 0.0 << 0.0f << int(InductorBandsFailure::Color);
    }
    void reads()
    {
        QFETCH(QString, colours);
        QFETCH(double, microhenries);
        QFETCH(float, tolerance);
        QFETCH(int, failure);
        const std::vector<int> codes = codesOf(colours);
        const InductorReading reading = readInductorBands(codes);
        QCOMPARE(int(reading.failure), failure);
        if (reading.failure != InductorBandsFailure::None) {
            QVERIFY(!inductorReadingFailureText(reading, codes).isEmpty());
            return;
        }
        QCOMPARE(reading.value.microhenries, microhenries);
        QCOMPARE(reading.value.tolerance, tolerance);
    }

    void bandsForAValue_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<float>("tolerance");
        QTest::addColumn<QString>("colours");
        QTest::addColumn<QString>("note");
        QTest::newRow("10 µH ±10 %") << "10" << 10.0f << "brown black black silver"
                                     << "";
        QTest::newRow("4.7 µH ±5 %") << "4.7" << 5.0f << "yellow violet gold gold"
                                     << "";
        QTest::newRow("0.22 µH ±20 % is painted black") << "0.22" << 20.0f << "red red silver black"
                                                        << "";
        QTest::newRow("2.2 mH typed with its unit") << "2.2mH" << 2.0f << "red red red red"
                                                    << "";
        QTest::newRow("4.75 rounds a half up to 4.8")
            << "4.75" << 10.0f << "yellow grey gold silver"
            << "Rounded to 4.8 µH for 4 bands.";
        QTest::newRow("99.5 carries into 100") << "99.5" << 10.0f << "brown black brown silver"
                                               << "Rounded to 100 µH for 4 bands.";
        QTest::newRow("0.09 µH is below silver")
            << "0.09" << 10.0f << ""
            << "Four bands show 0.1 µH to 990 mH, not 0.09 µH.";
        QTest::newRow("1 H is above yellow") << "1000000" << 10.0f << ""
                                             << "Four bands show 0.1 µH to 990 mH, not 1 H.";
        QTest::newRow("not a value") << "4.7x" << 10.0f << ""
                                     << "Type an inductance in µH such as 4.7, 4u7 or 10m (10 mH).";
    }
    void bandsForAValue()
    {
        QFETCH(QString, typed);
        QFETCH(float, tolerance);
        const TypedValueBands bands = inductorBandsForTypedValue(typed, tolerance);
        QTEST(namesOf(bands.codes), "colours");
        QTEST(bands.note, "note");
    }

    // Every E12 value from 0.1 µH to 820 mH at every tolerance: bands → value is the value.
    void roundTripsE12()
    {
        const auto values =
            zelkor::eseries::valuesBetween(zelkor::eseries::Series::E12, 0.1, 820000.0);
        QCOMPARE(values.size(), std::size_t(7 * 12));
        for (const double value : values) {
            for (const float tolerance : kInductorTolerances) {
                const LaidOutBands bands = inductorBandsFor(value, tolerance);
                QVERIFY(!bands.rounded);
                const InductorReading back = readInductorBands(bands.codes);
                QVERIFY2(back.value.microhenries == value && back.value.tolerance == tolerance,
                         qPrintable(namesOf(bands.codes)));
            }
        }
    }

    void henriesAreTheDecimal()
    {
        QCOMPARE(henriesOf(4.7), 4.7e-6);
        QCOMPARE(henriesOf(10.0), 1e-5);
        QCOMPARE(henriesOf(0.22), 2.2e-7);
    }

    void textScalesToMillihenries()
    {
        QCOMPARE(inductorBandsText({2200.0, 5.0f}),
                 u"Inductance: 2.20 mH\nTolerance: 5.0% (±0.11 mH)"_s);
    }

    // The capsule's rounded ends stay clear of the bands; "no band" leaves the body showing.
    void mouldedBodyKeepsBandsOnItsStraightPart()
    {
        BandColors colors;
        colors.setColorsByColorCodes(Brown, Black, Black, NoBand);
        for (const double top : {44.0, 24.0, 10.5}) {
            const DrawingPlan plan = drawingPlan(colors, top, Body::MouldedInductor);
            const Rect &body = plan.body.rect;
            const double r = plan.bodyCornerRadius;
            QVERIFY(r > 0.0 && r <= top / 2);
            QCOMPARE(plan.bands.size(), std::size_t(3));
            for (const GradientFill &band : plan.bands) {
                QVERIFY(band.rect.x >= body.x + r);
                QVERIFY(band.rect.x + band.rect.width <= body.x + body.width - r);
            }
            QCOMPARE(plan.leads[0].x2, body.x);
            QCOMPARE(plan.leads[1].x1, body.x + body.width);
            QVERIFY(plan.leads[1].x2 <= 220.0); // the view's width
        }
        QCOMPARE(drawingPlan(colors, 44.0).bodyCornerRadius, 0.0);
    }
};

QTEST_GUILESS_MAIN(TestInductorBands)
#include "tst_inductorbands.moc"
