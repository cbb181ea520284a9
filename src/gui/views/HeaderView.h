// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dark glossy strip that opens every panel, with the panel's title in light text on it.
// It is a QLabel underneath, so a form promotes its title label to it and keeps the label's
// text, font and alignment; `title` is the same text under the name a header uses.

#include <QLabel>

class HeaderView : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)

public:
    // The strip's height when the title would need less.
    static constexpr int kMinimumHeight = 40;

    explicit HeaderView(QWidget *parent = nullptr);

    QString title() const { return text(); }
    void setTitle(const QString &title) { setText(title); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
