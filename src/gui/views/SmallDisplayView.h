// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The lower display frame, for results of one or two lines.

#include "gui/views/DisplayView.h"

class SmallDisplayView : public DisplayView
{
    Q_OBJECT

public:
    explicit SmallDisplayView(QWidget *parent = nullptr);
};
