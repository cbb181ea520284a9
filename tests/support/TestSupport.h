// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shared set-up for every suite, core, CLI and GUI alike: settings in a temporary place and the
// English texts installed. What only the GUI suites need is in AppSupport.h.

#include "core/calculators/Inputs.h"

#include <QLocale>
#include <QTest>

#include <string>

namespace zelkor::test {

// Call first in initTestCase(): isolates settings, installs the English texts.
void initIsolatedApp();

// Forgets everything written to the settings.
void clearSettings();

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

} // namespace zelkor::test
