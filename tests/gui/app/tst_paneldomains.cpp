// SPDX-License-Identifier: GPL-3.0-or-later

// A value outside its input's domain leaves no number on the panel: from inputs that give a
// result, each field in turn gets a value no such part or quantity has, and whatever the panel
// showed computed from the old value is gone.

#include "gui/calculators/AdjustableRegulatorHandler.h"
#include "gui/calculators/AirCoredCoilHandler.h"
#include "gui/calculators/HeatSinkHandler.h"
#include "gui/calculators/LEDDroppingResistorHandler.h"
#include "gui/calculators/NE555Handler.h"
#include "gui/calculators/OhmsLawHandler.h"
#include "gui/calculators/OpAmpGainHandler.h"
#include "gui/calculators/RCAndLCHandler.h"
#include "gui/calculators/SeriesParallelConnectionHandler.h"
#include "gui/calculators/VoltageDividerHandler.h"
#include "gui/capacitor/CapacitorCodesHandler.h"
#include "gui/resistor/SmdCodeHandler.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

using Shown = QString (*)(const QString &steps);

// What the panel shows after steps: its result, or the texts of the fields it computes.
template <typename Handler> QString shown(const QString &steps)
{
    zelkor::test::PanelFixture<Handler> p;
    p.play(steps);
    return p.handler->resultText();
}

QString ohmsLawResults(const QString &steps)
{
    zelkor::test::PanelFixture<OhmsLawHandler> p;
    p.play(steps);
    return p.find<QLineEdit>("powerField")->text() + p.find<QLineEdit>("resistanceField")->text();
}

bool holdsNumber(const QString &text)
{
    static const QRegularExpression digit(u"[0-9]"_s);
    return text.contains(digit);
}

} // namespace

Q_DECLARE_METATYPE(Shown)

