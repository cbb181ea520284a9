// SPDX-License-Identifier: GPL-3.0-or-later

// The window's keyboard: Ctrl+1 to Ctrl+9 and Ctrl+PgDown/PgUp pick panels through the list,
// typing finds one, and Ctrl+C copies the shown panel's result unless a field inside it has a
// selection of its own.

#include "core/text/Texts.h"
#include "gui/app/PanelContainer.h"
#include "gui/app/ZelkorAppDelegate.h"
#include "gui/categories/SourceListView.h"
#include "support/AppSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestKeyboard : public QObject
{
    Q_OBJECT

    std::unique_ptr<ZelkorAppDelegate> m_app;

    // Keys go where the user's keyboard would send them: to the focused widget.
    void press(int key)
    {
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target ? target : m_app->window(), Qt::Key(key), Qt::ControlModifier);
    }
    QWidget *panel() const { return m_app->containerView()->panel(); }
    // The keys of the panels the list shows, in its order.
    QStringList listed() const
    {
        QStringList keys;
        for (const int row : zelkor::test::panelRows(*m_app))
            keys << zelkor::test::panelAtRow(*m_app, row)->objectName();
        return keys;
    }
    template <typename T> T *child(const QString &name) const
    {
        return panel()->findChild<T *>(name);
    }

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void init()
    {
        zelkor::test::clearSettings();
        m_app = zelkor::test::launchApp();
        m_app->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_app->window()));
        QGuiApplication::clipboard()->setText(u"before"_s);
    }
    void cleanup() { m_app.reset(); }

    void panelShortcuts_data()
    {
        QTest::addColumn<int>("digit");
        QTest::addColumn<int>("from");
        QTest::newRow("Ctrl+1 back from the last of nine") << 1 << 9;
        QTest::newRow("Ctrl+9 forward to the ninth panel") << 9 << 3;
    }
    void panelShortcuts()
    {
        QFETCH(int, digit);
        QFETCH(int, from);
        const QList<int> leaves = zelkor::test::panelRows(*m_app);
        QVERIFY(leaves.size() >= 9);
        press(Qt::Key_0 + from);
        QCOMPARE(m_app->categoriesOutlineView()->selectedRow(), leaves[from - 1]);
        // From inside a text field, where a digit alone would be typed.
        if (auto *field = panel()->findChild<QLineEdit *>())
            field->setFocus();

        press(Qt::Key_0 + digit);
        QCOMPARE(m_app->categoriesOutlineView()->selectedRow(), leaves[digit - 1]);
        QCOMPARE(panel(), zelkor::test::panelAtRow(*m_app, leaves[digit - 1]));
    }

    void stepAcrossGroups()
    {
        // The colour codes' group ends with the SMD codes; Ohm's law opens the next group.
        zelkor::test::showPanel(*m_app, "SmdCodes");
        m_app->categoriesOutlineView()->setFocus();
        press(Qt::Key_PageDown);
        QCOMPARE(panel()->objectName(), u"OhmsLaw"_s);
        press(Qt::Key_PageUp);
        QCOMPARE(panel()->objectName(), u"SmdCodes"_s);
        press(Qt::Key_1);
        press(Qt::Key_PageUp);
        QCOMPARE(panel(), zelkor::test::panelAtRow(*m_app, zelkor::test::panelRows(*m_app).last()));
    }

    void findNarrowsTheList()
    {
        const QStringList all = listed();
        QLineEdit *field = m_app->findField();
        press(Qt::Key_F);
        QCOMPARE(QApplication::focusWidget(), field);
        QTest::keyClicks(field, u"lm3"_s);
        QCOMPARE(listed(), QStringList{u"AdjustableRegulator"_s});
        // A digit keeps its panel, and the find gives way to show it.
        press(Qt::Key_2);
        QCOMPARE(panel()->objectName(), all[1]);
        QCOMPARE(listed(), all);

        // Typed into the list, the letters go to the find field.
        m_app->categoriesOutlineView()->setFocus();
        QTest::keyClicks(m_app->categoriesOutlineView(), u"heat"_s);
        QCOMPARE(field->text(), u"heat"_s);
        QCOMPARE(listed(), QStringList{u"HeatSinks"_s});
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(panel()->objectName(), u"HeatSinks"_s);
        press(Qt::Key_F);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(field->text(), QString());
        QCOMPARE(listed(), all);
        QTest::keyClick(field, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), m_app->categoriesOutlineView());
    }

    // The group's name in German, and the English name while German is shown.
    void findInGerman()
    {
        const zelkor::test::LocaleGuard guard;
        zelkor::installTranslations(*QCoreApplication::instance(), QLocale(QLocale::German));
        m_app = zelkor::test::launchApp();
        QLineEdit *field = m_app->findField();
        QTest::keyClicks(field, u"kond"_s);
        QVERIFY(listed().contains(u"RCAndLC"_s));
        QVERIFY(!listed().contains(u"VoltageDivider"_s));
        field->clear();
        QTest::keyClicks(field, u"divider"_s);
        QCOMPARE(listed(), QStringList{u"VoltageDivider"_s});
        QTest::keyClicks(field, u"x"_s);
        QCOMPARE(m_app->categoriesOutlineView()->numberOfRows(), 0);
    }

    void copyResult_data()
    {
        QTest::addColumn<int>("digit");
        // "field=text" typed in order; the last field keeps the focus. None: the list has it.
        QTest::addColumn<QStringList>("typing");
        QTest::addColumn<QString>("expected");
        // 24 W at 12 V: 2 A through 6 Ω.
        QTest::newRow("Ohm's law copies its four fields")
            << 4 << QStringList{"powerField=24", "voltageField=12"}
            << "Power: 24 W\nVoltage: 12 V\nCurrent: 2 A\nResistance: 6 Ω";
        QTest::newRow("empty Ohm's law keeps the clipboard")
            << 4 << QStringList{"powerField="} << "before";
    }
    void copyResult()
    {
        QFETCH(int, digit);
        QFETCH(QStringList, typing);
        press(Qt::Key_0 + digit);
        m_app->categoriesOutlineView()->setFocus();
        for (const QString &step : typing) {
            auto *input = child<QLineEdit>(step.section(u'=', 0, 0));
            QVERIFY(input);
            input->setFocus();
            input->clear();
            QTest::keyClicks(input, step.section(u'=', 1));
        }
        press(Qt::Key_C);
        QTEST(QGuiApplication::clipboard()->text(), "expected");
    }

    void selectedTextWins()
    {
        press(Qt::Key_4);
        auto *voltage = child<QLineEdit>(u"voltageField"_s);
        QTest::keyClicks(child<QLineEdit>(u"powerField"_s), u"24"_s);
        QTest::keyClicks(voltage, u"12"_s);
        voltage->setFocus();
        voltage->selectAll();
        press(Qt::Key_C);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"12"_s);

        // Part of the tube result, selected in the output itself. The tubes are picked by name:
        // new panels above them move them past the digits.
        zelkor::test::showPanel(*m_app, "TubeIdent");
        QTest::keyClicks(child<QLineEdit>(u"tubeNumber"_s), u"EL34"_s);
        auto *output = child<QPlainTextEdit>(u"outputField"_s);
        output->setFocus();
        QTextCursor cursor = output->textCursor();
        cursor.movePosition(QTextCursor::Start);
        cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        output->setTextCursor(cursor);
        press(Qt::Key_C);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"Power"_s);
    }

    // Only the drawing of the panel in front answers; a panel without one copies nothing.
    void copyDrawing()
    {
        zelkor::test::showPanel(*m_app, "VoltageDivider");
        QTest::keyClicks(child<QLineEdit>(u"designVinField"_s), u"12"_s);
        QTest::keyClicks(child<QLineEdit>(u"designVoutField"_s), u"3.3"_s);
        zelkor::test::showPanel(*m_app, "OhmsLaw");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(QGuiApplication::clipboard()->image().isNull());

        zelkor::test::showPanel(*m_app, "VoltageDivider");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C,
                        Qt::ControlModifier | Qt::ShiftModifier);
        const QImage copied = QGuiApplication::clipboard()->image();
        QVERIFY(!copied.isNull());
        // The whole drawing, not a thumbnail.
        QVERIFY2(copied.height() > 100 && copied.width() > 100,
                 qPrintable(u"%1×%2"_s.arg(copied.width()).arg(copied.height())));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
