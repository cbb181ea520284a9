// SPDX-License-Identifier: GPL-3.0-or-later

// The 555 timer worked backwards: half-periods, parts for a target, and what cannot be made.

#include "core/calculators/NE555.h"
#include "core/calculators/NE555Design.h"
#include "core/text/NumberFormat.h"
#include "support/TestSupport.h"

#include <QTest>

#include <cmath>

using namespace zelkor::ne555;
using zelkor::eseries::Series;
using Floats = QList<float>;
using Doubles = QList<double>;

class TestNE555Design : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // t = 0.69·R·C by hand; the half-periods add up to the frequency mode's period.
    void timing_data()
    {
        QTest::addColumn<Floats>("r1r2c");
        QTest::addColumn<Doubles>("highLowDuty");
        QTest::newRow("1k, 10k, 10 uF")
            << Floats{1000, 10000, 10} << Doubles{0.0759, 0.069, 52.381};
        QTest::newRow("no R1: square") << Floats{0, 4700, 1} << Doubles{0.003243, 0.003243, 50};
    }
    void timing()
    {
        QFETCH(Floats, r1r2c);
        QFETCH(Doubles, highLowDuty);
        const AstableTiming t = astableTiming(r1r2c[0], r1r2c[1], r1r2c[2]);
        QCOMPARE_LT(std::abs(t.highTime / highLowDuty[0] - 1), 1e-5);
        QCOMPARE_LT(std::abs(t.lowTime / highLowDuty[1] - 1), 1e-5);
        QCOMPARE_LT(std::abs(t.dutyPercent - highLowDuty[2]), 1e-3);
        QCOMPARE(t.frequency, astableFrequency(r1r2c[0], r1r2c[1], r1r2c[2]));
        QCOMPARE(1.0f / (t.highTime + t.lowTime), t.frequency);
    }

    // Ideal values by hand from R2 = t_low / 0.69C, R1 = t_high / 0.69C − R2; the standard
    // parts are the nearest by ratio; what they give is in the frequency mode's digits.
    void astable_data()
    {
        QTest::addColumn<Floats>("fDutyC");
        QTest::addColumn<Series>("series");
        QTest::addColumn<DesignOutcome>("outcome");
        QTest::addColumn<Doubles>("idealAndStandard"); // R1, R2, standard R1, standard R2
        QTest::addColumn<QString>("achieved");
        const auto none = DesignOutcome::Designed;
        QTest::newRow("1 kHz, 60 %, 100 nF, E24")
            << Floats{1000, 60, 0.1f} << Series::E24 << none
            << Doubles{2898.55, 5797.10, 3000, 5600} << "1020.62 Hz 60.56 %";
        QTest::newRow("100 Hz, 75 %, 1 uF, E12")
            << Floats{100, 75, 1} << Series::E12 << none << Doubles{7246.38, 3623.19, 6800, 3900}
            << "99.27 Hz 73.29 %";
        const auto row = [](const char *name, Floats in, DesignOutcome outcome) {
            QTest::newRow(name) << in << Series::E24 << outcome << Doubles{} << "";
        };
        row("duty 50 %", {1000, 50, 1}, DesignOutcome::DutyAtOrBelowHalf);
        row("duty 100 %", {1000, 100, 1}, DesignOutcome::DutyAtOrAboveWhole);
        row("duty not a number", {1000, NAN, 1}, DesignOutcome::NotPositive);
        row("zero frequency", {0, 60, 1}, DesignOutcome::NotPositive);
        row("negative capacitor", {1000, 60, -1}, DesignOutcome::NotPositive);
        row("resistors above 1 GOhm", {0.001f, 60, 0.001f}, DesignOutcome::NoStandardValue);
    }
    void astable()
    {
        QFETCH(Floats, fDutyC);
        QFETCH(Series, series);
        QFETCH(Doubles, idealAndStandard);
        const AstableDesign d = designAstable(fDutyC[0], fDutyC[1], fDutyC[2], series);
        QTEST(d.outcome, "outcome");
        if (idealAndStandard.isEmpty())
            return;
        QCOMPARE_LT(std::abs(d.idealR1 - idealAndStandard[0]), 0.01);
        QCOMPARE_LT(std::abs(d.idealR2 - idealAndStandard[1]), 0.01);
        QCOMPARE(Doubles({d.standardR1, d.standardR2}), idealAndStandard.mid(2));
        const AstableTiming &t = d.withStandardParts;
        QTEST(zelkor::formatText(u"%.02f Hz %.02f %%", {t.frequency, t.dutyPercent}), "achieved");
        // The ideal parts give the target back.
        const AstableTiming ideal = astableTiming(float(d.idealR1), float(d.idealR2), fDutyC[2]);
        QCOMPARE_LT(std::abs(ideal.frequency / fDutyC[0] - 1), 1e-5);
        QCOMPARE_LT(std::abs(ideal.dutyPercent - fDutyC[1]), 1e-3);
    }

    // R = t / 1.1C by hand.
    void monostable_data()
    {
        QTest::addColumn<Floats>("durationC");
        QTest::addColumn<DesignOutcome>("outcome");
        QTest::addColumn<Doubles>("idealStandardAchieved");
        const auto none = DesignOutcome::Designed, bad = DesignOutcome::NotPositive;
        QTest::newRow("10 ms, 1 uF") << Floats{0.01f, 1} << none << Doubles{9090.91, 9100, 0.01001};
        QTest::newRow("0.5 s, 47 uF") << Floats{0.5f, 47} << none << Doubles{9671.18, 1e4, 0.517};
        QTest::newRow("zero duration") << Floats{0, 1} << bad << Doubles{};
        QTest::newRow("negative capacitor") << Floats{0.01f, -1} << bad << Doubles{};
    }
    void monostable()
    {
        QFETCH(Floats, durationC);
        QFETCH(Doubles, idealStandardAchieved);
        const MonostableDesign d = designMonostable(durationC[0], durationC[1]);
        QTEST(d.outcome, "outcome");
        if (idealStandardAchieved.isEmpty())
            return;
        QCOMPARE_LT(std::abs(d.idealR - idealStandardAchieved[0]), 0.01);
        QCOMPARE(d.standardR, idealStandardAchieved[1]);
        QCOMPARE(d.standardDuration, float(idealStandardAchieved[2]));
    }
};

QTEST_MAIN(TestNE555Design)
#include "tst_ne555design.moc"
