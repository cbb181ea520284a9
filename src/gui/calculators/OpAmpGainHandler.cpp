// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/OpAmpGainHandler.h"

#include "core/calculators/OpAmpGain.h"
#include "core/drawing/CircuitDrawings.h"
#include "core/text/NumberFormat.h"

namespace {

// A list of parts is read across its columns; below this size digits such as 3 and 8 blur on
// the dark display, so the list loses its last lines instead of shrinking further.
constexpr double kSmallestListPointSize = 10.0;

} // namespace

OpAmpGainHandler::OpAmpGainHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    ui.opAmpCircuitSegControl->setId(ui.nonInvertingButton, kNonInverting);
    ui.opAmpCircuitSegControl->setId(ui.invertingButton, kInverting);
    ui.opAmpModeSegControl->setId(ui.designButton, kDesign);
    ui.opAmpModeSegControl->setId(ui.analysisButton, kAnalysis);
    for (const zelkor::eseries::Series series : zelkor::eseries::kAllSeries)
        ui.seriesBox->addItem(zelkor::eseries::name(series));
    ui.seriesBox->setCurrentText(zelkor::eseries::name(zelkor::opamp::kDefaultSeries));

    using zelkor::opamp::Field;
    m_fields = FieldBinding(zelkor::opamp::kFields, {{Field::Circuit, ui.opAmpCircuitSegControl},
                                                     {Field::Mode, ui.opAmpModeSegControl},
                                                     {Field::Gain, ui.gainField},
                                                     {Field::Series, ui.seriesBox},
                                                     {Field::Rf, ui.rfField},
                                                     {Field::Rg, ui.rgField},
                                                     {Field::Tolerance, ui.toleranceField}});
    m_fields.connect(this, &OpAmpGainHandler::calculateGain);
    ui.outputField->setSmallestListPointSize(kSmallestListPointSize);
    connect(ui.outputField, &VerticallyCenteredTextCell::entryChosen, this,
            &OpAmpGainHandler::drawPair);
    calculateGain();
}

void OpAmpGainHandler::calculateGain()
{
    using namespace zelkor::opamp;
    const int mode = ui.opAmpModeSegControl->checkedId();
    ui.opAmpModeTabView->setCurrentIndex(mode);
    Texts texts{.circuit = ui.opAmpCircuitSegControl->checkedId() == kInverting
                               ? Circuit::Inverting
                               : Circuit::NonInverting,
                .mode = mode == kAnalysis ? Mode::Analysis : Mode::Design,
                .tolerance = ui.toleranceField->text()};
    // An empty tolerance field stands for its default, which the field shows in grey.
    ui.toleranceField->setPlaceholderText(
        zelkor::formatShortest(float(zelkor::tolerance::resistorPercent(
            mode == kAnalysis ? std::nullopt : std::optional(ui.seriesBox->currentText())))));
    if (mode == kAnalysis) {
        texts.rf = ui.rfField->text();
        texts.rg = ui.rgField->text();
    } else {
        texts.gain = ui.gainField->text();
        texts.series = ui.seriesBox->currentText();
    }
    const auto result = calculate(texts, zelkor::Reading::Lenient);
    m_result = result ? zelkor::opamp::resultText(*result) : problemText(result.problem());
    // Names alone without a result.
    zelkor::views::AmplifierCircuit names;
    names.circuit = *texts.circuit;
    m_pairs.assign(1, names);
    if (result && !result->amplifiers.empty()) {
        m_pairs.clear();
        for (const Amplifier &pair : result->amplifiers)
            m_pairs.push_back({.circuit = *texts.circuit, .rf = pair.rf, .rg = pair.rg});
    }
    // The design's best pair, which the display lists first and chooses.
    drawPair(0);
    if (result && mode == kDesign) {
        const bool heading = !result->amplifiers.empty() && result->amplifiers.front().exact;
        ui.outputField->setChoices(m_result, heading ? 1 : 0, 1);
    } else {
        ui.outputField->setEntries(m_result, 1);
    }
}

void OpAmpGainHandler::drawPair(int index)
{
    if (index >= 0 && std::size_t(index) < m_pairs.size())
        ui.drawingView->setPlan(zelkor::views::opAmpGainDrawing(m_pairs[std::size_t(index)]));
}

QString OpAmpGainHandler::resultText() const
{
    return m_result;
}

void OpAmpGainHandler::recalculate()
{
    calculateGain();
}

QVariantMap OpAmpGainHandler::saveState() const
{
    return m_fields.save();
}

void OpAmpGainHandler::restoreState(const QVariantMap &state)
{
    m_fields.restore(state);
}
