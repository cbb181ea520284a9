// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Fills its area with orange: drop one into a form to see where a layout puts things.

#include <QWidget>

class ColoredDebugView : public QWidget
{
    Q_OBJECT

public:
    explicit ColoredDebugView(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
