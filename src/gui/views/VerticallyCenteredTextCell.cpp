// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/VerticallyCenteredTextCell.h"

#include "core/drawing/CenteredTextRect.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

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
} // namespace

QString VerticallyCenteredTextCell::linesThatFit(const QString &text) const
{
    QFont smallest = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    smallest.setPointSizeF(kSmallestPointSize);
    const QFontMetrics metrics(smallest);
    const int flags = int(alignment()) | Qt::TextExpandTabs;
    const int room = contentsRect().height();
    QStringList lines = text.split(u'\n');
    while (lines.size() > 1 && metrics.size(flags, lines.join(u'\n')).height() > room)
        lines.removeLast();
    return lines.join(u'\n');
}

void VerticallyCenteredTextCell::applyLabelFont()
{
    m_fittedText = text();
    m_fittedRoom = contentsRect().size();
    QFont labelFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    labelFont.setPointSizeF(kCenteredTextPointSize);
    const QRectF room(contentsRect());
    const int flags = int(alignment()) | Qt::TextExpandTabs;
    while (!m_fittedText.isEmpty() && !room.isEmpty() &&
           labelFont.pointSizeF() > kSmallestPointSize) {
        const QSize needed = QFontMetrics(labelFont).size(flags, m_fittedText);
        const QRectF textRect = verticallyCenteredTextRect(room, needed.height());
        if (needed.height() <= room.height() && needed.width() <= textRect.width())
            break;
        labelFont.setPointSizeF(labelFont.pointSizeF() - 0.5);
    }
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
