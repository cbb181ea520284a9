// SPDX-License-Identifier: GPL-3.0-or-later

// The divider panel as a user fills it: both modes, the series, the refusals, a list longer
// than the display, the pair chosen for the drawing, and the inputs kept across a restart.

#include "gui/calculators/VoltageDividerHandler.h"
#include "gui/views/VerticallyCenteredTextCell.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

using namespace Qt::StringLiterals;

namespace {

struct DividerPanel : zelkor::test::PanelFixture<VoltageDividerHandler>
{
    DividerPanel()
    {
        panel.show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&panel);
    }
};

} // namespace

class TestVoltageDividerHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // 12 · 910 / 3310 = 3.2991 V, written with three digits; an erased output leaves the names.
    void drawsTheValues()
    {
        DividerPanel p;
        p.play(u"designVinField=12;designVoutField=3.3"_s);
        QCOMPARE(p.missingFromDrawing({u"R1 2.4 kΩ"_s, u"R2 910 Ω"_s, u"Vout 3.3 V"_s}), QString());
        p.play(u"designVoutField="_s);
        QCOMPARE(p.missingFromDrawing({u"R1"_s, u"R2"_s}), QString());
    }

    // 12 · 6.8k / 24.8k = 3.2903 V and 12 · 1.8k / 6.5k = 3.3231 V: the second and third pairs,
    // drawn as chosen while the copied text keeps the best pair first.
    void drawsTheChosenPair()
    {
        DividerPanel p;
        p.play(u"designVinField=12;designVoutField=3.3"_s);
        auto *display = p.find<VerticallyCenteredTextCell>("outputField");
        display->setFocus();
        QTest::keyClick(display, Qt::Key_Down);
        QCOMPARE(display->chosenEntry(), 1);
        QCOMPARE(p.missingFromDrawing({u"R1 18 kΩ"_s, u"R2 6.8 kΩ"_s}), QString());
        QTest::mouseClick(display, Qt::LeftButton, {}, display->entryRect(2).center().toPoint());
        QCOMPARE(display->chosenEntry(), 2);
        QCOMPARE(p.missingFromDrawing({u"R1 4.7 kΩ"_s, u"R2 1.8 kΩ"_s}), QString());
        QVERIFY(p.handler->resultText().startsWith(u"R1 2.4 kΩ, R2 910 Ω"_s));
        p.play(u"designVoutField=3.3"_s);
        QCOMPARE(display->chosenEntry(), 0);
        QCOMPARE(p.missingFromDrawing({u"R1 2.4 kΩ"_s, u"R2 910 Ω"_s}), QString());
    }

    void panel_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("first"); // the first line of the result; empty: none shown
        const QString twelve = u"designVinField=12;designVoutField=3.3"_s;
        QTest::newRow("E24 by default, best pair first")
            << twelve << u"R1 2.4 kΩ, R2 910 Ω: 3.2991 V (3.0651 … 3.5438 V) (−0.027 %)"_s;
        QTest::newRow("E12 chosen")
            << twelve + u";designSeriesBox=#2"_s
            << u"R1 18 kΩ, R2 6.8 kΩ: 3.2903 V (2.8333 … 3.7905 V) (−0.293 %)"_s;
        // Half of 5 V: equal resistors, 4.7k + 4.7k lying nearest the preferred 10 kΩ.
        QTest::newRow("an exact target says so")
            << u"designVinField=5;designVoutField=2.5;designSeriesBox=#2"_s
            << u"2.5000 V is met exactly."_s;
        QTest::newRow("output at the input")
            << u"designVinField=5;designVoutField=5"_s
            << u"The output voltage must lie below the input voltage."_s;
        QTest::newRow("a target no pair reaches")
            << u"designVinField=100;designVoutField=1u"_s
            << u"No two resistors from 1 Ω to 10 MΩ give this output voltage."_s;
        QTest::newRow("an erased output waits silently")
            << twelve + u";designVoutField="_s << QString();
        QTest::newRow("a zero input waits silently")
            << twelve + u";designVinField=0"_s << QString();
        // 10 V over 10 kΩ and (10 kΩ ∥ 10 kΩ): 10 · 5k / 15k.
        QTest::newRow("analysis with a load")
            << u"analysisButton!;analysisVinField=10;analysisR1Field=10k;analysisR2Field=10k;"
               "analysisLoadField=10k"_s
            << u"Output voltage: 3.3333 V (3.1693 … 3.5029 V)"_s;
        // 12 V over 2.4 kΩ and 910 Ω at 1 %: 12 · 900.9 / 3324.9 to 12 · 919.1 / 3295.1.
        QTest::newRow("analysis with a typed tolerance")
            << u"analysisButton!;analysisVinField=12;analysisR1Field=2.4k;analysisR2Field=910;"
               "analysisToleranceField=1"_s
            << u"Output voltage: 3.2991 V (3.2515 … 3.3472 V)"_s;
        QTest::newRow("the design's inputs stay behind its button")
            << twelve + u";analysisButton!;analysisVinField=10;designButton!"_s
            << u"R1 2.4 kΩ, R2 910 Ω: 3.2991 V (3.0651 … 3.5438 V) (−0.027 %)"_s;
    }
    void panel()
    {
        QFETCH(QString, steps);
        QFETCH(QString, first);
        DividerPanel p;
        p.play(steps);
        const QString all = p.handler->resultText();
        QCOMPARE(all.section(u'\n', 0, 0), first);
        // The display shows whole pairs from the top; Ctrl+C copies every one.
        const QString shown = p.output();
        QVERIFY2(all.startsWith(shown), qPrintable(shown));
        const QString hidden = all.mid(shown.size());
        QVERIFY2(hidden.isEmpty() || hidden.startsWith(u"\nR1 "), qPrintable(hidden));
    }

    void fivePairsAndTheirDetails()
    {
        DividerPanel p;
        p.play(u"designVinField=12;designVoutField=3.3"_s);
        QCOMPARE(p.handler->resultText().count(u"\nR1 "_s), 4);
        QCOMPARE(p.handler->resultText().count(u"\n    "_s), 5);
    }

    void inputsSurviveARestart()
    {
        QVariantMap state;
        {
            DividerPanel p;
            p.play(u"designVinField=12;designVoutField=3.3;analysisButton!;analysisVinField=10;"
                   "analysisR1Field=10k;analysisR2Field=10k"_s);
            state = p.handler->saveState();
        }
        DividerPanel restored;
        restored.handler->restoreState(state);
        restored.handler->recalculate();
        QCOMPARE(restored.handler->resultText().section(u'\n', 0, 0),
                 u"Output voltage: 5.0000 V (4.7500 … 5.2500 V)"_s);
        restored.click("designButton");
        QCOMPARE(restored.handler->resultText().section(u'\n', 0, 0),
                 u"R1 2.4 kΩ, R2 910 Ω: 3.2991 V (3.0651 … 3.5438 V) (−0.027 %)"_s);
    }
};

QTEST_MAIN(TestVoltageDividerHandler)
#include "tst_voltagedividerhandler.moc"
