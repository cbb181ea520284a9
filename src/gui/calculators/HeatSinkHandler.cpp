// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/HeatSinkHandler.h"

#include "core/text/Texts.h"
#include "gui/app/PanelState.h"

#include <QFontMetrics>

#include <algorithm>
#include <utility>

using zelkor::heatsink::Mode;

namespace {
constexpr int kSinkResistanceSegment = 0;
constexpr int kMaxTemperatureSegment = 1;
constexpr int kMaxPowerSegment = 2;
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

    connect(ui.trOrTemperature, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            calculateHeatSink();
    });
    connect(ui.trHousingHeatsink, &QComboBox::activated, this, &HeatSinkHandler::calculateHeatSink);
    for (QLineEdit *field : {ui.power, ui.trChip, ui.trHousingHeatsink->lineEdit(),
                             ui.trHeatSinkOrMaxTemperature, ui.ambientTemperature}) {
        connect(field, &QLineEdit::textEdited, this, &HeatSinkHandler::calculateHeatSink);
        connect(field, &QLineEdit::returnPressed, this, &HeatSinkHandler::calculateHeatSink);
    }
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
    if (!result)
        return;
    ui.warningSignMaxTemperature->setShown(result->temperatureWarnings());
    ui.warningSignAmbientTemperature->setShown(result->temperatureWarnings());
    ui.outputField->setText(zelkor::heatsink::resultText(*result));
}

QString HeatSinkHandler::resultText() const
{
    return ui.outputField->text();
}

void HeatSinkHandler::recalculate()
{
    calculateHeatSink();
}

namespace {
// The kept names of the modes, by segment.
constexpr const char *kModeNames[] = {"sinkResistance", "maxTemperature", "maxPower"};
} // namespace

QVariantMap HeatSinkHandler::saveState() const
{
    return {
        {QStringLiteral("mode"), zelkor::state::choiceName(ui.trOrTemperature, kModeNames)},
        {QStringLiteral("power"), ui.power->text()},
        {QStringLiteral("chipResistance"), ui.trChip->text()},
        {QStringLiteral("mountingResistance"), ui.trHousingHeatsink->currentText()},
        {QStringLiteral("sinkResistanceOrMaxTemperature"), ui.trHeatSinkOrMaxTemperature->text()},
        {QStringLiteral("ambientTemperature"), ui.ambientTemperature->text()}};
}

void HeatSinkHandler::restoreState(const QVariantMap &state)
{
    using zelkor::state::restoreText;
    zelkor::state::restoreChoice(ui.trOrTemperature, state, QStringLiteral("mode"), kModeNames);
    restoreText(ui.power, state, QStringLiteral("power"));
    restoreText(ui.trChip, state, QStringLiteral("chipResistance"));
    restoreText(ui.trHousingHeatsink, state, QStringLiteral("mountingResistance"));
    restoreText(ui.trHeatSinkOrMaxTemperature, state,
                QStringLiteral("sinkResistanceOrMaxTemperature"));
    restoreText(ui.ambientTemperature, state, QStringLiteral("ambientTemperature"));
}
