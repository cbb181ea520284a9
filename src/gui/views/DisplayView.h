// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A dark glass display for a panel's result to sit on. A form promotes the QFrame around its
// result to DisplayView (or SmallDisplayView) and keeps the layout inside; the children get
// light text. The view keeps the display's size, and paints the glass to fill it.

#include <QFrame>
#include <QSizeF>

class DisplayView : public QFrame
{
    Q_OBJECT

public:
    explicit DisplayView(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // The display fixes the height, also around text that wraps.
    bool hasHeightForWidth() const override { return false; }

protected:
    // For the variants of another size.
    DisplayView(const QSizeF &size, QWidget *parent);
    void paintEvent(QPaintEvent *event) override;

private:
    QSizeF m_size;
};
