// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/SeriesParallelConnectionHandler.h"

#include "core/text/NumberFormat.h"
#include "core/text/NumberReader.h"
#include "core/text/Texts.h"
#include "gui/app/PanelState.h"

#include <QKeyEvent>
#include <QToolTip>

#include <algorithm>
#include <array>

using zelkor::seriesparallel::PartKind;

using zelkor::seriesparallel::Field;
using zelkor::seriesparallel::kSearchSeries;

namespace {
constexpr int kResistorsSegment = 0;
constexpr int kCapacitorsSegment = 1;
constexpr int kListSegment = 0;
constexpr int kTargetSegment = 1;
constexpr int kDefaultSeries = 2; // E24
} // namespace

SeriesParallelConnectionHandler::SeriesParallelConnectionHandler(QWidget *panel)
    : QObject(panel), m_parts(this)
{
    ui.setupUi(panel);
    ui.capacitorOrResistorSeg->setId(ui.resistorsButton, kResistorsSegment);
    ui.capacitorOrResistorSeg->setId(ui.capacitorsButton, kCapacitorsSegment);
    ui.partsTableView->setModel(&m_parts);
    ui.partsTableView->installEventFilter(this);
    ui.modeSeg->setId(ui.listModeButton, kListSegment);
    ui.modeSeg->setId(ui.targetModeButton, kTargetSegment);
    for (const zelkor::eseries::Series series : kSearchSeries)
        ui.seriesChoice->addItem(zelkor::eseries::name(series));
    ui.seriesChoice->setCurrentIndex(kDefaultSeries);
    ui.targetField->setMaxLength(ui.partsValueField->maxLength());

    m_kind = FieldBinding(zelkor::seriesparallel::kFields,
                          {{Field::Kind, ui.capacitorOrResistorSeg},
                           {Field::Tolerance, ui.toleranceField}});
    m_search = FieldBinding(zelkor::seriesparallel::kFields, {{Field::Target, ui.targetField},
                                                              {Field::Series, ui.seriesChoice},
                                                              {Field::PartsCount, ui.partsChoice}});
    connect(ui.modeSeg, &QButtonGroup::idClicked, this,
            &SeriesParallelConnectionHandler::modeChanged);
    m_search.connect(this, &SeriesParallelConnectionHandler::searchTarget);
    m_kind.connect(this, &SeriesParallelConnectionHandler::resistorOrCapacityOptionChanged);
    connect(ui.partsValueField, &QLineEdit::returnPressed, this,
            &SeriesParallelConnectionHandler::addPart);
    connect(ui.partsValueField, &QLineEdit::textEdited, this,
            &SeriesParallelConnectionHandler::clearInvalidEntry);
    connect(ui.addButton, &QPushButton::clicked, this, &SeriesParallelConnectionHandler::addPart);
    connect(ui.removeButton, &QPushButton::clicked, this,
            &SeriesParallelConnectionHandler::removePart);
    connect(ui.partsTableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SeriesParallelConnectionHandler::updateRemoveButton);

    ui.targetPanel->hide();
    modeChanged();
    updateRemoveButton();
}

SeriesParallelConnectionHandler::~SeriesParallelConnectionHandler()
{
    m_searching.request_stop();
}

bool SeriesParallelConnectionHandler::targetMode() const
{
    return ui.modeSeg->checkedId() == kTargetSegment;
}

void SeriesParallelConnectionHandler::modeChanged()
{
    const bool target = targetMode();
    // Only a change shows or hides, so a panel that was never shown stays as the form built it.
    if (ui.listPanel->isHidden() != target) {
        ui.listPanel->setHidden(target);
        ui.targetPanel->setHidden(!target);
    }
    if (target)
        searchTarget();
    else
        resistorOrCapacityOptionChanged();
}

void SeriesParallelConnectionHandler::searchTarget()
{
    if (!targetMode())
        return;
    const quint64 generation = ++m_generation;
    const QString text = ui.targetField->text();
    if (text.trimmed().isEmpty()) {
        m_searching.request_stop();
        ui.outputField->clear();
        return;
    }
    const auto inputs = zelkor::seriesparallel::searchInputs(text, ui.seriesChoice->currentText(),
                                                             ui.partsChoice->currentText(),
                                                             zelkor::Reading::Lenient);
    // A target that is no resistance says so, as a search for it would.
    if (!inputs) {
        m_searching.request_stop();
        ui.outputField->setText(zelkor::text("ValuesNotPositive"));
        return;
    }
    const double target = inputs->target;
    const auto series = inputs->series;
    const int parts = inputs->maxParts;
    // Replacing the thread stops the search it ran and waits for it; the core function polls
    // its stop token throughout, so that wait is short. The three-part E192 search takes tens
    // of milliseconds, too long for a keystroke on the GUI thread.
    m_searching = std::jthread([this, generation, target, series, parts](std::stop_token stop) {
        const auto search = zelkor::combinations::bestCombinations(target, series, parts, stop);
        if (stop.stop_requested())
            return;
        QMetaObject::invokeMethod(
            this,
            [this, generation, shown = zelkor::combinations::searchText(search)] {
                showSearch(generation, shown);
            },
            Qt::QueuedConnection);
    });
}

