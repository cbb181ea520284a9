#include "calculators/HeatSinkHandler.h"
#include "calculators/WarningSignWidget.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QString chipTemperature(const char *digits)
{
    return QStringLiteral("Resulting chip temperature: ") + QLatin1String(digits);
}
const QList<bool> kNoWarnings = {false, false};
const QList<bool> kBothWarnings = {true, true};

struct HeatSinkPanel
{
    QWidget panel;
    HeatSinkHandler handler{&panel};
    QLineEdit *power = field("power");
    QLineEdit *chip = field("trChip");
    QComboBox *mount = panel.findChild<QComboBox *>(QStringLiteral("trHousingHeatsink"));
    QLineEdit *sinkOrMax = field("trHeatSinkOrMaxTemperature");
    QLineEdit *ambient = field("ambientTemperature");
    QLabel *output = label("outputField");
    QLabel *label1 = label("label1");
    QLabel *label2 = label("label2");
    QPushButton *sinkMode = button("sinkResistanceModeButton");
    QPushButton *temperatureMode = button("maxTemperatureModeButton");
    WarningSignWidget *maxWarning =
        panel.findChild<WarningSignWidget *>(QStringLiteral("warningSignMaxTemperature"));
    WarningSignWidget *ambientWarning =
        panel.findChild<WarningSignWidget *>(QStringLiteral("warningSignAmbientTemperature"));

    HeatSinkPanel() { panel.show(); }

