// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/WarningSignWidget.h"

#include <QGraphicsOpacityEffect>
#include <QImageReader>
#include <QPixmap>
#include <QPropertyAnimation>

namespace {

constexpr int kIconSize = 22;
constexpr int kFadeMilliseconds = 250;

// Read through Qt's SVG image plugin, so that the SVG library is loaded only when a sign first
// shows, not when Zelkor starts.
QPixmap warningPixmap(qreal devicePixelRatio)
{
    QImageReader reader(QStringLiteral(":/images/warning.svg"));
    reader.setScaledSize(QSize(kIconSize, kIconSize) * devicePixelRatio);
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace

WarningSignWidget::WarningSignWidget(QWidget *parent)
    : QLabel(parent), m_opacity(new QGraphicsOpacityEffect(this)),
      m_fade(new QPropertyAnimation(m_opacity, "opacity", this))
{
    setFixedSize(kIconSize, kIconSize);
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);

    m_opacity->setOpacity(0.0);
    setGraphicsEffect(m_opacity);
    m_fade->setDuration(kFadeMilliseconds);
    connect(m_fade, &QPropertyAnimation::finished, this, [this] {
        if (!m_shown)
            hide();
    });
    hide();
}

// Most signs are never shown, so the picture is drawn on the first showing rather than at start.
void WarningSignWidget::showEvent(QShowEvent *event)
{
    if (pixmap().isNull())
        setPixmap(warningPixmap(devicePixelRatioF()));
    QLabel::showEvent(event);
}

bool WarningSignWidget::isFading() const
{
    return m_fade->state() == QAbstractAnimation::Running;
}

void WarningSignWidget::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    m_fade->stop();
    m_fade->setStartValue(m_opacity->opacity());
    m_fade->setEndValue(shown ? 1.0 : 0.0);
    if (shown)
        show();
    m_fade->start();
}
