#include "classic/CodePage.h"

#include <array>

namespace classic::codepage {
namespace {

// Codes 0x80 to 0x9F; the rest of the page is identical to Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QChar decode(quint8 code) {
    if (code >= 0x80 && code <= 0x9F)
        return QChar(kHigh[code - 0x80]);
    return QChar(code);
}

QString decode(const QByteArray& codes) {
    QString out(codes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < codes.size(); ++i)
        dst[i] = decode(static_cast<quint8>(codes[i]));
    return out;
}

std::optional<quint8> encode(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<quint8>(ch);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == ch)
            return static_cast<quint8>(0x80 + i);
    }
    return std::nullopt;
}

std::optional<char32_t> firstUnmappable(const QString& text) {
    const char16_t* p = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t ch = p[i];
        if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
            continue;
        if (QChar::isHighSurrogate(ch) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
            return QChar::surrogateToUcs4(static_cast<char16_t>(ch), p[i + 1]);
        }
        if (!encode(ch))
            return ch;
    }
    return std::nullopt;
}

QByteArray encode(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    const char16_t* p = reinterpret_cast<const char16_t*>(text.utf16());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = p[i];
        if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
            out[i] = static_cast<char>(ch);
        } else {
            const auto code = encode(ch);
            out[i] = static_cast<char>(code ? *code : '?');
        }
    }
    return out;
}

QString describe(char32_t ch) {
    QString shown;
    if (QChar::isPrint(ch))
        shown = QStringLiteral("\u201C%1\u201D ").arg(QString::fromUcs4(&ch, 1));
    const QString hex = QString::number(static_cast<uint>(ch), 16).toUpper();
    return shown + QStringLiteral("(U+%1)").arg(hex.rightJustified(4, QChar('0')));
}

} // namespace classic::codepage
