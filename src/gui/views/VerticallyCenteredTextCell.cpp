// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/VerticallyCenteredTextCell.h"

#include "core/drawing/CenteredTextRect.h"

#include <QEvent>
#include <QFontDatabase>

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

void VerticallyCenteredTextCell::applyLabelFont()
{
    QFont labelFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    labelFont.setPointSizeF(kCenteredTextPointSize);
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
    applyDrawingRect();
}

void VerticallyCenteredTextCell::paintEvent(QPaintEvent *event)
{
    applyDrawingRect(); // the text may have changed since the last resize
    QLabel::paintEvent(event);
}
