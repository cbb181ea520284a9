// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/LEDDroppingResistorHandler.h"

#include "core/calculators/LEDDroppingResistor.h"
#include "gui/app/PanelState.h"

LEDDroppingResistorHandler::LEDDroppingResistorHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    ui.ledForwardBias->setPresets(zelkor::led::kForwardVoltagePresets,
                                  zelkor::led::kForwardVoltageUnit);
    for (const zelkor::eseries::Series series : zelkor::led::kStandardSeries)
        ui.resistorSeries->addItem(zelkor::eseries::name(series));

    connect(ui.ledForwardBias, &QComboBox::activated, this,
            &LEDDroppingResistorHandler::valueChanged);
    connect(ui.resistorSeries, &QComboBox::currentIndexChanged, this,
            &LEDDroppingResistorHandler::valueChanged);
    for (QLineEdit *field :
         {ui.ledForwardBias->lineEdit(), ui.ledSupplyVoltage, ui.ledOperatingCurrent}) {
        connect(field, &QLineEdit::textEdited, this, &LEDDroppingResistorHandler::valueChanged);
        connect(field, &QLineEdit::returnPressed, this, &LEDDroppingResistorHandler::valueChanged);
    }
}

void LEDDroppingResistorHandler::valueChanged()
{
    // Substitute before the completeness test: a chosen preset shows its number even while
    // the other fields are still empty.
    ui.ledForwardBias->substitutePresetValue();

    const auto result = zelkor::led::calculate(
        {ui.ledSupplyVoltage->text(), ui.ledForwardBias->currentText(), std::nullopt,
         ui.ledOperatingCurrent->text(), ui.resistorSeries->currentText()},
        zelkor::Reading::Lenient);
    if (!result) {
        // An LED that cannot light is worth a sentence; an unfinished input is not.
        const QString problem = zelkor::led::problemText(result.problem());
        if (!problem.isEmpty()) {
            ui.warningSign->setShown(false);
            ui.outputField->setText(problem);
        }
        return;
    }
    ui.warningSign->setShown(result->powerWarning);
    ui.outputField->setText(zelkor::led::resultText(*result));
}

QString LEDDroppingResistorHandler::resultText() const
{
    return ui.outputField->text();
}

void LEDDroppingResistorHandler::recalculate()
{
    valueChanged();
}

QVariantMap LEDDroppingResistorHandler::saveState() const
{
    return {{QStringLiteral("forwardVoltage"), ui.ledForwardBias->currentText()},
            {QStringLiteral("supplyVoltage"), ui.ledSupplyVoltage->text()},
            {QStringLiteral("current"), ui.ledOperatingCurrent->text()},
            {QStringLiteral("series"), ui.resistorSeries->currentText()}};
}

void LEDDroppingResistorHandler::restoreState(const QVariantMap &state)
{
    using zelkor::state::restoreText;
    restoreText(ui.ledForwardBias, state, QStringLiteral("forwardVoltage"));
    restoreText(ui.ledSupplyVoltage, state, QStringLiteral("supplyVoltage"));
    restoreText(ui.ledOperatingCurrent, state, QStringLiteral("current"));
    // Only a series the list offers.
    if (const auto series = zelkor::state::text(state, QStringLiteral("series"), 8)) {
        if (const int index = ui.resistorSeries->findText(*series); index >= 0)
            ui.resistorSeries->setCurrentIndex(index);
    }
}
