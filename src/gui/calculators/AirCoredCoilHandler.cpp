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

    connect(ui.coilSought, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            airCoredCoilChanged();
    });
    // The turns field holds the wanted inductance while the turns are sought.
    using zelkor::coil::Field;
    m_fields = FieldBinding(zelkor::coil::kFields, {{Field::Winding, ui.coilType},
                                                    {Field::Turns, ui.turns},
                                                    {Field::OuterDiameter, ui.outerDiameter},
                                                    {Field::InnerDiameter, ui.innerDiameter},
                                                    {Field::Length, ui.length}});
    m_fields.connect(this, &AirCoredCoilHandler::airCoredCoilChanged);
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
    if (solution) {
        ui.outputField->setText(zelkor::coil::solutionText(*solution));
        return;
    }
    // An unfinished coil keeps the last result; a value no coil has leaves no number behind.
    const zelkor::Reason reason = solution.problem().reason;
    if (reason == zelkor::Reason::OutsideDomain || reason == zelkor::Reason::Overflow)
        ui.outputField->clear();
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
// The kept names of the sought quantities, by button id.
constexpr const char *kSoughtNames[] = {"inductance", "turns"};
} // namespace

QVariantMap AirCoredCoilHandler::saveState() const
{
    QVariantMap state = m_fields.save();
    state.insert(QStringLiteral("sought"), zelkor::state::choiceName(ui.coilSought, kSoughtNames));
    return state;
}

void AirCoredCoilHandler::restoreState(const QVariantMap &state)
{
    m_fields.restore(state);
    zelkor::state::restoreChoice(ui.coilSought, state, QStringLiteral("sought"), kSoughtNames);
}
