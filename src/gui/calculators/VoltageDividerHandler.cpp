// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/VoltageDividerHandler.h"

#include "core/calculators/VoltageDivider.h"
#include "core/drawing/CircuitDrawings.h"
#include "core/text/NumberFormat.h"

using zelkor::divider::Field;
using zelkor::divider::Mode;

VoltageDividerHandler::VoltageDividerHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    ui.dividerModeSegControl->setId(ui.designButton, kDesign);
    ui.dividerModeSegControl->setId(ui.analysisButton, kAnalysis);
    for (const zelkor::eseries::Series series : zelkor::eseries::kAllSeries)
        ui.designSeriesBox->addItem(zelkor::eseries::name(series));
    ui.designSeriesBox->setCurrentText(zelkor::eseries::name(zelkor::divider::kDefaultSeries));
    ui.designTotalField->setPlaceholderText(QStringLiteral("10k"));
    // An empty tolerance field stands for its default, which the field shows in grey.
    ui.analysisToleranceField->setPlaceholderText(
        zelkor::formatShortest(float(zelkor::tolerance::kResistorPercent)));
    for (QLineEdit *supply : {ui.designSupplyToleranceField, ui.analysisSupplyToleranceField})
        supply->setPlaceholderText(QStringLiteral("0"));

    m_design = FieldBinding(zelkor::divider::kFields,
                            {{Field::Mode, ui.dividerModeSegControl},
                             {Field::Vin, ui.designVinField},
                             {Field::Vout, ui.designVoutField},
                             {Field::Series, ui.designSeriesBox},
                             {Field::Load, ui.designLoadField},
                             {Field::Total, ui.designTotalField},
                             {Field::Tolerance, ui.designToleranceField},
                             {Field::SupplyTolerance, ui.designSupplyToleranceField}});
    m_analysis = FieldBinding(zelkor::divider::kFields,
                              {{Field::Vin, ui.analysisVinField},
                               {Field::R1, ui.analysisR1Field},
                               {Field::R2, ui.analysisR2Field},
                               {Field::Load, ui.analysisLoadField},
                               {Field::Tolerance, ui.analysisToleranceField},
                               {Field::SupplyTolerance, ui.analysisSupplyToleranceField}});
    for (const FieldBinding *fields : {&m_design, &m_analysis})
        fields->connect(this, &VoltageDividerHandler::calculateDivider);
    connect(ui.outputField, &VerticallyCenteredTextCell::entryChosen, this,
            &VoltageDividerHandler::drawPair);
    calculateDivider();
}

void VoltageDividerHandler::calculateDivider()
{
    // An older result must not stand next to inputs it was not computed from.
    m_result.clear();
    m_pairs.clear();
    ui.outputField->clear();
    const int mode = ui.dividerModeSegControl->checkedId();
    ui.dividerModeTabView->setCurrentIndex(mode);
    ui.designToleranceField->setPlaceholderText(zelkor::formatShortest(
        float(zelkor::tolerance::resistorPercent(ui.designSeriesBox->currentText()))));

    zelkor::divider::Texts texts;
    if (mode == kAnalysis) {
        texts = {.mode = Mode::Analysis,
                 .vin = ui.analysisVinField->text(),
                 .load = ui.analysisLoadField->text(),
                 .r1 = ui.analysisR1Field->text(),
                 .r2 = ui.analysisR2Field->text(),
                 .tolerance = ui.analysisToleranceField->text(),
                 .supplyTolerance = ui.analysisSupplyToleranceField->text()};
    } else {
        texts = {.mode = Mode::Design,
                 .vin = ui.designVinField->text(),
                 .vout = ui.designVoutField->text(),
                 .series = ui.designSeriesBox->currentText(),
                 .load = ui.designLoadField->text(),
                 .total = ui.designTotalField->text(),
                 .tolerance = ui.designToleranceField->text(),
                 .supplyTolerance = ui.designSupplyToleranceField->text()};
    }
    const auto result = zelkor::divider::calculate(texts, zelkor::Reading::Lenient);
    if (!result || result->circuits.empty()) {
        m_result = zelkor::divider::problemText(result.problem());
        ui.outputField->setText(m_result);
        ui.drawingView->setPlan(zelkor::views::voltageDividerDrawing({}));
        return;
    }
    m_result = zelkor::divider::resultText(*result);
    m_pairs = result->circuits;
    // The design's best pair, which the display lists first and chooses.
    drawPair(0);
    if (result->mode == Mode::Design) {
        // Each pair is a line of parts and a line of what they draw and dissipate.
        const int heading = int(m_result.count(u'\n') + 1) % 2;
        ui.outputField->setChoices(m_result, heading, 2);
    } else {
        ui.outputField->setEntries(m_result, 1);
    }
}

void VoltageDividerHandler::drawPair(int index)
{
    if (index < 0 || std::size_t(index) >= m_pairs.size())
        return;
    const zelkor::divider::Circuit &drawn = m_pairs[std::size_t(index)];
    ui.drawingView->setPlan(zelkor::views::voltageDividerDrawing(
        {.vin = drawn.vin,
         .r1 = drawn.r1,
         .r2 = drawn.r2,
         .load = drawn.load > 0 ? zelkor::views::Value(drawn.load) : std::nullopt,
         .vout = drawn.vout}));
}

QString VoltageDividerHandler::resultText() const
{
    return m_result;
}

void VoltageDividerHandler::recalculate()
{
    calculateDivider();
}

namespace {

// The analysis reads fields of the same names as the design: its kept keys carry a prefix.
const auto kAnalysisPrefix = QStringLiteral("analysis_");

} // namespace

QVariantMap VoltageDividerHandler::saveState() const
{
    QVariantMap state = m_design.save();
    const QVariantMap analysis = m_analysis.save();
    for (auto input = analysis.begin(); input != analysis.end(); ++input)
        state.insert(kAnalysisPrefix + input.key(), input.value());
    return state;
}

void VoltageDividerHandler::restoreState(const QVariantMap &state)
{
    m_design.restore(state);
    QVariantMap analysis;
    for (auto input = state.begin(); input != state.end(); ++input) {
        if (input.key().startsWith(kAnalysisPrefix))
            analysis.insert(input.key().mid(kAnalysisPrefix.size()), input.value());
    }
    m_analysis.restore(analysis);
}
