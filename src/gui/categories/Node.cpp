// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/categories/Node.h"

#include <algorithm>

Node *Node::appendChild(std::unique_ptr<Node> child)
{
    child->m_parent = this;
    children.push_back(std::move(child));
    return children.back().get();
}

int Node::row() const
{
    if (!m_parent)
        return 0;
    const auto &siblings = m_parent->children;
    const auto it = std::find_if(siblings.begin(), siblings.end(),
                                 [this](const auto &sibling) { return sibling.get() == this; });
    return static_cast<int>(it - siblings.begin());
}
