// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/PanelContainer.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPropertyAnimation>
#include <QVBoxLayout>

namespace {
// The platform's default for implicit animations.
constexpr int kFadeMilliseconds = 250;
} // namespace

PanelContainer::PanelContainer(QWidget *parent) : QWidget(parent), m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
}

void PanelContainer::setPanel(QWidget *panel)
{
    if (!panel || panel == m_panel)
        return;
    if (m_panel) {
        m_layout->removeWidget(m_panel);
        m_panel->hide();
        m_panel->setParent(m_store);
    }
    m_panel = panel;
    panel->setParent(this);
    m_layout->addWidget(panel);
    panel->show();
}

void PanelContainer::replacePanel(QWidget *panel)
{
    if (!panel || panel == m_panel)
        return;
    finishFade();
    if (!m_transitionEnabled || !m_panel || !isVisible()) {
        setPanel(panel);
        return;
    }

    auto *snapshot = new QLabel(this);
    snapshot->setObjectName(QStringLiteral("crossFadeSnapshot"));
    snapshot->setPixmap(m_panel->grab());
    snapshot->setGeometry(m_panel->geometry());
    setPanel(panel);
    snapshot->show();
    snapshot->raise();
    m_snapshot = snapshot;

    auto *effect = new QGraphicsOpacityEffect(snapshot);
    snapshot->setGraphicsEffect(effect);
    auto *fade = new QPropertyAnimation(effect, "opacity", snapshot);
    fade->setDuration(kFadeMilliseconds);
    fade->setStartValue(1.0);
    fade->setEndValue(0.0);
    connect(fade, &QPropertyAnimation::finished, this, &PanelContainer::finishFade);
    fade->start();
}

void PanelContainer::finishFade()
{
    // Hidden at once: an earlier fade cut short by a quick switch must not be composed under
    // the next one until the event loop gets round to deleting it.
    if (m_snapshot) {
        m_snapshot->hide();
        m_snapshot->deleteLater();
    }
    m_snapshot = nullptr;
}
