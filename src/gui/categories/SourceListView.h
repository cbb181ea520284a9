// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The category list on the left. Group rows are section headers: drawn small and bold, never
// selected, and skipped by the arrow keys.

#include <QTreeView>

class SourceListView : public QTreeView
{
    Q_OBJECT

public:
    explicit SourceListView(QWidget *parent = nullptr);

    // The selected row counted over all visible rows, or -1 when nothing is selected.
    int selectedRow() const;
    QModelIndex itemAtRow(int row) const;
    int numberOfRows() const;
    void selectRow(int row);
    // Typing goes to the find field rather than jumping to a row by its first letter.
    void keyboardSearch(const QString &search) override;

Q_SIGNALS:
    // Text typed while the list has the focus.
    void typed(const QString &text);

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    bool isGroupRow(const QModelIndex &index) const;
    QModelIndex firstShownRow() const;
};
