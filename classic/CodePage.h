#pragma once

// The program's single-byte code page. Message files and enciphered copies hold
// character codes from 0 to 255; we fix the page to Windows-1252 rather than the
// locale's, so that a file means the same on every machine it travels to.

#include <QByteArray>
#include <QString>
#include <optional>

namespace classic::codepage {

// The character a code stands for. Every code from 0 to 255 has one; the five
// codes that Windows-1252 leaves undefined map to the C1 control of the same value.
QChar decode(quint8 code);
QString decode(const QByteArray& codes);

// The code of a character, or nothing when the page has no such character.
std::optional<quint8> encode(char32_t ch);

// The first character of text that the page cannot hold, as a full code point;
// nothing when every character fits.
std::optional<char32_t> firstUnmappable(const QString& text);

// Encodes text whose characters all fit (check with firstUnmappable first);
// a character that does not fit becomes '?'.
QByteArray encode(const QString& text);

// "€" (U+20AC) style description of a character for messages.
QString describe(char32_t ch);

} // namespace classic::codepage
