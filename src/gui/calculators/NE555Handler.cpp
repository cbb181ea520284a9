#include "gui/calculators/NE555Handler.h"

#include "core/calculators/NE555.h"
#include "core/text/NumberReader.h"
#include "gui/app/PanelState.h"

#include <algorithm>
#include <initializer_list>

namespace {

// A field that holds any text counts as given, even when it reads as 0.
bool allGiven(std::initializer_list<const QLineEdit *> fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](const QLineEdit *field) { return !field->text().isEmpty(); });
}

float value(const QLineEdit *field)
{
    return zelkor::floatValue(field->text());
}

} // namespace

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

    if (mode == kAstable) {
        if (!allGiven({ui.r1ValueField, ui.r2ValueField, ui.c1ValueField}))
            return;
        const float hertz = zelkor::ne555::astableFrequency(
            value(ui.r1ValueField), value(ui.r2ValueField), value(ui.c1ValueField));
        ui.outputField->setText(zelkor::ne555::frequencyText(hertz));
    } else {
        if (!allGiven({ui.monostableR1ValueField, ui.monostableC1ValueField}))
            return;
        const float seconds = zelkor::ne555::monostablePulseDuration(
            value(ui.monostableR1ValueField), value(ui.monostableC1ValueField));
        ui.outputField->setText(zelkor::ne555::pulseDurationText(seconds));
    }
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
