// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drawing/CircuitDrawings.h"
#include "gui/app/FieldBinding.h"
#include "gui/app/PanelHandler.h"
#include "ui_OpAmpGainPanel.h"

#include <QObject>

class OpAmpGainHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit OpAmpGainHandler(QWidget *panel);

    // All the pairs, also those the display has no room for.
    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

    // Button ids, equal to the positions in zelkor::opamp::kCircuitNames and kModeNames; the
    // mode's is also the page of opAmpModeTabView.
    static constexpr int kNonInverting = 0;
    static constexpr int kInverting = 1;
    static constexpr int kDesign = 0;
    static constexpr int kAnalysis = 1;

public Q_SLOTS:
    // Shows the chosen mode's page and its result, or the reason the circuit cannot give the
    // gain; an incomplete input, or one no resistor has, shows nothing.
    void calculateGain();

private:
    // The drawing shows the pair chosen on the display.
    void drawPair(int index);

    Ui::OpAmpGainPanel ui;
    FieldBinding m_fields;
    QString m_result;
    std::vector<zelkor::views::AmplifierCircuit> m_pairs; // of m_result, in its order
};
