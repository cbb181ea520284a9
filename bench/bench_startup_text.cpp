// SPDX-License-Identifier: GPL-3.0-or-later

// A second yardstick for start-up: the empty window with one line of text, so the table shows
// how much of Zelkor's start is the font system that any window with text pays for.

#include "FirstShow.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(760, 480);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Zelkor"), &window));
    window.winId();
    zelkor::bench::QuitOnFirstExpose quit;
    window.windowHandle()->installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
