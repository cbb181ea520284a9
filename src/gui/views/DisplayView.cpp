// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/DisplayView.h"

#include "core/drawing/DisplayDrawing.h"
#include "core/drawing/YUpSpace.h"
#include "gui/views/BundledImages.h"

#include <QHash>
#include <QPainter>

using namespace zelkor::views;

namespace {

// The bezel around the glass, which the result's text must stay off.
constexpr int kBezel = 8;

// The images are read once per name and pixel ratio; a missing one stays a null image.
QImage loadImage(const QString &name, bool hiDpi)
{
    static QHash<QString, QImage> cache;
    const QString key = (hiDpi ? QStringLiteral("2x:") : QStringLiteral("1x:")) + name;
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    const QImage image = zelkor::images::bundled(name, hiDpi ? 2.0 : 1.0);
    cache.insert(key, image);
    return image;
}

} // namespace

DisplayView::DisplayView(QWidget *parent) : DisplayView(QStringLiteral("display.png"), parent) {}

DisplayView::DisplayView(const QString &imageName, QWidget *parent)
    : QFrame(parent), m_imageName(imageName)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setContentsMargins(kBezel, kBezel, kBezel, kBezel);
    QPalette glass = palette();
    glass.setColor(QPalette::WindowText, QColor(0xd4, 0xee, 0xfa));
    glass.setColor(QPalette::Text, QColor(0xd4, 0xee, 0xfa));
    // Text boxes on the display show the glass through their background.
    glass.setColor(QPalette::Base, Qt::transparent);
    setPalette(glass);
}

QImage DisplayView::image() const
{
    return loadImage(m_imageName, devicePixelRatioF() > 1.0);
}

QSize DisplayView::sizeHint() const
{
    // Layouts ask every panel's display for its size at start; the picture's header tells it
    // without decoding pictures of panels that may never be shown. The @2x picture has the
    // same size in points.
    static QHash<QString, QSize> sizes;
    auto it = sizes.constFind(m_imageName);
    if (it == sizes.constEnd())
        it = sizes.insert(m_imageName, zelkor::images::bundledSize(m_imageName));
    return it->isValid() ? *it : QFrame::sizeHint();
}

void DisplayView::paintEvent(QPaintEvent *)
{
    // The whole picture is drawn on every pass; the painter clips it to what needs repainting.
    const QImage picture = image();
    if (picture.isNull())
        return;
    const QSizeF pictureSize = picture.deviceIndependentSize();
    const DisplayDrawing plan = clippedToImage(displayDrawing(QSizeF(size())), pictureSize);
    if (plan.target.isEmpty())
        return;

    const QRectF target = YUpSpace(height()).toQt(plan.target);
    const QRectF sourcePoints = YUpSpace(pictureSize.height()).toQt(plan.source);
    const qreal ratio = picture.devicePixelRatio();
    const QRectF sourcePixels(sourcePoints.topLeft() * ratio, sourcePoints.size() * ratio);

    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(target, picture, sourcePixels);
}
