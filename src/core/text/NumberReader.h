#pragma once
// Reading numbers that people type into fields.
//
// Every field is read the same way, whatever the process locale says: leading white space
// (line breaks too) is skipped, then an optional sign, digits with an optional "." fraction
// and an optional exponent ("1e" reads as 1, the dangling "e" is not part of the number).
// Hexadecimal and the words "inf" or "nan" are not numbers. A text that does not begin with
// a number reads as 0; a number too large for a float reads as infinity.

#include <QStringView>

#include <optional>

namespace zelkor {

struct NumberScan
{
    float value = 0.0f;
    qsizetype end = 0; // index just past the number, 0 when the text holds none
    bool found = false;
};

// The leading number of text, and where it ends.
NumberScan scanNumber(QStringView text);

// A field's number: the leading number, or 0.
float floatValue(QStringView text);

// True when text begins (after white space) with a number.
bool beginsWithNumber(QStringView text);

// The number when text holds nothing but a number (white space around it allowed).
std::optional<float> parseNumber(QStringView text);

} // namespace zelkor
