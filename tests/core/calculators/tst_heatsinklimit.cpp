// SPDX-License-Identifier: GPL-3.0-or-later

// The largest power a heat path allows, checked by hand and against the chip-temperature mode.

#include "core/calculators/HeatSink.h"
#include "core/calculators/HeatSinkLimit.h"

#include <QTest>

using namespace zelkor::heatsink;

class TestHeatSinkLimit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // chip, mounting, sink (K/W), T_max, T_amb (°C)
    void maxPower_data()
    {
        QTest::addColumn<QList<float>>("in");
        QTest::addColumn<PowerLimitOutcome>("outcome");
        QTest::addColumn<float>("watts");
        const auto ok = PowerLimitOutcome::MaxPower;
        const auto tooHot = PowerLimitOutcome::AmbientTooHot;
        const auto bad = PowerLimitOutcome::NotPositive;
        QTest::newRow("75 K over 3.8 K/W")
            << QList<float>{1.5f, 0.3f, 2, 100, 25} << ok << 19.7368f;
        QTest::newRow("100 K over 5 K/W") << QList<float>{1, 0.5f, 3.5f, 150, 50} << ok << 20.0f;
        QTest::newRow("frosty ambient") << QList<float>{2, 0.5f, 2.5f, 125, -25} << ok << 30.0f;
        QTest::newRow("ambient at T_max")
            << QList<float>{1.5f, 0.3f, 2, 100, 100} << tooHot << 0.0f;
        QTest::newRow("ambient above T_max")
            << QList<float>{1.5f, 0.3f, 2, 100, 120} << tooHot << 0.0f;
        QTest::newRow("no chip resistance") << QList<float>{0, 0.3f, 2, 100, 25} << bad << 0.0f;
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

QTEST_MAIN(TestHeatSinkLimit)
#include "tst_heatsinklimit.moc"
