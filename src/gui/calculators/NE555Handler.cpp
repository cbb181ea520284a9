// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/NE555Handler.h"

#include "core/calculators/NE555.h"
#include "core/calculators/NE555Design.h"
#include "core/text/NumberFormat.h"

namespace {
using zelkor::eseries::Series;
constexpr Series kDefaultSeries = Series::E24;
} // namespace

NE555Handler::NE555Handler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    ui.ne555ModeSegControl->setId(ui.astableButton, kAstable);
    ui.ne555ModeSegControl->setId(ui.monostableButton, kMonostable);
    ui.ne555ModeSegControl->setId(ui.designButton, kDesign);
    for (const Series series : zelkor::eseries::kAllSeries)
        ui.designSeriesBox->addItem(zelkor::eseries::name(series));
    ui.designSeriesBox->setCurrentText(zelkor::eseries::name(kDefaultSeries));

    using zelkor::ne555::DesignField;
    using zelkor::ne555::Field;
    m_astable =
        FieldBinding(zelkor::ne555::kFields, {{Field::Circuit, ui.ne555ModeSegControl},
                                              {Field::R1, ui.r1ValueField},
                                              {Field::R2, ui.r2ValueField},
                                              {Field::C, ui.c1ValueField},
                                              {Field::Tolerance, ui.resistorToleranceField},
                                              {Field::CTolerance, ui.capacitorToleranceField}});
    ui.capacitorToleranceField->setPlaceholderText(
        zelkor::formatShortest(float(zelkor::tolerance::kCapacitorPercent)));
    m_monostable = FieldBinding(zelkor::ne555::kFields, {{Field::R, ui.monostableR1ValueField},
                                                         {Field::C, ui.monostableC1ValueField}});
    m_design = FieldBinding(zelkor::ne555::kDesignFields,
                            {{DesignField::Frequency, ui.designFrequencyField},
                             {DesignField::Duty, ui.designDutyField},
                             {DesignField::Duration, ui.designDurationField},
                             {DesignField::C, ui.designC1Field},
                             {DesignField::Series, ui.designSeriesBox}});
    for (const FieldBinding *fields : {&m_astable, &m_monostable, &m_design})
        fields->connect(this, &NE555Handler::calculateNE555);
    calculateNE555();
}

void NE555Handler::calculateNE555()
{
    // An older result must not stand next to inputs it was not computed from.
    ui.outputField->clear();
    const int mode = ui.ne555ModeSegControl->checkedId();
    ui.ne555ModeTabView->setCurrentIndex(mode);
    // An empty tolerance takes the default the placeholder shows: the series' in a design.
    const auto series = zelkor::eseries::parse(ui.designSeriesBox->currentText());
    ui.resistorToleranceField->setPlaceholderText(zelkor::formatShortest(
        float(mode == kDesign && series ? zelkor::tolerance::seriesPercent(*series)
                                        : zelkor::tolerance::kResistorPercent)));
    if (mode == kDesign) {
        ui.outputField->setText(designText());
        return;
    }

    using zelkor::ne555::Circuit;
    const bool astable = mode == kAstable;
    const auto result = zelkor::ne555::calculate(
        {astable ? Circuit::Astable : Circuit::Monostable, ui.r1ValueField->text(),
         ui.r2ValueField->text(), ui.monostableR1ValueField->text(),
         (astable ? ui.c1ValueField : ui.monostableC1ValueField)->text(),
         ui.resistorToleranceField->text(), ui.capacitorToleranceField->text()},
        zelkor::Reading::Lenient);
    if (!result) {
        showTimer(astable ? Circuit::Astable : Circuit::Monostable, {}, {}, {}, {}, {});
        return;
    }
    ui.outputField->setText(zelkor::ne555::resultText(*result));
    if (astable)
        showTimer(Circuit::Astable, result->r1, result->r2, result->c1 * 1e-6,
                  result->timing.highTime, result->timing.lowTime);
    else
        showTimer(Circuit::Monostable, result->r, {}, result->c1 * 1e-6, result->value, {});
}

void NE555Handler::showTimer(zelkor::ne555::Circuit circuit, zelkor::views::Value r1,
                             zelkor::views::Value r2, zelkor::views::Value c,
                             zelkor::views::Value tHigh, zelkor::views::Value tLow)
{
    using namespace zelkor::views;
    ui.drawingView->setPlan(
        above(timerDrawing({circuit, r1, r2, c}), timerWaveformDrawing({circuit, tHigh, tLow})));
}

// Each circuit whose fields are filled gets its parts, or the reason it has none; the capacitor
// serves both.
QString NE555Handler::designText()
{
    const zelkor::ne555::DesignTexts texts{
        ui.designFrequencyField->text(),   ui.designDutyField->text(),
        ui.designDurationField->text(),    ui.designC1Field->text(),
        ui.designSeriesBox->currentText(), ui.resistorToleranceField->text(),
        ui.capacitorToleranceField->text()};
    QStringList parts;
    const auto add = [&](const auto &design) {
        const QString part = design ? zelkor::ne555::designText(*design)
                                    : zelkor::ne555::problemText(design.problem(), texts);
        if (!part.isEmpty())
            parts << part;
    };
    const auto astable = zelkor::ne555::designAstable(texts, zelkor::Reading::Lenient);
    const auto monostable = zelkor::ne555::designMonostable(texts, zelkor::Reading::Lenient);
    add(astable);
    add(monostable);
    // The circuit the display lists first with the standard parts it chose: the astable one
    // unless only the pulse was asked for.
    using zelkor::ne555::Circuit;
    using zelkor::ne555::DesignOutcome;
    if (astable && astable->outcome == DesignOutcome::Designed) {
        showTimer(Circuit::Astable, astable->standardR1, astable->standardR2, astable->c1 * 1e-6,
                  astable->withStandardParts.highTime, astable->withStandardParts.lowTime);
    } else if (monostable && monostable->outcome == DesignOutcome::Designed) {
        showTimer(Circuit::Monostable, monostable->standardR, {}, monostable->c1 * 1e-6,
                  monostable->standardDuration, {});
    } else {
        showTimer(Circuit::Astable, {}, {}, {}, {}, {});
    }
    return parts.join(QStringLiteral("\n\n"));
}

QString NE555Handler::resultText() const
{
    return ui.outputField->text();
}

void NE555Handler::recalculate()
{
    calculateNE555();
}

namespace {

// The monostable circuit and the design read fields of the same names as the astable circuit:
// their kept keys carry a prefix.
const auto kMonostablePrefix = QStringLiteral("monostable_");
const auto kDesignPrefix = QStringLiteral("design_");

} // namespace

QVariantMap NE555Handler::saveState() const
{
    QVariantMap state = m_astable.save();
    state.insert(m_monostable.save(kMonostablePrefix));
    state.insert(m_design.save(kDesignPrefix));
    return state;
}

void NE555Handler::restoreState(const QVariantMap &state)
{
    m_astable.restore(state);
    m_monostable.restore(state, kMonostablePrefix);
    m_design.restore(state, kDesignPrefix);
}
