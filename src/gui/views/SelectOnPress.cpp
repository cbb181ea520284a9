// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/SelectOnPress.h"

#include <QEvent>
#include <QHash>
#include <QLabel>

namespace zelkor::views {

namespace {

constexpr Qt::TextInteractionFlags kSelecting =
    Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;

class FirstPress : public QObject
{
public:
    using QObject::QObject;

    void wait(QLabel *label)
    {
        m_flags.insert(label, label->textInteractionFlags());
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonPress &&
            event->type() != QEvent::MouseButtonDblClick)
            return false;
        auto *label = static_cast<QLabel *>(watched);
        label->removeEventFilter(this);
        label->setTextInteractionFlags(m_flags.take(label));
        // The focus went by the policy the label had before the press: none.
        if (label->focusPolicy() & Qt::ClickFocus)
            label->setFocus(Qt::MouseFocusReason);
        return false;
    }

private:
    QHash<QObject *, Qt::TextInteractionFlags> m_flags;
};

} // namespace

void selectTextOnFirstPress(QWidget *panel)
{
    FirstPress *firstPress = nullptr;
    for (QLabel *label : panel->findChildren<QLabel *>()) {
        if (!(label->textInteractionFlags() & kSelecting))
            continue;
        if (!firstPress)
            firstPress = new FirstPress(panel);
        firstPress->wait(label);
    }
}

} // namespace zelkor::views
