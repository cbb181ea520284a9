// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/calculators/LEDDroppingResistor.h"
#include "gui/app/FieldBinding.h"
#include "gui/app/PanelHandler.h"
#include "ui_LEDDroppingResistorPanel.h"

#include <QObject>

class LEDDroppingResistorHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit LEDDroppingResistorHandler(QWidget *panel);

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

public Q_SLOTS:
    // Turns a chosen preset into its number, then computes resistor, power and the standard
    // resistor once all three inputs are there; until then the previous result stays. A supply
    // that cannot light the LED says so instead.
    void valueChanged();

private:
    Ui::LEDDroppingResistorPanel ui;
    FieldBinding m_fields;
};
