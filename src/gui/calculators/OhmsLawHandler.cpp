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
    const auto s = zelkor::ohmslaw::calculate(texts, m_given);
    if (!s)
        return;

    const float results[] = {s->power, s->voltage, s->current, s->resistance};
    for (Quantity q : kQuantities) {
        if (q == s->a || q == s->b)
            continue;
        field(q)->setText(zelkor::formatShortest(results[static_cast<std::size_t>(q)]));
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
// The kept names of the quantities, in the order of Quantity.
constexpr const char *kQuantityNames[] = {"power", "voltage", "current", "resistance"};

QString quantityName(Quantity quantity)
{
    return QString::fromLatin1(kQuantityNames[static_cast<std::size_t>(quantity)]);
}
} // namespace

QVariantMap OhmsLawHandler::saveState() const
{
    // The typed quantities, oldest first; the newest two are the next calculation's inputs.
    QStringList given;
    const auto newest = m_given.inputs({true, true, true, true});
    for (Quantity q : kQuantities) {
        if (m_given.isGiven(q) && (!newest || (q != newest->first && q != newest->second)))
            given.append(quantityName(q));
    }
    if (newest)
        given << quantityName(newest->second) << quantityName(newest->first);
    return {{QStringLiteral("power"), ui.powerField->text()},
            {QStringLiteral("voltage"), ui.voltageField->text()},
            {QStringLiteral("current"), ui.currentField->text()},
            {QStringLiteral("resistance"), ui.resistanceField->text()},
            {QStringLiteral("given"), given}};
}

void OhmsLawHandler::restoreState(const QVariantMap &state)
{
    using zelkor::state::restoreText;
    restoreText(ui.powerField, state, QStringLiteral("power"));
    restoreText(ui.voltageField, state, QStringLiteral("voltage"));
    restoreText(ui.currentField, state, QStringLiteral("current"));
    restoreText(ui.resistanceField, state, QStringLiteral("resistance"));
    if (const auto given = zelkor::state::texts(state, QStringLiteral("given"), 4)) {
        m_given.clear();
        for (const QString &name : *given) {
            if (const auto index = zelkor::state::choiceIndex(name, kQuantityNames))
                m_given.edited(kQuantities[*index]);
        }
    }
}
