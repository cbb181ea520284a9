// Renders the main window with each panel showing typical input, one PNG per panel, in the
// light palette (<scene>.png) and in a dark one (<scene>-dark.png). Started with
// QT_SCALE_FACTOR=2 it renders the scenes marked for it at double scale instead
// (<scene>@2x.png). Run through scripts/screenshots, which starts it under Xvfb.

#include "gui/app/ZelkorAppDelegate.h"
#include "gui/categories/OutlineViewDataSource.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QSettings>
#include <QStyleFactory>
#include <QTest>

#include <functional>

namespace {

struct Scene
{
    const char *file; // docs/screenshots/<file>.png
    int row;          // row in the source list
    std::function<void(QWidget *panel)> prepare;
    bool atDoubleScale = false; // also rendered in the 200 % pass
};

void type(QWidget *panel, const char *field, const char *text)
{
    if (auto *edit = panel->findChild<QLineEdit *>(QString::fromLatin1(field))) {
        edit->clear();
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }
}

void choose(QWidget *panel, const char *combo, int index)
{
    if (auto *box = panel->findChild<QComboBox *>(QString::fromLatin1(combo))) {
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }
}

void click(QWidget *panel, const char *button)
{
    if (auto *widget = panel->findChild<QAbstractButton *>(QString::fromLatin1(button)))
        QTest::mouseClick(widget, Qt::LeftButton);
}

const std::vector<Scene> &scenes()
{
    static const std::vector<Scene> all = {
        {"resistor-colour-codes", 1,
         [](QWidget *panel) {
             choose(panel, "fourBandsFirstBand", 3);  // yellow
             choose(panel, "fourBandsSecondBand", 7); // violet
             choose(panel, "fourBandsThirdBand", 5);  // orange
             choose(panel, "fourBandsFourthBand", 3); // gold
         },
         true},
        {"resistor-colour-codes-5-bands", 1,
         [](QWidget *panel) {
             click(panel, "fiveBandsSegment");
             choose(panel, "fiveBandsFirstBand", 1);  // red
             choose(panel, "fiveBandsSecondBand", 2); // red
             choose(panel, "fiveBandsThirdBand", 0);  // black
             choose(panel, "fiveBandsFourthBand", 2); // black
             choose(panel, "fiveBandsFifthBand", 2);  // brown
             QTest::qWait(300);                       // let the page fade finish
         }},
        {"resistor-colour-codes-6-bands", 1,
         [](QWidget *panel) {
             click(panel, "sixBandsSegment");
             choose(panel, "valueTolerance", 4); // 1 %
             type(panel, "resistanceValue", "4k7");
             QTest::qWait(300); // let the page fade finish
         }},
        {"led-dropping-resistor", 2,
         [](QWidget *panel) {
             type(panel, "ledSupplyVoltage", "12");
             type(panel, "ledOperatingCurrent", "20");
             choose(panel, "ledForwardBias", 1);
         },
         true},
        {"ohms-law", 4,
         [](QWidget *panel) {
             type(panel, "voltageField", "12");
             type(panel, "currentField", "0.5");
         }},
        {"air-cored-coil", 9,
         [](QWidget *panel) {
             if (auto *multi =
                     panel->findChild<QAbstractButton *>(QStringLiteral("multiLayerRadio")))
                 multi->click();
             type(panel, "turns", "100");
             type(panel, "outerDiameter", "25.4");
             type(panel, "innerDiameter", "12.7");
             type(panel, "length", "50.8");
         }},
        {"ne555-timer", 13,
         [](QWidget *panel) {
             type(panel, "r1ValueField", "1000");
             type(panel, "r2ValueField", "10000");
             type(panel, "c1ValueField", "10");
         }},
        {"about", 15, {}},
        {"series-parallel", 5,
         [](QWidget *panel) {
             for (const char *part : {"100", "220", "470", "1000"}) {
                 type(panel, "partsValueField", part);
                 QTest::keyClick(panel->findChild<QLineEdit *>(QStringLiteral("partsValueField")),
                                 Qt::Key_Return);
             }
         }},
        {"tube-designations", 11, [](QWidget *panel) { type(panel, "tubeNumber", "EABC80"); },
         true},
        {"heat-sink", 7,
         [](QWidget *panel) {
             click(panel, "sinkResistanceModeButton");
             type(panel, "power", "10");
             type(panel, "trChip", "1.5");
             type(panel, "trHeatSinkOrMaxTemperature", "2");
             type(panel, "ambientTemperature", "25");
             choose(panel, "trHousingHeatsink", 0);
         },
         true},
        {"heat-sink-temperature", 7,
         [](QWidget *panel) {
             click(panel, "maxTemperatureModeButton");
             type(panel, "trHeatSinkOrMaxTemperature", "150");
             choose(panel, "trHousingHeatsink", 0);
         }},
    };
    return all;
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
    ZelkorAppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QWidget *window = delegate.window();
    window->resize(800, 520);
    QTest::qWait(400); // let the window fade finish

    for (const Scene &scene : scenes()) {
        if (doubleScaleOnly && !scene.atDoubleScale)
            continue;
        delegate.containerView()->setTransitionEnabled(false);
        delegate.categoriesOutlineView()->selectRow(scene.row);
        QWidget *panel = delegate.containerView()->panel();
        if (scene.prepare)
            scene.prepare(panel);
        QTest::qWait(50);
        const QString path =
            outDir + u'/' + QString::fromLatin1(scene.file) + suffix + QStringLiteral(".png");
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
    QSettings().setValue(QLatin1String(ZelkorAppDelegate::kDonationShownKey), true);
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
