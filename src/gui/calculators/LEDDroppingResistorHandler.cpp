#include "gui/calculators/LEDDroppingResistorHandler.h"

#include "core/calculators/LEDDroppingResistor.h"

LEDDroppingResistorHandler::LEDDroppingResistorHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    ui.ledForwardBias->setPresets(zelkor::led::kForwardVoltagePresets,
                                  zelkor::led::kForwardVoltageUnit);

    connect(ui.ledForwardBias, &QComboBox::activated, this,
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

    const auto result =
        zelkor::led::calculate({ui.ledSupplyVoltage->text(), ui.ledForwardBias->currentText(),
                                std::nullopt, ui.ledOperatingCurrent->text()},
                               zelkor::Reading::Lenient);
    if (!result)
        return;
    ui.warningSign->setShown(result->powerWarning);
    ui.outputField->setText(zelkor::led::resultText(*result));
}
