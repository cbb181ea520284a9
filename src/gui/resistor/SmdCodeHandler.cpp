// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/resistor/SmdCodeHandler.h"

#include "core/resistor/SmdCode.h"
#include "gui/app/PanelState.h"

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

QString SmdCodeHandler::resultText() const
{
    return ui.outputField->text();
}

void SmdCodeHandler::recalculate()
{
    // Only one of the two fields holds a text at a time (each clears the other).
    if (!ui.smdCode->text().isEmpty())
        codeChanged();
    else if (!ui.smdValue->text().isEmpty())
        valueChanged();
}

QVariantMap SmdCodeHandler::saveState() const
{
    return {{QStringLiteral("code"), ui.smdCode->text()},
            {QStringLiteral("value"), ui.smdValue->text()}};
}

void SmdCodeHandler::restoreState(const QVariantMap &state)
{
    zelkor::state::restoreText(ui.smdCode, state, QStringLiteral("code"));
    zelkor::state::restoreText(ui.smdValue, state, QStringLiteral("value"));
}
