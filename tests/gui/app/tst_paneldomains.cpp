// SPDX-License-Identifier: GPL-3.0-or-later

// A value outside its input's domain leaves no number on the panel: from inputs that give a
// result, each field in turn gets a value no such part or quantity has, and whatever the panel
// showed computed from the old value is gone.

#include "gui/calculators/AirCoredCoilHandler.h"
#include "gui/calculators/HeatSinkHandler.h"
#include "gui/calculators/LEDDroppingResistorHandler.h"
#include "gui/calculators/NE555Handler.h"
#include "gui/calculators/OhmsLawHandler.h"
#include "gui/calculators/RCAndLCHandler.h"
#include "gui/calculators/SeriesParallelConnectionHandler.h"
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
              u"ledOperatingCurrent=1e39"_s});
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
             {u"r1ValueField=-1000"_s, u"r2ValueField=-1"_s, u"c1ValueField=0"_s});
        rows("555 monostable", shown<NE555Handler>,
             u"monostableButton!;monostableR1ValueField=10000;monostableC1ValueField=100"_s,
             {u"monostableR1ValueField=-1"_s, u"monostableC1ValueField=-100"_s});
        rows("555 design", shown<NE555Handler>,
             u"designButton!;designFrequencyField=1000;designDutyField=60;designC1Field=0.1"_s,
             {u"designFrequencyField=-1000"_s, u"designC1Field=-1"_s},
             u"Every value must be a number above 0."_s);
        rows("RC", shown<RCAndLCHandler>, u"rcRField=10k;rcCField=100n"_s,
             {u"rcRField=-10k"_s, u"rcCField=-1"_s, u"rcCField=1e39"_s});
        rows("RC design", shown<RCAndLCHandler>, u"rcFrequencyRadio!;rcFrequencyField=1k"_s,
             {u"rcFrequencyField=-1k"_s});
        rows("RC design, τ", shown<RCAndLCHandler>, u"rcTauRadio!;rcTauField=1m"_s,
             {u"rcTauField=-1m"_s});
        rows("LC", shown<RCAndLCHandler>, u"lcButton!;lcLField=10;lcCField=100p;lcAtField=1M"_s,
             {u"lcLField=-10"_s, u"lcCField=-1"_s, u"lcAtField=-1M"_s});
        rows("LC, C sought", shown<RCAndLCHandler>,
             u"lcButton!;lcCapacitanceRadio!;lcFrequencyField=1M;lcLField=10"_s,
             {u"lcFrequencyField=-1M"_s});
        rows("series and parallel", shown<SeriesParallelConnectionHandler>,
             u"partsValueField=100;addButton!;partsValueField=220;addButton!"_s,
             {u"partsValueField=-100;addButton!"_s});
        rows("SMD codes", shown<SmdCodeHandler>, u"smdValue=10k"_s, {u"smdValue=-10k"_s},
             u"Type a resistance such as 4k7, 49.9k or 4700."_s);
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
