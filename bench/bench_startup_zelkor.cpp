// SPDX-License-Identifier: GPL-3.0-or-later

// Zelkor's launch, exactly as app/main.cpp does it, ending at the first shown frame.

#include "core/text/Texts.h"
#include "FirstShow.h"
#include "gui/app/StartInParallel.h"
#include "gui/app/ZelkorAppDelegate.h"
#include "gui/views/PicturePainter.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char *argv[])
{
    zelkor::FontConfigurationLoad fontConfiguration;
    QApplication app(argc, argv);
    const zelkor::SessionBusConnection sessionBus;
    QApplication::setOrganizationName(QStringLiteral("ZelkorBench"));
    QApplication::setApplicationName(QStringLiteral("ZelkorBench"));
    QApplication::setWindowIcon(zelkor::views::appIcon());
    zelkor::installTranslations(app);
    // A usual start on the first panel: the donation sheet was seen long ago, and nothing else
    // is kept, so every run starts alike.
    const QString donationShown = QLatin1String(ZelkorAppDelegate::kDonationShownKey);
    if (QSettings settings; settings.allKeys() != QStringList{donationShown}) {
        settings.clear();
        settings.setValue(donationShown, true);
    }

    fontConfiguration.wait();
    ZelkorAppDelegate delegate;
    zelkor::bench::QuitOnFirstExpose quit;
    delegate.window()->winId(); // creates the native window, so its events can be watched
    delegate.window()->windowHandle()->installEventFilter(&quit);
    delegate.applicationDidFinishLaunching();
    return QApplication::exec();
}
