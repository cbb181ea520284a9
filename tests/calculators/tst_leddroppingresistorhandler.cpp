#include "calculators/LEDDroppingResistorHandler.h"
#include "calculators/TabAlignedTextWidget.h"
#include "calculators/WarningSignWidget.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

struct LedPanel
{
    QWidget panel;
    LEDDroppingResistorHandler handler{&panel};
    QComboBox *forward = panel.findChild<QComboBox *>(QStringLiteral("ledForwardBias"));
    QLineEdit *supply = panel.findChild<QLineEdit *>(QStringLiteral("ledSupplyVoltage"));
    QLineEdit *current = panel.findChild<QLineEdit *>(QStringLiteral("ledOperatingCurrent"));
    TabAlignedTextWidget *output =
        panel.findChild<TabAlignedTextWidget *>(QStringLiteral("outputField"));
    WarningSignWidget *warning =
        panel.findChild<WarningSignWidget *>(QStringLiteral("warningSign"));

    LedPanel() { panel.show(); }

    // The way a user picks from the list: open it and click the item.
    void choosePreset(int index)
    {
        forward->showPopup();
        QAbstractItemView *list = forward->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QRect item = list->visualRect(list->model()->index(index, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_VERIFY(!list->isVisible());
    }
    void typeForward(const QString &text)
    {
        forward->lineEdit()->selectAll();
        QTest::keyClicks(forward->lineEdit(), text);
    }
    static void type(QLineEdit *field, const QString &text)
    {
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    // Whether the sign ends up shown once its fade is over.
    bool warningShown() const
    {
        [[maybe_unused]] const bool faded =
            QTest::qWaitFor([this] { return !warning->isFading(); });
        return warning->isVisibleTo(&panel);
    }
};

} // namespace

class TestLEDDroppingResistorHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void presetItemsNameColourAndVoltage()
    {
        LedPanel p;
        QVERIFY(p.forward && p.supply && p.current && p.output && p.warning);
        QCOMPARE(p.forward->count(), 6);
        QCOMPARE(p.forward->itemText(2), QStringLiteral("Green (2.2 V)"));
        QCOMPARE(p.forward->itemText(3), QStringLiteral("Yellow (2.1 V)"));
        QVERIFY(!p.warning->pixmap().isNull());
    }

    void computes_data()
    {
        // forward: a preset index ("#3") to choose, or a text to type.
        QTest::addColumn<QString>("forward");
        QTest::addColumn<QString>("supply");
        QTest::addColumn<QString>("forwardShown");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("warning");
        QTest::newRow("yellow preset")
            << "#3"
            << "5"
            << "2.1"
            << "Resistance: \t\t145.0 Ohm\nPower: \t\t\t0.058 W" << false;
        QTest::newRow("white preset is a whole number")
            << "#5"
            << "12"
            << "4"
            << "Resistance: \t\t400.0 Ohm\nPower: \t\t\t0.160 W" << false;
        QTest::newRow("typed forward voltage, 1000 V warns")
            << "2"
            << "1000"
            << "2"
            << "Resistance: \t\t49900.0 Ohm\nPower: \t\t\t19.960 W" << true;
        QTest::newRow("typed forward voltage is not reformatted")
            << "2.10"
            << "5"
            << "2.10"
            << "Resistance: \t\t145.0 Ohm\nPower: \t\t\t0.058 W" << false;
    }
    void computes()
    {
        QFETCH(QString, forward);
        QFETCH(QString, supply);
        QFETCH(QString, forwardShown);
        QFETCH(QString, output);
        QFETCH(bool, warning);

        LedPanel p;
        LedPanel::type(p.supply, supply);
        LedPanel::type(p.current, QStringLiteral("20"));
        if (forward.startsWith(u'#'))
            p.choosePreset(forward.mid(1).toInt());
        else
            p.typeForward(forward);
        QCOMPARE(p.forward->currentText(), forwardShown);
        QCOMPARE(p.output->text(), output);
        QCOMPARE(p.warningShown(), warning);
    }

    void incompleteInputKeepsResultAndWarning()
    {
        LedPanel p;
        LedPanel::type(p.supply, QStringLiteral("1000"));
        LedPanel::type(p.current, QStringLiteral("20"));
        p.typeForward(QStringLiteral("2"));
        const QString before = p.output->text();
        QVERIFY(p.warningShown());

        p.supply->selectAll();
        QTest::keyClick(p.supply, Qt::Key_Backspace);
        // The preset still turns into its number before the calculation gives up.
        p.choosePreset(0);
        QCOMPARE(p.forward->currentText(), QStringLiteral("1.5"));
        QCOMPARE(p.output->text(), before);
        QVERIFY(p.warningShown());

        // A later complete calculation under 10 W fades the sign out.
        LedPanel::type(p.supply, QStringLiteral("5"));
        QCOMPARE(p.output->text(),
                 QStringLiteral("Resistance: \t\t175.0 Ohm\nPower: \t\t\t0.070 W"));
        QVERIFY(!p.warningShown());
    }

    void enterRecomputes()
    {
        LedPanel p;
        p.supply->setText(QStringLiteral("5"));
        p.current->setText(QStringLiteral("20"));
        p.forward->setEditText(QStringLiteral("2.1"));
        QVERIFY(p.output->text().isEmpty());
        QTest::keyClick(p.current, Qt::Key_Return);
        QCOMPARE(p.output->text(),
                 QStringLiteral("Resistance: \t\t145.0 Ohm\nPower: \t\t\t0.058 W"));
    }

    void germanDecimalComma()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            LedPanel p;
            LedPanel::type(p.supply, QStringLiteral("5"));
            LedPanel::type(p.current, QStringLiteral("20"));
            p.choosePreset(0);
            QCOMPARE(p.forward->currentText(), QStringLiteral("1,5"));
            QCOMPARE(p.output->text(),
                     QStringLiteral("Resistance: \t\t175.0 Ohm\nPower: \t\t\t0.070 W"));

            // Editing the substituted number keeps the comma meaningful.
            p.typeForward(QStringLiteral("2,1"));
            QCOMPARE(p.output->text(),
                     QStringLiteral("Resistance: \t\t145.0 Ohm\nPower: \t\t\t0.058 W"));
        }
        QLocale::setDefault(previous);
    }
};

QTEST_MAIN(TestLEDDroppingResistorHandler)
#include "tst_leddroppingresistorhandler.moc"
