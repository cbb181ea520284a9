#include "gui/app/Panels.h"

#include "gui/app/PanelHandler.h"
#include "gui/app/PanelRegistry.h"

#include <QLineEdit>
#include <QWidget>

Panels::Panels(QWidget *store)
{
    for (const PanelEntry &entry : panelRegistry()) {
        auto *view = new QWidget(store);
        view->setObjectName(QString::fromLatin1(entry.titleKey));
        view->hide();
        m_panels.push_back({&entry, view});
    }
}

int Panels::indexOf(const QWidget *view) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_panels[std::size_t(i)].view == view)
            return i;
    }
    return -1;
}

PanelHandler *Panels::build(const QWidget *view)
{
    const int index = indexOf(view);
    if (index < 0)
        return nullptr;
    Panel &panel = m_panels[std::size_t(index)];
    if (!panel.handler) {
        panel.handler = panel.entry->build(panel.view);
        for (QLineEdit *field : panel.view->findChildren<QLineEdit *>())
            field->setMaxLength(kFieldMaxLength);
        panel.handler->recalculate();
    }
    return panel.handler;
}

PanelHandler *Panels::handler(const QWidget *view) const
{
    const int index = indexOf(view);
    return index < 0 ? nullptr : m_panels[std::size_t(index)].handler;
}
