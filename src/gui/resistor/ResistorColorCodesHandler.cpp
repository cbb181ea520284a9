// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/resistor/ResistorColorCodesHandler.h"

#include "core/resistor/ResistorBands.h"
#include "core/resistor/ResistorDrawing.h"
#include "core/resistor/ValueBands.h"
#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"
#include "gui/app/PanelState.h"

#include <QButtonGroup>
#include <QGraphicsOpacityEffect>
#include <QPointer>
#include <QPropertyAnimation>
#include <QSignalBlocker>

#include <algorithm>

using namespace zelkor::resistor;

namespace {

constexpr int kPageFadeMilliseconds = 150;

// One swatch per colour, shared by every list that offers it.
using Swatches = std::array<QIcon, kColorCodeCount>;

void fill(QComboBox *popup, Band band, const Swatches &swatches)
{
    popup->clear();
    for (const int code : bandColorCodes(band))
        popup->addItem(swatches[static_cast<std::size_t>(code)], zelkor::text(colorTextKey(code)),
                       code);
}

void select(QComboBox *popup, Band band, int code)
{
    if (const auto position = positionOf(band, code))
        popup->setCurrentIndex(static_cast<int>(*position));
}

std::uint32_t position(const QComboBox *popup)
{
    return static_cast<std::uint32_t>(std::max(popup->currentIndex(), 0));
}

int tag(const QComboBox *popup)
{
    return popup->currentData().toInt();
}

constexpr Band kFourBands[] = {Band::FourBandsFirst, Band::FourBandsSecond, Band::FourBandsThird,
                               Band::FourBandsFourth};
constexpr Band kFiveBands[] = {Band::FiveBandsFirst, Band::FiveBandsSecond, Band::FiveBandsThird,
                               Band::FiveBandsFourth, Band::FiveBandsFifth};
constexpr Band kSixBands[] = {Band::SixBandsFirst,  Band::SixBandsSecond, Band::SixBandsThird,
                              Band::SixBandsFourth, Band::SixBandsFifth,  Band::SixBandsSixth};

std::span<const Band> bandsOfPage(int page)
{
    if (page == 2)
        return kSixBands;
    if (page == 1)
        return kFiveBands;
    return kFourBands;
}

} // namespace

ResistorColorCodesHandler::ResistorColorCodesHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);

    m_segments = new QButtonGroup(this);
    m_segments->setExclusive(true);
    m_segments->addButton(ui.fourBandsSegment, 0);
    m_segments->addButton(ui.fiveBandsSegment, 1);
    m_segments->addButton(ui.sixBandsSegment, 2);
    ui.fourBandsSegment->setChecked(true);
    ui.colorBandsTabView->setCurrentIndex(0);

    Swatches swatches;
    for (int code = 0; code < kColorCodeCount; ++code)
        swatches[static_cast<std::size_t>(code)] = bandSwatch(code);
    for (const int page : {0, 1, 2}) {
        const std::vector<QComboBox *> popups = popupsOfPage(page);
        const std::span<const Band> bands = bandsOfPage(page);
        for (std::size_t i = 0; i < popups.size(); ++i)
            fill(popups[i], bands[i], swatches);
    }

    // Start with resistors people keep in their drawers: 1 kΩ 5 %, 1 kΩ 1 % and 1 kΩ 1 %
    // 100 ppm/K.
    const std::vector<int> starts[] = {{Brown, Black, Red, Gold},
                                       {Brown, Black, Black, Brown, Brown},
                                       {Brown, Black, Black, Brown, Brown, Brown}};
    for (const int page : {0, 1, 2}) {
        const std::vector<QComboBox *> popups = popupsOfPage(page);
        for (std::size_t i = 0; i < popups.size(); ++i)
            select(popups[i], bandsOfPage(page)[i], starts[page][i]);
        for (QComboBox *popup : popups)
            connect(popup, &QComboBox::currentIndexChanged, this,
                    &ResistorColorCodesHandler::popupValueChanged);
    }
    connect(m_segments, &QButtonGroup::idClicked, this,
            &ResistorColorCodesHandler::numberOfBandsChanged);

    for (const float tolerance : kValueTolerances)
        ui.valueTolerance->addItem(zelkor::formatText(u"%@%%", {zelkor::formatShortest(tolerance)}),
                                   tolerance);
    ui.valueTolerance->setCurrentIndex(ui.valueTolerance->findData(5.0f));
    connect(ui.resistanceValue, &QLineEdit::textEdited, this,
            &ResistorColorCodesHandler::valueChanged);
    connect(ui.valueTolerance, &QComboBox::activated, this,
            &ResistorColorCodesHandler::valueChanged);
}

