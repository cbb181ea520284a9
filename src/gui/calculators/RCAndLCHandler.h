// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drawing/CircuitDrawings.h"
#include "gui/app/FieldBinding.h"
#include "gui/app/PanelHandler.h"
#include "ui_RCAndLCPanel.h"

#include <QObject>

class RCAndLCHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit RCAndLCHandler(QWidget *panel);

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

    // Button ids in circuitSegControl, equal to the page indexes of circuitStack.
    static constexpr int kRC = 0;
    static constexpr int kLC = 1;

public Q_SLOTS:
    // Shows the chosen circuit's page, the fields its choice reads, and the result; an
    // incomplete input shows nothing.
    void calculateRCAndLC();

private:
    // Each shows its result: the display keeps the lines that fit, copying takes them all.
    void showRC();
    void showLC();
    // The drawing shows the pair chosen on the display.
    void drawFilter(int index);

    Ui::RCAndLCPanel ui;
    FieldBinding m_circuit;
    FieldBinding m_rc;
    FieldBinding m_lc;
    // All of the result, for copying; the display may show only the lines that fit.
    QString m_result;
    std::vector<zelkor::views::LowPassCircuit> m_filters; // of m_result, in its order
};
