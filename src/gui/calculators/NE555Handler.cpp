// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/NE555Handler.h"

#include "core/calculators/NE555.h"
#include "core/calculators/NE555Design.h"
#include "gui/app/PanelState.h"

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
    connect(ui.designSeriesBox, &QComboBox::currentIndexChanged, this,
            &NE555Handler::calculateNE555);

    connect(ui.ne555ModeSegControl, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            calculateNE555();
    });
    for (QLineEdit *field :
         {ui.r1ValueField, ui.r2ValueField, ui.c1ValueField, ui.monostableR1ValueField,
          ui.monostableC1ValueField, ui.designFrequencyField, ui.designDutyField,
          ui.designDurationField, ui.designC1Field}) {
        connect(field, &QLineEdit::textChanged, this, &NE555Handler::calculateNE555);
        connect(field, &QLineEdit::returnPressed, this, &NE555Handler::calculateNE555);
    }
    calculateNE555();
}

void NE555Handler::calculateNE555()
{
    // An older result must not stand next to inputs it was not computed from.
    ui.outputField->clear();
    const int mode = ui.ne555ModeSegControl->checkedId();
    ui.ne555ModeTabView->setCurrentIndex(mode);
    if (mode == kDesign) {
        ui.outputField->setText(designText());
        return;
    }

    using zelkor::ne555::Circuit;
    const bool astable = mode == kAstable;
    const auto result = zelkor::ne555::calculate(
        {astable ? Circuit::Astable : Circuit::Monostable, ui.r1ValueField->text(),
         ui.r2ValueField->text(), ui.monostableR1ValueField->text(),
         (astable ? ui.c1ValueField : ui.monostableC1ValueField)->text()},
        zelkor::Reading::Lenient);
    if (result)
        ui.outputField->setText(zelkor::ne555::resultText(*result));
}

// Each circuit whose fields are filled gets its parts; the capacitor serves both.
QString NE555Handler::designText() const
{
    const zelkor::ne555::DesignTexts texts{
        ui.designFrequencyField->text(), ui.designDutyField->text(), ui.designDurationField->text(),
        ui.designC1Field->text(),
        zelkor::eseries::parse(ui.designSeriesBox->currentText()).value_or(kDefaultSeries)};
    QStringList parts;
    if (const auto astable = zelkor::ne555::designAstable(texts, zelkor::Reading::Lenient))
        parts << zelkor::ne555::designText(*astable);
    if (const auto monostable = zelkor::ne555::designMonostable(texts, zelkor::Reading::Lenient))
        parts << zelkor::ne555::designText(*monostable);
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
// The kept names of the circuits, by button id.
constexpr const char *kModeNames[] = {"astable", "monostable", "design"};
} // namespace

QVariantMap NE555Handler::saveState() const
{
    return {{QStringLiteral("mode"), zelkor::state::choiceName(ui.ne555ModeSegControl, kModeNames)},
            {QStringLiteral("r1"), ui.r1ValueField->text()},
            {QStringLiteral("r2"), ui.r2ValueField->text()},
            {QStringLiteral("c1"), ui.c1ValueField->text()},
            {QStringLiteral("monostableR1"), ui.monostableR1ValueField->text()},
            {QStringLiteral("monostableC1"), ui.monostableC1ValueField->text()},
            {QStringLiteral("designFrequency"), ui.designFrequencyField->text()},
            {QStringLiteral("designDuty"), ui.designDutyField->text()},
            {QStringLiteral("designDuration"), ui.designDurationField->text()},
            {QStringLiteral("designC1"), ui.designC1Field->text()},
            {QStringLiteral("designSeries"), ui.designSeriesBox->currentText()}};
}

void NE555Handler::restoreState(const QVariantMap &state)
{
    using zelkor::state::restoreText;
    zelkor::state::restoreChoice(ui.ne555ModeSegControl, state, QStringLiteral("mode"), kModeNames);
    restoreText(ui.r1ValueField, state, QStringLiteral("r1"));
    restoreText(ui.r2ValueField, state, QStringLiteral("r2"));
    restoreText(ui.c1ValueField, state, QStringLiteral("c1"));
    restoreText(ui.monostableR1ValueField, state, QStringLiteral("monostableR1"));
    restoreText(ui.monostableC1ValueField, state, QStringLiteral("monostableC1"));
    restoreText(ui.designFrequencyField, state, QStringLiteral("designFrequency"));
    restoreText(ui.designDutyField, state, QStringLiteral("designDuty"));
    restoreText(ui.designDurationField, state, QStringLiteral("designDuration"));
    restoreText(ui.designC1Field, state, QStringLiteral("designC1"));
    // Only a series the list offers.
    if (const auto series = zelkor::state::text(state, QStringLiteral("designSeries"), 8)) {
        if (const int index = ui.designSeriesBox->findText(*series); index >= 0)
            ui.designSeriesBox->setCurrentIndex(index);
    }
}
