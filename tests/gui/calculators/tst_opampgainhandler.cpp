// SPDX-License-Identifier: GPL-3.0-or-later

// The op-amp gain panel as a user fills it: both circuits in both modes, the refusals, and a
// display that shows whole lines of the pairs while Ctrl+C gets them all.

#include "gui/calculators/OpAmpGainHandler.h"
#include "gui/views/VerticallyCenteredTextCell.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

using namespace Qt::StringLiterals;

using OpAmpPanel = zelkor::test::PanelFixture<OpAmpGainHandler>;

class TestOpAmpGainHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // 1 + 18k/2k = 10; the parts are marked as bought, without trailing zeros.
    void drawsTheValues()
    {
        OpAmpPanel p;
        p.play(u"gainField=10"_s);
        QCOMPARE(p.missingFromDrawing({u"Rf 18 kΩ"_s, u"Rg 2 kΩ"_s}), QString());
    }

    // Under the line saying 10 is met, 1 + 27k/3k = 10 is the second pair.
    void drawsTheChosenPairBelowTheHeading()
    {
        OpAmpPanel p;
        p.panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.panel));
        p.play(u"gainField=10"_s);
        auto *display = p.find<VerticallyCenteredTextCell>("outputField");
        display->setFocus();
        QTest::keyClick(display, Qt::Key_Down);
        QCOMPARE(p.missingFromDrawing({u"Rf 27 kΩ"_s, u"Rg 3 kΩ"_s}), QString());
    }

    void panel_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("lead"); // the result's first two lines, or all of it
        // 1 + 18k/2k = 10; 18k + 2k is the preferred 20 kΩ.
        QTest::newRow("non-inverting 10 in E24 opens with 18 kΩ and 2 kΩ")
            << u"gainField=10"_s
            << u"10.000 (20.00 dB) is met exactly.\n"
               "Rf 18 kΩ, Rg 2.0 kΩ: 10.000 (9.143 … 10.947) (0.000 %)"_s;
        // −47k/10k; the list's third entry is E12.
        QTest::newRow("inverting 4.7 in E12 is 47 kΩ over 10 kΩ")
            << u"invertingButton!;seriesBox=#2;gainField=4.7"_s
            << u"−4.7000 (13.44 dB) is met exactly.\n"
               "Rf 47 kΩ, Rg 10 kΩ: −4.7000 (−5.7444 … −3.8455) (0.000 %)"_s;
        // 1 + 100/4.7 = 22.277, 20·log10 22.277 = 26.96 dB.
        QTest::newRow("analysis, non-inverting") << u"analysisButton!;rfField=100k;rgField=4k7"_s
                                                 << u"Gain: 22.277 (26.96 dB) (20.250 … 24.516)"_s;
        // 1 + 17.82k / 2.02k and 1 + 18.18k / 1.98k.
        QTest::newRow("analysis at a typed 1 %")
            << u"analysisButton!;rfField=18k;rgField=2k;toleranceField=1"_s
            << u"Gain: 10.000 (20.00 dB) (9.822 … 10.182)"_s;
        QTest::newRow("analysis, inverting")
            << u"invertingButton!;analysisButton!;rfField=47k;rgField=10k"_s
            << u"Gain: −4.7000 (13.44 dB) (−5.1947 … −4.2524)"_s;
        QTest::newRow("a non-inverting gain of 1 is refused")
            << u"gainField=1"_s << u"A non-inverting amplifier's gain lies above 1."_s;
        // 1 MΩ over 1 kΩ is the most two resistors of the range give.
        QTest::newRow("an inverting gain past 1000 is refused")
            << u"invertingButton!;gainField=1001"_s
            << u"No two resistors from 1 kΩ to 1 MΩ give this gain."_s;
        QTest::newRow("an emptied gain waits") << u"gainField=10;gainField="_s << QString();
        QTest::newRow("a gain of 0 waits") << u"gainField=0"_s << QString();
        // The design's pairs must not stand beside the empty resistor fields.
        QTest::newRow("switching to analysis drops the design")
            << u"gainField=10;analysisButton!"_s << QString();
    }
    void panel()
    {
        QFETCH(QString, steps);
        QFETCH(QString, lead);
        OpAmpPanel p;
        p.play(steps);
        QCOMPARE(p.handler->resultText().section(u'\n', 0, 1), lead);
    }

    void displayShowsWholeLines()
    {
        OpAmpPanel p;
        p.panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.panel));
        p.play(u"gainField=10"_s);
        const QStringList all = p.handler->resultText().split(u'\n');
        QCOMPARE(all.size(), 6); // the exact line and five pairs
        const QStringList shown = p.output().split(u'\n');
        QVERIFY2(shown.size() >= 2, qPrintable(p.output()));
        QCOMPARE(shown, all.first(shown.size()));
    }
};

QTEST_MAIN(TestOpAmpGainHandler)
#include "tst_opampgainhandler.moc"
