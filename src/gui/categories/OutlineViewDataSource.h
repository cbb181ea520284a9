// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The category tree behind the source list: the groups of the panel registry, each with the
// leaves that open its panels. The root is never shown; its children are the group rows.

#include "gui/categories/Node.h"

#include <QAbstractItemModel>

class Panels;

class OutlineViewDataSource : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Role
    {
        IsGroupRole = Qt::UserRole + 1
    };

    explicit OutlineViewDataSource(QObject *parent = nullptr);
    ~OutlineViewDataSource() override;

    // Builds the tree below the root from the panels; call once, after they are set.
    void prepareDataSource();
    Node *itemsNode() const { return categoriesNode.get(); }
    Node *nodeForIndex(const QModelIndex &index) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The panels the leaves open, set by the application controller before
    // prepareDataSource(): one leaf per registry row, grouped by the rows' group keys.
    const Panels *panels = nullptr;

    // The panels' outlets by their long-standing names. The leaves take their panels from the
    // registry, so nothing reads these; plateCapView and cathodeRayDeflectionView never had a
    // category, and advanced was never read.
    QWidget *resistorCodesView = nullptr;
    QWidget *ledDroppingResistorView = nullptr;
    QWidget *ohmsLawView = nullptr;
    QWidget *seriesParallelView = nullptr;
    QWidget *aboutView = nullptr;
    QWidget *tubeView = nullptr;
    QWidget *heatSinksView = nullptr;
    QWidget *airCoredCoilView = nullptr;
    QWidget *ne555View = nullptr;
    QWidget *plateCapView = nullptr;
    QWidget *cathodeRayDeflectionView = nullptr;
    bool advanced = false;

private:
    std::unique_ptr<Node> categoriesNode;
};
