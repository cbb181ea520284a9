// Zelkor's launch, exactly as app/main.cpp does it, ending at the first shown frame.

#include "gui/app/ZelkorAppDelegate.h"
#include "FirstShow.h"
#include "core/text/Texts.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ZelkorBench"));
    QApplication::setApplicationName(QStringLiteral("ZelkorBench"));
    zelkor::installTranslations(app);
    // A usual start: the donation sheet was seen long ago.
    QSettings().setValue(QLatin1String(ZelkorAppDelegate::kDonationShownKey), true);

    ZelkorAppDelegate delegate;
    zelkor::bench::QuitOnFirstExpose quit;
    delegate.window()->winId(); // creates the native window, so its events can be watched
    delegate.window()->windowHandle()->installEventFilter(&quit);
    delegate.applicationDidFinishLaunching();
    return QApplication::exec();
}
