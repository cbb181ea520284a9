// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A picture of a dark glass display for a panel's result to sit on. A form promotes the
// QFrame around its result to DisplayView (or SmallDisplayView) and keeps the layout inside;
// the children get light text. The view takes the picture's size, so the frame shows whole.

#include <QFrame>
#include <QImage>

class DisplayView : public QFrame
{
    Q_OBJECT

public:
    explicit DisplayView(QWidget *parent = nullptr);

    // The picture in the form the view paints it at its screen's pixel ratio; null when the
    // image is missing.
    QImage image() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // The picture fixes the height, also around text that wraps.
    bool hasHeightForWidth() const override { return false; }

protected:
    // For the variants that show another picture.
    DisplayView(const QString &imageName, QWidget *parent);

    void paintEvent(QPaintEvent *event) override;

private:
    QString m_imageName;
};
