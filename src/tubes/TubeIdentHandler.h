#pragma once

#include "ui_TubeIdentPanel.h"

#include <QObject>

class TubeIdentHandler : public QObject
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit TubeIdentHandler(QWidget *panel);

private:
    Ui::TubeIdentPanel ui;
};
