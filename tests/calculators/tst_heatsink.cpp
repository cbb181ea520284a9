#include "calculators/HeatSink.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace zelkor::heatsink;

namespace {
const QString kNoSink =
    QStringLiteral("No heat sink can keep the chip below its maximum temperature.");
const QString kTooHot =
    QStringLiteral("The ambient temperature is at or above the maximum chip temperature.");
} // namespace

class TestHeatSink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void calculate_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<float>("power");
        QTest::addColumn<float>("chip");
        QTest::addColumn<float>("mount");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("ambient");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("warnings");
        const Mode sink = Mode::SinkResistanceGiven;
        const Mode limit = Mode::MaxChipTemperatureGiven;
        QTest::newRow("chip temperature") << sink << 10.0f << 1.5f << 0.3f << 2.0f << 25.0f
                                          << "Resulting chip temperature: 63.00" << false;
        QTest::newRow("chip temperature below freezing ambient")
            << sink << 5.0f << 2.5f << 0.1f << 4.0f << -10.0f << "Resulting chip temperature: 23.00"
            << false;
        QTest::newRow("chip temperature at 0 degrees ambient")
            << sink << 10.0f << 1.5f << 0.3f << 2.0f << 0.0f << "Resulting chip temperature: 38.00"
            << false;
        QTest::newRow("heat sink for 150 degrees")
            << limit << 10.0f << 1.5f << 0.3f << 150.0f << 25.0f
            << QString::fromUtf8("Max. heat sink resistance: 10.70 °K/W") << false;
        QTest::newRow("heat sink for 125 degrees")
            << limit << 10.0f << 1.5f << 0.1f << 125.0f << 25.0f
            << QString::fromUtf8("Max. heat sink resistance: 8.40 °K/W") << false;
        QTest::newRow("no heat sink suffices")
            << limit << 100.0f << 1.5f << 0.3f << 150.0f << 25.0f << kNoSink << false;
        QTest::newRow("ambient equal to maximum warns")
            << limit << 10.0f << 1.5f << 0.3f << 25.0f << 25.0f << kTooHot << true;
        QTest::newRow("ambient above maximum warns")
            << limit << 10.0f << 1.5f << 0.3f << 25.0f << 40.0f << kTooHot << true;
    }
    void calculate()
    {
        QFETCH(Mode, mode);
        QFETCH(float, power);
        QFETCH(float, chip);
        QFETCH(float, mount);
        QFETCH(float, x);
        QFETCH(float, ambient);
        QFETCH(QString, text);
        QFETCH(bool, warnings);
        const auto result = zelkor::heatsink::calculate({mode, power, chip, mount, x, ambient});
        QVERIFY(result);
        QCOMPARE(resultText(*result), text);
        QCOMPARE(result->temperatureWarnings(), warnings);
    }

    void incompleteInputStops_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<float>("power");
        QTest::addColumn<float>("chip");
        QTest::addColumn<float>("mount");
        QTest::addColumn<float>("x");
        QTest::addColumn<bool>("hasAmbient");
        const Mode sink = Mode::SinkResistanceGiven;
        const Mode limit = Mode::MaxChipTemperatureGiven;
        QTest::newRow("no power") << sink << 0.0f << 1.5f << 0.3f << 2.0f << true;
        QTest::newRow("no chip resistance") << sink << 10.0f << 0.0f << 0.3f << 2.0f << true;
        QTest::newRow("no mounting resistance") << sink << 10.0f << 1.5f << 0.0f << 2.0f << true;
        QTest::newRow("ideal heat sink counts as missing")
            << sink << 10.0f << 1.5f << 0.3f << 0.0f << true;
        QTest::newRow("maximum of 0 degrees counts as missing")
            << limit << 10.0f << 1.5f << 0.3f << 0.0f << true;
        QTest::newRow("no ambient") << sink << 10.0f << 1.5f << 0.3f << 2.0f << false;
    }
    void incompleteInputStops()
    {
        QFETCH(Mode, mode);
        QFETCH(float, power);
        QFETCH(float, chip);
        QFETCH(float, mount);
        QFETCH(float, x);
        QFETCH(bool, hasAmbient);
        Inputs inputs{mode, power, chip, mount, x, std::nullopt};
        if (hasAmbient)
            inputs.ambientTemperature = 25.0f;
        QVERIFY(!zelkor::heatsink::calculate(inputs));
    }
};

QTEST_GUILESS_MAIN(TestHeatSink)
#include "tst_heatsink.moc"
