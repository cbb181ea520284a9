// SPDX-License-Identifier: GPL-3.0-or-later

// A seeded monkey in the real window: on every panel of the source list it types, pastes,
// presses keys, clicks and deletes at random, the way an impatient user would, and switches
// panels in between. It fails on a crash, a hang (at the time limit), a Qt warning, an output
// that shows a control character, or a dialog left open.
// Panels are found through the source list and their controls by type, so a new panel is
// covered without a change here.
//
//   ZELKOR_MONKEY_SEED=n      another seed (the failing seed is printed)
//   ZELKOR_MONKEY_ACTIONS=n   actions per panel (default 1500)

#include "gui/app/PanelContainer.h"
#include "gui/app/ZelkorAppDelegate.h"
#include "support/AppSupport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>

#include <memory>
#include <random>

namespace {

int environmentNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// Collects every warning; the test checks the list after each action. Only noise of the
// offscreen platform itself is let through.
QtMessageHandler previousHandler = nullptr;
QStringList warnings;

void collectWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("This plugin does not support")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings.append(message);
}

// Line feed and tab are layout; any other control character, or half a surrogate pair, is
// garbage on screen.
qsizetype badCharacterAt(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if ((c.category() == QChar::Other_Control && c != u'\n' && c != u'\t') ||
            (c.isHighSurrogate() && (i + 1 == text.size() || !text.at(i + 1).isLowSurrogate())) ||
            (c.isLowSurrogate() && (i == 0 || !text.at(i - 1).isHighSurrogate())))
            return i;
    }
    return -1;
}

// What the program writes for the user to read, as opposed to what the user typed.
QStringList outputsOf(const QWidget *panel)
{
    QStringList problems;
    const auto check = [&](const QWidget *widget, const QString &text) {
        if (const qsizetype at = badCharacterAt(text); at >= 0)
            problems << widget->objectName() + " shows U+" +
                            QString::number(text.at(at).unicode(), 16) + ": " + text.left(120);
    };
    for (const QLabel *label : panel->findChildren<QLabel *>())
        check(label, label->text());
    for (const QPlainTextEdit *edit : panel->findChildren<QPlainTextEdit *>())
        check(edit, edit->toPlainText());
    const QWidget *display = panel->findChild<QWidget *>(QStringLiteral("displayFrame"));
    for (const QLineEdit *edit : panel->findChildren<QLineEdit *>()) {
        if (edit->isReadOnly() || edit->objectName() == u"outputField" ||
            (display && display->isAncestorOf(edit)))
            check(edit, edit->text());
    }
    return problems;
}

template <typename T> QList<T *> usable(const QWidget *panel)
{
    QList<T *> found;
    for (T *widget : panel ? panel->findChildren<T *>() : QList<T *>()) {
        if (widget->isVisible() && widget->isEnabled())
            found.append(widget);
    }
    return found;
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        zelkor::test::initIsolatedApp();
        previousHandler = qInstallMessageHandler(collectWarning);
        m_seed = quint32(environmentNumber("ZELKOR_MONKEY_SEED", 20240611));
        qInfo("monkey seed %u (rerun with ZELKOR_MONKEY_SEED=%u)", m_seed, m_seed);
        // The donation sheet is covered by the launch tests; here it would only sit in front.
        m_app = zelkor::test::launchApp();
        QVERIFY(QTest::qWaitForWindowExposed(m_app->window()));
    }

    void everyPanelSurvives_data()
    {
        QTest::addColumn<int>("row");
        for (const int row : zelkor::test::panelRows(*m_app))
            QTest::newRow(
                qPrintable(m_app->categoriesOutlineView()->itemAtRow(row).data().toString()))
                << row;
    }

    void everyPanelSurvives()
    {
        QFETCH(int, row);
        const int actions = environmentNumber("ZELKOR_MONKEY_ACTIONS", 1500);
        // Each panel has a sequence of its own, so adding a panel leaves the others' runs alone.
        m_random.seed(m_seed + quint32(row) * 7919u);
        m_recent.clear();
        m_panelRow = row;
        clickRow(row);
        m_panel = m_app->containerView()->panel();
        QVERIFY(m_panel);
        warnings.clear();

        // The monkey must reach the handlers: a panel with a result shows more than one.
        const QWidget *output = m_panel->findChild<QWidget *>(QStringLiteral("outputField"));
        QSet<QString> results;
        for (int i = 0; i < actions; ++i) {
            act();
            QCoreApplication::processEvents();
            if (QTest::currentTestFailed())
                return;
            if (output) // a label or a plain text field
                results.insert(output->property("text").toString() +
                               output->property("plainText").toString());
            const QStringList problems = std::exchange(warnings, {}) + outputsOf(m_panel);
            if (!problems.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions:\n  %4")
                                     .arg(m_seed)
                                     .arg(i)
                                     .arg(problems.join(u'\n'), m_recent.join(u"\n  "))));
        }
        if (output && actions >= 100)
            QVERIFY2(results.size() > 1, "the result never changed");
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (qobject_cast<QDialog *>(top) && top->isVisible())
                QFAIL(qPrintable(QStringLiteral("a dialog stayed open: ") + top->windowTitle()));
        }
    }

    void cleanupTestCase() { m_app.reset(); }

