// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/resistor/ResistorView.h"

#include "gui/views/LinearShade.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>

using namespace zelkor::resistor;

namespace {

// Wide enough for the six-band layout, which needs 220.
constexpr int kDrawingWidth = 220;

QColor toQColor(const Rgb &rgb)
{
    return QColor::fromRgbF(static_cast<float>(rgb.red), static_cast<float>(rgb.green),
                            static_cast<float>(rgb.blue));
}

QRectF toQRect(const Rect &rect)
{
    return {rect.x, rect.y, rect.width, rect.height};
}

void fill(QPainter &painter, const GradientFill &fill, double cornerRadius = 0.0)
{
    const QRectF rect = toQRect(fill.rect);
    // In the drawing's y-up space the rectangle's top() is its bottom edge.
    const QBrush gradient = zelkor::views::linearShade(
        painter, rect.topLeft(), rect.bottomLeft(),
        {{0.0, toQColor(fill.gradient.start)}, {1.0, toQColor(fill.gradient.end)}});
    if (cornerRadius > 0.0) {
        QPainterPath rounded;
        rounded.addRoundedRect(rect, cornerRadius, cornerRadius);
        painter.fillPath(rounded, gradient);
        return;
    }
    painter.fillRect(rect, gradient);
}

void stroke(QPainter &painter, const Line &line)
{
    QPainterPath path;
    path.moveTo(line.x1, line.y1);
    path.lineTo(line.x2, line.y2);
    painter.setPen(QPen(toQColor(line.color), line.width));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

} // namespace

QIcon bandSwatch(int code)
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

ResistorView::ResistorView(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void ResistorView::setColorsByColorCodes(int c1, int c2, int c3, int c4)
{
    m_colors.setColorsByColorCodes(c1, c2, c3, c4);
    update();
}

void ResistorView::setColorsByColorCodes(int c1, int c2, int c3, int c4, int c5)
{
    m_colors.setColorsByColorCodes(c1, c2, c3, c4, c5);
    update();
}

void ResistorView::setColorsByColorCodes(int c1, int c2, int c3, int c4, int c5, int c6)
{
    m_colors.setColorsByColorCodes(c1, c2, c3, c4, c5, c6);
    update();
}

void ResistorView::setBody(Body body)
{
    m_body = body;
    update();
}

QSize ResistorView::sizeHint() const
{
    return {kDrawingWidth, 48};
}

QSize ResistorView::minimumSizeHint() const
{
    return {kDrawingWidth, 24};
}

void ResistorView::paintEvent(QPaintEvent * /*event*/)
{
    // The whole view's height, not the update rectangle's: a partial repaint must paint the
    // same picture as a full one.
    const DrawingPlan plan = drawingPlan(m_colors, height(), m_body);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    // The plan's y grows upwards from the bottom edge.
    painter.translate(0, height());
    painter.scale(1, -1);
    fill(painter, plan.body, plan.bodyCornerRadius);
    for (const Line &lead : plan.leads)
        stroke(painter, lead);
    for (const GradientFill &band : plan.bands)
        fill(painter, band);
    painter.restore();
}
