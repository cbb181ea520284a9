// SPDX-License-Identifier: GPL-3.0-or-later

// The window's keyboard: Ctrl+1 to Ctrl+9 pick panels through the list, Ctrl+C copies the
// shown panel's result unless a field inside it has a selection of its own.

#include "gui/app/PanelContainer.h"
#include "gui/app/PanelHandler.h"
#include "gui/app/ZelkorAppDelegate.h"
#include "gui/categories/OutlineViewDataSource.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
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
    // The list rows of the panels, in the order of the list.
    QList<int> leafRows() const;
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
    zelkor::test::clearSettings();
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

QList<int> TestKeyboard::leafRows() const
{
    QList<int> rows;
    SourceListView *list = m_app->categoriesOutlineView();
    for (int row = 0; row < list->numberOfRows(); ++row) {
        if (!m_app->outlineViewDataSource()->nodeForIndex(list->itemAtRow(row))->isGroup)
            rows.append(row);
    }
    return rows;
}

void TestKeyboard::panelShortcuts_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<int>("from");
    QTest::newRow("Ctrl+1 from the last of nine") << 1 << 9;
    QTest::newRow("Ctrl+2 forward") << 2 << 1;
    QTest::newRow("Ctrl+5 from a later panel") << 5 << 8;
    QTest::newRow("Ctrl+9 the ninth panel") << 9 << 3;
}

void TestKeyboard::panelShortcuts()
{
    QFETCH(int, digit);
    QFETCH(int, from);
    SourceListView *list = m_app->categoriesOutlineView();
    const QList<int> leaves = leafRows();
    QVERIFY(leaves.size() >= 9);
    press(Qt::Key_0 + from);
    QCOMPARE(list->selectedRow(), leaves[from - 1]);
    // From inside a text field, where a digit alone would be typed.
    if (auto *field = panel()->findChild<QLineEdit *>())
        field->setFocus();

    press(Qt::Key_0 + digit);
    const int row = leaves[digit - 1];
    QCOMPARE(list->selectedRow(), row);
    QCOMPARE(panel(),
             m_app->outlineViewDataSource()->nodeForIndex(list->itemAtRow(row))->viewToOpen);
}

void TestKeyboard::copyResult_data()
{
    QTest::addColumn<int>("digit");
    // "field=text" typed in order; the last field keeps the focus. None: the list has it.
    QTest::addColumn<QStringList>("typing");
    QTest::addColumn<QString>("expected");
    // (12 V - 2 V) / 20 mA = 500 Ω, and 10 V · 20 mA = 0.2 W.
    QTest::newRow("LED result in a tab-aligned text")
        << 2 << QStringList{"ledForwardBias=2", "ledSupplyVoltage=12", "ledOperatingCurrent=20"}
        << "Resistance: \t\t500.0 Ohm\nPower: \t\t\t0.200 W\nE12 resistor: 560 Ω\nat 17.9 mA and 0.18 W";
    // 24 W at 12 V: 2 A through 6 Ω.
    QTest::newRow("Ohm's law copies its four fields")
        << 4 << QStringList{"powerField=24", "voltageField=12"}
        << "Power: 24 W\nVoltage: 12 V\nCurrent: 2 A\nResistance: 6 Ω";
    QTest::newRow("empty Ohm's law keeps the clipboard")
        << 4 << QStringList{"powerField="} << "before";
    QTest::newRow("an untouched 555 panel keeps the clipboard")
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
        auto *input = child<QLineEdit>(qPrintable(step.section(u'=', 0, 0)));
        if (auto *combo = child<QComboBox>(qPrintable(step.section(u'=', 0, 0))))
            input = combo->lineEdit();
        QVERIFY(input);
        input->setFocus();
        input->clear();
        QTest::keyClicks(input, step.section(u'=', 1));
    }
    press(Qt::Key_C);
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
}

void TestKeyboard::selectedTextWins()
{
    press(Qt::Key_4);
    auto *voltage = child<QLineEdit>("voltageField");
    QTest::keyClicks(child<QLineEdit>("powerField"), u"24"_s);
    QTest::keyClicks(voltage, u"12"_s);
    voltage->setFocus();
    voltage->selectAll();
    press(Qt::Key_C);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"12"_s);

    // Part of the tube result, selected in the output itself.
    press(Qt::Key_8);
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
