// SPDX-License-Identifier: GPL-3.0-or-later

// The 555 panel's pages as a user fills them: each page shows its own result, and the design
// page names the parts to buy or why there are none.

#include "gui/calculators/NE555Handler.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

#include <QStackedWidget>

using namespace Qt::StringLiterals;

class TestNE555Handler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // t_high = 0.69 · 11 kΩ · 10 µF = 75.9 ms, t_low = 0.69 · 10 kΩ · 10 µF = 69 ms.
    void drawsTheValues()
    {
        zelkor::test::PanelFixture<NE555Handler> p;
        p.play(u"r1ValueField=1000;r2ValueField=10000;c1ValueField=10"_s);
        QCOMPARE(p.missingFromDrawing({u"R1 1 kΩ"_s, u"R2 10 kΩ"_s, u"C 10 µF"_s,
                                       u"t_high 75.9 ms"_s, u"t_low 69 ms"_s}),
                 QString());
    }

    void panel_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("output");
        const QString astable = u"r1ValueField=1000;r2ValueField=10000;c1ValueField=10"_s;
        const QString monostable =
            u"monostableButton!;monostableR1ValueField=1000;monostableC1ValueField=1"_s;
        // t_high = 0.69·11 kΩ·10 µF, t_low = 0.69·10 kΩ·10 µF, duty 11/21; with 5 % resistors and
        // a 20 % capacitor f runs from 1 / (0.69·22.05 kΩ·12 µF) to 1 / (0.69·19.95 kΩ·8 µF).
        QTest::newRow("astable, with the ranges beneath")
            << astable + u";capacitorToleranceField=20"_s << u"astablePage"_s
            << u"Frequency: 6.90131140 Hz\nHigh time: 0.07590000 s\n"
               "Low time: 0.06900000 s\nDuty cycle: 52.38 %\n"
               "Range: 5.47723115 … 9.08067270 Hz, duty cycle 52.16 … 52.62 %\n"
               "High time range: 0.05768400 … 0.09563400 s\nLow time range: 0.05244000 … 0.08694000 s"_s;
        QTest::newRow("text that is no number is a resistor of 0: no number")
            << astable + u";r1ValueField=none"_s << u"astablePage"_s << QString();
        QTest::newRow("an erased input empties the output")
            << astable + u";c1ValueField="_s << u"astablePage"_s << QString();
        QTest::newRow("each page shows its own result")
            << monostable + u";astableButton!;"_s + astable + u";monostableButton!"_s
            << u"monostablePage"_s << u"Pulse duration: 0.00110000 s"_s;
        // R2 = 0.4 ms / (0.69·100 nF) = 5797 Ω, R1 = 0.6 ms / (0.69·100 nF) − R2 = 2899 Ω; with
        // E12 2.7 kΩ and 5.6 kΩ: f = 1 / (0.69·13.9 kΩ·100 nF) = 1042.64 Hz, duty 8.3/13.9.
        // R = 10 ms / (1.1·1 µF) = 9091 Ω, and 9.1 kΩ gives 10.01 ms.
        const QString target = u"designButton!;designFrequencyField=1k;designC1Field=0.1;"_s;
        const QString design = u"designPage"_s;
        QTest::newRow("design: astable, E24")
            << target + u"designDutyField=60"_s << design
            << u"R1: 2.899 kΩ, nearest E24 value 3.0 kΩ\nR2: 5.797 kΩ, nearest E24 value "
               "5.6 kΩ\nWith these parts: 1020.62 Hz, duty cycle 60.56 %"_s;
        QTest::newRow("design: half duty cannot be made")
            << target + u"designDutyField=50"_s << design
            << u"This circuit cannot make a duty cycle of 50 % or less: that needs a diode "
               "across R2."_s;
        QTest::newRow("design: monostable")
            << u"designButton!;designDurationField=0.01;designC1Field=1"_s << design
            << u"R: 9.091 kΩ, nearest E24 value 9.1 kΩ\nWith this part: 0.01001000 s"_s;
    }
    void panel()
    {
        QFETCH(QString, steps);
        zelkor::test::PanelFixture<NE555Handler> p;
        p.play(steps);
        QTEST(p.find<QStackedWidget>("ne555ModeTabView")->currentWidget()->objectName(), "page");
        QFETCH(QString, output);
        // The lines given: a range beneath them is checked where the row lists it.
        QCOMPARE(p.output().section(u'\n', 0, output.count(u'\n')), output);
    }
};

QTEST_MAIN(TestNE555Handler)
#include "tst_ne555handler.moc"
