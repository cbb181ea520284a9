// SPDX-License-Identifier: GPL-3.0-or-later

// The 555 timer worked backwards: half-periods, parts for a target, and what cannot be made.

#include "core/calculators/NE555.h"
#include "core/calculators/NE555Design.h"
#include "core/text/NumberFormat.h"
#include "support/TestSupport.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace zelkor::ne555;
using zelkor::eseries::Series;

class TestNE555Design : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // t = 0.69·R·C by hand; the half-periods must add up to the frequency mode's period.
    void timing_data()
    {
        QTest::addColumn<QList<float>>("r1r2c");
        QTest::addColumn<QList<double>>("highLowDuty");
        QTest::newRow("1k, 10k, 10 uF")
            << QList<float>{1000, 10000, 10} << QList<double>{0.0759, 0.0690, 52.381};
        QTest::newRow("equal resistors, 1 uF")
            << QList<float>{10000, 10000, 1} << QList<double>{0.0138, 0.0069, 66.667};
        QTest::newRow("no R1 is a square wave")
            << QList<float>{0, 4700, 1} << QList<double>{0.003243, 0.003243, 50.0};
    }
    void timing()
    {
        QFETCH(QList<float>, r1r2c);
        QFETCH(QList<double>, highLowDuty);
        const AstableTiming t = astableTiming(r1r2c[0], r1r2c[1], r1r2c[2]);
        QCOMPARE_LT(std::abs(t.highTime / highLowDuty[0] - 1), 1e-5);
        QCOMPARE_LT(std::abs(t.lowTime / highLowDuty[1] - 1), 1e-5);
        QCOMPARE_LT(std::abs(t.dutyPercent - highLowDuty[2]), 1e-3);
        QCOMPARE(t.frequency, astableFrequency(r1r2c[0], r1r2c[1], r1r2c[2]));
        QCOMPARE(1.0f / (t.highTime + t.lowTime), t.frequency);
    }

    // Ideal values by hand from R2 = t_low / 0.69C, R1 = t_high / 0.69C − R2; the standard
    // parts are the nearest by ratio.
    void astable_data()
    {
        QTest::addColumn<QList<float>>("fDutyC");
        QTest::addColumn<Series>("series");
        QTest::addColumn<QList<double>>("idealR1R2");
        QTest::addColumn<QList<double>>("standardR1R2");
        QTest::addColumn<QString>("achieved"); // Hz and duty with the standard parts
        QTest::newRow("1 kHz, 60 %, 100 nF, E24")
            << QList<float>{1000, 60, 0.1f} << Series::E24 << QList<double>{2898.55, 5797.10}
            << QList<double>{3000, 5600} << "1020.62 Hz 60.56 %";
        QTest::newRow("100 Hz, 75 %, 1 uF, E12")
            << QList<float>{100, 75, 1} << Series::E12 << QList<double>{7246.38, 3623.19}
            << QList<double>{6800, 3900} << "99.27 Hz 73.29 %";
    }
    void astable()
    {
        QFETCH(QList<float>, fDutyC);
        QFETCH(Series, series);
        QFETCH(QList<double>, idealR1R2);
        QFETCH(QList<double>, standardR1R2);
        const AstableDesign d = designAstable(fDutyC[0], fDutyC[1], fDutyC[2], series);
        QCOMPARE(d.outcome, DesignOutcome::Designed);
        QCOMPARE_LT(std::abs(d.idealR1 - idealR1R2[0]), 0.01);
        QCOMPARE_LT(std::abs(d.idealR2 - idealR1R2[1]), 0.01);
        QCOMPARE(QList<double>({d.standardR1, d.standardR2}), standardR1R2);
        const AstableTiming &t = d.withStandardParts;
        QTEST(zelkor::formatText(u"%.02f Hz %.02f %%", {t.frequency, t.dutyPercent}), "achieved");
        // The ideal parts give the target back.
        const AstableTiming ideal = astableTiming(float(d.idealR1), float(d.idealR2), fDutyC[2]);
        QCOMPARE_LT(std::abs(ideal.frequency / fDutyC[0] - 1), 1e-5);
        QCOMPARE_LT(std::abs(ideal.dutyPercent - fDutyC[1]), 1e-3);
    }

    void panelLine()
    {
        QCOMPARE(designText(designAstable(1000, 60, 0.1f)),
                 u"R1: 2.899 kΩ, nearest E24 value 3.0 kΩ\nR2: 5.797 kΩ, nearest E24 value "
                 "5.6 kΩ\nWith these parts: 1020.62 Hz, duty cycle 60.56 %");
    }

    void impossible_data()
    {
        QTest::addColumn<QList<float>>("fDutyC");
        QTest::addColumn<DesignOutcome>("outcome");
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("duty 50 %") << QList<float>{1000, 50, 1} << DesignOutcome::DutyAtOrBelowHalf;
        QTest::newRow("duty 30 %") << QList<float>{1000, 30, 1} << DesignOutcome::DutyAtOrBelowHalf;
        QTest::newRow("duty 100 %")
            << QList<float>{1000, 100, 1} << DesignOutcome::DutyAtOrAboveWhole;
        QTest::newRow("duty 120 %")
            << QList<float>{1000, 120, 1} << DesignOutcome::DutyAtOrAboveWhole;
        QTest::newRow("duty not a number")
            << QList<float>{1000, nan, 1} << DesignOutcome::NotPositive;
        QTest::newRow("zero frequency") << QList<float>{0, 60, 1} << DesignOutcome::NotPositive;
        QTest::newRow("negative capacitor")
            << QList<float>{1000, 60, -1} << DesignOutcome::NotPositive;
        QTest::newRow("resistors above 1 GOhm")
            << QList<float>{0.001f, 60, 0.001f} << DesignOutcome::NoStandardValue;
    }
    void impossible()
    {
        QFETCH(QList<float>, fDutyC);
        const AstableDesign d = designAstable(fDutyC[0], fDutyC[1], fDutyC[2]);
        QTEST(d.outcome, "outcome");
        QVERIFY(d.standardR1 >= 0 && d.standardR2 >= 0);
    }

    // R = t / 1.1C by hand.
    void monostable_data()
    {
        QTest::addColumn<QList<float>>("durationC");
        QTest::addColumn<DesignOutcome>("outcome");
        QTest::addColumn<double>("ideal");
        QTest::addColumn<double>("standard");
        QTest::addColumn<float>("achieved");
        const auto designed = DesignOutcome::Designed;
        QTest::newRow("10 ms, 1 uF")
            << QList<float>{0.01f, 1} << designed << 9090.91 << 9100.0 << 0.01001f;
        QTest::newRow("0.5 s, 47 uF")
            << QList<float>{0.5f, 47} << designed << 9671.18 << 10000.0 << 0.517f;
        QTest::newRow("zero duration")
            << QList<float>{0, 1} << DesignOutcome::NotPositive << 0.0 << 0.0 << 0.0f;
        QTest::newRow("negative capacitor")
            << QList<float>{0.01f, -1} << DesignOutcome::NotPositive << 0.0 << 0.0 << 0.0f;
    }
    void monostable()
    {
        QFETCH(QList<float>, durationC);
        QFETCH(double, ideal);
        const MonostableDesign d = designMonostable(durationC[0], durationC[1]);
        QTEST(d.outcome, "outcome");
        QCOMPARE_LT(std::abs(d.idealR - ideal), 0.01);
        QTEST(d.standardR, "standard");
        QTEST(d.standardDuration, "achieved");
    }
};

QTEST_MAIN(TestNE555Design)
#include "tst_ne555design.moc"
