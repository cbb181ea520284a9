// SPDX-License-Identifier: GPL-3.0-or-later

// The heat sink panel as a user fills it: the modes, the mounting presets and the warning
// signs.

#include "gui/calculators/HeatSinkHandler.h"
#include "gui/calculators/WarningSignWidget.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

using namespace Qt::StringLiterals;

namespace {

const QString kTooHot = u"The ambient temperature is at or above the maximum chip temperature."_s;

struct HeatSinkPanel : zelkor::test::PanelFixture<HeatSinkHandler>
{
    // Whether the two signs, which always agree, are shown once their fades are over.
    bool warnings() const
    {
        QList<bool> shown;
        for (const char *name : {"warningSignMaxTemperature", "warningSignAmbientTemperature"}) {
            auto *sign = find<WarningSignWidget>(name);
            [[maybe_unused]] const bool faded =
                QTest::qWaitFor([sign] { return !sign->isFading(); });
            shown.append(sign->isVisibleTo(&panel));
        }
        if (shown[0] != shown[1])
            QTest::qFail("the two warning signs disagree", __FILE__, __LINE__);
        return shown[0];
    }
};

} // namespace

class TestHeatSinkHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // 25 °C + 10 W · 2 K/W = 45 °C at the sink, + 10 W · 0.3 K/W at the case, + 10 W · 1.5 K/W. The
    // largest power, 75 K / 3.8 K/W = 19.74 W, brings the junction to the maximum: 25 + 19.74 · 2
    // = 64.5 °C at the sink, + 19.74 · 0.3 = 70.4 °C at the case.
    void drawsTheValues()
    {
        HeatSinkPanel p;
        p.play(u"power=10;trChip=1.5;trHeatSinkOrMaxTemperature=2;ambientTemperature=25;"
               "trHousingHeatsink=#0"_s);
        QCOMPARE(p.missingFromDrawing({u"Junction 63.0 °C"_s, u"Case 48.0 °C"_s,
                                       u"Heat sink 45.0 °C"_s, u"Ambient 25.0 °C"_s}),
                 QString());
        p.play(u"maxPowerModeButton!;power=100"_s);
        QCOMPARE(p.missingFromDrawing({u"P 19.7 W"_s, u"Junction 100.0 °C"_s, u"Case 70.4 °C"_s,
                                       u"Heat sink 64.5 °C"_s}),
                 QString());
    }

    void panel_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("mountShown");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("warnings");
        const QString tooHot =
            u"maxTemperatureModeButton!;power=1;trChip=1.5;trHeatSinkOrMaxTemperature=25;"
            "ambientTemperature=25;trHousingHeatsink=#0"_s;
        QTest::newRow("chip temperature, mica washer")
            << u"power=10;trChip=1.5;trHeatSinkOrMaxTemperature=2;ambientTemperature=25;"
               "trHousingHeatsink=#0"_s
            << u"0.3"_s << u"Resulting chip temperature: 63.00"_s << false;
        QTest::newRow("heat sink, third preset")
            << u"maxTemperatureModeButton!;power=10;trChip=1.5;trHeatSinkOrMaxTemperature=125;"
               "ambientTemperature=25;trHousingHeatsink=#2"_s
            << u"0.1"_s << u"Max. heat sink resistance: 8.40 °K/W"_s << false;
        QTest::newRow("ambient at the maximum warns") << tooHot << u"0.3"_s << kTooHot << true;
        QTest::newRow("an incomplete input changes nothing")
            << tooHot + u";power=0"_s << u"0.3"_s << kTooHot << true;
        QTest::newRow("largest power, maximum in the power row")
            << u"maxPowerModeButton!;power=100;trChip=1.5;trHeatSinkOrMaxTemperature=2;"
               "ambientTemperature=25;trHousingHeatsink=#0"_s
            << u"0.3"_s << u"Largest power: 19.74 W"_s << false;
        QTest::newRow("a negative power leaves no result and no sign")
            << tooHot + u";power=-1"_s << u"0.3"_s << QString() << false;
        QTest::newRow("a cooler ambient takes the signs away")
            << tooHot + u";ambientTemperature=20"_s << u"0.3"_s
            << u"Max. heat sink resistance: 3.20 °K/W"_s << false;
    }
    void panel()
    {
        QFETCH(QString, steps);
        HeatSinkPanel p;
        p.play(steps);
        QTEST(p.find<QComboBox>("trHousingHeatsink")->currentText(), "mountShown");
        QTEST(p.output(), "output");
        QTEST(p.warnings(), "warnings");
    }

    void modeCaptionsFollowEvenWithoutInput()
    {
        HeatSinkPanel p;
        QLabel *caption = p.find<QLabel>("label1");
        QLabel *unit = p.find<QLabel>("label2");
        QCOMPARE(caption->text() + unit->text(), u"Heat sink thermal resistance:°K/W"_s);
        p.click("maxTemperatureModeButton");
        QCOMPARE(caption->text() + unit->text(), u"Max. chip temperature:°C"_s);
        p.click("maxPowerModeButton");
        QCOMPARE(unit->text(), u"°K/W"_s);
        QCOMPARE(p.find<QLabel>("powerUnitLabel")->text(), u"°C"_s);
        QVERIFY(p.output().isEmpty());
    }
};

QTEST_MAIN(TestHeatSinkHandler)
#include "tst_heatsinkhandler.moc"
