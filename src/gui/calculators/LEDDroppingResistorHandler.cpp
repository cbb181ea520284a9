// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/LEDDroppingResistorHandler.h"

#include "core/calculators/LEDDroppingResistor.h"
#include "core/drawing/CircuitDrawings.h"
#include "core/text/NumberFormat.h"

LEDDroppingResistorHandler::LEDDroppingResistorHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    ui.ledForwardBias->setPresets(zelkor::led::kForwardVoltagePresets,
                                  zelkor::led::kForwardVoltageUnit);
    for (const zelkor::eseries::Series series : zelkor::led::kStandardSeries)
        ui.resistorSeries->addItem(zelkor::eseries::name(series));
    using zelkor::led::Field;
    m_fields = FieldBinding(zelkor::led::kFields, {{Field::SupplyVoltage, ui.ledSupplyVoltage},
                                                   {Field::ForwardVoltage, ui.ledForwardBias},
                                                   {Field::Current, ui.ledOperatingCurrent},
                                                   {Field::Series, ui.resistorSeries},
                                                   {Field::Tolerance, ui.ledResistorTolerance},
                                                   {Field::SupplyTolerance, ui.ledSupplyTolerance},
                                                   {Field::ForwardSpread, ui.ledForwardSpread}});
    m_fields.connect(this, &LEDDroppingResistorHandler::valueChanged);
    // An empty tolerance field stands for its default, which the field shows in grey.
    ui.ledSupplyTolerance->setPlaceholderText(QStringLiteral("0"));
    ui.ledForwardSpread->setPlaceholderText(QStringLiteral("0"));
}

void LEDDroppingResistorHandler::valueChanged()
{
    // Substitute before the completeness test: a chosen preset shows its number even while
    // the other fields are still empty.
    ui.ledForwardBias->substitutePresetValue();
    ui.ledResistorTolerance->setPlaceholderText(zelkor::formatShortest(
        float(zelkor::tolerance::resistorPercent(ui.resistorSeries->currentText()))));

    const auto result =
        zelkor::led::calculate({ui.ledSupplyVoltage->text(), ui.ledForwardBias->currentText(),
                                std::nullopt, ui.ledOperatingCurrent->text(),
                                ui.resistorSeries->currentText(), ui.ledResistorTolerance->text(),
                                ui.ledSupplyTolerance->text(), ui.ledForwardSpread->text()},
                               zelkor::Reading::Lenient);
    if (!result) {
        // An LED that cannot light is worth a sentence; an unfinished input is not. A value no
        // LED circuit has leaves no number behind.
        const QString problem = zelkor::led::problemText(result.problem());
        const zelkor::Reason reason = result.problem().reason;
        if (!problem.isEmpty() || reason == zelkor::Reason::OutsideDomain ||
            reason == zelkor::Reason::Overflow) {
            ui.warningSign->setShown(false);
            ui.outputField->setText(problem);
            ui.rangeLabel->clear();
            ui.drawingView->setPlan(zelkor::views::ledDroppingResistorDrawing({}));
        }
        return;
    }
    ui.warningSign->setShown(result->powerWarning);
    // The display keeps the lines it always had; the built circuit's range reads beneath it.
    ui.outputField->setText(zelkor::led::nominalText(*result));
    ui.rangeLabel->setText(zelkor::led::rangeText(*result));
    // The standard resistor is what gets built, with the current it lets through.
    const zelkor::led::Inputs &given = result->inputs;
    const auto &standard = result->standard;
    ui.drawingView->setPlan(zelkor::views::ledDroppingResistorDrawing(
        {.supply = given.supplyVoltage,
         .resistance = standard ? standard->resistance : double(result->resistance),
         .forwardVoltage = given.forwardVoltage,
         .current = (standard ? standard->currentMilliamps : given.currentMilliamps) / 1000.0}));
}

QString LEDDroppingResistorHandler::resultText() const
{
    const QString range = ui.rangeLabel->text();
    return range.isEmpty() ? ui.outputField->text() : ui.outputField->text() + u'\n' + range;
}

void LEDDroppingResistorHandler::recalculate()
{
    valueChanged();
}

QVariantMap LEDDroppingResistorHandler::saveState() const
{
    return m_fields.save();
}

void LEDDroppingResistorHandler::restoreState(const QVariantMap &state)
{
    m_fields.restore(state);
}
