#include "gui/app/ResultCopy.h"

#include "gui/app/PanelContainer.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace zelkor {

namespace {

QString fieldGridText(const QWidget *panel)
{
    const auto *grid = panel->findChild<QGridLayout *>(QStringLiteral("fieldsLayout"));
    if (!grid)
        return {};
    const auto widgetAt = [grid](int row, int column) -> QWidget * {
        QLayoutItem *item = grid->itemAtPosition(row, column);
        return item ? item->widget() : nullptr;
    };
    QStringList lines;
    for (int row = 0; row < grid->rowCount(); ++row) {
        const auto *caption = qobject_cast<QLabel *>(widgetAt(row, 0));
        const auto *field = qobject_cast<QLineEdit *>(widgetAt(row, 1));
        const auto *unit = qobject_cast<QLabel *>(widgetAt(row, 2));
        if (!caption || !field || field->text().trimmed().isEmpty())
            continue;
        QString line = caption->text() + QStringLiteral(": ") + field->text().trimmed();
        if (unit && !unit->text().isEmpty())
            line += QLatin1Char(' ') + unit->text();
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QString panelResultText(const QWidget *panel)
{
    if (!panel)
        return {};
    const auto *output = panel->findChild<QWidget *>(QStringLiteral("outputField"));
    if (!output)
        return fieldGridText(panel);
    if (const auto *label = qobject_cast<const QLabel *>(output))
        return label->text();
    if (const auto *text = qobject_cast<const QPlainTextEdit *>(output))
        return text->toPlainText();
    if (const auto *text = qobject_cast<const QTextEdit *>(output))
        return text->toPlainText();
    if (const auto *line = qobject_cast<const QLineEdit *>(output))
        return line->text();
    return {};
}

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

} // namespace zelkor

ResultCopier::ResultCopier(QWidget *window, PanelContainer *container)
    : QObject(window), m_window(window), m_container(container)
{
    qApp->installEventFilter(this);
}

bool ResultCopier::copyResult() const
{
    const QString result = zelkor::panelResultText(m_container ? m_container->panel() : nullptr);
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
    if (panel && panel->isAncestorOf(target) && zelkor::hasOwnSelection(target))
        return false;
    copyResult();
    return true;
}
