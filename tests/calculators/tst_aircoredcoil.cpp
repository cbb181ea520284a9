#include "calculators/AirCoredCoil.h"
#include "support/TestSupport.h"
#include "text/NumberFormat.h"

#include <QTest>

using zelkor::coil::Dimensions;
using zelkor::coil::Winding;

class TestAirCoredCoil : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void inductance_data()
    {
        QTest::addColumn<bool>("multiLayer");
        QTest::addColumn<float>("turns");
        QTest::addColumn<float>("outer");
        QTest::addColumn<float>("inner");
        QTest::addColumn<float>("length");
        QTest::addColumn<QString>("microhenries");

        QTest::newRow("single: one-inch former, two inches long")
            << false << 100.0f << 25.4f << 0.0f << 50.8f << "102.041";
        QTest::newRow("single: small coil") << false << 20.0f << 10.0f << 0.0f << 20.0f << "1.607";
        QTest::newRow("single: inner diameter is ignored")
            << false << 20.0f << 10.0f << 99.0f << 20.0f << "1.607";
        QTest::newRow("multi: half-inch bore")
            << true << 100.0f << 25.4f << 12.7f << 50.8f << "49.451";
        QTest::newRow("multi: deep winding")
            << true << 200.0f << 30.0f << 10.0f << 20.0f << "370.542";
        QTest::newRow("multi: no depth") << true << 50.0f << 20.0f << 20.0f << 10.0f << "52.493";
    }

    void inductance()
    {
        QFETCH(bool, multiLayer);
        QFETCH(float, turns);
        QFETCH(float, outer);
        QFETCH(float, inner);
        QFETCH(float, length);
        QFETCH(QString, microhenries);

        const auto l =
            zelkor::coil::inductance(multiLayer ? Winding::MultiLayer : Winding::SingleLayer,
                                     Dimensions{turns, outer, inner, length});
        QVERIFY(l.has_value());
        QCOMPARE(zelkor::formatFixed(*l, 3), microhenries);
    }

    void noCoil_data()
    {
        QTest::addColumn<bool>("multiLayer");
        QTest::addColumn<float>("turns");
        QTest::addColumn<float>("outer");
        QTest::addColumn<float>("inner");
        QTest::addColumn<float>("length");

        QTest::newRow("single: no turns") << false << 0.0f << 10.0f << 0.0f << 20.0f;
        QTest::newRow("single: no diameter") << false << 20.0f << 0.0f << 0.0f << 20.0f;
        QTest::newRow("single: no length") << false << 20.0f << 10.0f << 0.0f << 0.0f;
        QTest::newRow("multi: no turns") << true << 0.0f << 30.0f << 10.0f << 20.0f;
        QTest::newRow("multi: no outer diameter") << true << 200.0f << 0.0f << 10.0f << 20.0f;
        QTest::newRow("multi: no length") << true << 200.0f << 30.0f << 10.0f << 0.0f;
        QTest::newRow("multi: no inner diameter") << true << 200.0f << 30.0f << 0.0f << 20.0f;
        QTest::newRow("multi: inner wider than outer") << true << 200.0f << 30.0f << 30.5f << 20.0f;
    }

    void noCoil()
    {
        QFETCH(bool, multiLayer);
        QFETCH(float, turns);
        QFETCH(float, outer);
        QFETCH(float, inner);
        QFETCH(float, length);

        QVERIFY(!zelkor::coil::inductance(multiLayer ? Winding::MultiLayer : Winding::SingleLayer,
                                          Dimensions{turns, outer, inner, length}));
    }
};

QTEST_GUILESS_MAIN(TestAirCoredCoil)
#include "tst_aircoredcoil.moc"
