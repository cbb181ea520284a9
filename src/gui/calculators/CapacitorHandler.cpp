// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/CapacitorHandler.h"

CapacitorHandler::CapacitorHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    connect(ui.debugButton, &QPushButton::clicked, this, &CapacitorHandler::debug);
}

void CapacitorHandler::debug()
{
    constexpr int kSecondEntry = 1;
    if (ui.inputFormLayout->rowCount() > kSecondEntry)
        ui.inputFormLayout->removeRow(kSecondEntry);
}
