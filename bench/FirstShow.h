// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Ends a start-up benchmark at the first frame: once the window's first expose has been handled
// (and so painted), print the resident memory and leave at once. Tearing the widgets down is
// not part of starting, so the process exits without it. Both start-up programs use this, so
// they stop at the same point.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace zelkor::bench {

class QuitOnFirstExpose : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, [] {
                printResidentMemory();
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void printResidentMemory()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                std::printf("rss_kb %s\n", line.mid(6).trimmed().split(' ').first().constData());
        }
    }

    bool m_done = false;
};

} // namespace zelkor::bench
