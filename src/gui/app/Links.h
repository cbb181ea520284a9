// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The only addresses Zelkor ever opens. They are fixed at build time (see the CMake cache
// variables ZELKOR_WEBSITE_URL, ZELKOR_MAIL_URL and ZELKOR_DONATION_URL).

#include <QUrl>

namespace zelkor::links {

inline QUrl website()
{
    return QUrl(QStringLiteral(ZELKOR_WEBSITE_URL));
}

inline QUrl mail()
{
    return QUrl(QStringLiteral(ZELKOR_MAIL_URL));
}

// The donation sheet and the About panel open the same page.
inline QUrl donation()
{
    return QUrl(QStringLiteral(ZELKOR_DONATION_URL));
}

} // namespace zelkor::links
