// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/categories/OutlineViewDataSource.h"

#include "core/text/Texts.h"
#include "gui/app/PanelRegistry.h"
#include "gui/app/Panels.h"

#include <algorithm>

namespace {

// The product's own group has no key.
bool sameKey(const char *a, const char *b)
{
    return a && b ? qstrcmp(a, b) == 0 : a == b;
}

} // namespace

OutlineViewDataSource::OutlineViewDataSource(QObject *parent)
    : QAbstractItemModel(parent), categoriesNode(std::make_unique<Node>())
{
}

OutlineViewDataSource::~OutlineViewDataSource() = default;

void OutlineViewDataSource::prepareDataSource()
{
    if (!panels)
        return;
    beginResetModel();
    std::vector<std::pair<const char *, Node *>> groups;
    for (int index = 0; index < panels->count(); ++index) {
        const PanelEntry &entry = panels->entry(index);
        const auto known = std::find_if(groups.begin(), groups.end(), [&entry](const auto &group) {
            return sameKey(group.first, entry.groupKey);
        });
        Node *group = known != groups.end() ? known->second : nullptr;
        if (!group) {
            auto groupNode = std::make_unique<Node>();
            // The product's own group keeps its name in every language.
            groupNode->name =
                entry.groupKey ? zelkor::text(entry.groupKey) : QStringLiteral("Zelkor");
            groupNode->key = entry.groupKey;
            groupNode->isGroup = true;
            group = categoriesNode->appendChild(std::move(groupNode));
            groups.emplace_back(entry.groupKey, group);
        }
        auto leafNode = std::make_unique<Node>();
        leafNode->name = zelkor::text(entry.titleKey);
        leafNode->key = entry.titleKey;
        leafNode->viewToOpen = panels->view(index);
        group->appendChild(std::move(leafNode));
    }
    endResetModel();
}

Node *OutlineViewDataSource::nodeForIndex(const QModelIndex &index) const
{
    if (!index.isValid())
        return categoriesNode.get();
    return static_cast<Node *>(index.internalPointer());
}

int OutlineViewDataSource::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return static_cast<int>(nodeForIndex(parent)->children.size());
}

int OutlineViewDataSource::columnCount(const QModelIndex &) const
{
    return 1;
}

QModelIndex OutlineViewDataSource::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    return createIndex(row, column, nodeForIndex(parent)->children[size_t(row)].get());
}

QModelIndex OutlineViewDataSource::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    Node *parentNode = nodeForIndex(child)->parent();
    if (!parentNode || parentNode == categoriesNode.get())
        return {};
    return createIndex(parentNode->row(), 0, parentNode);
}

QVariant OutlineViewDataSource::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Node *node = nodeForIndex(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return node->name;
    case IsGroupRole:
        return node->isGroup;
    default:
        return {};
    }
}

bool OutlineViewDataSource::hasChildren(const QModelIndex &parent) const
{
    return !parent.isValid() || nodeForIndex(parent)->isGroup;
}

Qt::ItemFlags OutlineViewDataSource::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Group rows are section headers: shown, never picked.
    if (nodeForIndex(index)->isGroup)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
