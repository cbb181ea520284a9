// SPDX-License-Identifier: GPL-3.0-or-later

// The launch sequence, the donation sheet and panel switching, through the real window.

#include "gui/app/Links.h"
#include "gui/app/PanelContainer.h"
#include "gui/app/PanelHandler.h"
#include "gui/app/Panels.h"
#include "gui/app/StartInParallel.h"
#include "gui/app/ZelkorAppDelegate.h"
#include "support/AppSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QSplitter>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <clocale>

using zelkor::test::launchApp;
using zelkor::test::panelAtRow;

namespace {

int panelsInContainer(const ZelkorAppDelegate &app)
{
    int panels = 0;
    for (int index = 0; index < app.panels()->count(); ++index)
        panels += app.panels()->view(index)->parent() == app.containerView() ? 1 : 0;
    return panels;
}

// What a user does on a panel: switches each choice, picks the next item of each pop-up, and
// types a number into each field and confirms it (which adds a part to a list).
void changeInputs(QWidget *panel, int seed)
{
    for (QAbstractButton *button : panel->findChildren<QAbstractButton *>()) {
        if (button->isCheckable() && button->isVisible() && !button->isChecked())
            QTest::mouseClick(button, Qt::LeftButton);
    }
    for (QComboBox *popup : panel->findChildren<QComboBox *>()) {
        if (!popup->isEditable() && popup->isVisible())
            QTest::keyClick(popup, Qt::Key_Down);
    }
    for (QLineEdit *field : panel->findChildren<QLineEdit *>()) {
        if (field->isReadOnly() || !field->isVisible() || !field->isEnabled())
            continue;
        field->selectAll();
        QTest::keyClicks(field, QString::number(++seed));
        QTest::keyClick(field, Qt::Key_Return);
    }
}

// Every panel's inputs and result, each panel built as it would be when shown.
QList<std::pair<QVariantMap, QString>> everyPanel(const ZelkorAppDelegate &app)
{
    QList<std::pair<QVariantMap, QString>> panels;
    for (int index = 0; index < app.panels()->count(); ++index) {
        const PanelHandler *handler = app.panels()->build(app.panels()->view(index));
        panels.append({handler->saveState(), handler->resultText()});
    }
    return panels;
}

bool donationAnswered()
{
    return QSettings().value(QLatin1String(ZelkorAppDelegate::kDonationShownKey)).toBool();
}

} // namespace

