// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The area right of the source list. It holds exactly one panel at a time; a new panel
// cross-fades in over a snapshot of the old one.

#include <QLabel>
#include <QPointer>
#include <QWidget>

class QVBoxLayout;

class PanelContainer : public QWidget
{
    Q_OBJECT

public:
    explicit PanelContainer(QWidget *parent = nullptr);

    // Where panels live while they are not shown.
    void setPanelStore(QWidget *store) { m_store = store; }

    QWidget *panel() const { return m_panel; }
    // Shows panel at once, without a transition.
    void setPanel(QWidget *panel);
    // Replaces the shown panel; with the transition enabled the old one fades out over it.
    void replacePanel(QWidget *panel);
    void setTransitionEnabled(bool enabled) { m_transitionEnabled = enabled; }
    // The snapshot of the old panel while a cross-fade plays, else null.
    QLabel *fadingSnapshot() const { return m_snapshot; }

private:
    void finishFade();

    QVBoxLayout *m_layout;
    QPointer<QWidget> m_store;
    QPointer<QWidget> m_panel;
    QPointer<QLabel> m_snapshot;
    bool m_transitionEnabled = false;
};
