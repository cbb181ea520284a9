// SPDX-License-Identifier: GPL-3.0-or-later

// Adjustable regulators of both kinds against worked numbers.

#include "core/calculators/AdjustableRegulator.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace zelkor;
using namespace zelkor::regulator;

class TestAdjustableRegulator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::initIsolatedApp(); }

    void analysis_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        // 1.25 · (1 + 720/240) + 50 µA · 720 Ω = 5 + 0.036 V; 1.25 V / 240 Ω = 5.208 mA. Built
        // at 5 %: 1.20 · (1 + 684/252) + 0 = 4.4571 V to 1.30 · (1 + 756/228) + 100 µA · 756 Ω =
        // 5.6861 V.
        QTest::newRow("LM317") << int(Kind::LM317)
                               << u"Output voltage: 5.0360 V (4.4571 … 5.6861 V)\n"
                                  "Current through R1: 5.208 mA"_s;
        // The LM337's adjust pin draws 65 µA: 5 + 0.0468 V, below ground; its datasheet range
        // is the LM317's.
        QTest::newRow("LM337") << int(Kind::LM337)
                               << u"Output voltage: 5.0468 V (negative) (4.4571 … 5.6861 V)\n"
                                  "Current through R1: 5.208 mA"_s;
    }
    void analysis()
    {
        QFETCH(int, kind);
        Texts texts;
        texts.kind = Kind(kind);
        texts.r1 = u"240"_s;
        texts.r2 = u"720"_s;
        const auto r = calculate(texts, Reading::Strict);
        QVERIFY(r);
        QTEST(resultText(*r), "text");
    }

    void design()
    {
        // 0.8 · (1 + 7.5k/2.4k) = 0.8 · 4.125 = 3.3 V.
        Texts feedback;
        feedback.kind = Kind::Feedback;
        feedback.vref = u"0.8"_s;
        feedback.vout = u"3.3"_s;
        auto r = calculate(feedback, Reading::Strict);
        QVERIFY(r);
        // E24 at 5 % and the reference at 1 %: 0.792 · (1 + 7.125k/2.52k) = 3.0313 V to
        // 0.808 · (1 + 7.875k/2.28k) = 3.5988 V.
        QCOMPARE(resultText(*r).section(u'\n', 0, 1),
                 u"3.3000 V is met exactly.\n"
                 "R1 7.5 kΩ, R2 2.4 kΩ: 3.3000 V (3.0313 … 3.5988 V) (0.000 %)"_s);

        // LM317 for 5 V: R1 between 31.25 Ω and 125 Ω, every R1 a current of 10 to 40 mA. Best:
        // 1.25 · (1 + 300/100) + 50 µA · 300 Ω = 5.015 V.
        Texts lm317;
        lm317.kind = Kind::LM317;
        lm317.vout = u"5"_s;
        r = calculate(lm317, Reading::Strict);
        QVERIFY(r);
        QCOMPARE(r->settings.size(), 5u);
        for (const Setting &s : r->settings) {
            QVERIFY(s.r1 >= 31.25 && s.r1 <= 125.0);
            QVERIFY(std::abs(s.vout - (1.25 * (1 + s.r2 / s.r1) + 50e-6 * s.r2)) < 1e-12);
        }
        QCOMPARE(r->settings.front().r1, 100.0);
        QCOMPARE(r->settings.front().r2, 300.0);
        QCOMPARE(r->settings.front().vout, 5.015);
    }

    void problems_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("vout");
        QTest::addColumn<QString>("total");
        QTest::addColumn<Reason>("reason");
        QTest::addColumn<Field>("field");
        QTest::newRow("output at the reference")
            << int(Kind::LM317) << "1.25" << QString() << Reason::OutOfRange << Field::Vout;
        QTest::newRow("output below a feedback reference")
            << int(Kind::Feedback) << "0.5" << QString() << Reason::OutOfRange << Field::Vout;
        QTest::newRow("a preferred total for the LM317 kind")
            << int(Kind::LM337) << "5"
            << "10k" << Reason::Conflict << Field::Total;
    }
    void problems()
    {
        QFETCH(int, kind);
        QFETCH(QString, vout);
        QFETCH(QString, total);
        QFETCH(Reason, reason);
        QFETCH(Field, field);
        Texts texts;
        texts.kind = Kind(kind);
        texts.vref = u"0.8"_s;
        texts.vout = vout;
        if (!total.isEmpty())
            texts.total = total;
        const auto r = calculate(texts, Reading::Strict);
        QVERIFY(!r);
        QCOMPARE(r.problem(), (Problem<Field>{reason, field}));
    }
};

QTEST_MAIN(TestAdjustableRegulator)
#include "tst_adjustableregulator.moc"
