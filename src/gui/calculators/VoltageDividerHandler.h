// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/calculators/VoltageDivider.h"
#include "gui/app/FieldBinding.h"
#include "gui/app/PanelHandler.h"
#include "ui_VoltageDividerPanel.h"

#include <QObject>

class VoltageDividerHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit VoltageDividerHandler(QWidget *panel);

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

    // Button ids in dividerModeSegControl, equal to the page indexes of dividerModeTabView and
    // to zelkor::divider::Mode.
    static constexpr int kDesign = 0;
    static constexpr int kAnalysis = 1;

public Q_SLOTS:
    // Shows the chosen mode's page and its result: the best pairs, or what one divider does.
    void calculateDivider();

private:
    // The drawing shows the pair chosen on the display.
    void drawPair(int index);

    Ui::VoltageDividerPanel ui;
    FieldBinding m_design; // and the mode
    FieldBinding m_analysis;
    QString m_result; // every pair, also those the display has no room for
    std::vector<zelkor::divider::Circuit> m_pairs; // of m_result, in its order
};
