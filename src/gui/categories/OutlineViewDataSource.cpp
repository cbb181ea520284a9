#include "gui/categories/OutlineViewDataSource.h"

#include "core/text/Texts.h"

namespace {

struct Leaf
{
    const char *key;
    QWidget *OutlineViewDataSource::*panel;
};

struct Group
{
    const char *key; // null: the product's own name, never translated
    std::vector<Leaf> leaves;
};

} // namespace

OutlineViewDataSource::OutlineViewDataSource(QObject *parent)
    : QAbstractItemModel(parent), categoriesNode(std::make_unique<Node>())
{
}

OutlineViewDataSource::~OutlineViewDataSource() = default;

void OutlineViewDataSource::prepareDataSource()
{
    using DS = OutlineViewDataSource;
    const std::vector<Group> groups = {
        {"Resistors",
         {{"ResistorColors", &DS::resistorCodesView},
          {"LEDDroppingResistor", &DS::ledDroppingResistorView}}},
        // The group and its first leaf share a key, and so a name.
        {"OhmsLaw",
         {{"OhmsLaw", &DS::ohmsLawView}, {"SeriesParallelConnection", &DS::seriesParallelView}}},
        {"Miscellaneous", {{"HeatSinks", &DS::heatSinksView}}},
        {"Coils", {{"AirCoredCoils", &DS::airCoredCoilView}}},
        {"Tubes", {{"TubeIdent", &DS::tubeView}}},
        {"ICs", {{"NE555", &DS::ne555View}}},
        {nullptr, {{"About", &DS::aboutView}}},
    };

    beginResetModel();
    for (const Group &group : groups) {
        auto groupNode = std::make_unique<Node>();
        groupNode->name = group.key ? zelkor::text(group.key) : QStringLiteral("Zelkor");
        groupNode->isGroup = true;
        Node *added = categoriesNode->appendChild(std::move(groupNode));
        for (const Leaf &leaf : group.leaves) {
            auto leafNode = std::make_unique<Node>();
            leafNode->name = zelkor::text(leaf.key);
            leafNode->viewToOpen = this->*leaf.panel;
            added->appendChild(std::move(leafNode));
        }
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
