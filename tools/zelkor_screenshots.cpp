// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the main window at the size it has on a first start, with each panel showing typical
// input, one PNG per panel, in the light palette (<scene>.png) and in a dark one
// (<scene>-dark.png). Started with QT_SCALE_FACTOR=2 it renders the scenes marked for it at
// double scale instead (<scene>@2x.png). Run through scripts/screenshots, which starts it under
// Xvfb. A scene's inputs go in the way kept inputs do at a start: through the panel's
// restoreState() and recalculate().

#include "core/text/Texts.h"
#include "gui/app/PanelContainer.h"
#include "gui/app/PanelHandler.h"
#include "gui/app/PanelRegistry.h"
#include "gui/app/Panels.h"
#include "gui/app/ZelkorAppDelegate.h"
#include "gui/categories/OutlineViewDataSource.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QSettings>
#include <QStyleFactory>
#include <QTest>

#include <cctype>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct Scene
{
    std::string file;  // docs/screenshots/<file>.png
    const char *panel; // the panel's title key
    QVariantMap inputs;
    bool atDoubleScale = false; // also rendered in the 200 % pass
    const char *find = "";      // typed into the find field above the list
};

const std::vector<Scene> &scenes()
{
    using L = QStringList;
    static const std::vector<Scene> all = {
        {"resistor-colour-codes",
         "ResistorColors",
         {{u"bands"_s, u"four"_s},
          {u"fourBands"_s, L{u"yellow"_s, u"violet"_s, u"orange"_s, u"gold"_s}}},
         true},
        {"resistor-colour-codes-5-bands",
         "ResistorColors",
         {{u"bands"_s, u"five"_s},
          {u"fiveBands"_s, L{u"red"_s, u"red"_s, u"black"_s, u"black"_s, u"brown"_s}}}},
        {"resistor-colour-codes-6-bands",
         "ResistorColors",
         {{u"bands"_s, u"six"_s},
          {u"sixBands"_s,
           L{u"yellow"_s, u"violet"_s, u"black"_s, u"brown"_s, u"brown"_s, u"red"_s}}}},
        {"smd-resistor-codes", "SmdCodes", {{u"code"_s, u"01C"_s}}},
        {"led-dropping-resistor",
         "LEDDroppingResistor",
         {{u"supply"_s, u"12"_s},
          {u"current"_s, u"20"_s},
          {u"forward"_s, u"2.0"_s},
          {u"supply_tolerance"_s, u"5"_s},
          {u"forward_spread"_s, u"0.1"_s}},
         true},
        {"ohms-law",
         "OhmsLaw",
         {{u"voltage"_s, u"12"_s},
          {u"current"_s, u"0.5"_s},
          {u"given"_s, L{u"voltage"_s, u"current"_s}}}},
        {"air-cored-coil",
         "AirCoredCoils",
         {{u"winding"_s, u"multi"_s},
          {u"turns"_s, u"100"_s},
          {u"outer"_s, u"25.4"_s},
          {u"inner"_s, u"12.7"_s},
          {u"length"_s, u"50.8"_s}}},
        {"inductor-colour-codes",
         "InductorColors",
         {{u"bands"_s, L{u"yellow"_s, u"violet"_s, u"gold"_s, u"gold"_s}}}},
        {"ne555-timer",
         "NE555",
         {{u"r1"_s, u"1000"_s},
          {u"r2"_s, u"10000"_s},
          {u"c"_s, u"10"_s},
          {u"c_tolerance"_s, u"20"_s}}},
        {"ne555-design",
         "NE555",
         {{u"mode"_s, u"design"_s},
          {u"design_frequency"_s, u"1k"_s},
          {u"design_duty"_s, u"60"_s},
          {u"design_c"_s, u"100n"_s},
          {u"c_tolerance"_s, QString()}}},
        {"adjustable-regulator-lm317",
         "AdjustableRegulator",
         {{u"kind"_s, u"lm317"_s},
          {u"mode"_s, u"analysis"_s},
          {u"r1"_s, u"240"_s},
          {u"r2"_s, u"720"_s},
          {u"tolerance"_s, u"1"_s}}},
        {"op-amp-gain-analysis",
         "OpAmpGain",
         {{u"circuit"_s, u"inverting"_s},
          {u"mode"_s, u"analysis"_s},
          {u"rf"_s, u"47k"_s},
          {u"rg"_s, u"10k"_s},
          {u"tolerance"_s, u"1"_s}}},
        {"ohms-law-resistance",
         "OhmsLaw",
         {{u"voltage"_s, u"5"_s},
          {u"resistance"_s, u"4k7"_s},
          {u"given"_s, L{u"voltage"_s, u"resistance"_s}}}},
        {"air-cored-coil-turns",
         "AirCoredCoils",
         {{u"winding"_s, u"single"_s},
          {u"sought"_s, u"turns"_s},
          {u"turns"_s, u"10"_s},
          {u"outer"_s, u"12"_s},
          {u"length"_s, u"20"_s}}},
        {"series-parallel-target",
         "SeriesParallelConnection",
         {{u"mode"_s, u"target"_s}, {u"target"_s, u"1234"_s}, {u"series"_s, u"E24"_s}}},
        {"voltage-divider-analysis",
         "VoltageDivider",
         {{u"mode"_s, u"analysis"_s},
          {u"analysis_vin"_s, u"10"_s},
          {u"analysis_r1"_s, u"10k"_s},
          {u"analysis_r2"_s, u"10k"_s},
          {u"analysis_load"_s, u"10k"_s},
          {u"analysis_tolerance"_s, u"1"_s}}},
        {"about", "About", {}},
        {"find-a-panel", "VoltageDivider", {}, false, "volt"},
        {"series-parallel",
         "SeriesParallelConnection",
         {{u"mode"_s, u"list"_s},
          {u"parts"_s, L{u"100"_s, u"220"_s, u"470"_s, u"1000"_s}},
          {u"entry"_s, u"1000"_s}}},
        {"tube-designations", "TubeIdent", {{u"designation"_s, u"EABC80"_s}}, true},
        {"rc-and-lc-design",
         "RCAndLC",
         {{u"circuit"_s, u"rc"_s},
          {u"mode"_s, u"frequency"_s},
          {u"frequency"_s, u"1k"_s},
          {u"series"_s, u"E24"_s},
          {u"c_series"_s, u"E6"_s}}},
        {"rc-and-lc-resonance",
         "RCAndLC",
         {{u"circuit"_s, u"lc"_s},
          {u"lc_sought"_s, u"frequency"_s},
          {u"lc_l"_s, u"10"_s},
          {u"lc_c"_s, u"100p"_s},
          {u"lc_at"_s, u"1M"_s}}},
        {"heat-sink",
         "HeatSinks",
         {{u"mode"_s, u"sink"_s},
          {u"power"_s, u"10"_s},
          {u"chip"_s, u"1.5"_s},
          {u"sink"_s, u"2"_s},
          {u"ambient"_s, u"25"_s},
          {u"mount"_s, u"0.3"_s}},
         true},
        {"heat-sink-temperature",
         "HeatSinks",
         {{u"mode"_s, u"max_temp"_s},
          {u"power"_s, u"10"_s},
          {u"chip"_s, u"1.5"_s},
          {u"sink"_s, u"150"_s},
          {u"ambient"_s, u"25"_s},
          {u"mount"_s, u"0.3"_s}}},
        {"heat-sink-power",
         "HeatSinks",
         {{u"mode"_s, u"max_power"_s},
          {u"power"_s, u"125"_s},
          {u"chip"_s, u"1.5"_s},
          {u"sink"_s, u"2"_s},
          {u"ambient"_s, u"40"_s},
          {u"mount"_s, u"0.3"_s}}},
    };
    return all;
}

