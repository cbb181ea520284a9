#include "gui/resistor/ResistorColorCodesHandler.h"

#include "core/resistor/ResistorBands.h"
#include "core/resistor/ResistorDrawing.h"
#include "core/text/Texts.h"
#include "gui/app/PanelState.h"

#include <QButtonGroup>
#include <QGraphicsOpacityEffect>
#include <QPainter>
#include <QPointer>
#include <QPropertyAnimation>

#include <algorithm>

using namespace zelkor::resistor;

namespace {

constexpr int kPageFadeMilliseconds = 150;

QIcon swatch(int code)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QRectF rect(0.5, 0.5, 15, 11);
    painter.setPen(QColor(80, 80, 80));
    if (const BandColor color = colorForCode(code); color && *color != kNoBandColor) {
        painter.setBrush(QColor::fromRgbF(static_cast<float>(color->red),
                                          static_cast<float>(color->green),
                                          static_cast<float>(color->blue)));
        painter.drawRect(rect);
    } else {
        // "No band": an empty swatch, struck through.
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawLine(rect.bottomLeft(), rect.topRight());
    }
    return QIcon(pixmap);
}

void fill(QComboBox *popup, Band band)
{
    popup->clear();
    for (const int code : bandColorCodes(band))
        popup->addItem(swatch(code), zelkor::text(colorTextKey(code)), code);
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

} // namespace

ResistorColorCodesHandler::ResistorColorCodesHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);

    m_segments = new QButtonGroup(this);
    m_segments->setExclusive(true);
    m_segments->addButton(ui.fourBandsSegment, 0);
    m_segments->addButton(ui.fiveBandsSegment, 1);
    ui.fourBandsSegment->setChecked(true);
    ui.colorBandsTabView->setCurrentIndex(0);

    const auto four = fourBandsPopups();
    const auto five = fiveBandsPopups();
    const Band fourBands[] = {Band::FourBandsFirst, Band::FourBandsSecond, Band::FourBandsThird,
                              Band::FourBandsFourth};
    const Band fiveBands[] = {Band::FiveBandsFirst, Band::FiveBandsSecond, Band::FiveBandsThird,
                              Band::FiveBandsFourth, Band::FiveBandsFifth};
    for (std::size_t i = 0; i < four.size(); ++i)
        fill(four[i], fourBands[i]);
    for (std::size_t i = 0; i < five.size(); ++i)
        fill(five[i], fiveBands[i]);

    // Start with resistors people keep in their drawers: 1 kΩ 5 % and 1 kΩ 1 %.
    const int fourStart[] = {Brown, Black, Red, Gold};
    for (std::size_t i = 0; i < four.size(); ++i)
        select(four[i], fourBands[i], fourStart[i]);
    const int fiveStart[] = {Brown, Black, Black, Brown, Brown};
    for (std::size_t i = 0; i < five.size(); ++i)
        select(five[i], fiveBands[i], fiveStart[i]);

    for (QComboBox *popup : four)
        connect(popup, &QComboBox::currentIndexChanged, this,
                &ResistorColorCodesHandler::popupValueChanged);
    for (QComboBox *popup : five)
        connect(popup, &QComboBox::currentIndexChanged, this,
                &ResistorColorCodesHandler::popupValueChanged);
    connect(m_segments, &QButtonGroup::idClicked, this,
            &ResistorColorCodesHandler::numberOfBandsChanged);
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

int ResistorColorCodesHandler::selectedSegment() const
{
    return m_segments->checkedId() == 1 ? 1 : 0;
}

void ResistorColorCodesHandler::popupValueChanged()
{
    setResistorViewColors();

    Reading reading;
    if (selectedSegment() == 0) {
        const auto p = fourBandsPopups();
        reading =
            fourBandsReading({position(p[0]), position(p[1]), position(p[2]), position(p[3])});
    } else {
        const auto p = fiveBandsPopups();
        reading = fiveBandsReading(
            {position(p[0]), position(p[1]), position(p[2]), position(p[3]), position(p[4])});
    }
    ui.outputField->setText(parseStringsFor(reading.resistance, reading.tolerance));
}

void ResistorColorCodesHandler::numberOfBandsChanged()
{
    const int segment = selectedSegment();
    showBandsPage(segment);
    multipleBandsTabActive = segment == 1;
    // Recomputing here as well keeps the text describing the resistor that is shown.
    popupValueChanged();
}

void ResistorColorCodesHandler::setResistorViewColors()
{
    if (multipleBandsTabActive) {
        const auto p = fiveBandsPopups();
        ui.displayResistorView->setColorsByColorCodes(tag(p[0]), tag(p[1]), tag(p[2]), tag(p[3]),
                                                      tag(p[4]));
    } else {
        const auto p = fourBandsPopups();
        ui.displayResistorView->setColorsByColorCodes(tag(p[0]), tag(p[1]), tag(p[2]), tag(p[3]));
    }
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
constexpr const char *kBandCountNames[] = {"four", "five"};

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
            {QStringLiteral("fiveBands"), colorNames(fiveBandsPopups())}};
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
}
