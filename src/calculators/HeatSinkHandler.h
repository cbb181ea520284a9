#pragma once

#include "ui_HeatSinkPanel.h"

#include <QObject>

class HeatSinkHandler : public QObject
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit HeatSinkHandler(QWidget *panel);

private:
    Ui::HeatSinkPanel ui;
};
