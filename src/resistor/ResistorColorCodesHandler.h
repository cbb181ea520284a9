#pragma once

#include "ui_ResistorColorCodesPanel.h"

#include <QObject>

class ResistorColorCodesHandler : public QObject
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit ResistorColorCodesHandler(QWidget *panel);

public Q_SLOTS:
    // Recomputes the result from the band pop-ups.
    void popupValueChanged();

private:
    Ui::ResistorColorCodesPanel ui;
};
