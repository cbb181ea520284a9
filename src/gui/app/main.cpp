// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/text/Texts.h"
#include "gui/app/StartInParallel.h"
#include "gui/app/ZelkorAppDelegate.h"
#include "gui/views/PicturePainter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    zelkor::FontConfigurationLoad fontConfiguration;
    QApplication app(argc, argv);
    const zelkor::SessionBusConnection sessionBus;
    QApplication::setOrganizationName(QStringLiteral("Zelkor"));
    QApplication::setApplicationName(QStringLiteral("Zelkor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zelkor"));
    QApplication::setApplicationVersion(QStringLiteral(ZELKOR_VERSION));
    // Lets the desktop match the window to its entry and icon (org.zelkor.Zelkor.desktop).
    QApplication::setDesktopFileName(QStringLiteral("org.zelkor.Zelkor"));
    QApplication::setWindowIcon(zelkor::views::appIcon());
    zelkor::installTranslations(app);

    fontConfiguration.wait();
    ZelkorAppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    return QApplication::exec();
}
