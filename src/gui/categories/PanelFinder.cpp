// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/categories/PanelFinder.h"

#include "core/text/FindWords.h"
#include "core/text/Texts.h"
#include "gui/categories/OutlineViewDataSource.h"
#include "gui/categories/SourceListView.h"

#include <QLineEdit>
#include <QShortcut>

namespace {

QStringList textsFor(const char *key, const QString &shownName)
{
    if (!key)
        return {shownName};
    const QByteArray keywords = QByteArray(key) + "Keywords";
    return {shownName, zelkor::englishText(key), zelkor::optionalText(keywords.constData()),
            zelkor::englishText(keywords.constData())};
}

} // namespace

PanelFinder::PanelFinder(QLineEdit *field, SourceListView *list, OutlineViewDataSource *source)
    : QObject(field), m_field(field), m_list(list), m_source(source)
{
    connect(field, &QLineEdit::textChanged, this, &PanelFinder::narrow);
    connect(field, &QLineEdit::returnPressed, this, &PanelFinder::openFirstMatch);
    connect(list, &SourceListView::typed, this, [this](const QString &typed) {
        m_field->setFocus(Qt::ShortcutFocusReason);
        m_field->end(false);
        m_field->insert(typed);
    });
    // A line edit leaves Escape and Down to its window; here they belong to finding.
    auto *escape = new QShortcut(Qt::Key_Escape, field, nullptr, nullptr, Qt::WidgetShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        if (m_field->text().isEmpty())
            m_list->setFocus(Qt::ShortcutFocusReason);
        clear();
    });
    auto *down = new QShortcut(Qt::Key_Down, field, nullptr, nullptr, Qt::WidgetShortcut);
    connect(down, &QShortcut::activated, this, [this] {
        if (m_list->isRowHidden(m_list->currentIndex().row(), m_list->currentIndex().parent()))
            openFirstMatch();
        m_list->setFocus(Qt::ShortcutFocusReason);
    });
}

void PanelFinder::clear()
{
    m_field->clear();
}

const QStringList &PanelFinder::textsOf(const Node *node)
{
    const auto known = m_texts.constFind(node);
    if (known != m_texts.cend())
        return *known;
    return *m_texts.insert(node, textsFor(node->key, node->name));
}

void PanelFinder::narrow(const QString &query)
{
    const Node *root = m_source->itemsNode();
    for (const auto &group : root->children) {
        const QModelIndex groupIndex = m_source->index(group->row(), 0);
        const bool groupMatches = zelkor::matchesFind(query, textsOf(group.get()));
        bool anyShown = false;
        for (const auto &leaf : group->children) {
            // Words may come from both: "ics 555" finds the timer.
            const bool shown = groupMatches || zelkor::matchesFind(query, textsOf(leaf.get()) +
                                                                              textsOf(group.get()));
            m_list->setRowHidden(leaf->row(), groupIndex, !shown);
            anyShown = anyShown || shown;
        }
        m_list->setRowHidden(group->row(), {}, !anyShown);
    }
}

void PanelFinder::openFirstMatch()
{
    for (int row = 0; row < m_list->numberOfRows(); ++row) {
        const QModelIndex index = m_list->itemAtRow(row);
        if (index.flags() & Qt::ItemIsSelectable) {
            m_list->selectRow(row);
            m_list->scrollTo(index);
            m_list->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}
