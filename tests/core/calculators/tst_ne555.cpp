// SPDX-License-Identifier: GPL-3.0-or-later

// The 555 timer: the two formulas in their order of operations, the half-periods, parts worked
// out backwards for a target.

#include "core/calculators/NE555.h"
#include "core/calculators/NE555Design.h"
#include "core/text/NumberFormat.h"
#include "support/TestSupport.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace zelkor::ne555;
using zelkor::Reading;
using zelkor::eseries::Series;
using Floats = QList<float>;
using Doubles = QList<double>;

namespace {

// "circuit|R1|R2|R|C" with A or M for the circuit, "-" for an input not given.
Texts texts(const QString &given)
{
    const QStringList v = given.split(u'|');
    const auto at = [&](int i) { return v[i] == u"-" ? zelkor::Given() : v[i]; };
    std::optional<Circuit> circuit;
    if (v[0] != u"-")
        circuit = v[0] == u"M" ? Circuit::Monostable : Circuit::Astable;
    return {circuit, at(1), at(2), at(3), at(4), {}, {}};
}

} // namespace

class TestNE555 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // f = 1 / (0.69 (R1 + 2 R2) C), t = 1.1 R C. Eight decimals show whether 0.69 and 1.1 and
    // the mix of single and double precision were kept.
    void results_data()
    {
        QTest::addColumn<QString>("given"); // "inputs → text"
        QTest::newRow("astable 1k, 10k, 10 uF") << "A|1000|10000|-|10 → Frequency: 6.90131140 Hz";
        QTest::newRow("astable, RKM and nano") << "A|1k|1k|-|100000n → Frequency: 4.83091831 Hz";
        QTest::newRow("monostable 10k, 100 uF") << "M|-|-|10000|100 → Pulse duration: 1.10000002 s";
    }
    void results()
    {
        QFETCH(QString, given);
        for (const Reading reading : {Reading::Lenient, Reading::Strict}) {
            const auto result = calculate(texts(given.section(u" → "_s, 0, 0)), reading);
            QVERIFY(result);
            QCOMPARE(resultText(*result).section(u'\n', 0, 0), given.section(u" → "_s, 1));
        }
    }

    // A missing input is named capacitor first, then the resistors from the last one. The
    // panel shows nothing for an incomplete circuit, so a 0 is refused by both readings.
    void problems_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<zelkor::Reason>("reason");
        QTest::addColumn<Field>("field");
        using enum zelkor::Reason;
        QTest::newRow("no circuit") << "-|-|-|-|-" << Missing << Field::Circuit;
        QTest::newRow("astable: nothing") << "A|-|-|-|-" << Missing << Field::C;
        QTest::newRow("astable: no R2") << "A|-|-|1|1" << Missing << Field::R2;
        QTest::newRow("astable: no R1") << "A|-|1|1|1" << Missing << Field::R1;
        QTest::newRow("monostable: no C") << "M|1|1|1|-" << Missing << Field::C;
        QTest::newRow("monostable: no R") << "M|1|1|-|1" << Missing << Field::R;
        QTest::newRow("astable: capacitor 0, once an infinite frequency")
            << "A|1|1|-|0" << OutsideDomain << Field::C;
        QTest::newRow("monostable: resistor 0, once a pulse of 0 s")
            << "M|-|-|0|1" << OutsideDomain << Field::R;
        // 1e-40 µF is 0 F in single precision: both half-periods vanish.
        QTest::newRow("astable: capacitor too small for a period")
            << "A|1|1|-|1e-40" << Impossible << Field::C;
        // R1 + R2 is past the largest float, and with it the high time.
        QTest::newRow("astable: resistors too large") << "A|3e38|3e38|-|1" << Overflow << Field::R1;
        // 1e30 Ω · 1e24 F.
        QTest::newRow("monostable: pulse too long") << "M|-|-|1e30|1e30" << Overflow << Field::R;
    }
    void problems()
    {
        QFETCH(QString, given);
        QFETCH(zelkor::Reason, reason);
        QFETCH(Field, field);
        zelkor::test::checkProblem([&](Reading r) { return calculate(texts(given), r); },
                                   zelkor::Problem<Field>{reason, field});
    }

    // The duty cycle lies strictly between 50 % and 100 %. At 50.1 % of 1 kHz with 1 µF,
    // R1 = (0.501 ms − 0.499 ms) / 0.69 µF = 2.899 Ω by hand.
    void designDomains_data()
    {
        QTest::addColumn<QString>("duty");
        QTest::addColumn<zelkor::Reason>("reason"); // Missing: designed
        QTest::newRow("duty 50 %") << "50" << zelkor::Reason::OutsideDomain;
        QTest::newRow("duty 100 %") << "100" << zelkor::Reason::OutsideDomain;
        QTest::newRow("duty 50.1 %") << "50.1" << zelkor::Reason::Missing;
    }
    void designDomains()
    {
        QFETCH(QString, duty);
        QFETCH(zelkor::Reason, reason);
        const DesignTexts texts{u"1k"_s, duty, {}, u"1"_s, {}};
        if (reason != zelkor::Reason::Missing) {
            zelkor::test::checkProblem([&](Reading r) { return designAstable(texts, r); },
                                       zelkor::Problem<DesignField>{reason, DesignField::Duty});
            return;
        }
        for (const Reading reading : {Reading::Lenient, Reading::Strict}) {
            const auto design = designAstable(texts, reading);
            QVERIFY(design);
            QCOMPARE(design->outcome, DesignOutcome::Designed);
            QCOMPARE_LT(std::abs(design->idealR1 - 2.8986), 1e-3);
        }
    }

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

QTEST_MAIN(TestNE555)
#include "tst_ne555.moc"
