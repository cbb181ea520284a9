// SPDX-License-Identifier: GPL-3.0-or-later

// A megabyte of text pasted into each field of every panel, then Return: the panel must still
// answer at once. The text is digits (the longest number the reader could meet), or letters
// and digits mixed the way a pasted document would be.

#include "BenchHarness.h"
#include "LaunchedPanels.h"
#include "core/text/Texts.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr qsizetype kMegabyte = 1 << 20;
constexpr int kPastesPerField = 4;

void sendKey(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &release);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zelkor::installTranslations(app);
    const QString texts[] = {
        QStringLiteral("1234567890").repeated(kMegabyte / 10),
        QStringLiteral("ECC83 4.7e3 Ohm; ").repeated(kMegabyte / 17),
    };

    zelkor::bench::LaunchedPanels window;
    for (const auto &[row, name] : window.rows()) {
        QWidget *panel = window.show(row);
        std::vector<QLineEdit *> fields;
        for (QLineEdit *field : zelkor::bench::usable<QLineEdit>(panel)) {
            if (!field->isReadOnly())
                fields.push_back(field);
        }
        if (fields.empty())
            continue;
        int paste = 0;
        const int pastes = int(fields.size()) * kPastesPerField;
        zelkor::bench::measure(name + ": a megabyte pasted", pastes,
                               [&] {
                                   QLineEdit *field = fields[size_t(paste) % fields.size()];
                                   QGuiApplication::clipboard()->setText(
                                       texts[paste / int(fields.size()) % 2]);
                                   ++paste;
                                   field->selectAll();
                                   sendKey(field, Qt::Key_V, Qt::ControlModifier);
                                   sendKey(field, Qt::Key_Return);
                                   QApplication::processEvents();
                               },
                               {zelkor::bench::Goal::Worst, 50'000});
        // Leave sane values for the next panel's launch state.
        for (QLineEdit *field : fields)
            field->clear();
    }
    return 0;
}
