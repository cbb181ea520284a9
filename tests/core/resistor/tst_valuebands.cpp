// SPDX-License-Identifier: GPL-3.0-or-later

// From a typed value to colour bands and back: hand-worked codes, every pop-up combination as a
// round trip, six bands, and the standard-value note. Inductors on the same engine: hand-read
// codes, the refused military code, E12 round trips and the capsule body of the drawing.

#include "core/resistor/InductorBands.h"
#include "core/resistor/ResistanceValue.h"
#include "core/resistor/ResistorBands.h"
#include "core/resistor/ResistorDrawing.h"
#include "core/resistor/ValueBands.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace zelkor::resistor;
using namespace Qt::StringLiterals;

namespace {

QString names(const std::vector<int> &codes)
{
    QStringList list;
    for (const int code : codes)
        list << colorName(code);
    return list.join(u' ');
}

std::vector<int> codesOf(const QString &names)
{
    std::vector<int> codes;
    for (const QString &name : names.split(u' ', Qt::SkipEmptyParts))
        codes.push_back(colorCodeForName(name).value_or(-1));
    return codes;
}

// Every combination of the pop-ups' colours for count bands, every step-th of them.
template <typename Visit> void forEachCombination(int count, long step, Visit visit)
{
    const Band first = count == 4   ? Band::FourBandsFirst
                       : count == 5 ? Band::FiveBandsFirst
                                    : Band::SixBandsFirst;
    long total = 1;
    for (int i = 0; i < count; ++i)
        total *= long(bandColorCodes(Band(int(first) + i)).size());
    for (long n = 0; n < total; n += step) {
        std::vector<int> codes;
        for (long rest = n, i = 0; i < count; ++i) {
            const auto list = bandColorCodes(Band(int(first) + int(i)));
            codes.push_back(list[std::size_t(rest % long(list.size()))]);
            rest /= long(list.size());
        }
        visit(codes);
    }
}

} // namespace

