// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/HeatSinkHandler.h"

#include "core/drawing/CircuitDrawings.h"
#include "core/text/Texts.h"

#include <QFontMetrics>

#include <algorithm>
#include <utility>

using zelkor::heatsink::Mode;

namespace {
// A segment's id is its mode, which also names it in the kept inputs (kModeNames).
constexpr int kSinkResistanceSegment = static_cast<int>(Mode::SinkResistanceGiven);
constexpr int kMaxTemperatureSegment = static_cast<int>(Mode::MaxChipTemperatureGiven);
constexpr int kMaxPowerSegment = static_cast<int>(Mode::PowerLimit);
} // namespace

HeatSinkHandler::HeatSinkHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    ui.trHousingHeatsink->setPresets(zelkor::heatsink::kMountingPresets,
                                     zelkor::heatsink::kMountingUnit);
    ui.trOrTemperature->setId(ui.sinkResistanceModeButton, kSinkResistanceSegment);
    ui.trOrTemperature->setId(ui.maxTemperatureModeButton, kMaxTemperatureSegment);
    ui.trOrTemperature->setId(ui.maxPowerModeButton, kMaxPowerSegment);
    // The field column stays put when caption and unit change with the mode.
    for (const auto &[label, text] : {std::pair{ui.label1, &zelkor::heatsink::modeFieldCaption},
                                      std::pair{ui.label2, &zelkor::heatsink::modeFieldUnit}}) {
        const QFontMetrics metrics(label->font());
        label->setMinimumWidth(
            std::max(metrics.horizontalAdvance(text(Mode::SinkResistanceGiven)),
                     metrics.horizontalAdvance(text(Mode::MaxChipTemperatureGiven))));
    }
    showModeCaptions();

    // Each widget is kept under the key of the field it holds in the first mode: the power row
    // holds T_max in the power-limit mode, and the mode's row T_max in the temperature mode.
    using zelkor::heatsink::Field;
    m_fields = FieldBinding(zelkor::heatsink::kFields,
                            {{Field::Mode, ui.trOrTemperature},
                             {Field::Power, ui.power},
                             {Field::ChipResistance, ui.trChip},
                             {Field::MountingResistance, ui.trHousingHeatsink},
                             {Field::SinkResistance, ui.trHeatSinkOrMaxTemperature},
                             {Field::Ambient, ui.ambientTemperature}});
    m_fields.connect(this, &HeatSinkHandler::calculateHeatSink);
}

Mode HeatSinkHandler::mode() const
{
    switch (ui.trOrTemperature->checkedId()) {
    case kMaxTemperatureSegment:
        return Mode::MaxChipTemperatureGiven;
    case kMaxPowerSegment:
        return Mode::PowerLimit;
    default:
        return Mode::SinkResistanceGiven;
    }
}

void HeatSinkHandler::showModeCaptions()
{
    ui.label1->setText(zelkor::heatsink::modeFieldCaption(mode()));
    ui.label2->setText(zelkor::heatsink::modeFieldUnit(mode()));
    const bool sinkGiven = mode() != Mode::MaxChipTemperatureGiven;
    // The power is the answer in the power-limit mode, so its row takes the chip's maximum.
    const bool powerSought = mode() == Mode::PowerLimit;
    ui.powerLabel->setText(powerSought
                               ? zelkor::heatsink::modeFieldCaption(Mode::MaxChipTemperatureGiven)
                               : zelkor::text("HeatSinkPowerCaption"));
    ui.powerUnitLabel->setText(powerSought ? QStringLiteral("°C") : QStringLiteral("W"));
    ui.power->setAccessibleName(
        zelkor::text(powerSought ? "MaxChipTemp" : "HeatSinkPowerA11yName"));
    ui.power->setAccessibleDescription(zelkor::text(
        powerSought ? "HeatSinkDegreesCelsiusA11yDescription" : "HeatSinkWattsA11yDescription"));
    ui.trHeatSinkOrMaxTemperature->setAccessibleName(
        zelkor::text(sinkGiven ? "TRHeatSink" : "MaxChipTemp"));
    ui.trHeatSinkOrMaxTemperature->setAccessibleDescription(
        zelkor::text(sinkGiven ? "HeatSinkKelvinsPerWattA11yDescription"
                               : "HeatSinkDegreesCelsiusA11yDescription"));
}

void HeatSinkHandler::calculateHeatSink()
{
    showModeCaptions();
    ui.trHousingHeatsink->substitutePresetValue();

    zelkor::heatsink::Texts texts;
    texts.mode = mode();
    (mode() == Mode::PowerLimit ? texts.maxTemperature : texts.power) = ui.power->text();
    texts.chipResistance = ui.trChip->text();
    texts.mountingResistance = ui.trHousingHeatsink->currentText();
    (mode() == Mode::MaxChipTemperatureGiven ? texts.maxTemperature : texts.sinkResistance) =
        ui.trHeatSinkOrMaxTemperature->text();
    texts.ambient = ui.ambientTemperature->text();

    const auto result = zelkor::heatsink::calculate(texts, zelkor::Reading::Lenient);
    if (!result) {
        // An unfinished input keeps the last result; one that describes no chip clears it.
        using enum zelkor::Reason;
        const zelkor::Reason reason = result.problem().reason;
        if (reason == OutsideDomain || reason == Overflow || reason == Impossible) {
            ui.warningSignMaxTemperature->setShown(false);
            ui.warningSignAmbientTemperature->setShown(false);
            ui.outputField->clear();
            ui.drawingView->setPlan(zelkor::views::thermalPathDrawing({}));
        }
        return;
    }
    ui.warningSignMaxTemperature->setShown(result->temperatureWarnings());
    ui.warningSignAmbientTemperature->setShown(result->temperatureWarnings());
    ui.outputField->setText(zelkor::heatsink::resultText(*result));
    ui.drawingView->setPlan(
        zelkor::views::thermalPathDrawing(zelkor::views::thermalPathOf(*result)));
}

QString HeatSinkHandler::resultText() const
{
    return ui.outputField->text();
}

void HeatSinkHandler::recalculate()
{
    calculateHeatSink();
}

QVariantMap HeatSinkHandler::saveState() const
{
    return m_fields.save();
}

void HeatSinkHandler::restoreState(const QVariantMap &state)
{
    m_fields.restore(state);
}
