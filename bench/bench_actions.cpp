// SPDX-License-Identifier: GPL-3.0-or-later

// One user action on every panel, through the real window: a key typed into a field, the next
// item picked in a pop-up, or a choice clicked, taken in turn. Median and worst of many runs.

#include "BenchHarness.h"
#include "LaunchedPanels.h"
#include "core/text/Texts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <functional>
#include <memory>

namespace {

constexpr int kActions = 2000;

void sendKey(QWidget *target, Qt::Key key, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// The panel's actions: each field gets a digit or loses one, each pop-up moves one item on,
// each choice is clicked.
std::vector<std::function<void()>> actionsOf(QWidget *panel)
{
    using zelkor::bench::usable;
    std::vector<std::function<void()>> actions;
    for (QLineEdit *field : usable<QLineEdit>(panel)) {
        if (field->isReadOnly())
            continue;
        field->setText(QStringLiteral("47"));
        auto typed = std::make_shared<int>(0);
        actions.emplace_back([field, typed] {
            // Type a digit, then take it back, so the value stays in a sensible range.
            if ((*typed)++ % 2 == 0)
                sendKey(field, Qt::Key_1, QStringLiteral("1"));
            else
                sendKey(field, Qt::Key_Backspace);
        });
    }
    for (QComboBox *popup : usable<QComboBox>(panel)) {
        actions.emplace_back([popup] {
            sendKey(popup,
                    popup->currentIndex() + 1 < popup->count() ? Qt::Key_Down : Qt::Key_Home);
        });
    }
    for (QAbstractButton *choice : usable<QAbstractButton>(panel)) {
        if (choice->isCheckable())
            actions.emplace_back([choice] { choice->click(); });
    }
    return actions;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zelkor::installTranslations(app);
    zelkor::bench::LaunchedPanels window;
    for (const auto &[row, name] : window.rows()) {
        QWidget *panel = window.show(row);
        const auto actions = actionsOf(panel);
        if (actions.empty())
            continue; // nothing to compute (About)
        size_t next = 0;
        zelkor::bench::measure(name + ": one action", kActions,
                               [&] { actions[next++ % actions.size()](); });
    }
    return 0;
}
