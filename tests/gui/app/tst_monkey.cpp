// A seeded monkey in the real window: on every panel of the source list it types, pastes,
// picks, clicks and deletes at random, the way an impatient user would, and switches panels
// in between. It fails on a crash, a hang, a Qt warning, an output that shows a control
// character, a dialog left open, an address other than Zelkor's own, or a file written
// anywhere but the settings. Panels are found through the source list and their controls by
// type, so a new panel is covered without a change here.
//
//   ZELKOR_MONKEY_SEED=n      another seed (the failing seed is printed)
//   ZELKOR_MONKEY_ACTIONS=n   actions per panel (default 1500)

#include "gui/app/Links.h"
#include "gui/app/PanelContainer.h"
#include "gui/app/ZelkorAppDelegate.h"
#include "gui/categories/OutlineViewDataSource.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <random>
#include <stop_token>
#include <thread>

namespace {

constexpr quint32 kDefaultSeed = 20240611;
constexpr int kDefaultActions = 1500;
constexpr int kHangSeconds = 60;

int environmentNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// Home, caches, runtime and temporary files all point into one fresh folder before the
// application starts, so that afterwards every file the process wrote can be listed.
class Sandbox
{
public:
    Sandbox()
    {
        root = m_root.path();
        const std::pair<const char *, const char *> places[] = {{"HOME", "home"},
                                                                {"XDG_CONFIG_HOME", "config"},
                                                                {"XDG_DATA_HOME", "data"},
                                                                {"XDG_CACHE_HOME", "cache"},
                                                                {"XDG_STATE_HOME", "state"},
                                                                {"XDG_RUNTIME_DIR", "runtime"},
                                                                {"TMPDIR", "tmp"}};
        for (const auto &[variable, dir] : places) {
            const QString path = m_root.path() + u'/' + QLatin1String(dir);
            QDir().mkpath(path);
            qputenv(variable, QFile::encodeName(path));
        }
        QFile::setPermissions(m_root.path() + QStringLiteral("/runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ExeOwner);
    }

    static inline QString root;

private:
    QTemporaryDir m_root;
};

// Collects every warning; the test checks the list after each panel. Only noise of the
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

// Aborts the process when the main thread makes no progress for a while: a hang would
// otherwise only end at CTest's timeout, without saying where it happened.
class Watchdog
{
public:
    void beat(const QString &doing)
    {
        const std::lock_guard lock(m_mutex);
        m_doing = doing.left(200).toStdString();
        ++m_beats;
    }

private:
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    unsigned long m_beats = 0;
    std::string m_doing;
    // Last, so that it stops and joins before the rest goes away.
    std::jthread m_thread{[this](std::stop_token stop) {
        std::unique_lock lock(m_mutex);
        unsigned long seen = m_beats;
        while (!m_wake.wait_for(lock, stop, std::chrono::seconds(kHangSeconds),
                                [&] { return stop.stop_requested(); })) {
            if (m_beats == seen) {
                std::fprintf(stderr, "monkey: no progress for %d s while: %s\n", kHangSeconds,
                             m_doing.c_str());
                std::abort();
            }
            seen = m_beats;
        }
    }};
};

// Line feed and tab are layout; any other control character, or half a surrogate pair, is
// garbage on screen.
qsizetype badCharacterAt(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\n' || c == u'\t')
            continue;
        if (c.category() == QChar::Other_Control)
            return i;
        if (c.isHighSurrogate() && (i + 1 == text.size() || !text.at(i + 1).isLowSurrogate()))
            return i;
        if (c.isLowSurrogate() && (i == 0 || !text.at(i - 1).isHighSurrogate()))
            return i;
    }
    return -1;
}

// What the program writes for the user to read, as opposed to what the user typed.
QStringList outputsOf(const QWidget *panel)
{
    QStringList problems;
    const QWidget *display = panel->findChild<QWidget *>(QStringLiteral("displayFrame"));
    const auto check = [&](const QWidget *widget, const QString &text) {
        const qsizetype at = badCharacterAt(text);
        if (at >= 0)
            problems.append(QStringLiteral("%1 shows U+%2 at %3: %4")
                                .arg(widget->objectName())
                                .arg(text.at(at).unicode(), 4, 16, QLatin1Char('0'))
                                .arg(at)
                                .arg(text.left(120).toHtmlEscaped()));
    };
    for (const QLabel *label : panel->findChildren<QLabel *>())
        check(label, label->text());
    for (const QPlainTextEdit *edit : panel->findChildren<QPlainTextEdit *>())
        check(edit, edit->toPlainText());
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
    for (T *widget : panel->findChildren<T *>()) {
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
    void initTestCase();
    void everyPanelSurvives_data();
    void everyPanelSurvives();
    void opensOnlyZelkorsAddresses();
    void writesOnlyItsSettings();
    void cleanupTestCase();

private:
    void act();
    void typeInto(QLineEdit *edit);
    void pasteInto(QWidget *target, const QString &text);
    void pressKey(QWidget *target);
    void pickIn(QComboBox *combo);
    void clickIn(QAbstractItemView *view);
    void clickRow(int row);
    void visitOtherPanel();

    QString randomText(int maxLength, bool controls);
    QString plausibleNumber();
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <typename T> T *any(const QList<T *> &list)
    {
        return list.isEmpty() ? nullptr : list.at(below(int(list.size())));
    }
    void note(const QString &action);

    std::unique_ptr<ZelkorAppDelegate> m_app;
    std::unique_ptr<zelkor::test::UrlRecorder> m_urls;
    std::unique_ptr<Watchdog> m_watchdog;
    quint32 m_seed = kDefaultSeed;
    std::mt19937 m_random;
    QWidget *m_panel = nullptr;
    int m_panelRow = 0;
    std::deque<QString> m_recent;
};

void TestMonkey::initTestCase()
{
    zelkor::test::initIsolatedApp();
    previousHandler = qInstallMessageHandler(collectWarning);
    m_seed = quint32(environmentNumber("ZELKOR_MONKEY_SEED", int(kDefaultSeed)));
    qInfo("monkey seed %u (rerun with ZELKOR_MONKEY_SEED=%u)", m_seed, m_seed);
    m_urls = std::make_unique<zelkor::test::UrlRecorder>();
    m_watchdog = std::make_unique<Watchdog>();
    // The donation sheet is covered by the launch tests; here it would only sit in front.
    m_app = zelkor::test::launchApp();
    QVERIFY(QTest::qWaitForWindowExposed(m_app->window()));
}

void TestMonkey::everyPanelSurvives_data()
{
    QTest::addColumn<int>("row");
    SourceListView *list = m_app->categoriesOutlineView();
    for (int row = 0; row < list->numberOfRows(); ++row) {
        const Node *node = m_app->outlineViewDataSource()->nodeForIndex(list->itemAtRow(row));
        if (node && !node->isGroup)
            QTest::newRow(qPrintable(list->itemAtRow(row).data().toString())) << row;
    }
}

void TestMonkey::everyPanelSurvives()
{
    QFETCH(int, row);
    const int actions = environmentNumber("ZELKOR_MONKEY_ACTIONS", kDefaultActions);
    // Each panel has a sequence of its own, so adding a panel leaves the others' runs alone.
    m_random.seed(m_seed + quint32(row) * 7919u);
    m_recent.clear();
    m_panelRow = row;
    clickRow(row);
    m_panel = m_app->containerView()->panel();
    QVERIFY(m_panel);
    warnings.clear();

    // The monkey must reach the handlers: a panel with a result shows more than one.
    auto *output = m_panel->findChild<QWidget *>(QStringLiteral("outputField"));
    QSet<QString> results;
    for (int i = 0; i < actions; ++i) {
        act();
        QCoreApplication::processEvents();
        if (QTest::currentTestFailed())
            return;

        if (auto *label = qobject_cast<QLabel *>(output))
            results.insert(label->text());
        else if (auto *edit = qobject_cast<QPlainTextEdit *>(output))
            results.insert(edit->toPlainText());
        const QStringList problems = std::exchange(warnings, {}) + outputsOf(m_panel);
        if (!problems.isEmpty()) {
            QStringList recent(m_recent.begin(), m_recent.end());
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions:\n  %4")
                                 .arg(m_seed)
                                 .arg(i)
                                 .arg(problems.join(u'\n'), recent.join(QStringLiteral("\n  ")))));
        }
    }
    if (output && actions >= 100)
        QVERIFY2(results.size() > 1, "the result never changed");
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog *>(top) && top->isVisible())
            QFAIL(qPrintable(QStringLiteral("a dialog stayed open: ") + top->windowTitle()));
    }
}

