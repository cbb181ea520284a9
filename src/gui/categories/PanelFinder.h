// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The find field above the source list. What is typed narrows the list to the panels that
// match (see core/text/FindWords.h): by the panel's name, its group's name, both in the shown
// language and in English, and by its keywords. A group without a match hides. Enter opens the
// first match, Escape brings the whole list back, and Down steps into the list.

#include <QHash>
#include <QObject>
#include <QStringList>

class Node;
class OutlineViewDataSource;
class QLineEdit;
class SourceListView;

class PanelFinder : public QObject
{
    Q_OBJECT

public:
    PanelFinder(QLineEdit *field, SourceListView *list, OutlineViewDataSource *source);

    // Back to the whole list, with the field empty.
    void clear();

private:
    void narrow(const QString &query);
    void openFirstMatch();
    // The texts a node is found by, looked up when first needed: nothing of this runs at start.
    const QStringList &textsOf(const Node *node);

    QLineEdit *m_field;
    SourceListView *m_list;
    OutlineViewDataSource *m_source;
    QHash<const Node *, QStringList> m_texts;
};
