// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A plain mid-grey area for a form to put things on.

#include <QWidget>

class BackgroundView : public QWidget
{
    Q_OBJECT

public:
    static constexpr double kGrey = 0.4;

    explicit BackgroundView(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
