// SPDX-License-Identifier: GPL-3.0-or-later

// The heat sink: all three modes, the largest power checked against the chip temperature it
// gives.

#include "core/calculators/HeatSink.h"
#include "core/calculators/HeatSinkLimit.h"
#include "core/text/NumberFormat.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace zelkor::heatsink;
using namespace Qt::StringLiterals;
using zelkor::Reading;

namespace {

// "power|chip|mount|mount preset|sink|max. temperature|ambient", "-" for one not given; a
// leading "max power|" chooses the power-limit mode.
Texts texts(QString given)
{
    std::optional<Mode> mode;
    if (given.startsWith(u"max power|")) {
        mode = Mode::PowerLimit;
        given.remove(0, 10);
    }
    const QStringList v = given.split(u'|');
    const auto at = [&](int i) { return v[i] == u"-" ? zelkor::Given() : v[i]; };
    return {mode, at(0), at(1), at(2), at(3), at(4), at(5), at(6)};
}

} // namespace

class TestHeatSink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // T_chip = T_amb + P(R_chip + R_mount + R_sink); R_sink = (T_max - T_amb)/P - R_chip - R_mount.
    void results_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("value");
        using enum Outcome;
        QTest::newRow("chip temperature, mica")
            << "10|1.5|-|0|2|-|25" << ChipTemperature << "63.00";
        QTest::newRow("ambient of 0 degrees") << "10|1.5|0.3|-|2|-|0" << ChipTemperature << "38.00";
        QTest::newRow("frosty ambient") << "10|1.5|0.3|-|2|-|-40" << ChipTemperature << "-2.00";
        QTest::newRow("units") << "10 W|1.5 K/W|300m|-|2K/W|-|25 \u00b0C" << ChipTemperature
                               << "63.00";
        QTest::newRow("heat sink, third preset")
            << "10|1.5|-|2|-|125|25" << MaxSinkResistance << "8.40";
        QTest::newRow("no heat sink suffices")
            << "100|1.5|-|0|-|150|25" << NoSinkSuffices << "-0.55";
        QTest::newRow("an ideal one does not suffice")
            << "10|1.5|0.5|-|-|45|25" << NoSinkSuffices << "0.00";
        QTest::newRow("ambient at the maximum")
            << "10|1.5|0.3|-|-|25|25" << AmbientTooHot << "0.00";
        // P = (T_max - T_amb) / (R_chip + R_mount + R_sink): 75 K over 3.8 K/W.
        QTest::newRow("largest power") << "max power|-|1.5|0.3|-|2|100|25" << MaxPower << "19.74";
        QTest::newRow("largest power, ambient at the maximum")
            << "max power|-|1.5|0.3|-|2|25|25" << AmbientTooHot << "0.00";
    }
    void results()
    {
        QFETCH(QString, given);
        for (const Reading reading : {Reading::Lenient, Reading::Strict}) {
            const auto result = calculate(texts(given), reading);
            QVERIFY(result);
            QTEST(result->outcome, "outcome");
            QTEST(zelkor::formatFixed(result->value, 2), "value");
            QCOMPARE(result->temperatureWarnings(), result->outcome == Outcome::AmbientTooHot);
        }
    }

    // The first problem in the order power, chip, mount, mode, ambient.
    void problems_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<zelkor::Reason>("reason");
        QTest::addColumn<Field>("field");
        using enum zelkor::Reason;
        using enum Field;
        QTest::newRow("no power") << "-|1.5|0.3|-|2|-|25" << Missing << Power;
        QTest::newRow("no mount") << "10|1.5|-|-|2|-|25" << Missing << MountingResistance;
        QTest::newRow("mount and preset") << "10|1.5|1|1|2|-|25" << Conflict << MountingPreset;
        QTest::newRow("preset past the list")
            << "10|1.5|-|3|2|-|25" << OutOfRange << MountingPreset;
        QTest::newRow("sink and maximum") << "10|1.5|1|-|2|90|25" << Conflict << MaxTemperature;
        QTest::newRow("neither") << "10|1.5|1|-|-|-|25" << Missing << Mode;
        QTest::newRow("no ambient") << "10|1.5|1|-|2|-|-" << Missing << Ambient;
        QTest::newRow("ambient at absolute zero")
            << "10|1.5|1|-|2|-|-273.15" << OutsideDomain << Ambient;
        // P·(R_chip + R_mount) is 1e50 K; the chip's 1e30 is further from 1 than the power.
        QTest::newRow("result too large") << "1e20|1e30|1|-|2|-|25" << Overflow << ChipResistance;
        QTest::newRow("power given for the largest power")
            << "max power|10|1.5|0.3|-|2|100|25" << Conflict << Power;
        QTest::newRow("largest power without a sink")
            << "max power|-|1.5|0.3|-|-|100|25" << Missing << SinkResistance;
        QTest::newRow("largest power without a maximum")
            << "max power|-|1.5|0.3|-|2|-|25" << Missing << MaxTemperature;
    }
    void problems()
    {
        QFETCH(QString, given);
        QFETCH(zelkor::Reason, reason);
        QFETCH(Field, field);
        zelkor::test::checkProblem([&](Reading r) { return calculate(texts(given), r); },
                                   zelkor::Problem<Field>{reason, field});
    }

    // A panel waits past a 0; zelkor-calc takes it as a value where the domain has it: an
    // ideal thermal resistance, a maximum of 0 °C.
    void zero_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("strict"); // the value computed, empty when refused
        using enum Field;
        QTest::newRow("power 0") << "0|1.5|0.3|-|2|-|25" << Power << QString();
        // 25 °C + 10 W · (0 + 0.3 + 2) K/W
        QTest::newRow("ideal chip") << "10|0|0.3|-|2|-|25" << ChipResistance << u"48.00"_s;
        QTest::newRow("ideal mount") << "10|1.5|0|-|2|-|25" << MountingResistance << u"60.00"_s;
        QTest::newRow("ideal heat sink") << "10|1.5|1|-|0|-|25" << SinkResistance << u"50.00"_s;
        // (0 - (-40) - 10 · 1.5) / 10 K/W
        QTest::newRow("maximum of 0 degrees")
            << "10|1|0.5|-|-|0|-40" << MaxTemperature << u"2.50"_s;
    }
    void zero()
    {
        QFETCH(QString, given);
        QFETCH(Field, field);
        QFETCH(QString, strict);
        const auto lenient = calculate(texts(given), Reading::Lenient);
        QVERIFY(!lenient);
        QCOMPARE(lenient.problem(), (zelkor::Problem<Field>{zelkor::Reason::Zero, field}));
        const auto result = calculate(texts(given), Reading::Strict);
        if (strict.isEmpty()) {
            QVERIFY(!result);
            QCOMPARE(result.problem(),
                     (zelkor::Problem<Field>{zelkor::Reason::OutsideDomain, field}));
        } else {
            QVERIFY(result);
            QCOMPARE(zelkor::formatFixed(result->value, 2), strict);
        }
    }

    // chip, mounting, sink (K/W), T_max, T_amb (°C)
    void maxPower_data()
    {
        QTest::addColumn<QList<float>>("in");
        QTest::addColumn<PowerLimitOutcome>("outcome");
        QTest::addColumn<float>("watts");
        const auto ok = PowerLimitOutcome::MaxPower;
        const auto tooHot = PowerLimitOutcome::AmbientTooHot;
        const auto bad = PowerLimitOutcome::NotPositive;
        QTest::newRow("frosty ambient") << QList<float>{2, 0.5f, 2.5f, 125, -25} << ok << 30.0f;
        QTest::newRow("ambient above T_max")
            << QList<float>{1.5f, 0.3f, 2, 100, 120} << tooHot << 0.0f;
        QTest::newRow("ideal chip") << QList<float>{0, 0.5f, 2, 100, 25} << ok << 30.0f;
        QTest::newRow("no resistance at all") << QList<float>{0, 0, 0, 100, 25} << bad << 0.0f;
        QTest::newRow("negative sink") << QList<float>{1.5f, 0.3f, -2, 100, 25} << bad << 0.0f;
    }
    void maxPower()
    {
        QFETCH(QList<float>, in);
        QFETCH(PowerLimitOutcome, outcome);
        const PowerLimit limit = zelkor::heatsink::maxPower({in[0], in[1], in[2], in[3], in[4]});
        QCOMPARE(limit.outcome, outcome);
        QTEST(limit.watts, "watts");
        QCOMPARE(limit.temperatureWarnings(), outcome == PowerLimitOutcome::AmbientTooHot);
        if (outcome != PowerLimitOutcome::MaxPower)
            return;
        // At that power the chip reaches exactly T_max.
        const auto chip =
            calculate({Mode::SinkResistanceGiven, limit.watts, in[0], in[1], in[2], in[4]});
        QCOMPARE(chip.value, in[3]);
    }
};

QTEST_MAIN(TestHeatSink)
#include "tst_heatsink.moc"
