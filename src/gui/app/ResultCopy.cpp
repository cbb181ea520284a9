// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/ResultCopy.h"

#include "gui/app/PanelContainer.h"
#include "gui/app/PanelHandler.h"
#include "gui/app/Panels.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// Whether widget has a selection of its own (text, or rows of a table) for Ctrl+C to copy.
bool hasOwnSelection(const QWidget *widget)
{
    if (const auto *view = qobject_cast<const QAbstractItemView *>(widget))
        return view->selectionModel() && view->selectionModel()->hasSelection();
    if (const auto *line = qobject_cast<const QLineEdit *>(widget))
        return line->hasSelectedText();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->hasSelectedText();
    if (const auto *text = qobject_cast<const QPlainTextEdit *>(widget))
        return text->textCursor().hasSelection();
    if (const auto *text = qobject_cast<const QTextEdit *>(widget))
        return text->textCursor().hasSelection();
    return false;
}

} // namespace

ResultCopier::ResultCopier(QWidget *window, PanelContainer *container, const Panels *panels)
    : QObject(window), m_window(window), m_container(container), m_panels(panels)
{
    qApp->installEventFilter(this);
}

bool ResultCopier::copyResult() const
{
    const PanelHandler *shown = m_container ? m_panels->handler(m_container->panel()) : nullptr;
    const QString result = shown ? shown->resultText() : QString();
    // An empty panel leaves whatever the user copied before on the clipboard.
    if (result.isEmpty())
        return false;
    QGuiApplication::clipboard()->setText(result);
    return true;
}

bool ResultCopier::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !m_window || !m_container)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (!key->matches(QKeySequence::Copy))
        return false;
    auto *target = qobject_cast<QWidget *>(watched);
    if (!target || target->window() != m_window)
        return false;
    // A selection inside the panel (text in a field, a row of the parts table) is what the user
    // means to copy; the category list's selection is only the panel's name.
    const QWidget *panel = m_container->panel();
    if (panel && panel->isAncestorOf(target) && hasOwnSelection(target))
        return false;
    copyResult();
    return true;
}
