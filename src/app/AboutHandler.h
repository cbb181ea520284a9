#pragma once

#include "ui_AboutPanel.h"

#include <QObject>

class AboutHandler : public QObject
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit AboutHandler(QWidget *panel);

private:
    Ui::AboutPanel ui;
};
