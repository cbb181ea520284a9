// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Finding a panel by what the user types. Both sides are folded alike: case and accents are
// dropped and ß becomes "ss", so "kuhl" finds "Kühlkörper". A text splits into words at
// anything that is not a letter or a digit, except that an apostrophe joins ("Ohm's" is
// "ohms") and a hyphenated word also counts whole ("Op-Amp" is "op", "amp" and "opamp").

#include <QString>
#include <QStringList>

namespace zelkor {

// text in lower case without accents.
QString foldForFinding(QStringView text);

// The folded words of text, in order.
QStringList findableWords(QStringView text);

// True when every word of query begins some word of one of texts. An empty query matches all.
bool matchesFind(QStringView query, const QStringList &texts);

} // namespace zelkor
