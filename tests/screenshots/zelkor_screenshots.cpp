// Renders the main window with each panel showing typical input, one PNG per panel.
// Run through scripts/screenshots, which starts it under Xvfb.

#include "app/ZelkorAppDelegate.h"
#include "categories/OutlineViewDataSource.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

#include <functional>

namespace {

struct Scene
{
    const char *file;     // docs/screenshots/<file>.png
    int row;              // row in the source list
    std::function<void(QWidget *panel)> prepare;
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
         }},
        {"resistor-colour-codes-5-bands", 1,
         [](QWidget *panel) {
             click(panel, "fiveBandsSegment");
             choose(panel, "fiveBandsFirstBand", 1);  // red
             choose(panel, "fiveBandsSecondBand", 2); // red
             choose(panel, "fiveBandsThirdBand", 0);  // black
             choose(panel, "fiveBandsFourthBand", 2); // black
             choose(panel, "fiveBandsFifthBand", 2);  // brown
             QTest::qWait(300); // let the page fade finish
         }},
        {"led-dropping-resistor", 2,
         [](QWidget *panel) {
             type(panel, "ledSupplyVoltage", "12");
             type(panel, "ledOperatingCurrent", "20");
             choose(panel, "ledForwardBias", 1);
         }},
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
        {"tube-designations", 11, [](QWidget *panel) { type(panel, "tubeNumber", "ECC83"); }},
        {"heat-sink", 7,
         [](QWidget *panel) {
             click(panel, "sinkResistanceModeButton");
             type(panel, "power", "10");
             type(panel, "trChip", "1.5");
             type(panel, "trHeatSinkOrMaxTemperature", "2");
             type(panel, "ambientTemperature", "25");
             choose(panel, "trHousingHeatsink", 0);
         }},
        {"heat-sink-temperature", 7,
         [](QWidget *panel) {
             click(panel, "maxTemperatureModeButton");
             type(panel, "trHeatSinkOrMaxTemperature", "150");
             choose(panel, "trHousingHeatsink", 0);
         }},
    };
    return all;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zelkor::test::initIsolatedApp();
    QSettings().setValue(QLatin1String(ZelkorAppDelegate::kDonationShownKey), true);

    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral("docs/screenshots");
    QDir().mkpath(outDir);

    ZelkorAppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QWidget *window = delegate.window();
    window->resize(800, 520);
    QTest::qWait(400); // let the window fade finish

    for (const Scene &scene : scenes()) {
        delegate.containerView()->setTransitionEnabled(false);
        delegate.categoriesOutlineView()->selectRow(scene.row);
        QWidget *panel = delegate.containerView()->panel();
        if (scene.prepare)
            scene.prepare(panel);
        QTest::qWait(50);
        const QString path = outDir + u'/' + QString::fromLatin1(scene.file) + QStringLiteral(".png");
        if (!window->grab().save(path)) {
            qWarning("cannot write %s", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