    QLineEdit *field(const char *name)
    {
        return panel.findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    QLabel *label(const char *name) { return panel.findChild<QLabel *>(QString::fromLatin1(name)); }
    QPushButton *button(const char *name)
    {
        return panel.findChild<QPushButton *>(QString::fromLatin1(name));
    }

    static void type(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
    }
    // The way a user picks from the list: open it and click the item.
    void chooseMounting(int index)
    {
        mount->showPopup();
        QAbstractItemView *list = mount->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QRect item = list->visualRect(list->model()->index(index, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_VERIFY(!list->isVisible());
    }
    void fill(QPushButton *mode, const QString &p, const QString &chipR, int preset,
              const QString &x, const QString &amb)
    {
        QTest::mouseClick(mode, Qt::LeftButton);
        type(power, p);
        type(chip, chipR);
        type(sinkOrMax, x);
        type(ambient, amb);
        chooseMounting(preset);
    }
    // Visibility of the two signs once their fades are over.
    QList<bool> warnings() const
    {
        QTest::qWait(WarningSignWidget::kFadeMilliseconds + 100);
        return {maxWarning->isVisibleTo(&panel), ambientWarning->isVisibleTo(&panel)};
    }
};

} // namespace

class TestHeatSinkHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void computes_data()
    {
        QTest::addColumn<bool>("temperatureMode");
        QTest::addColumn<QString>("power");
        QTest::addColumn<QString>("chip");
        QTest::addColumn<int>("preset");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("ambient");
        QTest::addColumn<QString>("mountShown");
        QTest::addColumn<QString>("output");
        QTest::newRow("chip temperature with mica washer") << false << "10"
                                                           << "1.5" << 0 << "2"
                                                           << "25"
                                                           << "0.3" << chipTemperature("63.00");
        QTest::newRow("chip temperature in frost") << false << "5"
                                                   << "2.5" << 1 << "4"
                                                   << "-10"
                                                   << "0.1" << chipTemperature("23.00");
        QTest::newRow("chip temperature at 0 degrees ambient") << false << "10"
                                                               << "1.5" << 0 << "2"
                                                               << "0"
                                                               << "0.3" << chipTemperature("38.00");
        QTest::newRow("heat sink for 150 degrees")
            << true << "10"
            << "1.5" << 0 << "150"
            << "25"
            << "0.3" << QString::fromUtf8("Max. heat sink resistance: 10.70 °K/W");
        QTest::newRow("heat sink for 125 degrees, third preset")
            << true << "10"
            << "1.5" << 2 << "125"
            << "25"
            << "0.1" << QString::fromUtf8("Max. heat sink resistance: 8.40 °K/W");
        QTest::newRow("no heat sink suffices")
            << true << "100"
            << "1.5" << 0 << "150"
            << "25"
            << "0.3"
            << "No heat sink can keep the chip below its maximum temperature.";
    }
    void computes()
    {
        QFETCH(bool, temperatureMode);
        QFETCH(QString, power);
        QFETCH(QString, chip);
        QFETCH(int, preset);
        QFETCH(QString, x);
        QFETCH(QString, ambient);
        QFETCH(QString, mountShown);
        QFETCH(QString, output);

        HeatSinkPanel p;
        p.fill(temperatureMode ? p.temperatureMode : p.sinkMode, power, chip, preset, x, ambient);
        QCOMPARE(p.mount->currentText(), mountShown);
        QCOMPARE(p.output->text(), output);
        QCOMPARE(p.warnings(), kNoWarnings);
    }

    void ambientAtMaximumWarnsUntilCooler()
    {
        HeatSinkPanel p;
        p.fill(p.temperatureMode, QStringLiteral("1"), QStringLiteral("1.5"), 0,
               QStringLiteral("25"), QStringLiteral("25"));
        QCOMPARE(
            p.output->text(),
            QStringLiteral("The ambient temperature is at or above the maximum chip temperature."));
        QCOMPARE(p.warnings(), kBothWarnings);

        HeatSinkPanel::type(p.ambient, QStringLiteral("20"));
        QCOMPARE(p.output->text(), QString::fromUtf8("Max. heat sink resistance: 3.20 °K/W"));
        QCOMPARE(p.warnings(), kNoWarnings);
    }

    void incompleteInputKeepsResult_data()
    {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("text");
        QTest::newRow("ambient emptied") << "ambientTemperature"
                                         << "";
        QTest::newRow("power zero") << "power"
                                    << "0";
        QTest::newRow("chip resistance not a number") << "trChip"
                                                      << "abc";
        QTest::newRow("ideal heat sink") << "trHeatSinkOrMaxTemperature"
                                         << "0";
    }
    void incompleteInputKeepsResult()
    {
        QFETCH(QString, fieldName);
        QFETCH(QString, text);
        HeatSinkPanel p;
        p.fill(p.sinkMode, QStringLiteral("10"), QStringLiteral("1.5"), 0, QStringLiteral("2"),
               QStringLiteral("25"));
        QCOMPARE(p.output->text(), chipTemperature("63.00"));
        HeatSinkPanel::type(p.panel.findChild<QLineEdit *>(fieldName), text);
        QCOMPARE(p.output->text(), chipTemperature("63.00"));
    }

    void modeCaptionsFollowEvenWithoutInput()
    {
        HeatSinkPanel p;
        QCOMPARE(p.label1->text(), QStringLiteral("Heat sink thermal resistance:"));
        QCOMPARE(p.label2->text(), QString::fromUtf8("°K/W"));
        QTest::mouseClick(p.temperatureMode, Qt::LeftButton);
        QCOMPARE(p.label1->text(), QStringLiteral("Max. chip temperature:"));
        QCOMPARE(p.label2->text(), QString::fromUtf8("°C"));
        QTest::mouseClick(p.sinkMode, Qt::LeftButton);
        QCOMPARE(p.label1->text(), QStringLiteral("Heat sink thermal resistance:"));
        QVERIFY(p.output->text().isEmpty());
    }

    void germanDecimalComma()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            HeatSinkPanel p;
            p.fill(p.temperatureMode, QStringLiteral("10"), QStringLiteral("1.5"), 0,
                   QStringLiteral("150"), QStringLiteral("25"));
            QCOMPARE(p.mount->currentText(), QStringLiteral("0,3"));
            QCOMPARE(p.output->text(), QString::fromUtf8("Max. heat sink resistance: 10.70 °K/W"));
        }
        QLocale::setDefault(previous);
    }
};

QTEST_MAIN(TestHeatSinkHandler)
#include "tst_HeatSinkHandler.moc"
