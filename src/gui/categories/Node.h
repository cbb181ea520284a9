// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One entry of the source list: a group header, or a leaf that opens one panel.

#include <QString>

#include <memory>
#include <vector>

class QWidget;

class Node
{
public:
    Node() = default;
    Node(const Node &) = delete;
    Node &operator=(const Node &) = delete;

    QString name;
    // The title key the name comes from; null for the product's own group.
    const char *key = nullptr;
    // A node owns its subtree.
    std::vector<std::unique_ptr<Node>> children;
    // The panel picking this leaf shows; null for groups. Panels outlive the tree.
    QWidget *viewToOpen = nullptr;
    bool isGroup = false;
    bool isAdvancedItem = false;

    // Appends child and returns it; the model needs to find a row's parent.
    Node *appendChild(std::unique_ptr<Node> child);
    Node *parent() const { return m_parent; }
    int row() const;

private:
    Node *m_parent = nullptr;
};
