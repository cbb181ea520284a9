// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/AirCoredCoilHandler.h"

#include "core/calculators/CoilExact.h"
#include "core/text/Texts.h"
#include "gui/app/PanelState.h"

#include <QPalette>

#include <utility>

using zelkor::coil::Winding;

AirCoredCoilHandler::AirCoredCoilHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    ui.coilType->setId(ui.singleLayerRadio, kSingleLayer);
    ui.coilType->setId(ui.multiLayerRadio, kMultiLayer);
    ui.coilSought->setId(ui.inductanceSoughtRadio, kInductanceSought);
    ui.coilSought->setId(ui.turnsSoughtRadio, kTurnsSought);

    for (QButtonGroup *choice : {ui.coilType, ui.coilSought}) {
        connect(choice, &QButtonGroup::idToggled, this, [this](int, bool checked) {
            if (checked)
                airCoredCoilChanged();
        });
    }
    for (QLineEdit *field : {ui.turns, ui.outerDiameter, ui.innerDiameter, ui.length}) {
        connect(field, &QLineEdit::textChanged, this, &AirCoredCoilHandler::airCoredCoilChanged);
        connect(field, &QLineEdit::returnPressed, this, &AirCoredCoilHandler::airCoredCoilChanged);
    }
    airCoredCoilChanged(); // the form opens with the inner diameter matching the choice
}

void AirCoredCoilHandler::airCoredCoilChanged()
{
    Winding winding;
    switch (ui.coilType->checkedId()) {
    case kSingleLayer:
        winding = Winding::SingleLayer;
        break;
    case kMultiLayer:
        winding = Winding::MultiLayer;
        break;
    default:
        return;
    }

    const bool multiLayer = winding == Winding::MultiLayer;
    ui.innerDiameter->setEnabled(multiLayer);
    // The inputs sit on a dark backdrop: white reads as active, grey as not in use.
    setMultiLayerCaptionColour(multiLayer ? QColor(Qt::white) : QColor(Qt::gray));
    const bool turnsSought = ui.coilSought->checkedId() == kTurnsSought;
    showSoughtCaptions(turnsSought);

    zelkor::coil::Texts texts{winding,
                              ui.turns->text(),
                              ui.outerDiameter->text(),
                              ui.innerDiameter->text(),
                              ui.length->text(),
                              {}};
    if (turnsSought)
        std::swap(texts.turns, texts.inductance); // the one field holds the wanted inductance
    const auto solution = zelkor::coil::solve(
        texts, turnsSought ? zelkor::coil::Sought::Turns : zelkor::coil::Sought::Inductance,
        zelkor::Reading::Lenient);
    if (solution)
        ui.outputField->setText(zelkor::coil::solutionText(*solution));
}

void AirCoredCoilHandler::showSoughtCaptions(bool turnsSought)
{
    ui.turnsLabel->setText(zelkor::text(turnsSought ? "Inductance" : "Turns"));
    ui.turnsUnitLabel->setText(turnsSought ? QStringLiteral("\u00b5H") : QString());
    ui.turns->setAccessibleName(zelkor::text(turnsSought ? "Inductance" : "CoilTurnsA11yName"));
    ui.turns->setAccessibleDescription(zelkor::text(
        turnsSought ? "CoilWantedInductanceA11yDescription" : "CoilTurnsA11yDescription"));
}

void AirCoredCoilHandler::setMultiLayerCaptionColour(const QColor &colour)
{
    for (QLabel *caption : {ui.multiLayerLabel1, ui.multiLayerLabel2}) {
        QPalette palette = caption->palette();
        palette.setColor(QPalette::WindowText, colour);
        caption->setPalette(palette);
    }
}

QString AirCoredCoilHandler::resultText() const
{
    return ui.outputField->text();
}

void AirCoredCoilHandler::recalculate()
{
    airCoredCoilChanged();
}

namespace {
// The kept names of the windings, by button id.
constexpr const char *kWindingNames[] = {"single", "multi"};
// The kept names of the sought quantities, by button id.
constexpr const char *kSoughtNames[] = {"inductance", "turns"};
} // namespace

QVariantMap AirCoredCoilHandler::saveState() const
{
    return {{QStringLiteral("winding"), zelkor::state::choiceName(ui.coilType, kWindingNames)},
            {QStringLiteral("sought"), zelkor::state::choiceName(ui.coilSought, kSoughtNames)},
            {QStringLiteral("turns"), ui.turns->text()},
            {QStringLiteral("outerDiameter"), ui.outerDiameter->text()},
            {QStringLiteral("innerDiameter"), ui.innerDiameter->text()},
            {QStringLiteral("length"), ui.length->text()}};
}

void AirCoredCoilHandler::restoreState(const QVariantMap &state)
{
    using zelkor::state::restoreText;
    zelkor::state::restoreChoice(ui.coilType, state, QStringLiteral("winding"), kWindingNames);
    zelkor::state::restoreChoice(ui.coilSought, state, QStringLiteral("sought"), kSoughtNames);
    restoreText(ui.turns, state, QStringLiteral("turns"));
    restoreText(ui.outerDiameter, state, QStringLiteral("outerDiameter"));
    restoreText(ui.innerDiameter, state, QStringLiteral("innerDiameter"));
    restoreText(ui.length, state, QStringLiteral("length"));
}
