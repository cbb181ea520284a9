#pragma once

#include "ui_AirCoredCoilPanel.h"

#include <QObject>

class AirCoredCoilHandler : public QObject
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit AirCoredCoilHandler(QWidget *panel);

private:
    Ui::AirCoredCoilPanel ui;
};
