// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/SmallDisplayView.h"

SmallDisplayView::SmallDisplayView(QWidget *parent)
    : DisplayView(QStringLiteral("display_small.png"), parent)
{
}
