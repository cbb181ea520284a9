// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/SmallDisplayView.h"

#include "core/drawing/Pictures.h"

SmallDisplayView::SmallDisplayView(QWidget *parent)
    : DisplayView(zelkor::views::kSmallDisplaySize, parent)
{
}