void TestMonkey::opensOnlyZelkorsAddresses()
{
    const QList<QUrl> allowed{zelkor::links::website(), zelkor::links::mail(),
                              zelkor::links::donation()};
    for (const QUrl &url : m_urls->opened)
        QVERIFY2(allowed.contains(url), qPrintable(url.toString()));
    // The About panel's buttons were clicked, so the capture itself is known to work.
    QVERIFY(!m_urls->opened.isEmpty());
}

void TestMonkey::writesOnlyItsSettings()
{
    QSettings settings;
    settings.sync();
    for (const QString &key : settings.allKeys()) {
        QVERIFY2(key == QLatin1String(ZelkorAppDelegate::kDonationShownKey) ||
                     key.startsWith(u"window/") || key.startsWith(u"panels/"),
                 qPrintable(key));
    }

    const QString settingsDir = QFileInfo(settings.fileName()).absolutePath();
    QVERIFY(settingsDir.startsWith(Sandbox::root));
    // Fontconfig keeps its own cache of the system fonts; that is the platform, not Zelkor.
    const QString fontCache = Sandbox::root + QStringLiteral("/cache/fontconfig/");
    QStringList strays;
    QDirIterator files(Sandbox::root, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (QFileInfo(path).absolutePath() != settingsDir && !path.startsWith(fontCache))
            strays.append(path);
    }
    QVERIFY2(strays.isEmpty(), qPrintable(strays.join(u'\n')));
}

