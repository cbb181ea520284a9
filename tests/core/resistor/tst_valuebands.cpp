// SPDX-License-Identifier: GPL-3.0-or-later

// From a typed value to colour bands and back: hand-worked codes, every pop-up combination as a
// round trip, six bands, and the standard-value note.

#include "core/resistor/ResistanceValue.h"
#include "core/resistor/ResistorBands.h"
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
};

QTEST_GUILESS_MAIN(TestValueBands)
#include "tst_valuebands.moc"
