#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// The framework's text functions.
//
// Lengths and positions count characters as Unicode code points: a character
// outside the Basic Multilingual Plane (a surrogate pair in the QString) counts
// once, and no function cuts a text inside a pair. A lone surrogate counts as
// one character.

std::int64_t Len(const QString& text);

// The first (last) count characters; a count below 0 gives the empty text, one
// above the length the whole text.
QString Left(const QString& text, std::int64_t count);
QString Right(const QString& text, std::int64_t count);

// 1-based position of the first occurrence of sought at or after position
// start, 0 when there is none. A start of 0 or below searches from the first
// character. An empty sought text is found at the start position (1 for start
// 0) while that lies within the text or just after its end.
std::int64_t InStr(std::int64_t start, const QString& text, const QString& sought);

// The pieces of text between the separators, in order; the upper bound of the
// result is its size less one. The empty text gives one empty piece, and two
// adjacent separators an empty piece between them. An empty separator gives
// the whole text as the only piece.
QStringList Split(const QString& text, const QString& separator);

// The character of the given code point (Chr(9) is the tab); a value that is
// no Unicode scalar value gives U+FFFD.
QString Chr(std::int64_t codePoint);

// The platform line ending: "\r\n" on Windows, "\n" elsewhere.
QString EndOfLine();

// Every line ending of text (CR LF, a lone CR, a lone LF) replaced by ending.
QString ReplaceLineEndings(const QString& text, const QString& ending);