void TestMonkey::cleanupTestCase()
{
    m_app.reset();
    m_watchdog.reset();
}

void TestMonkey::note(const QString &action)
{
    m_recent.push_back(action);
    if (m_recent.size() > 12)
        m_recent.pop_front();
    m_watchdog->beat(action);
}

void TestMonkey::act()
{
    const QList<QLineEdit *> edits = usable<QLineEdit>(m_panel);
    const QList<QComboBox *> combos = usable<QComboBox>(m_panel);
    const QList<QAbstractButton *> buttons = usable<QAbstractButton>(m_panel);
    const QList<QAbstractItemView *> views = usable<QAbstractItemView>(m_panel);
    QList<QWidget *> keyTargets(edits.begin(), edits.end());
    keyTargets.append(QList<QWidget *>(views.begin(), views.end()));

    // Weighted by how often a user does it; only what the panel offers can be drawn.
    const std::pair<int, std::function<void()>> choices[] = {
        {edits.isEmpty() ? 0 : 30, [&] { typeInto(any(edits)); }},
        // Now and then something really long, like a whole document pasted by mistake.
        {edits.isEmpty() ? 0 : 12,
         [&] {
             const bool huge = below(50) == 0;
             pasteInto(any(edits),
                       huge ? randomText(20000, true).repeated(3) : randomText(40, true));
         }},
        {keyTargets.isEmpty() ? 0 : 13, [&] { pressKey(any(keyTargets)); }},
        {combos.isEmpty() ? 0 : 12, [&] { pickIn(any(combos)); }},
        {buttons.isEmpty() ? 0 : 18,
         [&] {
             QAbstractButton *button = any(buttons);
             note(QStringLiteral("click %1").arg(button->objectName()));
             QTest::mouseClick(button, Qt::LeftButton);
         }},
        {views.isEmpty() ? 0 : 12, [&] { clickIn(any(views)); }},
        {3, [&] { visitOtherPanel(); }},
    };
    int total = 0;
    for (const auto &choice : choices)
        total += choice.first;
    int dice = below(total);
    for (const auto &[weight, action] : choices) {
        if (dice < weight)
            return action();
        dice -= weight;
    }
}

QString TestMonkey::plausibleNumber()
{
    QString number = QString::number(1 + below(999));
    if (below(3) == 0)
        number += u'.' + QString::number(below(100));
    if (below(5) == 0)
        number +=
            (below(2) ? QStringLiteral("e-") : QStringLiteral("e")) + QString::number(below(12));
    return number;
}