private:
    // One action, weighted by how often a user does it; a panel without the control for an action
    // gets the next one that it has.
    void act()
    {
        const QList<QLineEdit *> edits = usable<QLineEdit>(m_panel);
        const QList<QAbstractButton *> buttons = usable<QAbstractButton>(m_panel);
        const QList<QAbstractItemView *> views = usable<QAbstractItemView>(m_panel);
        QList<QWidget *> keyTargets; // edits, combo boxes, lists, buttons
        for (QWidget *widget : usable<QWidget>(m_panel)) {
            if (widget->focusPolicy() & Qt::TabFocus)
                keyTargets.append(widget);
        }
        const int dice = below(100);
        if (dice < 30 && !edits.isEmpty()) {
            typeInto(any(edits));
        } else if (dice < 42 && !edits.isEmpty()) {
            pasteInto(any(edits));
        } else if (dice < 67 && !keyTargets.isEmpty()) {
            pressKey(any(keyTargets));
        } else if (dice < 85 && !buttons.isEmpty()) {
            QAbstractButton *button = any(buttons);
            note(QStringLiteral("click %1").arg(button->objectName()));
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (dice < 97 && !views.isEmpty()) {
            clickIn(any(views));
        } else { // another panel and back, by mouse or by arrow key
            if (below(2) == 0)
                clickRow(below(m_app->categoriesOutlineView()->numberOfRows()));
            else
                QTest::keyClick(m_app->categoriesOutlineView(),
                                below(2) ? Qt::Key_Down : Qt::Key_Up);
            QCoreApplication::processEvents();
            clickRow(m_panelRow);
            QCOMPARE(m_app->containerView()->panel(), m_panel);
        }
    }

    void typeInto(QLineEdit *edit)
    {
        // Half the time a plain value over the old one, as when a user enters a number; else
        // anything, wherever the cursor is.
        const bool value = below(2) == 0;
        if (value || below(3) == 0)
            edit->selectAll();
        QString text = randomText(12, false);
        if (value) {
            text = QString::number(1 + below(999));
            if (below(3) == 0)
                text += u'.' + QString::number(below(100));
            if (below(5) == 0)
                text += (below(2) ? QStringLiteral("e-") : QStringLiteral("e")) +
                        QString::number(below(12));
        }
        note(QStringLiteral("type \"%1\" into %2").arg(text, edit->objectName()));
        // One key press per character, as a keyboard or an input method sends it; QTest's own
        // keyClicks() only knows Latin-1.
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QString character = text.mid(i, length);
            i += length - 1;
            if (character.at(0).unicode() < 0x80)
                QTest::keyClick(edit, character.at(0).toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, character, {});
        }
        if (below(4) == 0)
            QTest::keyClick(edit, Qt::Key_Return);
    }

    void pasteInto(QLineEdit *edit)
    {
        // Now and then something really long, like a whole document pasted by mistake.
        const QString text =
            below(50) == 0 ? randomText(20000, true).repeated(3) : randomText(40, true);
        note(QStringLiteral("paste %1 characters into %2: \"%3\"")
                 .arg(text.size())
                 .arg(edit->objectName(), text.left(40)));
        QGuiApplication::clipboard()->setText(text);
        if (below(2) == 0)
            edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }

    void pressKey(QWidget *target)
    {
        // A combo box gets only the first six, which pick an item without opening the list.
        static const QKeyCombination keys[] = {
            Qt::Key_Up,           Qt::Key_Down,         Qt::Key_Home,
            Qt::Key_End,          Qt::Key_PageUp,       Qt::Key_PageDown,
            Qt::Key_Left,         Qt::Key_Right,        Qt::Key_Return,
            Qt::Key_Backspace,    Qt::Key_Escape,       Qt::Key_Space,
            Qt::Key_Delete,       Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_Z,
            Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_Y, Qt::SHIFT | Qt::Key_End};
        const int choices = qobject_cast<QComboBox *>(target) ? 6 : int(std::size(keys));
        const QKeyCombination key = keys[below(choices)];
        note(QStringLiteral("key %1 in %2").arg(key.toCombined()).arg(target->objectName()));
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    }

    void clickIn(QAbstractItemView *view)
    {
        const int rows = view->model() ? view->model()->rowCount(view->rootIndex()) : 0;
        if (rows == 0)
            return pressKey(view);
        const QModelIndex index = view->model()->index(below(rows), 0, view->rootIndex());
        view->scrollTo(index);
        const Qt::KeyboardModifiers modifier = below(4) == 0   ? Qt::ShiftModifier
                                               : below(3) == 0 ? Qt::ControlModifier
                                                               : Qt::NoModifier;
        note(QStringLiteral("click row %1/%2 of %3")
                 .arg(index.row())
                 .arg(modifier.toInt())
                 .arg(view->objectName()));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifier,
                          view->visualRect(index).center());
        if (below(2) == 0)
            QTest::keyClick(view, below(2) ? Qt::Key_Delete : Qt::Key_Backspace);
    }

    void clickRow(int row)
    {
        SourceListView *list = m_app->categoriesOutlineView();
        const QModelIndex index = list->itemAtRow(row);
        list->scrollTo(index);
        note(QStringLiteral("pick row %1 in the source list").arg(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }

    QString randomText(int maxLength, bool controls)
    {
        static const char16_t *const pieces[] = {
            u"0",   u"1",      u"2",      u"3",      u"4",      u"5",      u"6",   u"7",    u"8",
            u"9",   u"47",     u"100",    u"0.0",    u".",      u",",      u"-",   u"+",    u"e",
            u"E",   u"e-",     u"e+",     u"e38",    u"e-45",   u"e999",   u" ",   u"k",    u"M",
            u"m",   u"u",      u"µ",      u"Ω",      u"F",      u"ohm",    u"x",   u"ECC",  u"EL",
            u"PCL", u"a",      u"z",      u"Z",      u"%",      u"%@",     u"%d",  u"%.2f", u"\\",
            u"\"",  u"'",      u"<b>",    u"&amp;",  u"ä",      u"ß",      u"٣",   u"１",   u"٫",
            u"😀",   u"\u0301", u"\u200b", u"\u00a0", u"\u202e", u"\ufeff", u"inf", u"nan",  u"0x1f",
        };
        static const char16_t *const controlPieces[] = {
            u"\n", u"\r", u"\t", u"\x1b[31m", u"\x07", u"\x7f", u"\x01", u"\u0085", u"\r\n",
        };
        static const QChar loneSurrogates[] = {QChar(0xd83d), QChar(0xde00)};
        const int length = 1 + below(std::max(1, maxLength));
        QString text;
        while (text.size() < length) {
            const int dice = below(40);
            if (controls && dice == 0)
                text += QString::fromUtf16(controlPieces[below(int(std::size(controlPieces)))]);
            else if (controls && dice == 1)
                text += loneSurrogates[below(2)];
            else
                text += QString::fromUtf16(pieces[below(int(std::size(pieces)))]);
        }
        return text;
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <typename T> T *any(const QList<T *> &list)
    {
        return list.at(below(int(list.size())));
    }

    void note(const QString &action)
    {
        m_recent.append(action);
        if (m_recent.size() > 12)
            m_recent.removeFirst();
    }

    std::unique_ptr<ZelkorAppDelegate> m_app;
    zelkor::test::UrlRecorder m_urls; // the About buttons open no browser here
    quint32 m_seed = 0;
    std::mt19937 m_random;
    QWidget *m_panel = nullptr;
    int m_panelRow = 0;
    QStringList m_recent;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestMonkey test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_monkey.moc"
