// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/AdjustableRegulatorHandler.h"

#include "core/calculators/AdjustableRegulator.h"
#include "core/drawing/CircuitDrawings.h"
#include "core/text/NumberFormat.h"

#include <QEvent>

namespace {
namespace regulator = zelkor::regulator;
using regulator::Kind;
using regulator::Mode;
} // namespace

AdjustableRegulatorHandler::AdjustableRegulatorHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    // Button ids are the positions in kKindNames and kModeNames, the names the panel keeps.
    ui.regulatorKindGroup->setId(ui.lm317Button, int(Kind::LM317));
    ui.regulatorKindGroup->setId(ui.lm337Button, int(Kind::LM337));
    ui.regulatorKindGroup->setId(ui.customButton, int(Kind::Adjust));
    ui.regulatorKindGroup->setId(ui.feedbackButton, int(Kind::Feedback));
    ui.regulatorModeGroup->setId(ui.designButton, int(Mode::Design));
    ui.regulatorModeGroup->setId(ui.analysisButton, int(Mode::Analysis));
    ui.vrefBox->setPresets(regulator::kReferencePresets, u"V");
    ui.vrefBox->setCurrentIndex(1); // 0.8 V, the reference met most often
    ui.vrefBox->substitutePresetValue();
    for (const zelkor::eseries::Series series : zelkor::eseries::kAllSeries)
        ui.seriesBox->addItem(zelkor::eseries::name(series));
    ui.seriesBox->setCurrentText(zelkor::eseries::name(regulator::kDefaultSeries));

    using regulator::Field;
    m_fields = FieldBinding(regulator::kFields, {{Field::Kind, ui.regulatorKindGroup},
                                                 {Field::Mode, ui.regulatorModeGroup},
                                                 {Field::Vref, ui.vrefBox},
                                                 {Field::AdjustVref, ui.adjustVrefField},
                                                 {Field::AdjustCurrent, ui.adjustCurrentField},
                                                 {Field::Vout, ui.voutField},
                                                 {Field::Series, ui.seriesBox},
                                                 {Field::MinCurrent, ui.minCurrentField},
                                                 {Field::Total, ui.totalField},
                                                 {Field::R1, ui.r1Field},
                                                 {Field::R2, ui.r2Field},
                                                 {Field::Tolerance, ui.toleranceField},
                                                 {Field::VrefTolerance, ui.vrefToleranceField}});
    m_fields.connect(this, &AdjustableRegulatorHandler::calculateRegulator);
    connect(ui.outputField, &VerticallyCenteredTextCell::entryChosen, this,
            &AdjustableRegulatorHandler::drawPair);
    ui.vrefToleranceField->setPlaceholderText(
        zelkor::formatShortest(float(regulator::kReferencePercent)));
    calculateRegulator();
}

void AdjustableRegulatorHandler::showFieldsOfChoice()
{
    const auto kind = Kind(ui.regulatorKindGroup->checkedId());
    const bool design = ui.regulatorModeGroup->checkedId() == int(Mode::Design);
    const auto show = [](bool shown, std::initializer_list<QWidget *> widgets) {
        for (QWidget *widget : widgets)
            widget->setVisible(shown);
    };
    show(kind == Kind::Feedback, {ui.vrefLabel, ui.vrefBox, ui.vrefUnitLabel});
    show(kind == Kind::Adjust,
         {ui.adjustVrefLabel, ui.adjustVrefField, ui.adjustVrefUnitLabel, ui.adjustCurrentLabel,
          ui.adjustCurrentField, ui.adjustCurrentUnitLabel});
    show(design, {ui.voutLabel, ui.voutField, ui.voutUnitLabel, ui.seriesLabel, ui.seriesBox});
    show(design && kind != Kind::Feedback,
         {ui.minCurrentLabel, ui.minCurrentField, ui.minCurrentUnitLabel});
    show(design && kind == Kind::Feedback, {ui.totalLabel, ui.totalField, ui.totalUnitLabel});
    show(kind == Kind::Adjust || kind == Kind::Feedback,
         {ui.vrefToleranceLabel, ui.vrefToleranceField, ui.vrefToleranceFieldUnitLabel});
    show(!design, {ui.r1Label, ui.r1Field, ui.r1UnitLabel, ui.r2Label, ui.r2Field, ui.r2UnitLabel});
}

void AdjustableRegulatorHandler::calculateRegulator()
{
    // A chosen reference shows its number even before the other fields are filled.
    ui.vrefBox->substitutePresetValue();
    showFieldsOfChoice();
    const auto kind = Kind(ui.regulatorKindGroup->checkedId());
    const auto mode = Mode(ui.regulatorModeGroup->checkedId());
    const bool feedback = kind == Kind::Feedback;
    const bool design = mode == Mode::Design;
    // An empty tolerance field stands for its default, which the field shows in grey.
    ui.toleranceField->setPlaceholderText(
        zelkor::formatShortest(float(zelkor::tolerance::resistorPercent(
            design ? std::optional(ui.seriesBox->currentText()) : std::nullopt))));
    // Only the fields the panel shows: a hidden one of the other kind would be a conflict.
    regulator::Texts texts{.kind = kind, .mode = mode};
    if (feedback)
        texts.vref = ui.vrefBox->currentText();
    if (kind == Kind::Adjust) {
        texts.adjustVref = ui.adjustVrefField->text();
        texts.adjustCurrent = ui.adjustCurrentField->text();
    }
    texts.tolerance = ui.toleranceField->text();
    if (kind == Kind::Adjust || feedback)
        texts.vrefTolerance = ui.vrefToleranceField->text();
    if (design) {
        texts.vout = ui.voutField->text();
        texts.series = ui.seriesBox->currentText();
        (feedback ? texts.total : texts.minCurrent) =
            (feedback ? ui.totalField : ui.minCurrentField)->text();
    } else {
        texts.r1 = ui.r1Field->text();
        texts.r2 = ui.r2Field->text();
    }

    // An older result must not stand next to inputs it was not computed from: a problem
    // without a sentence shows nothing.
    const auto result = regulator::calculate(texts, zelkor::Reading::Lenient);
    m_result = result ? regulator::resultText(*result) : regulator::problemText(result.problem());
    // Names alone without a result.
    zelkor::views::RegulatorCircuit names;
    names.kind = kind;
    m_pairs.assign(1, names);
    if (result && !result->settings.empty()) {
        m_pairs.clear();
        for (const regulator::Setting &pair : result->settings)
            m_pairs.push_back({.kind = kind, .r1 = pair.r1, .r2 = pair.r2, .vout = pair.vout});
    }
    // The design's best pair, which the display lists first and chooses.
    drawPair(0);
    if (result && design) {
        const bool heading = !result->settings.empty() && result->settings.front().exact;
        ui.outputField->setChoices(m_result, heading ? 1 : 0, 1);
    } else {
        ui.outputField->setEntries(m_result, 1);
    }
}

void AdjustableRegulatorHandler::drawPair(int index)
{
    if (index >= 0 && std::size_t(index) < m_pairs.size())
        ui.drawingView->setPlan(
            zelkor::views::adjustableRegulatorDrawing(m_pairs[std::size_t(index)]));
}

QString AdjustableRegulatorHandler::resultText() const
{
    return m_result;
}

void AdjustableRegulatorHandler::recalculate()
{
    calculateRegulator();
}

QVariantMap AdjustableRegulatorHandler::saveState() const
{
    return m_fields.save();
}

void AdjustableRegulatorHandler::restoreState(const QVariantMap &state)
{
    m_fields.restore(state);
}
