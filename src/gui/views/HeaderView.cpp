// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/HeaderView.h"

#include "core/drawing/HeaderDrawing.h"
#include "core/drawing/YUpSpace.h"
#include "gui/views/LinearShade.h"

#include <QPainter>

using namespace zelkor::views;

namespace {

QColor grey(double level)
{
    return QColor::fromRgbF(float(level), float(level), float(level));
}

void fillGradient(QPainter &painter, const YUpSpace &space, const GradientFill &g)
{
    painter.fillRect(space.toQt(g.rect), linearShade(painter, space.toQt(g.start), space.toQt(g.end),
                                                     {{0, grey(g.startGrey)}, {1, grey(g.endGrey)}}));
}

// Only the half of an edge line inside the view shows; it is widened to whole pixels so the
// line stays crisp instead of blending into the gradient beside it.
void strokeEdge(QPainter &painter, const YUpSpace &space, const StrokedLine &line,
                const QRect &view)
{
    const QRectF band(space.toQt(line.from) - QPointF(0, line.width / 2),
                      space.toQt(line.to) + QPointF(0, line.width / 2));
    painter.fillRect(band.normalized().intersected(view).toAlignedRect(), grey(line.grey));
}

} // namespace

HeaderView::HeaderView(QWidget *parent) : QLabel(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setIndent(12);
    QFont titleFont = font();
    titleFont.setPointSizeF(16);
    titleFont.setBold(true);
    setFont(titleFont);
    QPalette lightText = palette();
    lightText.setColor(QPalette::WindowText, grey(0.96));
    setPalette(lightText);
}

QSize HeaderView::sizeHint() const
{
    return QLabel::sizeHint().expandedTo(QSize(0, kMinimumHeight));
}

QSize HeaderView::minimumSizeHint() const
{
    return QLabel::minimumSizeHint().expandedTo(QSize(0, kMinimumHeight));
}

void HeaderView::paintEvent(QPaintEvent *event)
{
    {
        // The strip is planned for the whole view, whatever part is repainted, so a partial
        // update never draws a smaller header into the damaged area.
        const HeaderDrawing plan = headerDrawing(QRectF(QPointF(0, 0), QSizeF(size())));
        const YUpSpace space(height());
        QPainter painter(this);
        painter.fillRect(space.toQt(plan.fill), Qt::black);
        fillGradient(painter, space, plan.upperHalf);
        fillGradient(painter, space, plan.lowerHalf);
        strokeEdge(painter, space, plan.topLine, rect());
        strokeEdge(painter, space, plan.bottomLine, rect());
    }
    QLabel::paintEvent(event); // the title, on top
}
