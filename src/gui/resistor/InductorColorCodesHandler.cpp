// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/resistor/InductorColorCodesHandler.h"

#include "core/resistor/InductorBands.h"
#include "core/resistor/ResistorBands.h"
#include "core/resistor/ResistorDrawing.h"
#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"
#include "gui/app/PanelState.h"

#include <QSignalBlocker>

using namespace zelkor::resistor;

namespace {

constexpr std::array kBands = {Band::InductorFirst, Band::InductorSecond, Band::InductorMultiplier,
                               Band::InductorTolerance};

void select(QComboBox *popup, Band band, int code)
{
    if (const auto position = positionOf(band, code))
        popup->setCurrentIndex(static_cast<int>(*position));
}

int tag(const QComboBox *popup)
{
    return popup->currentData().toInt();
}

} // namespace

InductorColorCodesHandler::InductorColorCodesHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    ui.inductorView->setBody(Body::MouldedInductor);

    // A 10 µH ±10 % choke, the commonest in a parts drawer.
    constexpr int start[] = {Brown, Black, Black, Silver};
    const auto bandPopups = popups();
    for (std::size_t i = 0; i < bandPopups.size(); ++i) {
        for (const int code : bandColorCodes(kBands[i]))
            bandPopups[i]->addItem(bandSwatch(code), zelkor::text(colorTextKey(code)), code);
        select(bandPopups[i], kBands[i], start[i]);
        connect(bandPopups[i], &QComboBox::currentIndexChanged, this,
                &InductorColorCodesHandler::popupValueChanged);
    }

    for (const float tolerance : kInductorTolerances)
        ui.valueTolerance->addItem(zelkor::formatText(u"%@%%", {zelkor::formatShortest(tolerance)}),
                                   tolerance);
    ui.valueTolerance->setCurrentIndex(ui.valueTolerance->findData(kDefaultInductorTolerance));
    connect(ui.inductanceValue, &QLineEdit::textEdited, this,
            &InductorColorCodesHandler::valueChanged);
    connect(ui.valueTolerance, &QComboBox::activated, this,
            &InductorColorCodesHandler::valueChanged);
}

std::array<QComboBox *, 4> InductorColorCodesHandler::popups() const
{
    return {ui.firstBand, ui.secondBand, ui.multiplierBand, ui.toleranceBand};
}

std::array<int, 4> InductorColorCodesHandler::codes() const
{
    const auto p = popups();
    return {tag(p[0]), tag(p[1]), tag(p[2]), tag(p[3])};
}

void InductorColorCodesHandler::popupValueChanged()
{
    const auto c = codes();
    ui.inductorView->setColorsByColorCodes(c[0], c[1], c[2], c[3]);
    const InductorReading reading = readInductorBands(c);
    ui.outputField->setText(reading.failure == InductorBandsFailure::None
                                ? inductorBandsText(reading.value)
                                : inductorReadingFailureText(reading, c));
    if (!m_showingTypedValue)
        showPickedValue();
}

void InductorColorCodesHandler::valueChanged()
{
    const TypedValueBands shown = inductorBandsForTypedValue(
        ui.inductanceValue->text(), ui.valueTolerance->currentData().toFloat());
    if (!shown.codes.empty()) {
        const auto p = popups();
        for (std::size_t i = 0; i < p.size(); ++i) {
            const QSignalBlocker quiet(p[i]);
            select(p[i], kBands[i], shown.codes[i]);
        }
        m_showingTypedValue = true;
        popupValueChanged();
        m_showingTypedValue = false;
    }
    ui.valueNote->setText(shown.note);
}

void InductorColorCodesHandler::showPickedValue()
{
    const InductorReading reading = readInductorBands(codes());
    if (reading.failure != InductorBandsFailure::None)
        return;
    ui.inductanceValue->setText(inductanceFieldText(reading.value.microhenries));
    const int tolerance = ui.valueTolerance->findData(reading.value.tolerance);
    if (tolerance >= 0)
        ui.valueTolerance->setCurrentIndex(tolerance);
    ui.valueNote->clear();
}

QString InductorColorCodesHandler::resultText() const
{
    return ui.outputField->text();
}

void InductorColorCodesHandler::recalculate()
{
    popupValueChanged();
}

QVariantMap InductorColorCodesHandler::saveState() const
{
    QStringList names;
    for (const int code : codes())
        names.append(colorName(code));
    return {{QStringLiteral("bands"), names}};
}

void InductorColorCodesHandler::restoreState(const QVariantMap &state)
{
    const auto names = zelkor::state::texts(state, QStringLiteral("bands"), 4);
    if (!names)
        return;
    const auto p = popups();
    for (qsizetype i = 0; i < std::min<qsizetype>(names->size(), 4); ++i) {
        // A colour that the band cannot take, or no colour at all, leaves the band as it is.
        if (const auto code = colorCodeForName(names->at(i)))
            select(p[std::size_t(i)], kBands[std::size_t(i)], *code);
    }
}
