// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tubes/Tube.h"

#include "core/text/NumberFormat.h"

#include <QChar>

namespace {

// The system and base error; the heater error below differs on purpose (parentheses, no stop).
QString notExpected(char16_t unit)
{
    return QLatin1Char('\'') + zkTube::shownCharacter(unit) + QLatin1String("' not expected.");
}

} // namespace

zkTube::zkTube(QStringView tubeId) : m_tubeId(tubeId.toString())
{
    tubeIdent();
}

void zkTube::tubeIdent()
{
    const QStringView s = m_tubeId;
    if (s.isEmpty()) {
        m_failure = Failure::Empty;
        return;
    }
    // The systems start at the second character whatever the first one is: a leading digit is
    // a heater error, never the base.
    QString systems;
    qsizetype i = 1;
    while (i < s.size() && !isNumber(s[i].unicode())) {
        systems += tubeLetterToPurpose(s[i].unicode());
        systems += QLatin1Char('\n');
        ++i;
    }
    if (i == s.size()) {
        m_failure = Failure::NoBaseDigit;
        return;
    }
    m_purpose = systems;
    m_heating = QLatin1String("Heating: ") + tubeLetterToHeating(s[0].unicode());
    m_socket = tubeLetterToSocket(s[i].unicode());
    m_failure = Failure::None;
}

QString zkTube::decodedText() const
{
    if (!isDecoded())
        return {};
    return zelkor::formatText(u"%@\n%@, %@", {m_purpose, m_heating, m_socket});
}

QString zkTube::tubeLetterToHeating(char16_t unit)
{
    switch (unit) {
    case u'A':
        return QStringLiteral("4V");
    case u'C':
        return QStringLiteral("0.2A (Serial)");
    case u'D':
        return QStringLiteral("1.4V");
    case u'E':
        return QStringLiteral("6.3V");
    case u'G':
        return QStringLiteral("3.15V or 5V");
    case u'H':
        return QStringLiteral("0.15A (Serial)");
    case u'K':
        return QStringLiteral("2V");
    case u'P':
        return QStringLiteral("0.3A (Serial)");
    case u'U':
        return QStringLiteral("0.1A (Serial)");
    case u'V':
        return QStringLiteral("0.05A (Serial)");
    case u'X':
        return QStringLiteral("0.6A (Serial)");
    default:
        return QLatin1String("('") + shownCharacter(unit) + QLatin1String("' not expected)");
    }
}

QString zkTube::tubeLetterToPurpose(char16_t unit)
{
    switch (unit) {
    case u'A':
        return QStringLiteral("Micropower Diode");
    case u'B':
        return QStringLiteral("Micropower Dual Diode");
    case u'C':
        return QStringLiteral("Micropower Triode");
    case u'D':
        return QStringLiteral("Power Triode");
    case u'E':
        return QStringLiteral("Tetrode");
    case u'F':
        return QStringLiteral("Micropower Pentode");
    case u'H':
        return QStringLiteral("Hexode or Heptode");
    case u'K':
        return QStringLiteral("Octode");
    case u'L':
        return QStringLiteral("Power Pentode");
    case u'M':
        return QStringLiteral("Magic Eye / Band");
    case u'P':
        return QStringLiteral("-");
    case u'Q':
        return QStringLiteral("Enneode");
    case u'Y':
        return QStringLiteral("Power Diode");
    case u'Z':
        return QStringLiteral("Power Dual Diode");
    default:
        return notExpected(unit);
    }
}

QString zkTube::tubeLetterToSocket(char16_t unit)
{
    switch (unit) {
    case u'1':
        return QStringLiteral("BG8-Base, 8 Pins");
    case u'2':
        return QStringLiteral("Loctal, 8 Pins");
    case u'3':
        return QStringLiteral("Octal, 8 Pins");
    case u'4':
        return QStringLiteral("Rimlock, 8 Pins");
    case u'5':
        return QStringLiteral("Topfsockel, 8 Pins");
    case u'6':
        return QStringLiteral("Subminiature, soldered");
    case u'7':
        return QStringLiteral("Subminiature, sock. 8 Pins");
    case u'8':
        return QStringLiteral("Noval, 9 Pins");
    case u'9':
        return QStringLiteral("Miniature, 7 Pins");
    default:
        return notExpected(unit);
    }
}

QString zkTube::shownCharacter(char16_t unit)
{
    const QChar c(unit);
    if (c.isSurrogate() || c.isNonCharacter())
        return QString(QChar::ReplacementCharacter);
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return QString(QChar::ReplacementCharacter);
    default:
        return QString(c);
    }
}
