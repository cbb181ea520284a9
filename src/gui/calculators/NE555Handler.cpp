#include "gui/calculators/NE555Handler.h"

#include "core/calculators/NE555.h"
#include "gui/app/PanelState.h"

NE555Handler::NE555Handler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    ui.ne555ModeSegControl->setId(ui.astableButton, kAstable);
    ui.ne555ModeSegControl->setId(ui.monostableButton, kMonostable);

    connect(ui.ne555ModeSegControl, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            calculateNE555();
    });
    for (QLineEdit *field : {ui.r1ValueField, ui.r2ValueField, ui.c1ValueField,
                             ui.monostableR1ValueField, ui.monostableC1ValueField}) {
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
constexpr const char *kModeNames[] = {"astable", "monostable"};
} // namespace

QVariantMap NE555Handler::saveState() const
{
    return {{QStringLiteral("mode"), zelkor::state::choiceName(ui.ne555ModeSegControl, kModeNames)},
            {QStringLiteral("r1"), ui.r1ValueField->text()},
            {QStringLiteral("r2"), ui.r2ValueField->text()},
            {QStringLiteral("c1"), ui.c1ValueField->text()},
            {QStringLiteral("monostableR1"), ui.monostableR1ValueField->text()},
            {QStringLiteral("monostableC1"), ui.monostableC1ValueField->text()}};
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
}
