// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drawing/CircuitDrawings.h"
#include "gui/app/FieldBinding.h"
#include "gui/app/PanelHandler.h"
#include "ui_NE555Panel.h"

#include <QObject>

class NE555Handler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit NE555Handler(QWidget *panel);

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

    // Button ids in ne555ModeSegControl, equal to the page indexes of ne555ModeTabView and to
    // the positions in zelkor::ne555::kModeNames.
    static constexpr int kAstable = 0;
    static constexpr int kMonostable = 1;
    static constexpr int kDesign = 2;

public Q_SLOTS:
    // Shows the chosen circuit's page and its result; an incomplete input, or one no circuit
    // has, shows nothing.
    void calculateNE555();

private:
    // Also draws the designed circuit.
    QString designText();
    void showTimer(zelkor::ne555::Circuit circuit, zelkor::views::Value r1, zelkor::views::Value r2,
                   zelkor::views::Value c, zelkor::views::Value tHigh, zelkor::views::Value tLow);

    Ui::NE555Panel ui;
    FieldBinding m_astable; // and the mode
    FieldBinding m_monostable;
    FieldBinding m_design;
};
