// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/SchematicView.h"

#include "core/drawing/YUpSpace.h"
#include "core/text/Texts.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <utility>

using namespace zelkor::views;

namespace {

// Larger than this the drawing's text would outgrow the panel's own.
constexpr double kLargestScale = 1.25;

void paintPlan(QPainter &painter, const SchematicPlan &plan, const QFont &widgetFont,
               const QColor &ink, const QColor &paper)
{
    // The plan is y-up from its bounds' lower edge; painting starts at their top-left corner.
    const YUpSpace space(plan.bounds.y() + plan.bounds.height());
    painter.translate(-plan.bounds.x(), 0);
    painter.setRenderHint(QPainter::Antialiasing);

    const auto brushFor = [&](Fill fill) {
        return fill == Fill::Ink ? QBrush(ink) : fill == Fill::Paper ? QBrush(paper) : QBrush();
    };
    for (const Stroke &stroke : plan.strokes) {
        QPolygonF points;
        for (const QPointF &p : stroke.points)
            points << space.toQt(p);
        painter.setPen(QPen(ink, stroke.width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.setBrush(brushFor(stroke.fill));
        if (stroke.closed)
            painter.drawPolygon(points);
        else
            painter.drawPolyline(points);
    }
    painter.setPen(QPen(ink, kLineWidth));
    for (const Dot &dot : plan.dots) {
        painter.setBrush(brushFor(dot.fill));
        painter.drawEllipse(space.toQt(dot.centre), dot.radius, dot.radius);
    }

    QFont font = widgetFont;
    font.setPixelSize(int(kTextHeight));
    painter.setFont(font);
    painter.setPen(ink);
    const QFontMetricsF metrics(font);
    for (const Label &label : plan.labels) {
        const QRectF box = space.toQt(label.box);
        const Qt::Alignment across = label.horizontalAlignment < 0   ? Qt::AlignLeft
                                     : label.horizontalAlignment > 0 ? Qt::AlignRight
                                                                     : Qt::AlignHCenter;
        // A font wider than the width model shrinks its text towards the anchored side, so it
        // stays inside the box the plan kept free for it.
        const double width = metrics.horizontalAdvance(label.text);
        const double shrink = width > box.width() ? box.width() / width : 1.0;
        painter.save();
        const double anchorX = label.horizontalAlignment < 0   ? box.left()
                               : label.horizontalAlignment > 0 ? box.right()
                                                               : box.center().x();
        painter.translate(anchorX, box.center().y());
        painter.scale(shrink, shrink);
        const QRectF local(box.left() - anchorX, -box.height() / 2, box.width(), box.height());
        const QRectF scaled(local.left() / shrink, local.top() / shrink, local.width() / shrink,
                            local.height() / shrink);
        painter.drawText(scaled, int(across | Qt::AlignVCenter), label.text);
        painter.restore();
    }
}

} // namespace

SchematicView::SchematicView(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    // A window-wide shortcut fires only for a visible widget, so each panel's view answers only
    // while its panel is the one shown.
    auto *copy = new QAction(this);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, &SchematicView::copyImage);
    addAction(copy);
}

bool SchematicView::copyImage() const
{
    const QImage picture = image(devicePixelRatioF());
    if (picture.isNull())
        return false;
    QGuiApplication::clipboard()->setImage(picture);
    return true;
}

void SchematicView::contextMenuEvent(QContextMenuEvent *event)
{
    // Built when asked for: most views are never right-clicked.
    QMenu menu(this);
    QAction *copy = menu.addAction(zelkor::text("CopyDrawing"), this, &SchematicView::copyImage);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy->setEnabled(!m_plan.bounds.isEmpty());
    menu.exec(event->globalPos());
}

void SchematicView::setPlan(SchematicPlan plan)
{
    m_plan = std::move(plan);
    updateGeometry();
    update();
}

QSize SchematicView::sizeHint() const
{
    return m_plan.bounds.size().toSize();
}

QSize SchematicView::minimumSizeHint() const
{
    return (m_plan.bounds.size() * 0.6).toSize();
}

QImage SchematicView::image(qreal devicePixelRatio) const
{
    // No screen is finer than 8 device pixels to the point; past that the image only eats memory.
    if (!(devicePixelRatio > 0 && devicePixelRatio <= 8) || m_plan.bounds.isEmpty())
        return {};
    const QSizeF size = m_plan.bounds.size() * devicePixelRatio;
    QImage picture(size.toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(palette().color(QPalette::Base));
    QPainter painter(&picture);
    paintPlan(painter, m_plan, font(), palette().color(QPalette::Text),
              palette().color(QPalette::Base));
    return picture;
}

void SchematicView::paintEvent(QPaintEvent *)
{
    const QSizeF planSize = m_plan.bounds.size();
    if (planSize.isEmpty())
        return;
    const double scale =
        std::min({width() / planSize.width(), height() / planSize.height(), kLargestScale});
    QPainter painter(this);
    // At the top of its column, level with the first field it shows the values of.
    painter.translate((width() - planSize.width() * scale) / 2, 0);
    painter.scale(scale, scale);
    paintPlan(painter, m_plan, font(), palette().color(QPalette::WindowText),
              palette().color(QPalette::Window));
}
