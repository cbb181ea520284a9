#pragma once
// Shared set-up for the suites: settings in a temporary place, URL opening captured, and the
// English texts installed.

#include <QList>
#include <QObject>
#include <QUrl>

#include <memory>

class ZelkorAppDelegate;

namespace zelkor::test {

// Call first in initTestCase(): isolates settings, installs the English texts.
void initIsolatedApp();

// Forgets everything written to the settings.
void clearSettings();

// The real app, launched. Unless `donationAnswered` is false, the donation sheet was answered
// on an earlier launch and stays away.
std::unique_ptr<ZelkorAppDelegate> launchApp(bool donationAnswered = true);

// Records every URL the app asks to open, instead of opening it.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    explicit UrlRecorder(QObject *parent = nullptr);
    ~UrlRecorder() override;

    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace zelkor::test
