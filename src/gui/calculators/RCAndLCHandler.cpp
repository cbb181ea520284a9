// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/RCAndLCHandler.h"

#include "core/calculators/RCAndLC.h"
#include "core/drawing/CircuitDrawings.h"
#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

namespace {

using zelkor::eseries::Series;

// Which circuit the panel shows is the panel's own choice: neither calculator has it.
enum class PanelField
{
    Circuit,
};
constexpr const char *kCircuitNames[] = {"rc", "lc"};
constexpr std::array kPanelFields = {
    zelkor::FieldRow<PanelField>{PanelField::Circuit,
                                 {.key = "circuit",
                                  .option = nullptr,
                                  .caption = nullptr,
                                  .help = nullptr,
                                  .kind = zelkor::FieldKind::Choice,
                                  .choices = kCircuitNames}},
};

// The LC fields share their keys with the RC fields ("frequency", "c"): theirs are kept with a
// prefix.
const auto kLCPrefix = QStringLiteral("lc_");

void showRow(bool shown, std::initializer_list<QWidget *> row)
{
    for (QWidget *widget : row)
        widget->setVisible(shown);
}

void enableRow(bool enabled, std::initializer_list<QWidget *> row)
{
    for (QWidget *widget : row)
        widget->setEnabled(enabled);
}

} // namespace

RCAndLCHandler::RCAndLCHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    ui.circuitSegControl->setId(ui.rcButton, kRC);
    ui.circuitSegControl->setId(ui.lcButton, kLC);
    ui.rcModeGroup->setId(ui.rcAnalysisRadio, int(zelkor::rc::Mode::Analysis));
    ui.rcModeGroup->setId(ui.rcFrequencyRadio, int(zelkor::rc::Mode::Frequency));
    ui.rcModeGroup->setId(ui.rcTauRadio, int(zelkor::rc::Mode::Tau));
    ui.lcSoughtGroup->setId(ui.lcFrequencyRadio, int(zelkor::lc::Sought::Frequency));
    ui.lcSoughtGroup->setId(ui.lcInductanceRadio, int(zelkor::lc::Sought::L));
    ui.lcSoughtGroup->setId(ui.lcCapacitanceRadio, int(zelkor::lc::Sought::C));
    for (const Series series : zelkor::eseries::kAllSeries)
        ui.rcSeriesBox->addItem(zelkor::eseries::name(series));
    ui.rcSeriesBox->setCurrentText(zelkor::eseries::name(zelkor::rc::kDefaultSeries));
    for (const Series series : zelkor::rc::kCapacitorSeries)
        ui.rcCapacitorSeriesBox->addItem(zelkor::eseries::name(series));
    ui.rcCapacitorSeriesBox->setCurrentText(
        zelkor::eseries::name(zelkor::rc::kDefaultCapacitorSeries));
    ui.lcAtField->setPlaceholderText(zelkor::text("LCAtPlaceholder"));

    m_circuit = FieldBinding(kPanelFields, {{PanelField::Circuit, ui.circuitSegControl}});
    using RC = zelkor::rc::Field;
    m_rc =
        FieldBinding(zelkor::rc::kFields, {{RC::Mode, ui.rcModeGroup},
                                           {RC::R, ui.rcRField},
                                           {RC::C, ui.rcCField},
                                           {RC::Frequency, ui.rcFrequencyField},
                                           {RC::Tau, ui.rcTauField},
                                           {RC::Series, ui.rcSeriesBox},
                                           {RC::CapacitorSeries, ui.rcCapacitorSeriesBox},
                                           {RC::Tolerance, ui.rcToleranceField},
                                           {RC::CapacitorTolerance, ui.rcCapacitorToleranceField}});
    using LC = zelkor::lc::Field;
    m_lc = FieldBinding(zelkor::lc::kFields, {{LC::Sought, ui.lcSoughtGroup},
                                              {LC::Frequency, ui.lcFrequencyField},
                                              {LC::L, ui.lcLField},
                                              {LC::C, ui.lcCField},
                                              {LC::At, ui.lcAtField},
                                              {LC::LTolerance, ui.lcLToleranceField},
                                              {LC::CTolerance, ui.lcCToleranceField}});
    ui.lcLToleranceField->setPlaceholderText(
        zelkor::formatShortest(float(zelkor::tolerance::kInductorPercent)));
    ui.lcCToleranceField->setPlaceholderText(
        zelkor::formatShortest(float(zelkor::tolerance::kCapacitorPercent)));
    for (const FieldBinding *fields : {&m_circuit, &m_rc, &m_lc})
        fields->connect(this, &RCAndLCHandler::calculateRCAndLC);
    connect(ui.outputField, &VerticallyCenteredTextCell::entryChosen, this,
            &RCAndLCHandler::drawFilter);
    calculateRCAndLC();
}

void RCAndLCHandler::calculateRCAndLC()
{
    const int circuit = ui.circuitSegControl->checkedId();
    ui.circuitStack->setCurrentIndex(circuit);
    // A stack is as tall as its tallest page: the hidden one must not push the display down.
    for (QWidget *page : {ui.rcPage, ui.lcPage}) {
        const auto policy = page == ui.circuitStack->currentWidget() ? QSizePolicy::Preferred
                                                                     : QSizePolicy::Ignored;
        page->setSizePolicy(policy, policy);
    }
    if (circuit == kLC)
        showLC();
    else
        showRC();
}

