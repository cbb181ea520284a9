#pragma once

#include "ui_SeriesParallelConnectionPanel.h"

#include <QObject>

class SeriesParallelConnectionHandler : public QObject
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit SeriesParallelConnectionHandler(QWidget *panel);

private:
    Ui::SeriesParallelConnectionPanel ui;
};
