// SPDX-License-Identifier: GPL-3.0-or-later

// Op-amp gain resistors against worked numbers.

#include "core/calculators/OpAmpGain.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace zelkor;
using namespace zelkor::opamp;

class TestOpAmpGain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::initIsolatedApp(); }

    void design()
    {
        // 1 + 18k/2k = 10 exactly; 27k/3k too, further from 20 kΩ in all.
        auto r = calculate({.circuit = Circuit::NonInverting, .gain = u"10"_s}, Reading::Strict);
        QVERIFY(r);
        // E24 parts at 5 %: 1 + 17.1k / 2.1k = 9.1429 to 1 + 18.9k / 1.9k = 10.947, for either
        // pair, since only the ratio counts.
        QCOMPARE(resultText(*r).section(u'\n', 0, 2),
                 u"10.000 (20.00 dB) is met exactly.\n"
                 "Rf 18 kΩ, Rg 2.0 kΩ: 10.000 (9.143 … 10.947) (0.000 %)\n"
                 "Rf 27 kΩ, Rg 3.0 kΩ: 10.000 (9.143 … 10.947) (0.000 %)"_s);
        // −47k/10k = −4.7: 20·log10 4.7 = 13.44 dB; in E12 (1.0, 4.7 and 47 are in it).
        r = calculate({.circuit = Circuit::Inverting, .gain = u"4.7"_s, .series = u"E12"_s},
                      Reading::Strict);
        QVERIFY(r);
        QCOMPARE(r->amplifiers.front().rf, 47e3);
        QCOMPARE(r->amplifiers.front().rg, 10e3);
        // E12 parts at 10 %: −51.7k / 9k = −5.7444 to −42.3k / 11k = −3.8455.
        QCOMPARE(resultText(*r).section(u'\n', 1, 1),
                 u"Rf 47 kΩ, Rg 10 kΩ: −4.7000 (−5.7444 … −3.8455) (0.000 %)"_s);
    }

    void analysis()
    {
        // 1 + 100k/4.7k = 22.277, 26.96 dB.
        const auto r = calculate(
            {.circuit = Circuit::NonInverting, .rf = u"100k"_s, .rg = u"4k7"_s}, Reading::Strict);
        QVERIFY(r);
        // At the default 5 %: 1 + 95k / 4.935k = 20.250 to 1 + 105k / 4.465k = 24.516.
        QCOMPARE(resultText(*r), u"Gain: 22.277 (26.96 dB) (20.250 … 24.516)"_s);
    }

    void problems_data()
    {
        QTest::addColumn<int>("circuit");
        QTest::addColumn<QString>("gain");
        QTest::addColumn<Reason>("reason");
        QTest::newRow("non-inverting gain of 1") << 0 << "1" << Reason::OutOfRange;
        QTest::newRow("non-inverting gain below 1") << 0 << "0.5" << Reason::OutOfRange;
        QTest::newRow("beyond 1 MΩ over 1 kΩ") << 1 << "1001" << Reason::Impossible;
        QTest::newRow("negative gain") << 1 << "-3" << Reason::OutsideDomain;
    }
    void problems()
    {
        QFETCH(int, circuit);
        QFETCH(QString, gain);
        QFETCH(Reason, reason);
        const auto r = calculate({.circuit = Circuit(circuit), .gain = gain}, Reading::Strict);
        QVERIFY(!r);
        QCOMPARE(r.problem(), (Problem<Field>{reason, Field::Gain}));
    }
};

QTEST_MAIN(TestOpAmpGain)
#include "tst_opampgain.moc"
