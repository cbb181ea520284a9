// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/DisplayView.h"

#include "core/drawing/Pictures.h"
#include "gui/views/PicturePainter.h"

#include <QPainter>

using namespace zelkor::views;

namespace {

// The bezel around the glass, which the result's text must stay off.
constexpr int kBezel = 8;

} // namespace

DisplayView::DisplayView(QWidget *parent) : DisplayView(kDisplaySize, parent) {}

DisplayView::DisplayView(const QSizeF &size, QWidget *parent) : QFrame(parent), m_size(size)
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

QSize DisplayView::sizeHint() const
{
    return m_size.toSize();
}

void DisplayView::paintEvent(QPaintEvent *)
{
    // The whole display is painted on every pass; the painter clips it to what needs repainting.
    QPainter painter(this);
    paintPicture(painter, displayPicture(QSizeF(size())), QRectF(rect()));
}