std::array<QComboBox *, 4> ResistorColorCodesHandler::fourBandsPopups() const
{
    return {ui.fourBandsFirstBand, ui.fourBandsSecondBand, ui.fourBandsThirdBand,
            ui.fourBandsFourthBand};
}

std::array<QComboBox *, 5> ResistorColorCodesHandler::fiveBandsPopups() const
{
    return {ui.fiveBandsFirstBand, ui.fiveBandsSecondBand, ui.fiveBandsThirdBand,
            ui.fiveBandsFourthBand, ui.fiveBandsFifthBand};
}

std::array<QComboBox *, 6> ResistorColorCodesHandler::sixBandsPopups() const
{
    return {ui.sixBandsFirstBand,  ui.sixBandsSecondBand, ui.sixBandsThirdBand,
            ui.sixBandsFourthBand, ui.sixBandsFifthBand,  ui.sixBandsSixthBand};
}

std::vector<QComboBox *> ResistorColorCodesHandler::popupsOfPage(int page) const
{
    if (page == 2) {
        const auto p = sixBandsPopups();
        return {p.begin(), p.end()};
    }
    if (page == 1) {
        const auto p = fiveBandsPopups();
        return {p.begin(), p.end()};
    }
    const auto p = fourBandsPopups();
    return {p.begin(), p.end()};
}

int ResistorColorCodesHandler::selectedSegment() const
{
    return std::clamp(m_segments->checkedId(), 0, 2);
}

void ResistorColorCodesHandler::popupValueChanged()
{
    setResistorViewColors();

    Reading reading;
    const int segment = selectedSegment();
    if (segment == 0) {
        const auto p = fourBandsPopups();
        reading =
            fourBandsReading({position(p[0]), position(p[1]), position(p[2]), position(p[3])});
        ui.outputField->setText(parseStringsFor(reading.resistance, reading.tolerance));
    } else if (segment == 1) {
        const auto p = fiveBandsPopups();
        reading = fiveBandsReading(
            {position(p[0]), position(p[1]), position(p[2]), position(p[3]), position(p[4])});
        ui.outputField->setText(parseStringsFor(reading.resistance, reading.tolerance));
    } else {
        const auto p = sixBandsPopups();
        reading = fiveBandsReading(
            {position(p[0]), position(p[1]), position(p[2]), position(p[3]), position(p[4])});
        ui.outputField->setText(parseStringsFor(reading.resistance, reading.tolerance,
                                                sixBandsTemperatureCoefficientFor(position(p[5]))));
    }
    if (!m_showingTypedValue)
        showPickedValue();
}

void ResistorColorCodesHandler::numberOfBandsChanged()
{
    const int segment = selectedSegment();
    showBandsPage(segment);
    m_drawnPage = segment;
    // Recomputing here as well keeps the text describing the resistor that is shown.
    popupValueChanged();
}

void ResistorColorCodesHandler::setResistorViewColors()
{
    if (m_drawnPage == 2) {
        const auto p = sixBandsPopups();
        ui.displayResistorView->setColorsByColorCodes(tag(p[0]), tag(p[1]), tag(p[2]), tag(p[3]),
                                                      tag(p[4]), tag(p[5]));
    } else if (m_drawnPage == 1) {
        const auto p = fiveBandsPopups();
        ui.displayResistorView->setColorsByColorCodes(tag(p[0]), tag(p[1]), tag(p[2]), tag(p[3]),
                                                      tag(p[4]));
    } else {
        const auto p = fourBandsPopups();
        ui.displayResistorView->setColorsByColorCodes(tag(p[0]), tag(p[1]), tag(p[2]), tag(p[3]));
    }
}

void ResistorColorCodesHandler::valueChanged()
{
    TypedValue typed;
    typed.text = ui.resistanceValue->text();
    typed.tolerance = ui.valueTolerance->currentData().toFloat();
    typed.sixBands = selectedSegment() == 2;
    typed.temperatureCoefficient =
        sixBandsTemperatureCoefficientFor(position(ui.sixBandsSixthBand));

    const TypedValueBands shown = bandsForTypedValue(typed);

    if (!shown.codes.empty())
        showBands(shown.codes);
    ui.seriesNote->setText(shown.note);
}

void ResistorColorCodesHandler::showBands(std::span<const int> codes)
{
    const int page = static_cast<int>(codes.size()) - 4;
    const std::vector<QComboBox *> popups = popupsOfPage(page);
    for (std::size_t i = 0; i < popups.size(); ++i) {
        const QSignalBlocker quiet(popups[i]);
        select(popups[i], bandsOfPage(page)[i], codes[i]);
    }
    m_showingTypedValue = true;
    if (page != selectedSegment()) {
        m_segments->button(page)->setChecked(true);
        numberOfBandsChanged();
    } else {
        popupValueChanged();
    }
    m_showingTypedValue = false;
}