void SeriesParallelConnectionHandler::showSearch(quint64 generation, const QString &text)
{
    if (generation == m_generation && targetMode())
        ui.outputField->setText(text);
}

PartKind SeriesParallelConnectionHandler::kind() const
{
    return ui.capacitorOrResistorSeg->checkedId() == kCapacitorsSegment ? PartKind::Capacitors
                                                                        : PartKind::Resistors;
}

int SeriesParallelConnectionHandler::selectedRow() const
{
    const QModelIndexList rows = ui.partsTableView->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void SeriesParallelConnectionHandler::addPart()
{
    const QString part = ui.partsValueField->text();
    if (part.isEmpty())
        return;
    if (!zelkor::seriesparallel::isPart(part, kind())) {
        markInvalidEntry();
        return;
    }
    m_parts.append(part);
    ui.partsTableView->scrollToBottom();
    // The text stays for the next part of the same value; typing replaces it.
    ui.partsValueField->selectAll();
    calculateConnection();
}

void SeriesParallelConnectionHandler::removePart()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_parts.removePart(row);
    // Keep a selection in place so that pressing Delete again removes the next part.
    if (m_parts.rowCount() > 0)
        ui.partsTableView->selectRow(std::min(row, m_parts.rowCount() - 1));
    updateRemoveButton();
    calculateConnection();
}

void SeriesParallelConnectionHandler::resistorOrCapacityOptionChanged()
{
    const PartKind current = kind();
    ui.unitField->setText(zelkor::seriesparallel::unit(current));
    const char *caption = current == PartKind::Capacitors ? "Capacitors" : "Resistors";
    ui.tableViewCaption->setText(zelkor::text(caption) + QStringLiteral(": "));
    ui.toleranceField->setPlaceholderText(
        zelkor::formatShortest(float(zelkor::seriesparallel::defaultPercent(current))));
    ui.partsValueField->setAccessibleDescription(
        zelkor::text(current == PartKind::Capacitors ? "SeriesParallelMicrofaradsA11yDescription"
                                                     : "SeriesParallelOhmsA11yDescription"));
    calculateConnection();
}

void SeriesParallelConnectionHandler::calculateConnection()
{
    if (targetMode())
        return;
    ui.outputField->setText(
        zelkor::seriesparallel::resultText(kind(), m_parts.parts(), ui.toleranceField->text()));
}

bool SeriesParallelConnectionHandler::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.partsTableView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
            removePart();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void SeriesParallelConnectionHandler::markInvalidEntry()
{
    QLineEdit *field = ui.partsValueField;
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, QColor(0xff, 0xd9, 0xd9));
    palette.setColor(QPalette::Text, QColor(0xa0, 0x00, 0x00));
    field->setPalette(palette);
    const QString reason = zelkor::text("PartNotANumber");
    field->setToolTip(reason);
    if (field->isVisible())
        QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), reason, field);
    field->setFocus();
}

void SeriesParallelConnectionHandler::clearInvalidEntry()
{
    if (ui.partsValueField->toolTip().isEmpty())
        return;
    ui.partsValueField->setPalette(QPalette());
    ui.partsValueField->setToolTip({});
    QToolTip::hideText();
}

void SeriesParallelConnectionHandler::updateRemoveButton()
{
    ui.removeButton->setEnabled(selectedRow() >= 0);
}

QString SeriesParallelConnectionHandler::resultText() const
{
    return ui.outputField->text();
}

void SeriesParallelConnectionHandler::recalculate()
{
    modeChanged();
}

namespace {
constexpr const char *kModeNames[] = {"list", "target"};
// Far more parts than anyone adds by hand: a longer kept list is damage, not work.
constexpr qsizetype kMostKeptParts = 10000;
} // namespace

QVariantMap SeriesParallelConnectionHandler::saveState() const
{
    QVariantMap state = m_kind.save();
    state.insert(m_search.save());
    state.insert(QStringLiteral("parts"), QStringList(m_parts.parts()));
    state.insert(QStringLiteral("entry"), ui.partsValueField->text());
    state.insert(QStringLiteral("mode"), zelkor::state::choiceName(ui.modeSeg, kModeNames));
    return state;
}

void SeriesParallelConnectionHandler::restoreState(const QVariantMap &state)
{
    m_kind.restore(state);
    m_search.restore(state);
    zelkor::state::restoreText(ui.partsValueField, state, QStringLiteral("entry"));
    zelkor::state::restoreChoice(ui.modeSeg, state, QStringLiteral("mode"), kModeNames);
    if (const auto parts = zelkor::state::texts(state, QStringLiteral("parts"), kMostKeptParts)) {
        QStringList kept;
        for (const QString &part : *parts) {
            if (part.size() <= ui.partsValueField->maxLength() &&
                zelkor::seriesparallel::isPart(part, kind()))
                kept.append(part);
        }
        m_parts.setParts(kept);
        updateRemoveButton();
    }
}
