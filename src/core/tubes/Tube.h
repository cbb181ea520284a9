// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Decodes the type designation of a European receiving tube, such as ECC83.
//
// The first character names the heater supply, every character from the second one up to the
// first digit names one electrode system, and that first digit names the base; whatever follows
// it is not examined. The designation is read one UTF-16 code unit at a time, case-sensitive,
// blanks included. A character the tables do not know does not stop the decoding: it shows up
// as "'x' not expected." in place of its system or base, or "('x' not expected)" in place of
// the heater. A designation with no digit after its first character cannot be decoded at all.
//
// The texts are fixed English, as printed in tube data books; they are not translated.

#include <QString>
#include <QStringView>

class zkTube
{
public:
    enum class Failure
    {
        None,
        Empty,       // no first character
        NoBaseDigit, // no digit after the first character: "E", "ECC", "6"
    };

    // Copies tubeId and decodes it at once.
    explicit zkTube(QStringView tubeId);

    QString tubeId() const { return m_tubeId; }
    // "Heating: " and the heater text; empty when the designation could not be decoded.
    QString heating() const { return m_heating; }
    // One line per electrode system, each ended by a line feed.
    QString purpose() const { return m_purpose; }
    QString socket() const { return m_socket; }

    bool isDecoded() const { return m_failure == Failure::None; }
    Failure failure() const { return m_failure; }

    // What the tube panel shows: the system lines, an empty line, then heating and base.
    // Empty when the designation could not be decoded.
    QString decodedText() const;

    static QString tubeLetterToPurpose(char16_t unit);
    static QString tubeLetterToSocket(char16_t unit);
    static QString tubeLetterToHeating(char16_t unit);
    static bool isNumber(char16_t unit) { return char16_t(unit - u'0') <= 9; }

    // How a code unit appears inside an error text: as itself, except that control and
    // formatting characters, line breaks and lone surrogate halves show as U+FFFD, so a pasted
    // designation can never break or reorder the output.
    static QString shownCharacter(char16_t unit);

private:
    void tubeIdent();

    QString m_tubeId;
    QString m_heating;
    QString m_purpose;
    QString m_socket;
    Failure m_failure = Failure::Empty;
};