QString TestMonkey::randomText(int maxLength, bool controls)
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

void TestMonkey::typeInto(QLineEdit *edit)
{
    // Half the time a plain value over the old one, as when a user enters a number; else
    // anything, wherever the cursor is.
    const bool value = below(2) == 0;
    if (value || below(3) == 0)
        edit->selectAll();
    const QString text = value ? plausibleNumber() : randomText(12, false);
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

void TestMonkey::pasteInto(QWidget *target, const QString &text)
{
    note(QStringLiteral("paste %1 characters into %2: \"%3\"")
             .arg(text.size())
             .arg(target->objectName(), text.left(40)));
    QGuiApplication::clipboard()->setText(text);
    if (auto *edit = qobject_cast<QLineEdit *>(target); edit && below(2) == 0)
        edit->selectAll();
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

void TestMonkey::pressKey(QWidget *target)
{
    static const QKeyCombination keys[] = {
        Qt::Key_Backspace,    Qt::Key_Delete,       Qt::Key_Left,
        Qt::Key_Right,        Qt::Key_Home,         Qt::Key_End,
        Qt::Key_Up,           Qt::Key_Down,         Qt::Key_Return,
        Qt::Key_Enter,        Qt::Key_Escape,       Qt::Key_Space,
        Qt::Key_PageDown,     Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_Z,
        Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_Y, Qt::SHIFT | Qt::Key_End};
    const QKeyCombination combination = keys[below(int(std::size(keys)))];
    const Qt::Key key = combination.key();
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    note(QStringLiteral("key %1/%2 in %3")
             .arg(key)
             .arg(modifiers.toInt())
             .arg(target->objectName()));
    QTest::keyClick(target, key, modifiers);
}

void TestMonkey::pickIn(QComboBox *combo)
{
    if (combo->isEditable() && below(2) == 0) {
        if (below(3) == 0)
            return pasteInto(combo->lineEdit(), randomText(30, true));
        return typeInto(combo->lineEdit());
    }
    static const Qt::Key keys[] = {Qt::Key_Up,  Qt::Key_Down,   Qt::Key_Home,
                                   Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};
    const Qt::Key key = keys[below(int(std::size(keys)))];
    note(QStringLiteral("key %1 on %2 at item %3")
             .arg(key)
             .arg(combo->objectName())
             .arg(combo->currentIndex()));
    QTest::keyClick(combo, key);
}

void TestMonkey::clickIn(QAbstractItemView *view)
{
    QAbstractItemModel *model = view->model();
    if (!model || model->rowCount(view->rootIndex()) == 0)
        return pressKey(view);
    const int row = below(model->rowCount(view->rootIndex()));
    const QModelIndex index = model->index(row, 0, view->rootIndex());
    view->scrollTo(index);
    static const Qt::KeyboardModifiers modifiers[] = {
        {}, {}, Qt::ControlModifier, Qt::ShiftModifier};
    const Qt::KeyboardModifiers modifier = modifiers[below(int(std::size(modifiers)))];
    note(QStringLiteral("click row %1/%2 of %3")
             .arg(row)
             .arg(modifier.toInt())
             .arg(view->objectName()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifier, view->visualRect(index).center());
    if (below(2) == 0)
        QTest::keyClick(view, below(2) ? Qt::Key_Delete : Qt::Key_Backspace);
}

void TestMonkey::clickRow(int row)
{
    SourceListView *list = m_app->categoriesOutlineView();
    const QModelIndex index = list->itemAtRow(row);
    list->scrollTo(index);
    note(QStringLiteral("pick row %1 in the source list").arg(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

void TestMonkey::visitOtherPanel()
{
    SourceListView *list = m_app->categoriesOutlineView();
    if (below(2) == 0) {
        clickRow(below(list->numberOfRows()));
    } else {
        note(QStringLiteral("arrow keys in the source list"));
        QTest::keyClick(list, below(2) ? Qt::Key_Down : Qt::Key_Up);
    }
    QCoreApplication::processEvents();
    clickRow(m_panelRow);
    QCOMPARE(m_app->containerView()->panel(), m_panel);
}

int main(int argc, char *argv[])
{
    Sandbox sandbox;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestMonkey test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_monkey.moc"
