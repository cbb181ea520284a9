// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A warning icon that fades in and out instead of popping.

#include <QLabel>
#include <QPointer>

class QGraphicsOpacityEffect;
class QPropertyAnimation;

class WarningSignWidget : public QLabel
{
    Q_OBJECT

public:
    // Starts hidden, keeping its place in the layout so the panel does not jump when it shows.
    explicit WarningSignWidget(QWidget *parent = nullptr);

    // Fades to shown or hidden; a fade under way turns around from where it is.
    void setShown(bool shown);
    bool isFading() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QGraphicsOpacityEffect *m_opacity;
    QPropertyAnimation *m_fade;
    bool m_shown = false;
};