// "voltage-divider" for "VoltageDivider", "rc-and-lc" for "RCAndLC".
std::string fileName(const char *titleKey)
{
    const std::string key(titleKey);
    std::string file;
    for (std::size_t i = 0; i < key.size(); ++i) {
        const bool upper = std::isupper(static_cast<unsigned char>(key[i]));
        const bool afterLower = i > 0 && std::islower(static_cast<unsigned char>(key[i - 1]));
        const bool endsAcronym = i > 0 && i + 1 < key.size() &&
                                 std::isupper(static_cast<unsigned char>(key[i - 1])) &&
                                 std::islower(static_cast<unsigned char>(key[i + 1]));
        if (upper && (afterLower || endsAcronym))
            file += '-';
        file += static_cast<char>(std::tolower(static_cast<unsigned char>(key[i])));
    }
    return file;
}

// The scenes above, and one for each panel whose registry row has a sample.
std::vector<Scene> allScenes()
{
    std::vector<Scene> all = scenes();
    for (const PanelEntry &entry : panelRegistry()) {
        if (!entry.sample)
            continue;
        QVariantMap inputs;
        for (const QString &pair : QString::fromUtf8(entry.sample).split(u';'))
            inputs.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        all.push_back({fileName(entry.titleKey), entry.titleKey, inputs});
    }
    return all;
}

