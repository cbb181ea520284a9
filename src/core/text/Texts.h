// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The visible texts. Every caption, unit and result label is looked up by its key in the
// translation tables compiled into the binary; a key without a text shows as the key itself.

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace zelkor {

// The text for key in the installed language.
QString text(const char *key);

// The text for key in the installed language, or an empty string where key has no text.
QString optionalText(const char *key);

// The text for key in English whatever the installed language, or an empty string where key
// has none. The English table is read on the first call.
QString englishText(const char *key);

// Installs the translation for locale's language on app, falling back to English, and replaces
// the one an earlier call installed. Returns the language that was installed ("en", "de", ...),
// or an empty string when no table was found. The default locale follows the environment:
// LANGUAGE first (as in LANGUAGE=de), then LC_ALL, LC_MESSAGES and LANG.
QString installTranslations(QCoreApplication &app, const QLocale &locale = QLocale());

} // namespace zelkor
