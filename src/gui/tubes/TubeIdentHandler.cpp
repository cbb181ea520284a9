// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/tubes/TubeIdentHandler.h"

#include "core/tubes/Tube.h"
#include "gui/app/PanelState.h"

TubeIdentHandler::TubeIdentHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    connect(ui.tubeNumber, &QLineEdit::textChanged, this, &TubeIdentHandler::tubeChanged);
}

void TubeIdentHandler::tubeChanged()
{
    const zkTube tube(ui.tubeNumber->text());
    if (!tube.isDecoded())
        return;
    ui.outputField->setPlainText(tube.decodedText());
}

QString TubeIdentHandler::resultText() const
{
    return ui.outputField->toPlainText();
}

void TubeIdentHandler::recalculate()
{
    tubeChanged();
}

QVariantMap TubeIdentHandler::saveState() const
{
    return {{QStringLiteral("designation"), ui.tubeNumber->text()}};
}

void TubeIdentHandler::restoreState(const QVariantMap &state)
{
    zelkor::state::restoreText(ui.tubeNumber, state, QStringLiteral("designation"));
}
