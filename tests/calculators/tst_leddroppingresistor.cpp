#include "calculators/LEDDroppingResistor.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace zelkor::led;

class TestLEDDroppingResistor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void presetsInListOrder()
    {
        // Green before yellow: the list is not sorted by voltage.
        QCOMPARE(kForwardVoltagePresets[2], 2.2f);
        QCOMPARE(kForwardVoltagePresets[3], 2.1f);
    }

    void calculate_data()
    {
        QTest::addColumn<float>("supply");
        QTest::addColumn<float>("forward");
        QTest::addColumn<float>("current");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("warning");
        QTest::newRow("yellow at 5 V")
            << 5.0f << 2.1f << 20.0f << "Resistance: \t\t145.0 Ohm\nPower: \t\t\t0.058 W" << false;
        QTest::newRow("red at 12 V")
            << 12.0f << 1.6f << 20.0f << "Resistance: \t\t520.0 Ohm\nPower: \t\t\t0.208 W" << false;
        QTest::newRow("1000 V supply warns")
            << 1000.0f << 2.0f << 20.0f << "Resistance: \t\t49900.0 Ohm\nPower: \t\t\t19.960 W"
            << true;
        QTest::newRow("exactly 10 W does not warn")
            << 12.0f << 2.0f << 1000.0f << "Resistance: \t\t10.0 Ohm\nPower: \t\t\t10.000 W"
            << false;
        QTest::newRow("just above 10 W warns")
            << 12.5f << 2.0f << 1000.0f << "Resistance: \t\t10.5 Ohm\nPower: \t\t\t10.500 W"
            << true;
        QTest::newRow("supply below forward is negative")
            << 1.5f << 2.1f << 20.0f << "Resistance: \t\t-30.0 Ohm\nPower: \t\t\t-0.012 W" << false;
    }
    void calculate()
    {
        QFETCH(float, supply);
        QFETCH(float, forward);
        QFETCH(float, current);
        QFETCH(QString, text);
        QFETCH(bool, warning);
        const auto result = zelkor::led::calculate({supply, forward, current});
        QVERIFY(result);
        QCOMPARE(resultText(*result), text);
        QCOMPARE(result->powerWarning, warning);
    }

    void zeroInputStops_data()
    {
        QTest::addColumn<float>("supply");
        QTest::addColumn<float>("forward");
        QTest::addColumn<float>("current");
        QTest::newRow("no supply") << 0.0f << 2.1f << 20.0f;
        QTest::newRow("no forward voltage") << 5.0f << 0.0f << 20.0f;
        QTest::newRow("no current") << 5.0f << 2.1f << 0.0f;
    }
    void zeroInputStops()
    {
        QFETCH(float, supply);
        QFETCH(float, forward);
        QFETCH(float, current);
        QVERIFY(!zelkor::led::calculate({supply, forward, current}));
    }
};

QTEST_GUILESS_MAIN(TestLEDDroppingResistor)
#include "tst_leddroppingresistor.moc"
