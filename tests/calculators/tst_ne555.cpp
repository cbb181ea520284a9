#include "calculators/NE555.h"
#include "support/TestSupport.h"

#include <cmath>
#include <QTest>

class TestNE555 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // Eight decimals show whether 0.69/1.1 and the single/double mix were kept.
    void astable_data()
    {
        QTest::addColumn<float>("r1");
        QTest::addColumn<float>("r2");
        QTest::addColumn<float>("c1");
        QTest::addColumn<QString>("text");

        QTest::newRow("1k, 10k, 10 uF")
            << 1000.0f << 10000.0f << 10.0f << "Frequency: 6.90131140 Hz";
        QTest::newRow("10k, 10k, 1 uF")
            << 10000.0f << 10000.0f << 1.0f << "Frequency: 48.30917740 Hz";
        QTest::newRow("1k, 1k, 100 uF")
            << 1000.0f << 1000.0f << 100.0f << "Frequency: 4.83091831 Hz";
        QTest::newRow("zero capacitance is infinite")
            << 1000.0f << 1000.0f << 0.0f << "Frequency: inf Hz";
    }

    void astable()
    {
        QFETCH(float, r1);
        QFETCH(float, r2);
        QFETCH(float, c1);
        QFETCH(QString, text);
        QCOMPARE(zelkor::ne555::frequencyText(zelkor::ne555::astableFrequency(r1, r2, c1)), text);
    }

    void monostable_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<float>("c1");
        QTest::addColumn<QString>("text");

        QTest::newRow("10k, 100 uF") << 10000.0f << 100.0f << "Pulse duration: 1.10000002 s";
        QTest::newRow("1k, 1 uF") << 1000.0f << 1.0f << "Pulse duration: 0.00110000 s";
        QTest::newRow("zero resistance") << 0.0f << 1.0f << "Pulse duration: 0.00000000 s";
    }

    void monostable()
    {
        QFETCH(float, r);
        QFETCH(float, c1);
        QFETCH(QString, text);
        QCOMPARE(zelkor::ne555::pulseDurationText(zelkor::ne555::monostablePulseDuration(r, c1)),
                 text);
    }
};

QTEST_GUILESS_MAIN(TestNE555)
#include "tst_ne555.moc"
