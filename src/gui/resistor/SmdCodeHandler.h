// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/app/PanelHandler.h"
#include "ui_SmdCodePanel.h"

#include <QObject>

// The SMD code panel: a code printed on a resistor gives its value, a value gives its codes.
class SmdCodeHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit SmdCodeHandler(QWidget *panel);

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

public Q_SLOTS:
    // Shows the value of the typed code, or why it is no code.
    void codeChanged();
    // Shows the codes of the typed value in each system that has one.
    void valueChanged();

private:
    Ui::SmdCodePanel ui;
};
