// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/app/PanelHandler.h"
#include "ui_CapacitorCodesPanel.h"

#include <QObject>

// The capacitor code panel: a marking gives its value, tolerance and voltage, a value its codes.
class CapacitorCodesHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit CapacitorCodesHandler(QWidget *panel);

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

public Q_SLOTS:
    // Shows the readings of the typed marking, or why it is none.
    void codeChanged();
    // Shows the three-digit and EIA-198 codes of the typed value.
    void valueChanged();

private:
    Ui::CapacitorCodesPanel ui;
};
