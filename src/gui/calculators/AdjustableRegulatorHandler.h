// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drawing/CircuitDrawings.h"
#include "gui/app/FieldBinding.h"
#include "gui/app/PanelHandler.h"
#include "ui_AdjustableRegulatorPanel.h"

#include <QObject>

class AdjustableRegulatorHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit AdjustableRegulatorHandler(QWidget *panel);

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

public Q_SLOTS:
    // Shows the fields of the chosen part and mode, then the output voltage or the best pairs;
    // an unfinished input shows nothing, a Vout the part cannot give says why.
    void calculateRegulator();

private:
    void showFieldsOfChoice();
    // The drawing shows the pair chosen on the display.
    void drawPair(int index);

    Ui::AdjustableRegulatorPanel ui;
    FieldBinding m_fields;
    QString m_result; // every line, for Ctrl+C; the display may show fewer
    std::vector<zelkor::views::RegulatorCircuit> m_pairs; // of m_result, in its order
};
