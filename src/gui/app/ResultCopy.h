// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Copying the shown panel's result, which its handler offers as text.

#include <QObject>
#include <QPointer>

class PanelContainer;
class Panels;
class QWidget;

// Makes Ctrl+C in window copy the shown panel's result, unless the focused field inside the
// panel has a selection of its own (then that field copies its selection, as usual).
class ResultCopier : public QObject
{
    Q_OBJECT

public:
    // panels must outlive the copier.
    ResultCopier(QWidget *window, PanelContainer *container, const Panels *panels);

    // Puts the shown panel's result on the clipboard; returns false when there was none.
    bool copyResult() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    QPointer<PanelContainer> m_container;
    const Panels *m_panels;
};