class TestValueBands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void readsTypedValuesExactly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("ohms"); // negative: not a resistance
        QTest::newRow("k as decimal point") << "4k7" << 4700.0;
        QTest::newRow("empty") << "" << -1.0;
        QTest::newRow("negative") << "-4k7" << -1.0;
        QTest::newRow("point and prefix as point") << "4.7k7" << -1.0;
    }
    void readsTypedValuesExactly()
    {
        QFETCH(QString, typed);
        QFETCH(double, ohms);
        const auto read = readResistance(typed);
        QCOMPARE(read.has_value(), ohms >= 0.0);
        if (read) // exactly the double nearest the decimal, not a widened float
            QVERIFY2(*read == ohms, qPrintable(QString::number(*read, 'g', 17)));
    }

    // Worked out by hand from the IEC 60062 colour code.
    void bandsForAValue_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<float>("tolerance");
        QTest::addColumn<int>("bands");
        QTest::addColumn<int>("tempco");
        QTest::addColumn<QString>("colours"); // or the failure
        QTest::newRow("4.7 k 5 %") << "4k7" << 5.0f << 0 << 100 << "yellow violet red gold";
        QTest::newRow("49.9 k 1 % takes five bands")
            << "49.9k" << 1.0f << 0 << 100 << "yellow white white red brown";
        QTest::newRow("20 % leaves the fourth band out")
            << "4k7" << 20.0f << 0 << 100 << "yellow violet red none";
        QTest::newRow("0.1 % is no four-band tolerance")
            << "4k7" << 0.1f << 0 << 100 << "yellow violet black brown violet";
        QTest::newRow("six bands, 50 ppm")
            << "100" << 1.0f << 6 << 50 << "brown black black black brown red";
        // Rounded half away from zero to the digits the bands hold, on five bands by default.
        QTest::newRow("12345 rounds down to 12.3 k on five bands")
            << "12345" << 5.0f << 0 << 100 << "brown red orange red gold";
        QTest::newRow("12350 rounds a half up to 12.4 k")
            << "12350" << 5.0f << 0 << 100 << "brown red yellow red gold";
        QTest::newRow("4.75 k on four bands rounds a half up to 4.8 k")
            << "4k75" << 5.0f << 4 << 100 << "yellow grey red gold";
        QTest::newRow("999.5 on four bands carries into 1.0 k")
            << "999.5" << 5.0f << 4 << 100 << "brown black red gold";
        QTest::newRow("above 99 G") << "100G" << 5.0f << 0 << 100 << "OutOfRange";
        QTest::newRow("0.47 ohm at 0.1 %: five bands start at 1 ohm")
            << "R47" << 0.1f << 0 << 100 << "OutOfRange";
        QTest::newRow("3 % has no colour") << "4k7" << 3.0f << 0 << 100 << "Tolerance";
        QTest::newRow("30 ppm has no colour")
            << "1k" << 1.0f << 6 << 30 << "TemperatureCoefficient";
    }
    void bandsForAValue()
    {
        QFETCH(QString, typed);
        QFETCH(float, tolerance);
        QFETCH(int, bands);
        QFETCH(int, tempco);
        QFETCH(QString, colours);
        const ColorBandsRequest request{*readResistance(typed), tolerance, bands, tempco};
        const ColorBands result = colorBandsFor(request);
        static const char *const failures[] = {"", "OutOfRange", "Tolerance",
                                               "TemperatureCoefficient", "BandCount"};
        if (result.failure != ColorBandsFailure::None) {
            QCOMPARE(QString::fromLatin1(failures[int(result.failure)]), colours);
            QVERIFY(!colorBandsFailureText(result, request).isEmpty());
            return;
        }
        QCOMPARE(names(result.codes), colours);
        QCOMPARE(result.bands, int(result.codes.size()));
    }

    // Bands → value → bands gives the same colours, and the value survives the value field.
    void roundTrip_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<long>("step");
        QTest::newRow("every four-band code") << 4 << 1L;
        QTest::newRow("every five-band code") << 5 << 1L;
        QTest::newRow("every 7th six-band code") << 6 << 7L;
    }
    void roundTrip()
    {
        QFETCH(int, count);
        QFETCH(long, step);
        int checked = 0;
        forEachCombination(count, step, [&](const std::vector<int> &codes) {
            const auto value = valueOfColorCodes(codes);
            if (!value)
                QFAIL(qPrintable(u"no value for "_s + names(codes)));
            ++checked;
            const ColorBands back = colorBandsFor(
                {value->resistance, value->tolerance, count, value->temperatureCoefficient});
            if (back.codes != codes)
                QFAIL(qPrintable(names(codes) + u" came back as "_s + names(back.codes)));
            const auto typed = readResistance(resistanceFieldText(value->resistance));
            if (!typed || *typed != value->resistance)
                QFAIL(qPrintable(resistanceFieldText(value->resistance)));
        });
        QVERIFY(checked > 6000);
    }

    // IEC 60062's temperature coefficients, read from the sixth band.
    void temperatureCoefficientColours()
    {
        const std::pair<int, int> ppm[] = {{Black, 250}, {Brown, 100}, {Red, 50},
                                           {Orange, 15}, {Yellow, 25}, {Green, 20},
                                           {Blue, 10},   {Violet, 5},  {Grey, 1}};
        for (const auto &[colour, coefficient] : ppm) {
            const std::vector<int> codes{Brown, Black, Black, Black, Brown, colour};
            QCOMPARE(valueOfColorCodes(codes)->temperatureCoefficient, coefficient);
        }
    }

    // The note under the value field: rounding first, then the standard values.
    void typedValueNote_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<float>("tolerance");
        QTest::addColumn<QString>("note");
        QTest::newRow("4.7 k is E24") << "4k7" << 5.0f << "";
        QTest::newRow("4.8 k is between E24 values")
            << "4k8" << 5.0f << "4.8 kΩ is not an E24 value. Nearest: 4.7 kΩ below, 5.1 kΩ above.";
        QTest::newRow("4.7 k at 1 % lies between E96 4.64 k and 4.75 k")
            << "4k7" << 1.0f
            << "4.7 kΩ is not an E96 value. Nearest: 4.64 kΩ below, 4.75 kΩ above.";
        QTest::newRow("3.9 k at 20 % is no E6 value")
            << "3k9" << 20.0f << "3.9 kΩ is not an E6 value. Nearest: 3.3 kΩ below, 4.7 kΩ above.";
        QTest::newRow("12345 rounded to 12.3 k, which is no E24 value")
            << "12345" << 5.0f
            << "Rounded to 12.3 kΩ for 5 bands. 12.3 kΩ is not an E24 value. Nearest: 12 kΩ "
               "below, 13 kΩ above.";
        QTest::newRow("1000.4 rounded to the E24 value 1 k says only that")
            << "1000.4" << 5.0f << "Rounded to 1 kΩ for 5 bands.";
    }
    void typedValueNote()
    {
        QFETCH(QString, typed);
        QFETCH(float, tolerance);
        QTEST(bandsForTypedValue({typed, tolerance}).note, "note");
    }

    void inductorReads_data()
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
        QTest::newRow("orange tolerance 3 %, yellow multiplier")
            << "blue grey yellow orange" << 680000.0 << 3.0f << none;
        const int military = int(InductorBandsFailure::MilitaryCode);
        QTest::newRow("military: wide silver first band")
            << "silver red gold red gold" << 0.0 << 0.0f << military;
        QTest::newRow("military: gold as the decimal point")
            << "yellow gold violet silver" << 0.0 << 0.0f << military;
        QTest::newRow("five bands without silver") << "brown black black black silver" << 0.0
                                                   << 0.0f << int(InductorBandsFailure::BandCount);
        QTest::newRow("green multiplier would be above 990 mH")
            << "brown black green silver" << 0.0 << 0.0f << int(InductorBandsFailure::Color);
    }
    void inductorReads()
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

    void inductorBandsForAValue_data()
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
        QTest::newRow("4.75 rounds a half up to 4.8")
            << "4.75" << 10.0f << "yellow grey gold silver"
            << "Rounded to 4.8 µH for 4 bands.";
        QTest::newRow("99.5 carries into 100") << "99.5" << 10.0f << "brown black brown silver"
                                               << "Rounded to 100 µH for 4 bands.";
        QTest::newRow("0.09 µH is below silver") << "0.09" << 10.0f << ""
                                                 << "Four bands show only 0.1 µH to 990 mH.";
        QTest::newRow("1e400 is no number of bands") << "1e400" << 10.0f << ""
                                                     << "Four bands show only 0.1 µH to 990 mH.";
        QTest::newRow("1 H is above yellow") << "1000000" << 10.0f << ""
                                             << "Four bands show only 0.1 µH to 990 mH.";
        QTest::newRow("not a value") << "4.7x" << 10.0f << ""
                                     << "Type an inductance in µH such as 4.7, 4u7 or 10m (10 mH).";
    }
    void inductorBandsForAValue()
    {
        QFETCH(QString, typed);
        QFETCH(float, tolerance);
        const TypedValueBands bands = inductorBandsForTypedValue(typed, tolerance);
        QTEST(names(bands.codes), "colours");
        QTEST(bands.note, "note");
    }

    // Every E12 value from 0.1 µH to 820 mH at every tolerance: bands → value is the value.
    void inductorRoundTripsE12()
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
                         qPrintable(names(bands.codes)));
            }
        }
    }

    void henriesAreTheDecimal()
    {
        QCOMPARE(henriesOf(4.7), 4.7e-6);
        QCOMPARE(henriesOf(10.0), 1e-5);
        QCOMPARE(henriesOf(0.22), 2.2e-7);
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

QTEST_GUILESS_MAIN(TestValueBands)
#include "tst_valuebands.moc"