class TestPanelDomains : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void noNumberOutsideTheDomain_data()
    {
        QTest::addColumn<Shown>("panel");
        QTest::addColumn<QString>("valid");
        QTest::addColumn<QString>("outside");  // the step that leaves the domain
        QTest::addColumn<QString>("sentence"); // the panel's invalid-input text, where it has one
        const auto rows = [](const char *name, Shown panel, const QString &valid,
                             const QStringList &outside, const QString &sentence = {}) {
            for (const QString &step : outside)
                QTest::addRow("%s: %s", name, qPrintable(step))
                    << panel << valid << step << sentence;
        };
        rows("LED", shown<LEDDroppingResistorHandler>,
             u"ledSupplyVoltage=12;ledForwardBias=2;ledOperatingCurrent=20"_s,
             {u"ledSupplyVoltage=-12"_s, u"ledForwardBias=-2"_s, u"ledOperatingCurrent=-20"_s,
              u"ledOperatingCurrent=1e39"_s, u"ledResistorTolerance=100"_s,
              u"ledSupplyTolerance=-1"_s, u"ledForwardSpread=-0.1"_s});
        rows("Ohm's law", ohmsLawResults, u"voltageField=12;currentField=2"_s,
             {u"voltageField=-12"_s, u"currentField=-2"_s, u"currentField=0"_s});
        const QString sink = u"power=10;trChip=1.5;trHousingHeatsink=0.3;"
                             "trHeatSinkOrMaxTemperature=2;ambientTemperature=25"_s;
        rows("heat sink", shown<HeatSinkHandler>, sink,
             {u"power=-10"_s, u"trChip=-1"_s, u"trHousingHeatsink=-0.3"_s,
              u"trHeatSinkOrMaxTemperature=-2"_s, u"ambientTemperature=-300"_s});
        rows("heat sink, largest heat sink", shown<HeatSinkHandler>,
             u"maxTemperatureModeButton!;"_s + sink + u";trHeatSinkOrMaxTemperature=150"_s,
             {u"trHeatSinkOrMaxTemperature=-280"_s});
        rows("coil", shown<AirCoredCoilHandler>,
             u"multiLayerRadio!;turns=100;outerDiameter=25.4;innerDiameter=12.7;length=50.8"_s,
             {u"turns=-100"_s, u"outerDiameter=-25"_s, u"innerDiameter=-12"_s, u"length=-50"_s});
        rows("coil, turns", shown<AirCoredCoilHandler>,
             u"turnsSoughtRadio!;singleLayerRadio!;turns=10;outerDiameter=12;length=20"_s,
             {u"turns=-10"_s});
        rows("555", shown<NE555Handler>,
             u"astableButton!;r1ValueField=1000;r2ValueField=10000;c1ValueField=10"_s,
             {u"r1ValueField=-1000"_s, u"r2ValueField=-1"_s, u"c1ValueField=0"_s,
              u"resistorToleranceField=100"_s, u"capacitorToleranceField=-1"_s});
        rows("555 monostable", shown<NE555Handler>,
             u"monostableButton!;monostableR1ValueField=10000;monostableC1ValueField=100"_s,
             {u"monostableR1ValueField=-1"_s, u"monostableC1ValueField=-100"_s});
        rows("555 design", shown<NE555Handler>,
             u"designButton!;designFrequencyField=1000;designDutyField=60;designC1Field=0.1"_s,
             {u"designFrequencyField=-1000"_s, u"designC1Field=-1"_s},
             u"Every value must be a number above 0."_s);
        rows("regulator", shown<AdjustableRegulatorHandler>, u"voutField=5;minCurrentField=10"_s,
             {u"voutField=-5"_s, u"minCurrentField=-10"_s, u"voutField=1e39"_s,
              u"toleranceField=100"_s});
        rows("regulator, feedback", shown<AdjustableRegulatorHandler>,
             u"feedbackButton!;vrefBox=0.8;voutField=3.3;totalField=10k"_s,
             {u"vrefBox=-0.8"_s, u"totalField=-10k"_s, u"vrefToleranceField=-1"_s});
        rows("regulator, custom analysis", shown<AdjustableRegulatorHandler>,
             u"customButton!;analysisButton!;adjustVrefField=1.25;adjustCurrentField=50;"
             "r1Field=240;r2Field=720"_s,
             {u"adjustVrefField=-1"_s, u"adjustCurrentField=-50"_s, u"r1Field=-240"_s,
              u"r2Field=-1"_s});
        rows("op-amp gain", shown<OpAmpGainHandler>, u"gainField=10"_s,
             {u"gainField=-10"_s, u"toleranceField=100"_s});
        rows("op-amp gain analysis", shown<OpAmpGainHandler>,
             u"analysisButton!;rfField=47k;rgField=10k"_s,
             {u"rfField=-47k"_s, u"rgField=-1"_s, u"rfField=1e300;rgField=1e-300"_s});
        rows("RC", shown<RCAndLCHandler>, u"rcRField=10k;rcCField=100n"_s,
             {u"rcRField=-10k"_s, u"rcCField=-1"_s, u"rcCField=1e39"_s, u"rcToleranceField=100"_s,
              u"rcCapacitorToleranceField=-5"_s});
        rows("RC design", shown<RCAndLCHandler>, u"rcFrequencyRadio!;rcFrequencyField=1k"_s,
             {u"rcFrequencyField=-1k"_s});
        rows("RC design, τ", shown<RCAndLCHandler>, u"rcTauRadio!;rcTauField=1m"_s,
             {u"rcTauField=-1m"_s});
        rows("LC", shown<RCAndLCHandler>, u"lcButton!;lcLField=10;lcCField=100p;lcAtField=1M"_s,
             {u"lcLField=-10"_s, u"lcCField=-1"_s, u"lcAtField=-1M"_s, u"lcLToleranceField=100"_s});
        rows("LC, C sought", shown<RCAndLCHandler>,
             u"lcButton!;lcCapacitanceRadio!;lcFrequencyField=1M;lcLField=10"_s,
             {u"lcFrequencyField=-1M"_s});
        rows("series and parallel", shown<SeriesParallelConnectionHandler>,
             u"partsValueField=100;addButton!;partsValueField=220;addButton!"_s,
             {u"partsValueField=-100;addButton!"_s, u"toleranceField=100"_s});
        rows("divider", shown<VoltageDividerHandler>, u"designVinField=12;designVoutField=3.3"_s,
             {u"designVinField=-12"_s, u"designVoutField=-3.3"_s, u"designLoadField=-1k"_s,
              u"designTotalField=-10k"_s, u"designVinField=1e300;designVoutField=5e299"_s,
              u"designToleranceField=100"_s});
        rows("divider analysis", shown<VoltageDividerHandler>,
             u"analysisButton!;analysisVinField=10;analysisR1Field=10k;analysisR2Field=10k"_s,
             {u"analysisVinField=-10"_s, u"analysisR1Field=-1"_s, u"analysisR2Field=-1"_s,
              u"analysisLoadField=-1"_s, u"analysisVinField=1e300;analysisR1Field=1"_s,
              u"analysisSupplyToleranceField=-1"_s});
        rows("SMD codes", shown<SmdCodeHandler>, u"smdValue=10k"_s, {u"smdValue=-10k"_s},
             u"Type a resistance such as 4k7, 49.9k or 4700."_s);
        rows("capacitor codes", shown<CapacitorCodesHandler>, u"capValue=100n"_s,
             {u"capValue=-100n"_s, u"capValue=1e39"_s},
             u"Type a capacitance from 0.01 pF to 100 kF, such as 100n, 4.7u or 0.1 (µF)."_s);
    }
    void noNumberOutsideTheDomain()
    {
        QFETCH(Shown, panel);
        QFETCH(QString, valid);
        QFETCH(QString, outside);
        QFETCH(QString, sentence);
        QVERIFY(holdsNumber(panel(valid)));
        const QString after = panel(valid + u';' + outside);
        if (sentence.isEmpty())
            QVERIFY2(!holdsNumber(after), qPrintable(after));
        else
            QCOMPARE(after, sentence);
    }
};

QTEST_MAIN(TestPanelDomains)
#include "tst_paneldomains.moc"
