#pragma once

// Sealed message files, made and read whole in memory: a sealed message is
// small (the message window's 10000 characters at most). Read at most
// kMaxMessageFileSize + 1 bytes of a message file: anything longer is refused
// without being decoded.

#include "base/Limits.h"
#include "sealed/Header.h"
#include "sealed/Key.h"
#include "sealed/Recipients.h"

namespace sealed {

inline const QByteArray kSealedTag = QByteArrayLiteral("Tessera v2.0 Sealed");
inline constexpr int kBase64LineLength = 64;
// A sealed message holds at most the message window's 10000 characters; its
// file is far smaller than the ceiling every message file has, which leaves
// room for other chunk sizes.
inline constexpr qint64 kMaxMessageFileSize = base::kMaxMessageFileBytes;

// The whole message file: the quoted tag line, then the sealed bytes of the
// text's UTF-8 in base64, 64 characters a line, every line ending in CR LF.
// The text is sealed as given (a caller converts line breaks to CR LF first).
Result sealMessage(const QString& text, const QString& password, QByteArray* file,
                   const Params& params = {});
Result sealMessage(const QString& text, const KeySource& key, QByteArray* file,
                   const Params& params = {});
// Sealed to people (Recipients.h): the same file, its sealed bytes of the
// recipients kind.
Result sealMessage(const QString& text, const QList<PublicKey>& recipients, QByteArray* file,
                   const Params& params = {});

// The text of a sealed message, found wherever it stands in the file
// (Recognition.h, findMessage): it opens when it authenticates, whatever its
// first line says.
Result openMessage(const QByteArray& file, const QString& password, QString* text,
                   const Limits& limits = {});
Result openMessage(const QByteArray& file, const KeySource& key, QString* text,
                   const Limits& limits = {});
// Of either kind, with what the opener holds (Recipients.h, openEither).
Result openMessage(const QByteArray& file, const Opener& opener, QString* text,
                   const Limits& limits = {});

// The cost of the key a sealed message asks, found as openMessage() finds
// it; nothing when the file holds no sealed message a reader accepts.
std::optional<Cost> messageCost(const QByteArray& file);

} // namespace sealed
