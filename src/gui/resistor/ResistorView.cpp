// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/resistor/ResistorView.h"

#include <QLinearGradient>
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

void fill(QPainter &painter, const GradientFill &fill)
{
    const QRectF rect = toQRect(fill.rect);
    // In the drawing's y-up space the rectangle's top() is its bottom edge.
    QLinearGradient gradient(rect.left(), rect.top(), rect.left(), rect.bottom());
    gradient.setColorAt(0.0, toQColor(fill.gradient.start));
    gradient.setColorAt(1.0, toQColor(fill.gradient.end));
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
    const DrawingPlan plan = drawingPlan(m_colors, height());

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    // The plan's y grows upwards from the bottom edge.
    painter.translate(0, height());
    painter.scale(1, -1);
    fill(painter, plan.body);
    for (const Line &lead : plan.leads)
        stroke(painter, lead);
    for (const GradientFill &band : plan.bands)
        fill(painter, band);
    painter.restore();
}
