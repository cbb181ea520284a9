// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A capacitor form kept for development: it computes nothing, and no panel of the app shows
// it. Its one action takes the second entry off the form.

#include "ui_CapacitorPanel.h"

#include <QObject>

class CapacitorHandler : public QObject
{
    Q_OBJECT

public:
    explicit CapacitorHandler(QWidget *panel);

public Q_SLOTS:
    // Removes the form's second entry; nothing once the form has fewer than two.
    void debug();

private:
    Ui::CapacitorPanel ui;
};
