// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/ZelkorAppDelegate.h"

#include "gui/app/Links.h"
#include "gui/app/PanelRegistry.h"
#include "gui/app/Panels.h"
#include "gui/app/PanelState.h"
#include "gui/app/ResultCopy.h"
#include "gui/app/WindowState.h"
#include "gui/categories/OutlineViewDataSource.h"
#include "gui/categories/PanelFinder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>

#include <algorithm>
#include <utility>

namespace {
constexpr int kWindowFadeMilliseconds = 250;
constexpr int kSourceListStartWidth = 235;
const QString kShownPanelKey = QStringLiteral("window/panel");
} // namespace

ZelkorAppDelegate::ZelkorAppDelegate(QObject *parent)
    : QObject(parent), m_window(std::make_unique<QWidget>())
{
    ui.setupUi(m_window.get());
    m_panelStore = new QWidget(m_window.get());
    m_panelStore->hide();
    ui.containerView->setPanelStore(m_panelStore);
    ui.splitter->setStretchFactor(1, 1);
    // The panel area is as wide as the shown panel needs; the list starts narrow enough for
    // the widest panel to fit beside it at the first-start size.
    ui.splitter->setSizes({kSourceListStartWidth, m_window->width() - kSourceListStartWidth});

    m_panels = std::make_unique<Panels>(m_panelStore);

    m_outlineViewDataSource = new OutlineViewDataSource(this);
    m_outlineViewDataSource->panels = m_panels.get();

    for (int number = 1; number <= std::min(kPanelShortcuts, m_panels->count()); ++number) {
        auto *shortcut =
            new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + number)), m_window.get());
        connect(shortcut, &QShortcut::activated, this, [this, number] { selectPanel(number); });
    }
    for (const auto &[key, step] :
         {std::pair{Qt::Key_PageDown, 1}, std::pair{Qt::Key_PageUp, -1}}) {
        auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), m_window.get());
        connect(shortcut, &QShortcut::activated, this, [this, step] { stepPanel(step); });
    }
    m_finder = new PanelFinder(ui.findField, ui.categoriesOutlineView, m_outlineViewDataSource);
    // Ctrl+F on every desktop, also where the platform's key for finding is another.
    QList<QKeySequence> findKeys = QKeySequence::keyBindings(QKeySequence::Find);
    if (!findKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_F)))
        findKeys.append(QKeySequence(Qt::CTRL | Qt::Key_F));
    auto *find = new QShortcut(m_window.get());
    find->setKeys(findKeys);
    connect(find, &QShortcut::activated, this, [this] {
        ui.findField->setFocus(Qt::ShortcutFocusReason);
        ui.findField->selectAll();
    });
    new ResultCopier(m_window.get(), ui.containerView, m_panels.get()); // a child of the window
    addQuitShortcut(m_window.get());

    awakeFromNib();
}

ZelkorAppDelegate::~ZelkorAppDelegate()
{
    if (m_launched)
        saveSession();
}

void ZelkorAppDelegate::awakeFromNib()
{
    m_windowFade = new QPropertyAnimation(m_window.get(), "windowOpacity", this);
    m_windowFade->setDuration(kWindowFadeMilliseconds);
}

void ZelkorAppDelegate::applicationDidFinishLaunching()
{
    QSettings settings;
    // Panels are built when first shown; until then they are empty widgets. Their kept inputs
    // wait in the list of panels.
    m_panels->restoreFrom(settings);
    m_outlineViewDataSource->prepareDataSource();
    SourceListView *list = ui.categoriesOutlineView;
    list->setModel(m_outlineViewDataSource);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ZelkorAppDelegate::categoryChanged);

    // Every group opens, in one pass: asking the view for its rows after each expansion would
    // lay out every row again each time.
    list->expandAll();

    // The panel shown when Zelkor last ended, else the first calculator. The launch puts it in
    // place itself, without a pick.
    const int shownRow = keptPanelRow(settings);
    {
        const QSignalBlocker quiet(list->selectionModel());
        list->selectRow(shownRow);
    }
    QWidget *shown = m_outlineViewDataSource->nodeForIndex(list->itemAtRow(shownRow))->viewToOpen;
    m_panels->build(shown);
    ui.containerView->setPanel(shown);
    ui.containerView->setTransitionEnabled(true);

    zelkor::window::restore(settings, m_window.get(), ui.splitter);
    m_launched = true;
    // The list, not the find field above it, starts with the keys: the arrows walk the panels,
    // and typing still finds.
    list->setFocus();

    // Windows without a compositor (offscreen rendering) have no opacity to fade.
    const bool canFade = !QGuiApplication::platformName().startsWith(u"offscreen") &&
                         !QGuiApplication::platformName().startsWith(u"minimal");
    if (canFade)
        m_window->setWindowOpacity(0.0);
    m_window->show();
    if (canFade) {
        m_windowFade->setStartValue(0.0);
        m_windowFade->setEndValue(1.0);
        m_windowFade->start();
    }

    // Whatever else a damaged or foreign settings file holds there counts as never answered.
    if (zelkor::state::isTrue(QSettings().value(QLatin1String(kDonationShownKey))))
        return;
    showDonationSheet();
}

