// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up: an empty Qt window of the same size, built the same way.

#include "FirstShow.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1060, 560); // Zelkor's window at its first start
    window.winId();
    zelkor::bench::QuitOnFirstExpose quit;
    window.windowHandle()->installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
