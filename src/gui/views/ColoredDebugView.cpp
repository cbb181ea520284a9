// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/ColoredDebugView.h"

#include <QPainter>
#include <QPaintEvent>

ColoredDebugView::ColoredDebugView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColoredDebugView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor::fromRgbF(1.0f, 0.5f, 0.0f));
}
