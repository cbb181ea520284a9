#pragma once

#include "ui_LEDDroppingResistorPanel.h"

#include <QObject>

class LEDDroppingResistorHandler : public QObject
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit LEDDroppingResistorHandler(QWidget *panel);

private:
    Ui::LEDDroppingResistorPanel ui;
};
