// SPDX-License-Identifier: GPL-3.0-or-later

// The LED dropping resistor: the formula, the resistor to buy, and the problems both readings
// report.

#include "core/calculators/LEDDroppingResistor.h"
#include "core/text/NumberFormat.h"
#include "support/TestSupport.h"

using namespace Qt::StringLiterals;
using namespace zelkor::led;
using zelkor::Reading;

namespace {

// "supply|forward|preset|current|series", "-" for an input not given.
Texts texts(const QString &given)
{
    const QStringList v = given.split(u'|');
    const auto at = [&](int i) { return v[i] == u"-" ? zelkor::Given() : v[i]; };
    return {at(0), at(1), at(2), at(3), at(4)};
}

} // namespace

class TestLEDDroppingResistor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // R = (U_S - U_F) / I and P = I²R; the standard resistor R_E gives I_E = (U_S - U_F) / R_E
    // and P_E = (U_S - U_F)² / R_E. All figures worked out by hand.
    void results_data()
    {
        // "supply|forward|preset|current|series → R P R_E I_E P_E", the figures as printed.
        QTest::addColumn<QString>("figures");
        QTest::addColumn<bool>("warning");
        QTest::newRow("preset 3") << "5|-|3|20|- → 145.0 0.058 150 Ω 19.3 0.06" << false;
        QTest::newRow("units") << "5V|2100mV|-|.02A|- → 145.0 0.058 150 Ω 19.3 0.06" << false;
        QTest::newRow("E24 1.1k") << "24|2|-|20|E24 → 1100.0 0.440 1.1 kΩ 20.0 0.44" << false;
        QTest::newRow("E12 1.2k") << "24|2|-|20|E12 → 1100.0 0.440 1.2 kΩ 18.3 0.40" << false;
        // 390.00003 in single precision is a standard value, not a reason to buy 470 Ω.
        QTest::newRow("float noise") << "6|2.1|-|10|- → 390.0 0.039 390 Ω 10.0 0.04" << false;
        QTest::newRow("exactly 1 kOhm") << "22|2|-|20|- → 1000.0 0.400 1 kΩ 20.0 0.40" << false;
        QTest::newRow("exactly 1 MOhm") << "1002|2|-|1|- → 1000000.0 1.000 1 MΩ 1.0 1.00" << false;
        QTest::newRow("10 W is fine") << "12|2|-|1e3|- → 10.0 10.000 10 Ω 1000.0 10.00" << false;
        QTest::newRow("10.5 W warns") << "12.5|2|-|1e3|- → 10.5 10.500 12 Ω 875.0 9.19" << true;
    }
    void results()
    {
        QFETCH(QString, figures);
        using zelkor::formatFixed;
        for (const Reading reading : {Reading::Lenient, Reading::Strict}) {
            const auto r = calculate(texts(figures.section(u" → "_s, 0, 0)), reading);
            QVERIFY(r && r->standard);
            const QString part = resultText(*r).section(u'\n', 2, 2).section(u": "_s, 1);
            QCOMPARE(QStringList({formatFixed(r->resistance, 1), formatFixed(r->power, 3), part,
                                  formatFixed(r->standard->currentMilliamps, 1),
                                  formatFixed(r->standard->power, 2)})
                         .join(u' '),
                     figures.section(u" → "_s, 1));
            QTEST(r->powerWarning, "warning");
        }
    }

    void builtRange()
    {
        // 12 V ± 5 %, 2.0 V ± 0.1 V and 20 mA: 500 Ω, so 560 Ω from E12, a 10 % part. At most
        // (12.6 − 1.9) / 504 = 21.230 mA and 10.7² / 504 = 227.2 mW; at least
        // (11.4 − 2.1) / 616 = 15.097 mA and 9.3² / 616 = 140.4 mW.
        Texts given = texts(u"12|2|-|20|-"_s);
        given.supplyTolerance = u"5"_s;
        given.forwardSpread = u"0.1"_s;
        const auto r = calculate(given, Reading::Strict);
        QVERIFY(r && r->standard);
        const StandardResistor &built = *r->standard;
        QCOMPARE(built.tolerancePercent, 10.0);
        QCOMPARE(qRound(built.currentRange.min * 1e3), 15097);
        QCOMPARE(qRound(built.currentRange.max * 1e3), 21230);
        QCOMPARE(resultText(*r).section(u'\n', 4),
                 u"Built, R ±10 %: 17.86 mA (15.10 … 21.23 mA)\nand 179 mW (140 … 227 mW)"_s);
        // A typed tolerance replaces the series': at 0 % only supply and LED spread remain,
        // (12.6 − 1.9) / 560 = 19.107 mA.
        given.tolerance = u"0"_s;
        const auto exact = calculate(given, Reading::Strict);
        QVERIFY(exact && exact->standard);
        QCOMPARE(qRound(exact->standard->currentRange.max * 1e3), 19107);
    }

    // The first problem in the order supply, forward voltage or preset, current, series; then
    // whether the LED can light at all.
    void problems_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<zelkor::Reason>("reason");
        QTest::addColumn<Field>("field");
        using enum zelkor::Reason;
        using enum Field;
        QTest::newRow("no supply") << "-|2.1|-|20|-" << Missing << SupplyVoltage;
        QTest::newRow("supply 0") << "0|0|-|0|-" << Zero << SupplyVoltage;
        QTest::newRow("no forward voltage") << "5|-|-|20|-" << Missing << ForwardVoltage;
        QTest::newRow("forward voltage 0") << "5|0|-|0|-" << Zero << ForwardVoltage;
        QTest::newRow("forward voltage and preset") << "5|2|1|20|-" << Conflict << Preset;
        QTest::newRow("preset past the list") << "5|-|6|20|-" << OutOfRange << Preset;
        QTest::newRow("no current") << "5|2.1|-|-|-" << Missing << Current;
        QTest::newRow("current 0") << "5|2.1|-|0|E6" << Zero << Current;
        QTest::newRow("E6 is not offered") << "1|2.1|-|20|E6" << OutOfRange << Series;
        QTest::newRow("supply at the forward voltage")
            << "2.1|2.1|-|20|-" << OutOfRange << SupplyVoltage;
        // Each input is a float, but R·I² is not: 1e30 V over 1e-30 mA.
        QTest::newRow("result too large") << "1e30|2|-|1e-30|-" << Overflow << Current;
    }
    void problems()
    {
        QFETCH(QString, given);
        QFETCH(zelkor::Reason, reason);
        QFETCH(Field, field);
        if (reason == zelkor::Reason::Zero)
            zelkor::test::checkZero([&](Reading r) { return calculate(texts(given), r); }, field);
        else
            zelkor::test::checkProblem([&](Reading r) { return calculate(texts(given), r); },
                                       zelkor::Problem<Field>{reason, field});
    }
};

QTEST_GUILESS_MAIN(TestLEDDroppingResistor)
#include "tst_leddroppingresistor.moc"
