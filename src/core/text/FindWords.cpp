// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/text/FindWords.h"

#include <algorithm>

namespace zelkor {

QString foldForFinding(QStringView text)
{
    // Compatibility decomposition splits "ü" into "u" and a combining mark, and "ﬁ" into "fi".
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == u'ß')
            folded += u"ss";
        else
            folded += c.toCaseFolded();
    }
    return folded;
}

QStringList findableWords(QStringView text)
{
    const QString folded = foldForFinding(text);
    QStringList words;
    QString word;
    QString hyphenated; // the run of words joined by hyphens so far
    int parts = 0;
    const auto endWord = [&] {
        if (!word.isEmpty()) {
            words.append(word);
            hyphenated += word;
            ++parts;
        }
        word.clear();
    };
    const auto endRun = [&] {
        if (parts > 1)
            words.append(hyphenated);
        hyphenated.clear();
        parts = 0;
    };
    for (const QChar c : folded) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (c == u'\'' || c == u'\u2019') {
            continue;
        } else {
            endWord();
            if (c != u'-' && c != u'\u2010')
                endRun();
        }
    }
    endWord();
    endRun();
    return words;
}

bool matchesFind(QStringView query, const QStringList &texts)
{
    QStringList words;
    for (const QString &text : texts)
        words += findableWords(text);
    const QStringList wanted = findableWords(query);
    return std::all_of(wanted.begin(), wanted.end(), [&words](const QString &part) {
        return std::any_of(words.begin(), words.end(),
                           [&part](const QString &word) { return word.startsWith(part); });
    });
}

} // namespace zelkor
