// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/capacitor/CapacitorCodesHandler.h"

#include "core/capacitor/CapacitorCode.h"
#include "gui/app/PanelState.h"

CapacitorCodesHandler::CapacitorCodesHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    connect(ui.capCode, &QLineEdit::textEdited, this, &CapacitorCodesHandler::codeChanged);
    connect(ui.capValue, &QLineEdit::textEdited, this, &CapacitorCodesHandler::valueChanged);
}

void CapacitorCodesHandler::codeChanged()
{
    // The display answers one field at a time; the other one would describe something else.
    ui.capValue->clear();
    ui.outputField->setText(zelkor::capacitor::textForTypedCode(ui.capCode->text()));
}

void CapacitorCodesHandler::valueChanged()
{
    ui.capCode->clear();
    ui.outputField->setText(zelkor::capacitor::textForTypedValue(ui.capValue->text()));
}

QString CapacitorCodesHandler::resultText() const
{
    return ui.outputField->text();
}

void CapacitorCodesHandler::recalculate()
{
    // Only one of the two fields holds a text at a time (each clears the other).
    if (!ui.capCode->text().isEmpty())
        codeChanged();
    else if (!ui.capValue->text().isEmpty())
        valueChanged();
}

QVariantMap CapacitorCodesHandler::saveState() const
{
    return {{QStringLiteral("code"), ui.capCode->text()},
            {QStringLiteral("value"), ui.capValue->text()}};
}

void CapacitorCodesHandler::restoreState(const QVariantMap &state)
{
    zelkor::state::restoreText(ui.capCode, state, QStringLiteral("code"));
    zelkor::state::restoreText(ui.capValue, state, QStringLiteral("value"));
}