class TestLaunch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void init() { zelkor::test::clearSettings(); }

    void launchShowsFirstCalculatorAndKeysSkipHeaders()
    {
        auto app = launchApp();
        SourceListView *list = app->categoriesOutlineView();
        QVERIFY(app->window()->isVisible());
        const QList<int> leaves = zelkor::test::panelRows(*app);
        QCOMPARE(leaves.size(), app->panels()->count()); // every group is open
        QCOMPARE(list->selectedRow(), ZelkorAppDelegate::kFirstCalculatorRow);
        QCOMPARE(app->containerView()->panel(), panelAtRow(*app, list->selectedRow()));
        QCOMPARE(panelsInContainer(*app), 1);
        QVERIFY(app->containerView()->panel()->isVisible());
        // The launch builds only the shown panel, and computes it once, so it opens with a result.
        QVERIFY(!app->panels()->handler(app->containerView()->panel())->resultText().isEmpty());
        int built = 0;
        for (int index = 0; index < app->panels()->count(); ++index)
            built += app->panels()->handler(app->panels()->view(index)) ? 1 : 0;
        QCOMPARE(built, 1);
        QVERIFY(!app->donationSheet());

        // The arrow keys walk the leaves and step over the group headers; Home and End stop at the
        // first and last leaf.
        list->setFocus();
        const auto key = [&](Qt::Key pressed, int leaf) {
            QTest::keyClick(list, pressed);
            QCOMPARE(list->selectedRow(), leaves[leaf]);
            QCOMPARE(app->containerView()->panel(), panelAtRow(*app, leaves[leaf]));
        };
        for (int leaf = 1; leaf < leaves.size(); ++leaf)
            key(Qt::Key_Down, leaf);
        key(Qt::Key_Down, int(leaves.size()) - 1);
        key(Qt::Key_Up, int(leaves.size()) - 2);
        key(Qt::Key_Home, 0);
        key(Qt::Key_Up, 0);
        key(Qt::Key_End, int(leaves.size()) - 1);
    }

    void donationSheetShowsOnce_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<QUrl>>("opened");
        QTest::newRow("donate opens the donation page")
            << "Donate" << QList<QUrl>{zelkor::links::donation()};
        QTest::newRow("ignore opens nothing") << "Ignore Inconspicuously" << QList<QUrl>{};
    }

    void donationSheetShowsOnce()
    {
        QFETCH(QString, button);
        QFETCH(QList<QUrl>, opened);
        zelkor::test::UrlRecorder urls;
        auto app = launchApp(false);

        QMessageBox *sheet = app->donationSheet();
        QVERIFY(sheet);
        QVERIFY(sheet->isVisible());
        QAbstractButton *pressed = nullptr;
        for (QAbstractButton *candidate : sheet->buttons()) {
            if (candidate->text() == button)
                pressed = candidate;
        }
        QVERIFY(pressed);
        QVERIFY(!donationAnswered());
        QTest::mouseClick(pressed, Qt::LeftButton);
        QTRY_VERIFY(!app->donationSheet() || !app->donationSheet()->isVisible());
        QVERIFY(donationAnswered());
        QCOMPARE(urls.opened, opened);
        app.reset();
        QVERIFY(!launchApp(false)->donationSheet());
    }

    void pickingSwitchesPanels()
    {
        auto app = launchApp();
        SourceListView *list = app->categoriesOutlineView();
        PanelContainer *container = app->containerView();
        const int picked = zelkor::test::panelRows(*app)[2];
        const int header = 0;
        const auto clickRow = [list](int row) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualRect(list->itemAtRow(row)).center());
        };

        // A leaf: its panel replaces the shown one, with a cross-fade over the old one.
        clickRow(picked);
        QCOMPARE(list->selectedRow(), picked);
        QWidget *shown = panelAtRow(*app, picked);
        QCOMPARE(container->panel(), shown);
        QVERIFY(container->fadingSnapshot());
        QCOMPARE(panelsInContainer(*app), 1);
        QTRY_VERIFY(!container->fadingSnapshot());

        // A group header, the leaf already shown, an empty selection: the panel stays.
        clickRow(header);
        QCOMPARE(container->panel(), shown);
        list->selectRow(picked);
        QCOMPARE(container->panel(), shown);
        QVERIFY(shown->isVisible());
        list->clearSelection();
        QCOMPARE(list->selectedRow(), -1);
        QCOMPARE(container->panel(), shown);

        // Every row in turn, quicker than the fade: always exactly one panel under at most one
        // fading picture of the last (more would each be composed again at every paint), and it
        // has all the room it needs at the first-start size (given less, a panel squeezes its
        // columns into each other).
        const QSize firstStart = app->window()->size();
        for (int row = 0; row < list->numberOfRows(); ++row) {
            list->selectRow(row);
            QCOMPARE(panelsInContainer(*app), 1);
            const auto pictures = container->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
            QVERIFY(std::count_if(pictures.begin(), pictures.end(),
                                  [](const QLabel *l) { return l->isVisible(); }) <= 1);
            QApplication::processEvents();
            const QSize needed = container->panel()->minimumSizeHint();
            QVERIFY2(container->panel()->width() >= needed.width() &&
                         container->panel()->height() >= needed.height(),
                     qPrintable(list->itemAtRow(row).data().toString()));
        }
        QCOMPARE(container->panel(), panelAtRow(*app, zelkor::test::panelRows(*app).last()));
        QCOMPARE(app->window()->size(), firstStart);
    }

    void remembersWhatTheUserLeft()
    {
        auto app = launchApp();
        QWidget *window = app->window();
        // Smaller than at a first start: a size kept only when it fits the test screen (800×600).
        window->resize(QSize(790, 580));
        window->move(13, 17);
        const QList<int> leaves = zelkor::test::panelRows(*app);
        for (int i = 0; i < leaves.size(); ++i) {
            app->categoriesOutlineView()->selectRow(leaves[i]);
            changeInputs(app->containerView()->panel(), i * 10);
        }
        app->categoriesOutlineView()->selectRow(leaves[3]);
        QSplitter *splitter = window->findChild<QSplitter *>();
        splitter->setSizes({splitter->sizes()[0] + 25, splitter->sizes()[1] - 25});
        const QList<int> splitterSizes = splitter->sizes();
        const QSize size = window->size();
        const auto before = everyPanel(*app);
        // The inputs were real enough to compute with.
        QVERIFY(std::count_if(before.begin(), before.end(),
                              [](const auto &panel) { return !panel.second.isEmpty(); }) > 5);
        app.reset();

        app = launchApp();
        window = app->window();
        QCOMPARE(app->categoriesOutlineView()->selectedRow(), leaves[3]);
        QCOMPARE(app->containerView()->panel(), panelAtRow(*app, leaves[3]));
        QCOMPARE(window->size(), size);
        QCOMPARE(window->pos(), QPoint(13, 17));
        QCOMPARE(window->findChild<QSplitter *>()->sizes(), splitterSizes);
        QCOMPARE(everyPanel(*app), before);
    }

    // Also while the donation sheet waits for an answer.
    void ctrlQQuits()
    {
        auto app = launchApp(false);
        QWidget *active = app->donationSheet();
        active->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(active));
        QTimer::singleShot(0, active,
                           [active] { QTest::keyClick(active, Qt::Key_Q, Qt::ControlModifier); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }

    // The early read of the font configuration sets the locale from the environment before the
    // application object does; with a startup token for Qt to take out of the environment, it
    // leaves both to Qt.
    void earlyFontConfigurationLeavesAStartupTokenToQt_data()
    {
        QTest::addColumn<QByteArray>("token");
        QTest::addColumn<bool>("readsEarly");
        QTest::newRow("no token") << QByteArray() << true;
        QTest::newRow("X11 startup id") << QByteArray("DESKTOP_STARTUP_ID") << false;
        QTest::newRow("Wayland activation token") << QByteArray("XDG_ACTIVATION_TOKEN") << false;
    }
    void earlyFontConfigurationLeavesAStartupTokenToQt()
    {
        QFETCH(QByteArray, token);
        QFETCH(bool, readsEarly);
        const QByteArray locale = std::setlocale(LC_ALL, nullptr);
        const QByteArray lcAll = qgetenv("LC_ALL");
        std::setlocale(LC_ALL, "C");
        qputenv("LC_ALL", "C.UTF-8");
        if (!token.isEmpty())
            qputenv(token.constData(), "zelkor-test");
        {
            zelkor::FontConfigurationLoad fontConfiguration;
            fontConfiguration.wait();
            fontConfiguration.wait(); // a second wait returns at once
            QCOMPARE(QByteArray(std::setlocale(LC_ALL, nullptr)) == "C.UTF-8", readsEarly);
        }
        if (!token.isEmpty())
            qunsetenv(token.constData());
        lcAll.isNull() ? qunsetenv("LC_ALL") : qputenv("LC_ALL", lcAll);
        std::setlocale(LC_ALL, locale.constData());
    }
};

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
