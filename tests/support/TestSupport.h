// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shared set-up for the suites: settings in a temporary place, URL opening captured, and the
// English texts installed.

#include "core/calculators/Inputs.h"

#include <QList>
#include <QLocale>
#include <QObject>
#include <QTest>
#include <QUrl>

#include <memory>
#include <string>

class QWidget;
class ZelkorAppDelegate;

namespace zelkor::test {

// Call first in initTestCase(): isolates settings, installs the English texts.
void initIsolatedApp();

// Forgets everything written to the settings.
void clearSettings();

// The real app, launched. Unless `donationAnswered` is false, the donation sheet was answered
// on an earlier launch and stays away.
std::unique_ptr<ZelkorAppDelegate> launchApp(bool donationAnswered = true);

// The panel a row of the source list opens; null for a group header.
QWidget *panelAtRow(const ZelkorAppDelegate &app, int row);
// The rows of the source list that open a panel, in the list's order.
QList<int> panelRows(const ZelkorAppDelegate &app);
// Picks the panel kept under titleKey in the source list (which builds it) and returns it.
QWidget *showPanel(const ZelkorAppDelegate &app, const char *titleKey);

// For a test that switches the language or the locale: when it goes out of scope, also after a
// failed check has returned early, the default QLocale, the C library's locale and the English
// texts of initIsolatedApp() are back, so the tests after it do not run in German.
class LocaleGuard
{
public:
    LocaleGuard();
    ~LocaleGuard();
    LocaleGuard(const LocaleGuard &) = delete;
    LocaleGuard &operator=(const LocaleGuard &) = delete;

private:
    QLocale m_defaultLocale;
    std::string m_cLocale;
};

// The problem calculate(reading) reports, the same under both readings: a panel and zelkor-calc
// refuse the same inputs for the same reason.
template <typename Calculate, typename Field>
void checkProblem(Calculate calculate, const Problem<Field> &expected)
{
    for (const Reading reading : {Reading::Lenient, Reading::Strict}) {
        const auto result = calculate(reading);
        QVERIFY(!result);
        QCOMPARE(result.problem(), expected);
    }
}

// A 0 that a panel waits past (Zero) and zelkor-calc refuses as outside the input's domain.
template <typename Calculate, typename Field> void checkZero(Calculate calculate, Field field)
{
    const auto lenient = calculate(Reading::Lenient);
    QVERIFY(!lenient);
    QCOMPARE(lenient.problem(), (Problem<Field>{Reason::Zero, field}));
    const auto strict = calculate(Reading::Strict);
    QVERIFY(!strict);
    QCOMPARE(strict.problem(), (Problem<Field>{Reason::OutsideDomain, field}));
}

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
