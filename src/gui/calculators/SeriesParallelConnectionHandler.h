#pragma once

#include "core/calculators/SeriesParallel.h"
#include "gui/app/PanelHandler.h"
#include "gui/calculators/PartsTableModel.h"
#include "ui_SeriesParallelConnectionPanel.h"

#include <QObject>

class SeriesParallelConnectionHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit SeriesParallelConnectionHandler(QWidget *panel);

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    zelkor::seriesparallel::PartKind kind() const;
    int selectedRow() const;
    void markInvalidEntry();
    void clearInvalidEntry();
    void updateRemoveButton();

    Ui::SeriesParallelConnectionPanel ui;
    PartsTableModel m_parts;
};
