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

const QString kTooHot =
    QStringLiteral("The ambient temperature is at or above the maximum chip temperature.");
const QList<bool> kNoWarnings = {false, false};
const QList<bool> kBothWarnings = {true, true};

struct HeatSinkPanel
{
    QWidget panel;
    HeatSinkHandler handler{&panel};
    QComboBox *mount = panel.findChild<QComboBox *>(QStringLiteral("trHousingHeatsink"));
    QLabel *output = panel.findChild<QLabel *>(QStringLiteral("outputField"));

    HeatSinkPanel() { panel.show(); }

    template <typename T> T *get(const char *name)
    {
        return panel.findChild<T *>(QString::fromLatin1(name));
    }
    void type(const char *field, const QString &text)
    {
        QLineEdit *edit = get<QLineEdit>(field);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
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
    void chooseMode(bool maxTemperature)
    {
        QTest::mouseClick(get<QPushButton>(maxTemperature ? "maxTemperatureModeButton"
                                                          : "sinkResistanceModeButton"),
                          Qt::LeftButton);
    }
    // inputs: power, chip resistance, mounting preset index, mode field and ambient, by blanks.
    void fill(bool maxTemperature, const QString &inputs)
    {
        const QStringList v = inputs.split(u' ');
        chooseMode(maxTemperature);
        type("power", v[0]);
        type("trChip", v[1]);
        type("trHeatSinkOrMaxTemperature", v[3]);
        type("ambientTemperature", v[4]);
        chooseMounting(v[2].toInt());
    }
    // Visibility of the two signs once their fades are over.
    QList<bool> warnings()
    {
        QList<bool> shown;
        for (const char *name : {"warningSignMaxTemperature", "warningSignAmbientTemperature"}) {
            auto *sign = get<WarningSignWidget>(name);
            [[maybe_unused]] const bool faded =
                QTest::qWaitFor([sign] { return !sign->isFading(); });
            shown.append(sign->isVisibleTo(&panel));
        }
        return shown;
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
        QTest::addColumn<bool>("maxTemperature");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("mountShown");
        QTest::addColumn<QString>("output");
        QTest::newRow("chip temperature, mica washer") << false << "10 1.5 0 2 25"
                                                       << "0.3"
                                                       << "Resulting chip temperature: 63.00";
        QTest::newRow("chip temperature at 0 degrees ambient")
            << false << "10 1.5 0 2 0"
            << "0.3"
            << "Resulting chip temperature: 38.00";
        QTest::newRow("heat sink, third preset")
            << true << "10 1.5 2 125 25"
            << "0.1" << QString::fromUtf8("Max. heat sink resistance: 8.40 °K/W");
    }
    void computes()
    {
        QFETCH(bool, maxTemperature);
        QFETCH(QString, inputs);
        QFETCH(QString, mountShown);
        QFETCH(QString, output);
        HeatSinkPanel p;
        p.fill(maxTemperature, inputs);
        QCOMPARE(p.mount->currentText(), mountShown);
        QCOMPARE(p.output->text(), output);
        QCOMPARE(p.warnings(), kNoWarnings);
    }

    void ambientAtMaximumWarnsUntilCooler()
    {
        HeatSinkPanel p;
        p.fill(true, QStringLiteral("1 1.5 0 25 25"));
        QCOMPARE(p.output->text(), kTooHot);
        QCOMPARE(p.warnings(), kBothWarnings);

        p.type("ambientTemperature", QStringLiteral("20"));
        QCOMPARE(p.output->text(), QString::fromUtf8("Max. heat sink resistance: 3.20 °K/W"));
        QCOMPARE(p.warnings(), kNoWarnings);
    }

    void incompleteInputKeepsResultAndWarnings()
    {
        HeatSinkPanel p;
        p.fill(true, QStringLiteral("1 1.5 0 25 25"));
        p.type("ambientTemperature", QString());
        p.type("power", QStringLiteral("0"));
        QCOMPARE(p.output->text(), kTooHot);
        QCOMPARE(p.warnings(), kBothWarnings);
    }

    void modeCaptionsFollowEvenWithoutInput()
    {
        HeatSinkPanel p;
        QLabel *caption = p.get<QLabel>("label1");
        QLabel *unit = p.get<QLabel>("label2");
        QCOMPARE(caption->text(), QStringLiteral("Heat sink thermal resistance:"));
        QCOMPARE(unit->text(), QString::fromUtf8("°K/W"));
        p.chooseMode(true);
        QCOMPARE(caption->text(), QStringLiteral("Max. chip temperature:"));
        QCOMPARE(unit->text(), QString::fromUtf8("°C"));
        QVERIFY(p.output->text().isEmpty());
    }

    void germanDecimalComma()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            HeatSinkPanel p;
            p.fill(true, QStringLiteral("10 1.5 0 150 25"));
            QCOMPARE(p.mount->currentText(), QStringLiteral("0,3"));
            QCOMPARE(p.output->text(), QString::fromUtf8("Max. heat sink resistance: 10.70 °K/W"));
        }
        QLocale::setDefault(previous);
    }
};

QTEST_MAIN(TestHeatSinkHandler)
#include "tst_heatsinkhandler.moc"