// Shows the panel through the source list and puts the scene's inputs in.
void show(ZelkorAppDelegate &app, const Scene &scene)
{
    SourceListView *list = app.categoriesOutlineView();
    Panels *panels = app.panels();
    for (int row = 0; row < list->numberOfRows(); ++row) {
        QWidget *view = app.outlineViewDataSource()->nodeForIndex(list->itemAtRow(row))->viewToOpen;
        if (view && qstrcmp(panels->entry(panels->indexOf(view)).titleKey, scene.panel) == 0) {
            list->selectRow(row);
            PanelHandler *handler = panels->build(view);
            handler->restoreState(scene.inputs);
            handler->recalculate();
            return;
        }
    }
    qWarning("no panel %s", scene.panel);
}

// A dark palette like the ones desktops offer, for checking that nothing depends on light
// window colours.
QPalette darkPalette()
{
    const QColor window(0x33, 0x33, 0x36);
    const QColor base(0x23, 0x23, 0x26);
    const QColor text(0xe8, 0xe8, 0xea);
    const QColor dimmed(0x80, 0x80, 0x84);
    QPalette dark;
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, QColor(0x2c, 0x2c, 0x30));
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, dimmed);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, QColor(0x3c, 0x3c, 0x40));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::BrightText, QColor(0xff, 0x6b, 0x6b));
    dark.setColor(QPalette::Light, QColor(0x4a, 0x4a, 0x4e));
    dark.setColor(QPalette::Midlight, QColor(0x42, 0x42, 0x46));
    dark.setColor(QPalette::Mid, QColor(0x2a, 0x2a, 0x2d));
    dark.setColor(QPalette::Dark, QColor(0x1e, 0x1e, 0x20));
    dark.setColor(QPalette::Shadow, Qt::black);
    dark.setColor(QPalette::Link, QColor(0x6c, 0xb4, 0xff));
    dark.setColor(QPalette::Highlight, QColor(0x2f, 0x7d, 0xd1));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, dimmed);
    return dark;
}

// Renders every scene (or only those for the 200 % pass) into outDir/<scene><suffix>.png.
bool render(const QString &outDir, const QString &suffix, bool doubleScaleOnly)
{
    // Each pass starts as a first start does: nothing kept but the answered donation sheet.
    zelkor::test::clearSettings();
    QSettings().setValue(QLatin1String(ZelkorAppDelegate::kDonationShownKey), true);
    ZelkorAppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QWidget *window = delegate.window();
    QTest::qWait(400); // let the window fade finish
    delegate.containerView()->setTransitionEnabled(false);

    for (const Scene &scene : allScenes()) {
        if (doubleScaleOnly && !scene.atDoubleScale)
            continue;
        delegate.findField()->setText(QString::fromUtf8(scene.find));
        show(delegate, scene);
        QTest::qWait(300); // let page fades and warning signs finish
        const QString path =
            outDir + u'/' + QString::fromStdString(scene.file) + suffix + QStringLiteral(".png");
        if (!window->grab().save(path)) {
            qWarning("cannot write %s", qPrintable(path));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zelkor::test::initIsolatedApp();
    // The same style for every pass, so that only the palette differs between them.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    const QString outDir =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(outDir);

    if (qApp->devicePixelRatio() > 1.0)
        return render(outDir, QStringLiteral("@2x"), true) ? 0 : 1;

    if (!render(outDir, {}, false))
        return 1;
    QApplication::setPalette(darkPalette());
    return render(outDir, QStringLiteral("-dark"), false) ? 0 : 1;
}
