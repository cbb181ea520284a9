// SPDX-License-Identifier: GPL-3.0-or-later

// The RC & LC panel as a user fills it: each circuit and choice, the series lists, and what the
// display keeps of a list too long for it.

#include "gui/calculators/RCAndLCHandler.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

using namespace Qt::StringLiterals;

using Panel = zelkor::test::PanelFixture<RCAndLCHandler>;

class TestRCAndLCHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // 1 / (2π · 16 kΩ · 10 nF) = 995 Hz; 1 / (2π · √(10 µH · 100 pF)) = 5.03 MHz.
    void drawsTheValues()
    {
        Panel p;
        p.play(u"rcRField=16k;rcCField=10n"_s);
        QCOMPARE(p.missingFromDrawing({u"R 16 kΩ"_s, u"C 10 nF"_s, u"fc 995 Hz"_s}), QString());
        p.play(u"lcButton!;lcLField=10;lcCField=100p"_s);
        QCOMPARE(p.missingFromDrawing({u"L 10 µH"_s, u"C 100 pF"_s, u"f₀ 5.03 MHz"_s}), QString());
    }

    void panel_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("line"); // of the result; -1 for all of it
        QTest::addColumn<QString>("expected");
        // 16 kΩ at 5 % and 10 nF at 10 %: from 15.2 kΩ · 9 nF to 16.8 kΩ · 11 nF.
        QTest::newRow("RC: τ and f of 16 kΩ and 10 nF, with their ranges")
            << u"rcRField=16k;rcCField=10n"_s << -1
            << u"Time constant: 160.00 µs (136.80 … 184.80 µs)\n"
               "Corner frequency (−3 dB): 994.72 Hz (861.23 … 1163.41 Hz)"_s;
        QTest::newRow("RC: a capacitor of 0 waits")
            << u"rcRField=10k;rcCField=100n;rcCField=0"_s << -1 << QString();
        QTest::newRow("RC: 1 kHz from E24 × E6")
            << u"rcFrequencyRadio!;rcFrequencyField=1k"_s << 0
            << u"16 kΩ, 10 nF: 994.72 Hz (789.46 … 1308.84 Hz) (−0.53 %)"_s;
        // 10 kΩ · 16 nF is the same product as 16 kΩ · 10 nF, nearer the preferred 10 kΩ.
        QTest::newRow("RC: E24 capacitors chosen")
            << u"rcFrequencyRadio!;rcFrequencyField=1k;rcCapacitorSeriesBox=#3"_s << 0
            << u"10 kΩ, 16 nF: 994.72 Hz (902.24 … 1102.18 Hz) (−0.53 %)"_s;
        QTest::newRow("RC: a target out of reach says so")
            << u"rcTauRadio!;rcTauField=200"_s << -1
            << u"No resistor from 100 Ω to 1 MΩ with a capacitor from 10 pF to 100 µF gives "
               "this."_s;
        QTest::newRow("LC: resonance of parts at 10 %")
            << u"lcButton!;lcLField=10;lcCField=100p"_s << 0
            << u"Resonant frequency: 5.0329 MHz (4.5754 … 5.5921 MHz)"_s;
        QTest::newRow("LC: reactances at a typed frequency")
            << u"lcButton!;lcLField=10;lcCField=100p;lcAtField=1M"_s << 3
            << u"At 1.0000 MHz: X_L 62.832 Ω, X_C 1.5915 kΩ"_s;
        QTest::newRow("LC: a sought capacitance ignores its field")
            << u"lcButton!;lcCapacitanceRadio!;lcCField=999;lcFrequencyField=1M;lcLField=25.33"_s
            << 2 << u"Capacitance: 1.0000 nF"_s;
        QTest::newRow("LC: a negative inductance leaves no number")
            << u"lcButton!;lcLField=10;lcCField=100p;lcLField=-10"_s << -1 << QString();
    }
    void panel()
    {
        QFETCH(QString, steps);
        QFETCH(int, line);
        Panel p;
        p.play(steps);
        const QString result = p.handler->resultText();
        QTEST(line < 0 ? result : result.section(u'\n', line, line), "expected");
    }

    // Six lines do not fit the display: it shows the first lines whole, and copying takes all.
    void longListShowsWholeLines()
    {
        Panel p;
        p.play(u"rcTauRadio!;rcTauField=47m;rcSeriesBox=#2;rcCapacitorSeriesBox=#0"_s);
        const QString all = p.handler->resultText();
        QCOMPARE(all.count(u'\n'), 5);
        const QString shown = p.find<QLabel>("outputField")->text();
        QVERIFY(!shown.isEmpty());
        QVERIFY2(shown == all || (all.startsWith(shown) && all.at(shown.size()) == u'\n'),
                 qPrintable(shown));
    }

    void inputsComeBack()
    {
        Panel first;
        first.play(u"rcTauRadio!;rcTauField=1m;lcButton!;lcInductanceRadio!;"
                   "lcFrequencyField=1M;lcCField=1n;lcAtField=2M"_s);
        const QVariantMap state = first.handler->saveState();
        Panel second;
        second.handler->restoreState(state);
        second.handler->recalculate();
        QCOMPARE(second.handler->resultText(), first.handler->resultText());
        second.click("rcButton");
        first.click("rcButton");
        QCOMPARE(second.handler->resultText(), first.handler->resultText());
        QVERIFY(!first.handler->resultText().isEmpty());
    }
};

QTEST_MAIN(TestRCAndLCHandler)
#include "tst_rcandlchandler.moc"
