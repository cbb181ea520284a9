#include "gui/calculators/OhmsLawHandler.h"

#include "core/text/NumberFormat.h"

using zelkor::ohmslaw::Quantity;

namespace {
constexpr Quantity kQuantities[] = {Quantity::Power, Quantity::Voltage, Quantity::Current};
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
        break;
    }
    return ui.currentField;
}

void OhmsLawHandler::valueChanged()
{
    // Every rule reads the texts as they were before this pass wrote any of them.
    std::array<QString, 3> texts;
    for (Quantity q : kQuantities)
        texts[static_cast<std::size_t>(q)] = field(q)->text();
    const auto s = zelkor::ohmslaw::calculate(texts, m_given);
    if (!s)
        return;

    const float results[] = {s->power, s->voltage, s->current};
    for (Quantity q : kQuantities) {
        if (q == s->a || q == s->b)
            continue;
        field(q)->setText(zelkor::formatShortest(results[static_cast<std::size_t>(q)]));
        m_given.computed(q);
    }
    ui.resistanceField->setText(zelkor::formatShortest(s->resistance));
}

void OhmsLawHandler::clearAllFields()
{
    ui.powerField->clear();
    ui.voltageField->clear();
    ui.currentField->clear();
    ui.resistanceField->clear();
    m_given.clear();
}
