// SPDX-License-Identifier: GPL-3.0-or-later

// The air-cored coil panel as a user fills it in: the two sought quantities, the winding choice,
// and what stays shown when the input describes no coil.

#include "gui/calculators/AirCoredCoilHandler.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

struct CoilPanel : zelkor::test::PanelFixture<AirCoredCoilHandler>
{
    void chooseWinding(bool multiLayer)
    {
        auto *radio = find<QRadioButton>(multiLayer ? "multiLayerRadio" : "singleLayerRadio");
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    }
};

} // namespace

class TestAirCoredCoilHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void turnsForAnInductanceOnThePanel()
    {
        CoilPanel p;
        p.click("turnsSoughtRadio");
        QCOMPARE(p.find<QLabel>("turnsLabel")->text(), u"Inductance"_s);
        QCOMPARE(p.find<QLabel>("turnsUnitLabel")->text(), u"µH"_s);
        p.play(u"turns=102.548;outerDiameter=25.4;length=50.8"_s);
        QCOMPARE(p.output(), u"Turns (Nagaoka): 100.00\nTurns (Wheeler): 100.25"_s);
        p.click("inductanceSoughtRadio");
        QCOMPARE(p.find<QLabel>("turnsLabel")->text(), u"Turns"_s);
    }

    // The winding choice rules the inner diameter even when nothing is typed.
    void windingChoice()
    {
        CoilPanel p;
        for (const bool multiLayer : {false, true, false}) {
            p.chooseWinding(multiLayer);
            QCOMPARE(p.find<QLineEdit>("innerDiameter")->isEnabled(), multiLayer);
            QCOMPARE(p.output(), QString());
        }
    }

    void panelKeepsTheLastCoil()
    {
        CoilPanel p;
        p.chooseWinding(true);
        p.play(u"turns=100;outerDiameter=25.4;innerDiameter=12.7 mm;length=50.8"_s);
        QCOMPARE(p.output(), u"Inductance: 49.451µH"_s);
        p.chooseWinding(false);
        QCOMPARE(p.output(), u"Exact (Nagaoka): 102.548µH\nWheeler: 102.041µH (−0.49 %)"_s);
        // Inputs that describe no coil leave the result in place.
        p.chooseWinding(true);
        p.play(u"outerDiameter=5;length=;outerDiameter=25.4"_s);
        QCOMPARE(p.output(), u"Inductance: 49.451µH"_s);
    }
};

QTEST_MAIN(TestAirCoredCoilHandler)
#include "tst_aircoredcoilhandler.moc"
