// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/resistor/SmdCodeHandler.h"

#include "core/resistor/SmdCode.h"

SmdCodeHandler::SmdCodeHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    connect(ui.smdCode, &QLineEdit::textEdited, this, &SmdCodeHandler::codeChanged);
    connect(ui.smdValue, &QLineEdit::textEdited, this, &SmdCodeHandler::valueChanged);
}

void SmdCodeHandler::codeChanged()
{
    // The display answers one field at a time; the other one would describe something else.
    ui.smdValue->clear();
    ui.outputField->setText(zelkor::resistor::smd::textForTypedCode(ui.smdCode->text()));
}

void SmdCodeHandler::valueChanged()
{
    ui.smdCode->clear();
    ui.outputField->setText(zelkor::resistor::smd::textForTypedValue(ui.smdValue->text()));
}
