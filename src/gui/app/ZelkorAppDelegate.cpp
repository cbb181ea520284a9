#include "gui/app/ZelkorAppDelegate.h"

#include "gui/app/Links.h"
#include "gui/app/Panels.h"
#include "gui/app/ResultCopy.h"
#include "gui/categories/OutlineViewDataSource.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>

#include <algorithm>

namespace {
constexpr int kWindowFadeMilliseconds = 250;

// The flag as the app writes it: a boolean, which the settings file keeps as the text "true".
// Whatever else a damaged or foreign settings file holds there counts as never answered.
bool donationSheetWasAnswered()
{
    const QVariant flag = QSettings().value(QLatin1String(ZelkorAppDelegate::kDonationShownKey));
    if (flag.typeId() == QMetaType::Bool)
        return flag.toBool();
    return flag.typeId() == QMetaType::QString && flag.toString() == u"true";
}
} // namespace

ZelkorAppDelegate::ZelkorAppDelegate(QObject *parent)
    : QObject(parent), m_window(std::make_unique<QWidget>())
{
    ui.setupUi(m_window.get());
    m_panelStore = new QWidget(m_window.get());
    m_panelStore->hide();
    ui.containerView->setPanelStore(m_panelStore);
    ui.splitter->setStretchFactor(1, 1);

    m_panels = std::make_unique<Panels>(m_panelStore);
    for (int index = 0; index < m_panels->count(); ++index)
        m_panels->build(m_panels->view(index));

    m_outlineViewDataSource = new OutlineViewDataSource(this);
    m_outlineViewDataSource->panels = m_panels.get();

    for (int number = 1; number <= std::min(kPanelShortcuts, m_panels->count()); ++number) {
        auto *shortcut =
            new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + number)), m_window.get());
        connect(shortcut, &QShortcut::activated, this, [this, number] { selectPanel(number); });
    }
    new ResultCopier(m_window.get(), ui.containerView, m_panels.get()); // a child of the window

    awakeFromNib();
}

ZelkorAppDelegate::~ZelkorAppDelegate() = default;

void ZelkorAppDelegate::awakeFromNib()
{
    m_windowFade = new QPropertyAnimation(m_window.get(), "windowOpacity", this);
    m_windowFade->setDuration(kWindowFadeMilliseconds);
}

void ZelkorAppDelegate::applicationDidFinishLaunching()
{
    m_outlineViewDataSource->prepareDataSource();
    SourceListView *list = ui.categoriesOutlineView;
    list->setModel(m_outlineViewDataSource);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ZelkorAppDelegate::categoryChanged);

    // Each expansion inserts rows, so the row count is asked again every time.
    for (int row = 0; row < list->numberOfRows(); ++row)
        list->expandRecursively(list->itemAtRow(row));

    {
        // The launch puts the first panel in place itself, without a pick.
        const QSignalBlocker quiet(list->selectionModel());
        list->selectRow(kFirstCalculatorRow);
    }
    Node *firstLeaf = m_outlineViewDataSource->itemsNode()->children.at(0)->children.at(0).get();
    m_panels->build(firstLeaf->viewToOpen);
    ui.containerView->setPanel(firstLeaf->viewToOpen);
    ui.containerView->setTransitionEnabled(true);

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

    if (donationSheetWasAnswered())
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
    m_donationSheet = alert;
    alert->open();
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
    m_panels->build(item->viewToOpen);
    ui.containerView->replacePanel(item->viewToOpen);
}

void ZelkorAppDelegate::selectPanel(int number)
{
    // Through the list's selection, so that the list shows the pick and categoryChanged()
    // swaps the panel just as for a click.
    SourceListView *list = ui.categoriesOutlineView;
    int leaves = 0;
    for (int row = 0; row < list->numberOfRows(); ++row) {
        const Node *item = m_outlineViewDataSource->nodeForIndex(list->itemAtRow(row));
        if (!item || item->isGroup)
            continue;
        if (++leaves == number) {
            list->selectRow(row);
            list->scrollTo(list->itemAtRow(row));
            return;
        }
    }
}