void ZelkorAppDelegate::showDonationSheet()
{
    auto *alert = new QMessageBox(m_window.get());
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->setIcon(QMessageBox::Information);
    auto *donate = alert->addButton(QStringLiteral("Donate"), QMessageBox::AcceptRole);
    alert->addButton(QStringLiteral("Ignore Inconspicuously"), QMessageBox::RejectRole);
    alert->setDefaultButton(donate);
    alert->setWindowTitle(QStringLiteral("Zelkor"));
    alert->setText(QStringLiteral("Please Donate"));
    alert->setInformativeText(QStringLiteral(
        "Developing this software takes a lot of time and I'm trying to consider all your "
        "feature requests. If you like this app, please make a little donation. \n\nAnd - most "
        "important - supporting a poor student is good for your karma, of course. ;-)"));
    connect(alert, &QMessageBox::finished, this, [this, alert, donate] {
        mailingListDialogDidEnd(alert->clickedButton() == donate ? kAlertFirstButtonReturn
                                                                 : kAlertSecondButtonReturn);
    });
    addQuitShortcut(alert); // the sheet blocks the window's keys
    m_donationSheet = alert;
    alert->open();
}

void ZelkorAppDelegate::addQuitShortcut(QWidget *window)
{
    // Ctrl+Q on every desktop, also where the platform names no key for quitting.
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (!keys.contains(QKeySequence(Qt::CTRL | Qt::Key_Q)))
        keys.append(QKeySequence(Qt::CTRL | Qt::Key_Q));
    auto *quit = new QShortcut(window);
    quit->setKeys(keys);
    connect(quit, &QShortcut::activated, qApp, &QCoreApplication::quit);
}

void ZelkorAppDelegate::mailingListDialogDidEnd(int returnCode)
{
    QSettings().setValue(QLatin1String(kDonationShownKey), true);
    if (returnCode == kAlertFirstButtonReturn)
        QDesktopServices::openUrl(zelkor::links::donation());
}

void ZelkorAppDelegate::categoryChanged()
{
    SourceListView *list = ui.categoriesOutlineView;
    // With nothing selected there is no panel to show, so the shown one stays.
    const int row = list->selectedRow();
    if (row < 0)
        return;
    const Node *item = m_outlineViewDataSource->nodeForIndex(list->itemAtRow(row));
    if (!item || item->isGroup)
        return;
    if (item->viewToOpen == ui.containerView->panel())
        return;
    // The panel that is left keeps its inputs, should Zelkor not end normally.
    QSettings settings;
    m_panels->saveTo(settings, ui.containerView->panel());
    settings.setValue(kShownPanelKey, panelKey(item->viewToOpen));
    m_panels->build(item->viewToOpen);
    ui.containerView->replacePanel(item->viewToOpen);
}

int ZelkorAppDelegate::keptPanelRow(QSettings &settings) const
{
    const QVariant kept = settings.value(kShownPanelKey);
    SourceListView *list = ui.categoriesOutlineView;
    for (int row = 0; kept.typeId() == QMetaType::QString && row < list->numberOfRows(); ++row) {
        const Node *item = m_outlineViewDataSource->nodeForIndex(list->itemAtRow(row));
        if (!item->isGroup && panelKey(item->viewToOpen) == kept.toString())
            return row;
    }
    return kFirstCalculatorRow;
}

QString ZelkorAppDelegate::panelKey(const QWidget *view) const
{
    const int index = m_panels->indexOf(view);
    return index < 0 ? QString() : QString::fromLatin1(m_panels->entry(index).titleKey);
}

void ZelkorAppDelegate::saveSession() const
{
    QSettings settings;
    m_panels->saveAllTo(settings);
    settings.setValue(kShownPanelKey, panelKey(ui.containerView->panel()));
    zelkor::window::save(settings, m_window.get(), ui.splitter);
}

void ZelkorAppDelegate::selectPanel(int number)
{
    // The digits keep their panels while a find narrows the list; the find gives way.
    SourceListView *list = ui.categoriesOutlineView;
    const Node *root = m_outlineViewDataSource->itemsNode();
    int leaves = 0;
    for (const auto &group : root->children) {
        for (const auto &leaf : group->children) {
            if (++leaves != number)
                continue;
            const QModelIndex groupIndex = m_outlineViewDataSource->index(group->row(), 0);
            const QModelIndex index = m_outlineViewDataSource->index(leaf->row(), 0, groupIndex);
            if (list->isRowHidden(group->row(), {}) || list->isRowHidden(leaf->row(), groupIndex))
                m_finder->clear();
            // Through the list's selection, so that the list shows the pick and
            // categoryChanged() swaps the panel just as for a click.
            list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                               QItemSelectionModel::Rows);
            list->scrollTo(index);
            return;
        }
    }
}

void ZelkorAppDelegate::stepPanel(int step)
{
    SourceListView *list = ui.categoriesOutlineView;
    QList<int> panelRows;
    for (int row = 0; row < list->numberOfRows(); ++row) {
        if (list->itemAtRow(row).flags() & Qt::ItemIsSelectable)
            panelRows.append(row);
    }
    if (panelRows.isEmpty())
        return;
    // With nothing shown selected, the first step lands on the first or the last panel.
    const qsizetype at = panelRows.indexOf(list->selectedRow());
    const qsizetype count = panelRows.size();
    const qsizetype next = at < 0 ? (step > 0 ? 0 : count - 1) : (at + step + count) % count;
    list->selectRow(panelRows[next]);
    list->scrollTo(list->itemAtRow(panelRows[next]));
}
