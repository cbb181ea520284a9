// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/VerticallyCenteredTextCell.h"

#include "core/drawing/CenteredTextRect.h"

#include <QEvent>
#include <QFontDatabase>

#include <algorithm>

using namespace zelkor::views;

VerticallyCenteredTextCell::VerticallyCenteredTextCell(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    applyLabelFont();
}

QRectF VerticallyCenteredTextCell::drawingRect() const
{
    const int flags = int(alignment()) | Qt::TextExpandTabs;
    const QSize textSize =
        fontMetrics().size(flags, text().isEmpty() ? QStringLiteral(" ") : text());
    return verticallyCenteredTextRect(QRectF(contentsRect()), textSize.height());
}

namespace {
// Below this a result would be hard to read; a text that needs less stays cut off.
constexpr double kSmallestPointSize = 8.0;

QFont labelFontOfSize(double pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(pointSize);
    return font;
}

bool fitsAt(const QFont &font, const QString &text, const QRectF &room, int flags)
{
    const QSize needed = QFontMetrics(font).size(flags, text);
    const QRectF textRect = verticallyCenteredTextRect(room, needed.height());
    return needed.height() <= room.height() && needed.width() <= textRect.width();
}

} // namespace

void VerticallyCenteredTextCell::setEntries(const QString &list, int linesPerEntry)
{
    m_entries = list;
    m_linesPerEntry = std::max(linesPerEntry, 1);
    m_entriesRoom = {};
    showEntriesThatFit();
}

bool VerticallyCenteredTextCell::listShown() const
{
    return m_linesPerEntry > 0 && text() == m_shownEntries;
}

// Entries are dropped from the end until the rest reads at the smallest size; a field not yet
// laid out shows them all until its first resize.
void VerticallyCenteredTextCell::showEntriesThatFit()
{
    const QRectF room(contentsRect());
    m_entriesRoom = contentsRect().size();
    const QStringList lines = m_entries.split(u'\n');
    const qsizetype heading = lines.size() % m_linesPerEntry;
    qsizetype shown = lines.size();
    const QFont smallest = labelFontOfSize(kSmallestPointSize);
    const int flags = int(alignment()) | Qt::TextExpandTabs;
    while (!room.isEmpty() && shown - m_linesPerEntry > heading &&
           !fitsAt(smallest, lines.first(shown).join(u'\n'), room, flags))
        shown -= m_linesPerEntry;
    m_shownEntries = lines.first(shown).join(u'\n');
    setText(m_shownEntries);
}

void VerticallyCenteredTextCell::applyLabelFont()
{
    if (listShown() && contentsRect().size() != m_entriesRoom)
        showEntriesThatFit();
    m_fittedText = text();
    m_fittedRoom = contentsRect().size();
    QFont labelFont = labelFontOfSize(kCenteredTextPointSize);
    const QRectF room(contentsRect());
    const int flags = int(alignment()) | Qt::TextExpandTabs;
    while (!m_fittedText.isEmpty() && !room.isEmpty() &&
           labelFont.pointSizeF() > kSmallestPointSize &&
           !fitsAt(labelFont, m_fittedText, room, flags))
        labelFont.setPointSizeF(labelFont.pointSizeF() - 0.5);
    if (font() != labelFont)
        setFont(labelFont);
}

// QLabel already centres vertically exactly as drawingRect() does (its text block is as high
// as the text and sits half the spare height down); what it cannot decide by itself is the
// indent, which depends on whether there is room to spare.
void VerticallyCenteredTextCell::applyDrawingRect()
{
    const int wanted = qRound(drawingRect().x() - contentsRect().x());
    if (indent() != wanted)
        setIndent(wanted);
}

void VerticallyCenteredTextCell::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyLabelFont();
}

void VerticallyCenteredTextCell::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    applyLabelFont();
    applyDrawingRect();
}

void VerticallyCenteredTextCell::paintEvent(QPaintEvent *event)
{
    // The text may have changed since the last resize.
    if (text() != m_fittedText || contentsRect().size() != m_fittedRoom)
        applyLabelFont();
    applyDrawingRect();
    QLabel::paintEvent(event);
}
