// SPDX-License-Identifier: GPL-3.0-or-later

// A second yardstick for start-up: the empty window of the same size with one line of text, so
// the table shows how much of Zelkor's start is the font system that any window with text pays
// for.

#include "FirstShow.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1060, 560); // Zelkor's window at its first start
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Zelkor"), &window));
    window.winId();
    zelkor::bench::QuitOnFirstExpose quit;
    window.windowHandle()->installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