void RCAndLCHandler::showRC()
{
    using zelkor::rc::Mode;
    const auto mode = Mode(ui.rcModeGroup->checkedId());
    const bool design = mode != Mode::Analysis;
    showRow(!design, {ui.rcRLabel, ui.rcRField, ui.rcRUnitLabel});
    showRow(!design, {ui.rcCLabel, ui.rcCField, ui.rcCUnitLabel});
    showRow(mode == Mode::Frequency,
            {ui.rcFrequencyLabel, ui.rcFrequencyField, ui.rcFrequencyUnitLabel});
    showRow(mode == Mode::Tau, {ui.rcTauLabel, ui.rcTauField, ui.rcTauUnitLabel});
    showRow(design, {ui.rcSeriesLabel, ui.rcSeriesBox});
    showRow(design, {ui.rcCapacitorSeriesLabel, ui.rcCapacitorSeriesBox});

    // An empty tolerance takes the default, which the placeholder shows: the series' in a design.
    const auto fallback = [design](QComboBox *series, double typed) {
        const auto named = zelkor::eseries::parse(series->currentText());
        return zelkor::formatShortest(
            float(design && named ? zelkor::tolerance::seriesPercent(*named) : typed));
    };
    ui.rcToleranceField->setPlaceholderText(
        fallback(ui.rcSeriesBox, zelkor::tolerance::kResistorPercent));
    ui.rcCapacitorToleranceField->setPlaceholderText(
        fallback(ui.rcCapacitorSeriesBox, zelkor::tolerance::kCapacitorPercent));

    const auto result = zelkor::rc::calculate(
        {mode, ui.rcRField->text(), ui.rcCField->text(), ui.rcFrequencyField->text(),
         ui.rcTauField->text(), ui.rcSeriesBox->currentText(),
         ui.rcCapacitorSeriesBox->currentText(), ui.rcToleranceField->text(),
         ui.rcCapacitorToleranceField->text()},
        zelkor::Reading::Lenient);
    m_result = result ? zelkor::rc::resultText(*result) : zelkor::rc::problemText(result.problem());
    // Names alone without a result.
    m_filters.assign(1, {});
    if (result && !result->filters.empty()) {
        m_filters.clear();
        for (const zelkor::rc::Filter &pair : result->filters)
            m_filters.push_back({.r = pair.r, .c = pair.c, .frequency = pair.frequency});
    }
    // The design's best pair, which the display lists first and chooses.
    drawFilter(0);
    if (result && design) {
        const bool heading = !result->filters.empty() && result->filters.front().exact;
        ui.outputField->setChoices(m_result, heading ? 1 : 0, 1);
    } else {
        ui.outputField->setEntries(m_result, 1);
    }
}

void RCAndLCHandler::drawFilter(int index)
{
    if (index >= 0 && std::size_t(index) < m_filters.size())
        ui.drawingView->setPlan(zelkor::views::rcLowPassDrawing(m_filters[std::size_t(index)]));
}

void RCAndLCHandler::showLC()
{
    using zelkor::lc::Sought;
    const auto sought = Sought(ui.lcSoughtGroup->checkedId());
    enableRow(sought != Sought::Frequency,
              {ui.lcFrequencyLabel, ui.lcFrequencyField, ui.lcFrequencyUnitLabel});
    enableRow(sought != Sought::L, {ui.lcLLabel, ui.lcLField, ui.lcLUnitLabel});
    enableRow(sought != Sought::C, {ui.lcCLabel, ui.lcCField, ui.lcCUnitLabel});
    // Only a resonance built from the given parts has a range.
    const bool parts = sought == Sought::Frequency;
    enableRow(parts, {ui.lcLToleranceLabel, ui.lcLToleranceField, ui.lcLToleranceUnitLabel});
    enableRow(parts, {ui.lcCToleranceLabel, ui.lcCToleranceField, ui.lcCToleranceUnitLabel});

    const auto result = zelkor::lc::calculate(
        {sought, ui.lcFrequencyField->text(), ui.lcLField->text(), ui.lcCField->text(),
         ui.lcAtField->text(), ui.lcLToleranceField->text(), ui.lcCToleranceField->text()},
        zelkor::Reading::Lenient);
    zelkor::views::ResonantCircuit drawn;
    if (result)
        drawn = {.l = result->inductance, .c = result->capacitance, .frequency = result->frequency};
    ui.drawingView->setPlan(zelkor::views::lcResonantDrawing(drawn));
    m_result = result ? zelkor::lc::resultText(*result) : QString();
    ui.outputField->setEntries(m_result, 1);
}

QString RCAndLCHandler::resultText() const
{
    return m_result;
}

void RCAndLCHandler::recalculate()
{
    calculateRCAndLC();
}

QVariantMap RCAndLCHandler::saveState() const
{
    QVariantMap state = m_circuit.save();
    state.insert(m_rc.save());
    state.insert(m_lc.save(kLCPrefix));
    return state;
}

void RCAndLCHandler::restoreState(const QVariantMap &state)
{
    m_circuit.restore(state);
    m_rc.restore(state);
    m_lc.restore(state, kLCPrefix);
}
