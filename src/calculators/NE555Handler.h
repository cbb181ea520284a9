#pragma once

#include "ui_NE555Panel.h"

#include <QObject>

class NE555Handler : public QObject
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit NE555Handler(QWidget *panel);

private:
    Ui::NE555Panel ui;
};
