// The window's keyboard: Ctrl+1 to Ctrl+9 pick panels through the list, Ctrl+C copies the
// shown panel's result unless a field inside it has a selection of its own.

#include "gui/app/PanelContainer.h"
#include "gui/app/ZelkorAppDelegate.h"
#include "gui/categories/OutlineViewDataSource.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup() { m_app.reset(); }

    void panelShortcuts_data();
    void panelShortcuts();
    void copyResult_data();
    void copyResult();
    void selectedTextWins();

private:
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier);
    QWidget *panel() const { return m_app->containerView()->panel(); }
    template <typename T> T *child(const char *name) const
    {
        return panel()->findChild<T *>(QString::fromLatin1(name));
    }

    std::unique_ptr<ZelkorAppDelegate> m_app;
};

void TestKeyboard::initTestCase()
{
    zelkor::test::initIsolatedApp();
}

void TestKeyboard::init()
{
    m_app = zelkor::test::launchApp();
    QWidget *window = m_app->window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QGuiApplication::clipboard()->setText(u"before"_s);
}

// Keys go where the user's keyboard would send them: to the focused widget.
void TestKeyboard::press(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = QApplication::focusWidget();
    QTest::keyClick(target ? target : m_app->window(), Qt::Key(key), modifiers);
}

void TestKeyboard::panelShortcuts_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::newRow("Ctrl+1 colour codes") << 1 << 1 << "Resistor Colour Codes";
    QTest::newRow("Ctrl+2 LED") << 2 << 2 << "LED Dropping Resistor";
    QTest::newRow("Ctrl+3 Ohm's law") << 3 << 4 << "Ohm's Law";
    QTest::newRow("Ctrl+4 series and parallel") << 4 << 5 << "Series & Parallel";
    QTest::newRow("Ctrl+5 heat sinks") << 5 << 7 << "Heat Sinks";
    QTest::newRow("Ctrl+6 coils") << 6 << 9 << "Air-Cored Coils";
    QTest::newRow("Ctrl+7 tubes") << 7 << 11 << "Tube Designations";
    QTest::newRow("Ctrl+8 555") << 8 << 13 << "555 Timer";
    QTest::newRow("Ctrl+9 about") << 9 << 15 << "About";
}

void TestKeyboard::panelShortcuts()
{
    QFETCH(int, digit);
    QFETCH(int, row);
    QFETCH(QString, name);
    SourceListView *list = m_app->categoriesOutlineView();
    // Start away from the target, and from inside a text field, where digits are typed.
    press(digit == 9 ? Qt::Key_3 : Qt::Key_9);
    QVERIFY(list->selectedRow() != row);
    if (auto *field = panel()->findChild<QLineEdit *>())
        field->setFocus();

    press(Qt::Key_0 + digit);
    QCOMPARE(list->selectedRow(), row);
    QCOMPARE(list->itemAtRow(row).data().toString(), name);
    const Node *leaf = m_app->outlineViewDataSource()->nodeForIndex(list->itemAtRow(row));
    QCOMPARE(panel(), leaf->viewToOpen);
}

void TestKeyboard::copyResult_data()
{
    QTest::addColumn<int>("digit");
    // "field=text" typed in order; the last field keeps the focus. None: the list has it.
    QTest::addColumn<QStringList>("typing");
    QTest::addColumn<QString>("expected"); // empty: whatever the output field shows
    QTest::newRow("colour codes from the category list") << 1 << QStringList() << QString();
    QTest::newRow("LED result in a tab-aligned text")
        << 2 << QStringList{"ledForwardBias=2", "ledSupplyVoltage=12", "ledOperatingCurrent=20"}
        << "Resistance: \t\t500.0 Ohm\nPower: \t\t\t0.200 W\nE12 resistor: 560 Ω\nat 17.9 mA and 0.18 W";
    QTest::newRow("tube decoder from its input field")
        << 7 << QStringList{"tubeNumber=ECC83"}
        << "Micropower Triode\nMicropower Triode\n\nHeating: 6.3V, Noval, 9 Pins";
    QTest::newRow("Ohm's law copies its four fields")
        << 3 << QStringList{"powerField=24", "voltageField=12"}
        << "Power: 24 W\nVoltage: 12 V\nCurrent: 2 A\nResistance: 6 Ω";
    QTest::newRow("empty Ohm's law keeps the clipboard")
        << 3 << QStringList{"powerField="} << "before";
    QTest::newRow("About shows no result and keeps the clipboard")
        << 9 << QStringList() << "before";
}

void TestKeyboard::copyResult()
{
    QFETCH(int, digit);
    QFETCH(QStringList, typing);
    QFETCH(QString, expected);
    press(Qt::Key_0 + digit);
    m_app->categoriesOutlineView()->setFocus();
    for (const QString &step : typing) {
        auto *input = panel()->findChild<QLineEdit *>(step.section(u'=', 0, 0));
        if (auto *combo = panel()->findChild<QComboBox *>(step.section(u'=', 0, 0)))
            input = combo->lineEdit();
        QVERIFY(input);
        input->setFocus();
        input->clear();
        QTest::keyClicks(input, step.section(u'=', 1));
    }
    press(Qt::Key_C);
    const QString copied = QGuiApplication::clipboard()->text();
    if (!expected.isEmpty())
        QCOMPARE(copied, expected);
    auto *output = panel()->findChild<QWidget *>(u"outputField"_s);
    if (!output)
        return;
    const auto *label = qobject_cast<QLabel *>(output);
    const auto *text = qobject_cast<QPlainTextEdit *>(output);
    const QString shown = label ? label->text() : text ? text->toPlainText() : QString();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(copied, shown);
}

void TestKeyboard::selectedTextWins()
{
    press(Qt::Key_3);
    auto *voltage = child<QLineEdit>("voltageField");
    QTest::keyClicks(child<QLineEdit>("powerField"), u"24"_s);
    QTest::keyClicks(voltage, u"12"_s);
    voltage->setFocus();
    voltage->selectAll();
    press(Qt::Key_C);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"12"_s);

    // Part of the tube result, selected in the output itself.
    press(Qt::Key_7);
    QTest::keyClicks(child<QLineEdit>("tubeNumber"), u"EL34"_s);
    auto *output = child<QPlainTextEdit>("outputField");
    output->setFocus();
    QTextCursor cursor = output->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
    output->setTextCursor(cursor);
    press(Qt::Key_C);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Power"_s);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
