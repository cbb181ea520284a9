// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/app/FieldBinding.h"
#include "gui/app/PanelHandler.h"
#include "ui_AirCoredCoilPanel.h"

#include <QObject>

class AirCoredCoilHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit AirCoredCoilHandler(QWidget *panel);

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

    // Button ids in coilType, in the order of zelkor::coil::Winding.
    static constexpr int kSingleLayer = 0;
    static constexpr int kMultiLayer = 1;
    // Button ids in coilSought.
    static constexpr int kInductanceSought = 0;
    static constexpr int kTurnsSought = 1;

public Q_SLOTS:
    // Follows the winding and the sought quantity (inner diameter, caption colours, what the
    // turns field holds), then shows the inductance or the turns when every input is there.
    void airCoredCoilChanged();

private:
    void showSoughtCaptions(bool turnsSought);
    void setMultiLayerCaptionColour(const QColor &colour);

    Ui::AirCoredCoilPanel ui;
    FieldBinding m_fields;
};
