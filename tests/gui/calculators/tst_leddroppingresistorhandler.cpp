// SPDX-License-Identifier: GPL-3.0-or-later

// The LED panel as a user fills it: presets, the series, the warning sign, and what stays shown
// when the input is incomplete or no circuit.

#include "gui/calculators/LEDDroppingResistorHandler.h"
#include "gui/calculators/WarningSignWidget.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

using namespace Qt::StringLiterals;

namespace {

const QString k145Ohm =
    u"Resistance: \t\t145.0 Ohm\nPower: \t\t\t0.058 W\nE12 resistor: 150 Ω\nat 19.3 mA and 0.06 W"_s;
const QString kCannotLight =
    u"The LED cannot light:\nthe supply voltage must be\nabove its forward voltage."_s;

struct LedPanel : zelkor::test::PanelFixture<LEDDroppingResistorHandler>
{
    LedPanel() { panel.show(); }
    // Whether the sign ends up shown once its fade is over.
    bool warningShown() const
    {
        auto *warning = find<WarningSignWidget>("warningSign");
        [[maybe_unused]] const bool faded =
            QTest::qWaitFor([warning] { return !warning->isFading(); });
        return warning->isVisibleTo(&panel);
    }
};

} // namespace

class TestLEDDroppingResistorHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // (12 − 2) V / 20 mA = 500 Ω, built from the next E12 value: 10 V / 560 Ω = 17.9 mA.
    void drawsTheValues()
    {
        LedPanel p;
        p.play(u"ledSupplyVoltage=12;ledOperatingCurrent=20;ledForwardBias=2.0"_s);
        QCOMPARE(p.missingFromDrawing({u"R 560 Ω"_s, u"I 17.9 mA"_s}), QString());
    }

    void panel_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("forwardShown");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("warning");
        const QString kilovolt = u"ledSupplyVoltage=1000;ledOperatingCurrent=20;ledForwardBias=2"_s;
        const QString kilovoltText = u"Resistance: \t\t49900.0 Ohm\nPower: \t\t\t19.960 W\n"
                                     "E12 resistor: 56 kΩ\nat 17.8 mA and 17.79 W"_s;
        // Green (2.2 V) comes before yellow (2.1 V): the list is not sorted by voltage.
        QTest::newRow("yellow preset")
            << u"ledSupplyVoltage=5;ledOperatingCurrent=20;ledForwardBias=#3"_s << u"2.1"_s
            << k145Ohm << false;
        QTest::newRow("E24 chosen, forward voltage typed")
            << u"resistorSeries=#1;ledSupplyVoltage=24;ledOperatingCurrent=20;ledForwardBias=2.0"_s
            << u"2.0"_s
            << u"Resistance: \t\t1100.0 Ohm\nPower: \t\t\t0.440 W\nE24 resistor: 1.1 kΩ\n"
               "at 20.0 mA and 0.44 W"_s
            << false;
        // 12 V ± 5 % and 2.0 V ± 0.1 V: 560 Ω from E12, at its 10 % (11.4 − 2.1) / 616 Ω to
        // (12.6 − 1.9) / 504 Ω, and 9.3² / 616 Ω to 10.7² / 504 Ω.
        QTest::newRow("supply and LED spread give the built range")
            << u"ledSupplyVoltage=12;ledOperatingCurrent=20;ledForwardBias=2.0;"
               "ledSupplyTolerance=5;ledForwardSpread=0.1"_s
            << u"2.0"_s
            << u"Resistance: \t\t500.0 Ohm\nPower: \t\t\t0.200 W\nE12 resistor: 560 Ω\n"
               "at 17.9 mA and 0.18 W\nBuilt, R ±10 %: 17.86 mA (15.10 … 21.23 mA)\n"
               "and 179 mW (140 … 227 mW)"_s
            << false;
        QTest::newRow("above 10 W warns") << kilovolt << u"2"_s << kilovoltText << true;
        // The preset still turns into its number before the calculation gives up.
        QTest::newRow("incomplete input keeps result and sign")
            << kilovolt + u";ledSupplyVoltage=;ledForwardBias=#0"_s << u"1.5"_s << kilovoltText
            << true;
        QTest::newRow("an LED that cannot light says so")
            << kilovolt + u";ledSupplyVoltage=1"_s << u"2"_s << kCannotLight << false;
    }
    void panel()
    {
        QFETCH(QString, steps);
        LedPanel p;
        p.play(steps);
        QTEST(p.find<QComboBox>("ledForwardBias")->currentText(), "forwardShown");
        // The display's lines, and the range beneath them where a row names it.
        QFETCH(QString, output);
        QCOMPARE(p.handler->resultText().section(u'\n', 0, int(output.count(u'\n'))), output);
        QTEST(p.warningShown(), "warning");
    }
};

QTEST_MAIN(TestLEDDroppingResistorHandler)
#include "tst_leddroppingresistorhandler.moc"
