#pragma once

#include "ui_TubeIdentPanel.h"

#include <QObject>

class TubeIdentHandler : public QObject
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit TubeIdentHandler(QWidget *panel);

public Q_SLOTS:
    // Decodes the typed designation. One that cannot be decoded yet ("E", "ECC") leaves the
    // previous result in place while the user goes on typing.
    void tubeChanged();

private:
    Ui::TubeIdentPanel ui;
};
