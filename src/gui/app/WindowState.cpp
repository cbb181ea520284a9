// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/WindowState.h"

#include "gui/app/PanelState.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QWidget>

namespace zelkor::window {

namespace {

const QString kSize = QStringLiteral("window/size");
const QString kPosition = QStringLiteral("window/position");
const QString kMaximized = QStringLiteral("window/maximized");
const QString kSourceListWidth = QStringLiteral("window/sourceListWidth");

// A window counts as reachable when a grip of its title bar lies on a screen.
constexpr int kTitleBarHeight = 24;
constexpr int kGripWidth = 80;

bool reachable(const QPoint &position, int width)
{
    const QRect titleBar(position, QSize(width, kTitleBarHeight));
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect onScreen = screen->availableVirtualGeometry() & titleBar;
        if (onScreen.width() >= kGripWidth && onScreen.height() > 0)
            return true;
    }
    return false;
}

bool fitsTheScreens(const QSize &size)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return size.isValid() && screen && size.width() <= screen->availableVirtualSize().width() &&
           size.height() <= screen->availableVirtualSize().height();
}

} // namespace

void save(QSettings &settings, const QWidget *window, const QSplitter *splitter)
{
    const bool maximized = window->isMaximized();
    settings.setValue(kMaximized, maximized);
    // A maximised window keeps the place it returns to.
    if (!maximized) {
        settings.setValue(kSize, window->size());
        settings.setValue(kPosition, window->pos());
    }
    settings.setValue(kSourceListWidth, QString::number(splitter->sizes().value(0)));
}

void restore(QSettings &settings, QWidget *window, QSplitter *splitter)
{
    const QVariant size = settings.value(kSize);
    if (size.typeId() == QMetaType::QSize && fitsTheScreens(size.toSize()))
        window->resize(size.toSize());
    const QVariant position = settings.value(kPosition);
    if (position.typeId() == QMetaType::QPoint && reachable(position.toPoint(), window->width()))
        window->move(position.toPoint());
    if (zelkor::state::isTrue(settings.value(kMaximized)))
        window->setWindowState(window->windowState() | Qt::WindowMaximized);

    const QWidget *list = splitter->widget(0);
    const QWidget *panels = splitter->widget(1);
    const auto width = zelkor::state::number(settings.value(kSourceListWidth));
    if (list && panels && width && *width >= list->minimumWidth() &&
        *width <= window->width() - panels->minimumWidth())
        splitter->setSizes({*width, window->width() - *width});
}

} // namespace zelkor::window
