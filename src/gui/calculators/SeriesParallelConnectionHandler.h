// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/calculators/ResistorCombinations.h"
#include "core/calculators/SeriesParallel.h"
#include "gui/app/FieldBinding.h"
#include "gui/app/PanelHandler.h"
#include "gui/calculators/PartsTableModel.h"
#include "ui_SeriesParallelConnectionPanel.h"

#include <QObject>

#include <thread>

class SeriesParallelConnectionHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit SeriesParallelConnectionHandler(QWidget *panel);
    ~SeriesParallelConnectionHandler() override;

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

public Q_SLOTS:
    // Appends the entry field's text when it begins with a number; otherwise marks the field.
    void addPart();
    // Removes the selected part; nothing when no row is selected.
    void removePart();
    void resistorOrCapacityOptionChanged();
    void calculateConnection();
    // Shows the list or the target search, as the mode choice says.
    void modeChanged();
    // Starts a search for the target off the GUI thread; a newer one replaces it.
    void searchTarget();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    zelkor::seriesparallel::PartKind kind() const;
    int selectedRow() const;
    void markInvalidEntry();
    void clearInvalidEntry();
    void updateRemoveButton();
    bool targetMode() const;
    void showSearch(quint64 generation, const QString &text);

    Ui::SeriesParallelConnectionPanel ui;
    FieldBinding m_kind;
    FieldBinding m_search; // the target and what the search may use
    PartsTableModel m_parts;
    // Counts the searches started, so a result that a later keystroke overtook is dropped.
    quint64 m_generation = 0;
    // Last, so it stops and joins before the rest goes.
    std::jthread m_searching;
};
