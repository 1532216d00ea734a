#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <optional>

namespace base {

// A leading byte order mark: dropped, as a text editor's mark before a
// password or a message, or kept as the character it is in a text that was
// sealed as given.
enum class InitialBom { Drop, Keep };

// Text that must be UTF-8 to its last byte: a sequence cut short at the end is
// as invalid as a bad one in the middle, never quietly dropped.
inline std::optional<QString> decodeUtf8(QByteArrayView bytes, InitialBom bom = InitialBom::Drop) {
    QStringDecoder::Flags flags = QStringDecoder::Flag::Stateless;
    if (bom == InitialBom::Keep)
        flags |= QStringDecoder::Flag::ConvertInitialBom;
    QStringDecoder decoder(QStringDecoder::Utf8, flags);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace base
