// SPDX-License-Identifier: GPL-3.0-or-later

// RC time constants and corners, LC resonance and reactances, against worked numbers.

#include "core/calculators/RCAndLC.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace zelkor;

class TestRCAndLC : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::initIsolatedApp(); }

    void rc()
    {
        // 10 kΩ · 100 nF = 1 ms; 1 / (2π · 1 ms) = 159.155 Hz.
        auto r = rc::calculate({.r = u"10k"_s, .c = u"100n"_s}, Reading::Strict);
        QVERIFY(r);
        QCOMPARE(rc::resultText(*r).section(u'\n', 0, 0).section(u" ("_s, 0, 0),
                 u"Time constant: 1.0000 ms"_s);
        // 1 kHz from E24 × E6: 16 kΩ · 10 nF = 160 µs, 994.72 Hz, 0.53 % low. The pair takes its
        // series' tolerances, 5 % and 20 %: 1 / (2π · 16.8 kΩ · 12 nF) = 789.46 Hz and
        // 1 / (2π · 15.2 kΩ · 8 nF) = 1308.84 Hz.
        r = rc::calculate({.frequency = u"1k"_s}, Reading::Strict);
        QVERIFY(r);
        QCOMPARE(rc::resultText(*r).section(u'\n', 0, 0),
                 u"16 kΩ, 10 nF: 994.72 Hz (789.46 … 1308.84 Hz) (−0.53 %)"_s);
        // The same parts for τ = 160 µs, met exactly, at E24's 5 % and 5 % typed for C.
        r = rc::calculate({.tau = u"160u"_s, .capacitorTolerance = u"5"_s}, Reading::Strict);
        QVERIFY(r);
        QCOMPARE(
            rc::resultText(*r).section(u'\n', 0, 1),
            u"160.00 µs is met exactly.\n16 kΩ, 10 nF: 160.00 µs (144.40 … 176.40 µs) (0.00 %)"_s);
    }

    void rcProblems()
    {
        // 1 / (2π · 100 Ω · 10 pF) = 159 MHz is the fastest corner.
        auto r = rc::calculate({.frequency = u"200M"_s}, Reading::Strict);
        QVERIFY(!r);
        QCOMPARE(r.problem().reason, Reason::Impossible);
        r = rc::calculate({.frequency = u"1k"_s, .capacitorSeries = u"E48"_s}, Reading::Strict);
        QVERIFY(!r);
        QCOMPARE(r.problem(), (Problem<rc::Field>{Reason::OutOfRange, rc::Field::CapacitorSeries}));
    }

    void lc()
    {
        // 1 / (2π √(10 µH · 100 pF)) = 1 / (2π · 31.623 ns) = 5.0329 MHz; there both reactances
        // are √(L/C) = 316.23 Ω. At 1 MHz: 2π · 1 MHz · 10 µH = 62.832 Ω and
        // 1 / (2π · 1 MHz · 100 pF) = 1591.5 Ω.
        auto r = lc::calculate({.l = u"10"_s, .c = u"100p"_s}, Reading::Strict);
        QVERIFY(r);
        QCOMPARE(lc::resultText(*r).section(u'\n', 1),
                 u"Inductance: 10.000 µH\n"
                 "Capacitance: 100.00 pF\nAt 5.0329 MHz: X_L 316.23 Ω, "
                 "X_C 316.23 Ω"_s);
        r = lc::calculate({.l = u"10"_s, .c = u"100p"_s, .at = u"1M"_s}, Reading::Strict);
        QVERIFY(r);
        QCOMPARE(lc::resultText(*r).section(u'\n', 3),
                 u"At 1.0000 MHz: X_L 62.832 Ω, X_C 1.5915 kΩ"_s);
        // Back from the frequency: C for 10 µH at 5.0329 MHz is 100 pF.
        r = lc::calculate({.frequency = u"5.0329M"_s, .l = u"10"_s}, Reading::Strict);
        QVERIFY(r);
        QVERIFY(std::abs(r->capacitance - 100e-12) < 0.01e-12);
        // Three given, or one.
        QCOMPARE(lc::calculate({.frequency = u"1M"_s, .l = u"10"_s, .c = u"1n"_s}, Reading::Strict)
                     .problem()
                     .reason,
                 Reason::Conflict);
        QCOMPARE(lc::calculate({.frequency = u"1M"_s}, Reading::Strict).problem().reason,
                 Reason::Missing);
    }
};

QTEST_MAIN(TestRCAndLC)
#include "tst_rcandlc.moc"