void ResistorColorCodesHandler::showPickedValue()
{
    std::vector<int> codes;
    for (const QComboBox *popup : popupsOfPage(selectedSegment()))
        codes.push_back(tag(popup));

    const std::optional<PickedValue> picked = pickedValue(codes);

    if (!picked)
        return;
    ui.resistanceValue->setText(picked->text);
    const int tolerance = ui.valueTolerance->findData(picked->tolerance);
    if (tolerance >= 0)
        ui.valueTolerance->setCurrentIndex(tolerance);
    ui.seriesNote->setText(picked->note);
}

void ResistorColorCodesHandler::showBandsPage(int index)
{
    QStackedWidget *pages = ui.colorBandsTabView;
    if (pages->currentIndex() == index)
        return;
    pages->setCurrentIndex(index);
    QWidget *page = pages->currentWidget();

    // The page owns the effect and the effect its animation; a newer fade replaces both.
    auto *effect = new QGraphicsOpacityEffect(page);
    page->setGraphicsEffect(effect);
    auto *fade = new QPropertyAnimation(effect, "opacity", effect);
    fade->setDuration(kPageFadeMilliseconds);
    fade->setStartValue(0.0);
    fade->setEndValue(1.0);
    const QPointer<QGraphicsOpacityEffect> faded(effect);
    // Queued: removing the effect deletes the animation, which is still emitting finished().
    connect(
        fade, &QPropertyAnimation::finished, page,
        [page, faded] {
            if (faded && page->graphicsEffect() == faded)
                page->setGraphicsEffect(nullptr);
        },
        Qt::QueuedConnection);
    fade->start();
}

QString ResistorColorCodesHandler::resultText() const
{
    return ui.outputField->text();
}

void ResistorColorCodesHandler::recalculate()
{
    numberOfBandsChanged();
}

namespace {

// The kept names of the band counts, by segment.
constexpr const char *kBandCountNames[] = {"four", "five", "six"};

template <std::size_t N> QStringList colorNames(const std::array<QComboBox *, N> &popups)
{
    QStringList names;
    for (const QComboBox *popup : popups)
        names.append(colorName(tag(popup)));
    return names;
}

// A colour that a band cannot take, or that does not exist, leaves that band as it is.
template <std::size_t N>
void restoreColors(const std::array<QComboBox *, N> &popups, const std::array<Band, N> &bands,
                   const std::optional<QStringList> &names)
{
    if (!names)
        return;
    for (std::size_t i = 0; i < std::min(N, std::size_t(names->size())); ++i) {
        if (const auto code = colorCodeForName(names->at(qsizetype(i))))
            select(popups[i], bands[i], *code);
    }
}

} // namespace

QVariantMap ResistorColorCodesHandler::saveState() const
{
    return {{QStringLiteral("bands"), zelkor::state::choiceName(m_segments, kBandCountNames)},
            {QStringLiteral("fourBands"), colorNames(fourBandsPopups())},
            {QStringLiteral("fiveBands"), colorNames(fiveBandsPopups())},
            {QStringLiteral("sixBands"), colorNames(sixBandsPopups())}};
}

void ResistorColorCodesHandler::restoreState(const QVariantMap &state)
{
    using zelkor::state::texts;
    zelkor::state::restoreChoice(m_segments, state, QStringLiteral("bands"), kBandCountNames);
    // The page without its fade: the panel opens as it was left.
    ui.colorBandsTabView->setCurrentIndex(selectedSegment());
    restoreColors(fourBandsPopups(),
                  std::array{Band::FourBandsFirst, Band::FourBandsSecond, Band::FourBandsThird,
                             Band::FourBandsFourth},
                  texts(state, QStringLiteral("fourBands"), 4));
    restoreColors(fiveBandsPopups(),
                  std::array{Band::FiveBandsFirst, Band::FiveBandsSecond, Band::FiveBandsThird,
                             Band::FiveBandsFourth, Band::FiveBandsFifth},
                  texts(state, QStringLiteral("fiveBands"), 5));
    restoreColors(sixBandsPopups(),
                  std::array{Band::SixBandsFirst, Band::SixBandsSecond, Band::SixBandsThird,
                             Band::SixBandsFourth, Band::SixBandsFifth, Band::SixBandsSixth},
                  texts(state, QStringLiteral("sixBands"), 6));
}
