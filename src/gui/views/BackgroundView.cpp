// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/BackgroundView.h"

#include <QPainter>
#include <QPaintEvent>

BackgroundView::BackgroundView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BackgroundView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor::fromRgbF(float(kGrey), float(kGrey), float(kGrey)));
}
