// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/calculators/HeatSink.h"
#include "gui/app/FieldBinding.h"
#include "gui/app/PanelHandler.h"
#include "ui_HeatSinkPanel.h"

#include <QObject>

class HeatSinkHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit HeatSinkHandler(QWidget *panel);

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

public Q_SLOTS:
    // Follows the mode with the captions, turns a chosen mounting preset into its number, then
    // computes once every input is there; until then the previous result stays. A value outside
    // its domain, or a result too large, leaves no result.
    void calculateHeatSink();

private:
    zelkor::heatsink::Mode mode() const;
    void showModeCaptions();

    Ui::HeatSinkPanel ui;
    FieldBinding m_fields;
};
