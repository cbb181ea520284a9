// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/OhmsLawHandler.h"

#include "core/text/NumberFormat.h"
#include "gui/app/PanelState.h"

using zelkor::ohmslaw::Quantity;

namespace {
constexpr Quantity kQuantities[] = {Quantity::Power, Quantity::Voltage, Quantity::Current,
                                    Quantity::Resistance};
}

OhmsLawHandler::OhmsLawHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    // The binding keeps the texts; the edits are connected here, since each one also counts
    // which field the user typed into last.
    m_fields = FieldBinding(zelkor::ohmslaw::kFields, {{Quantity::Power, ui.powerField},
                                                       {Quantity::Voltage, ui.voltageField},
                                                       {Quantity::Current, ui.currentField},
                                                       {Quantity::Resistance, ui.resistanceField}});
    for (Quantity q : kQuantities) {
        connect(field(q), &QLineEdit::textEdited, this, [this, q] {
            m_given.edited(q);
            valueChanged();
        });
    }
    connect(ui.clearButton, &QPushButton::clicked, this, &OhmsLawHandler::clearAllFields);
}

QLineEdit *OhmsLawHandler::field(Quantity quantity) const
{
    switch (quantity) {
    case Quantity::Power:
        return ui.powerField;
    case Quantity::Voltage:
        return ui.voltageField;
    case Quantity::Current:
        return ui.currentField;
    case Quantity::Resistance:
        break;
    }
    return ui.resistanceField;
}

void OhmsLawHandler::valueChanged()
{
    // Every rule reads the texts as they were before this pass wrote any of them.
    std::array<QString, zelkor::ohmslaw::kQuantityCount> texts;
    for (Quantity q : kQuantities)
        texts[static_cast<std::size_t>(q)] = field(q)->text();
    const auto inputs = zelkor::ohmslaw::panelInputs(texts, m_given);
    if (!inputs)
        return;
    const auto s = zelkor::ohmslaw::calculate(texts, m_given);
    // Every problem left is a value no resistor has, or a result too large for a number: the
    // open fields must not keep figures that the inputs shown contradict.
    for (Quantity q : kQuantities) {
        if (q == inputs->first || q == inputs->second)
            continue;
        if (s) {
            const float results[] = {s->power, s->voltage, s->current, s->resistance};
            field(q)->setText(zelkor::formatShortest(results[static_cast<std::size_t>(q)]));
        } else {
            field(q)->clear();
        }
        m_given.computed(q);
    }
}

void OhmsLawHandler::clearAllFields()
{
    ui.powerField->clear();
    ui.voltageField->clear();
    ui.currentField->clear();
    ui.resistanceField->clear();
    m_given.clear();
}

void OhmsLawHandler::recalculate()
{
    valueChanged();
}

// The results stand in the fields themselves: one "Caption: value unit" line per filled field.
QString OhmsLawHandler::resultText() const
{
    struct Row
    {
        const QLabel *caption;
        const QLineEdit *field;
        const QLabel *unit;
    };
    const Row rows[] = {
        {ui.powerLabel, ui.powerField, ui.powerUnitLabel},
        {ui.voltageLabel, ui.voltageField, ui.voltageUnitLabel},
        {ui.currentLabel, ui.currentField, ui.currentUnitLabel},
        {ui.resistanceLabel, ui.resistanceField, ui.resistanceUnitLabel},
    };
    QStringList lines;
    for (const Row &row : rows) {
        const QString value = row.field->text().trimmed();
        if (!value.isEmpty())
            lines.append(row.caption->text() + QStringLiteral(": ") + value + u' ' +
                         row.unit->text());
    }
    return lines.join(u'\n');
}

namespace {
QString quantityKey(Quantity quantity)
{
    return QString::fromLatin1(zelkor::fieldSpec(zelkor::ohmslaw::kFields, quantity).key);
}
} // namespace

QVariantMap OhmsLawHandler::saveState() const
{
    // The typed quantities, oldest first; the newest two are the next calculation's inputs.
    QStringList given;
    const auto newest = m_given.inputs({true, true, true, true});
    for (Quantity q : kQuantities) {
        if (m_given.isGiven(q) && (!newest || (q != newest->first && q != newest->second)))
            given.append(quantityKey(q));
    }
    if (newest)
        given << quantityKey(newest->second) << quantityKey(newest->first);
    QVariantMap state = m_fields.save();
    state.insert(QStringLiteral("given"), given);
    return state;
}

void OhmsLawHandler::restoreState(const QVariantMap &state)
{
    m_fields.restore(state);
    if (const auto given = zelkor::state::texts(state, QStringLiteral("given"), 4)) {
        m_given.clear();
        for (const QString &name : *given) {
            for (Quantity q : kQuantities) {
                if (name == quantityKey(q))
                    m_given.edited(q);
            }
        }
    }
}
