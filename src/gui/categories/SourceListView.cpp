// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/categories/SourceListView.h"

#include "gui/categories/OutlineViewDataSource.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

class SourceListDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        if (!index.data(OutlineViewDataSource::IsGroupRole).toBool()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        painter->save();
        QFont font = option.font;
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 0.85);
        font.setCapitalization(QFont::AllUppercase);
        painter->setFont(font);
        painter->setPen(option.palette.color(QPalette::PlaceholderText));
        const QRect textRect = option.rect.adjusted(6, 0, -4, 0);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignBottom, index.data().toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        // A row just the font's height clips the dots of a capital umlaut ("Über").
        size.setHeight(size.height() +
                       (index.data(OutlineViewDataSource::IsGroupRole).toBool() ? 8 : 2));
        return size;
    }
};

} // namespace

SourceListView::SourceListView(QWidget *parent) : QTreeView(parent)
{
    setItemDelegate(new SourceListDelegate(this));
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(12);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(false);
}

bool SourceListView::isGroupRow(const QModelIndex &index) const
{
    return index.isValid() && index.data(OutlineViewDataSource::IsGroupRole).toBool();
}

QModelIndex SourceListView::firstShownRow() const
{
    // A find may hide the first groups; the rows below a hidden one are not reached from it.
    for (int row = 0; model() && row < model()->rowCount(); ++row) {
        if (!isRowHidden(row, {}))
            return model()->index(row, 0);
    }
    return {};
}

int SourceListView::numberOfRows() const
{
    int rows = 0;
    for (QModelIndex index = firstShownRow(); index.isValid(); index = indexBelow(index))
        ++rows;
    return rows;
}

QModelIndex SourceListView::itemAtRow(int row) const
{
    if (!model() || row < 0)
        return {};
    QModelIndex index = firstShownRow();
    for (int i = 0; i < row && index.isValid(); ++i)
        index = indexBelow(index);
    return index;
}

int SourceListView::selectedRow() const
{
    const QModelIndexList selected =
        selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    if (selected.isEmpty())
        return -1;
    int row = 0;
    for (QModelIndex index = firstShownRow(); index.isValid(); index = indexBelow(index)) {
        if (index == selected.first())
            return row;
        ++row;
    }
    return -1;
}

void SourceListView::selectRow(int row)
{
    const QModelIndex index = itemAtRow(row);
    if (index.isValid())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
}

void SourceListView::keyboardSearch(const QString &search)
{
    Q_EMIT typed(search);
}

QModelIndex SourceListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    QModelIndex next = QTreeView::moveCursor(cursorAction, modifiers);
    // Step over section headers in the direction of travel; stay put at either end.
    // Home lands on the first header, so it steps down from there.
    const bool up = cursorAction == MoveUp || cursorAction == MovePageUp ||
                    cursorAction == MovePrevious || cursorAction == MoveEnd;
    while (isGroupRow(next)) {
        const QModelIndex beyond = up ? indexAbove(next) : indexBelow(next);
        if (!beyond.isValid())
            return isGroupRow(currentIndex()) ? next : currentIndex();
        next = beyond;
    }
    return next;
}
