#pragma once

// Files sealed to people, in memory, for the tests of the recipients kind.

#include "sealed/Identity.h"
#include "sealed/Recipients.h"
#include "sealed/Stream.h"
#include "words/Describe.h"

#include <QByteArray>
#include <QList>
#include <gtest/gtest.h>

namespace recipientstest {

using namespace sealed;

inline Identity newIdentity() {
    std::optional<Identity> identity = Identity::generate();
    EXPECT_TRUE(identity.has_value());
    return identity ? *identity : Identity();
}

inline QList<Identity> newIdentities(int n) {
    QList<Identity> out;
    for (int i = 0; i < n; ++i)
        out.append(newIdentity());
    return out;
}

inline QList<PublicKey> recipientsOf(const QList<Identity>& identities) {
    QList<PublicKey> out;
    for (const Identity& identity : identities)
        out.append(identity.recipient());
    return out;
}

inline QByteArray sealTo(const QByteArray& plain, const QList<PublicKey>& recipients,
                         qint64 chunkSize = kDefaultChunkSize) {
    MemorySource source(plain);
    QByteArray out;
    ByteArraySink sink(&out);
    base::Progress quiet;
    Params params;
    params.chunkSize = chunkSize;
    const Result result = sealToRecipients(source, sink, recipients, params, quiet);
    EXPECT_TRUE(result.ok()) << words::sentence(result.failure).toStdString();
    return out;
}

inline Result openWith(const QByteArray& sealedBytes, const QList<Identity>& identities,
                       QByteArray* plain) {
    MemorySource source(sealedBytes);
    plain->clear();
    ByteArraySink sink(plain);
    base::Progress quiet;
    return openWithIdentities(source, sink, identities, {}, quiet);
}

// The entry count of a header, as written at its offset 29.
inline int entryCountOf(const QByteArray& sealedBytes) {
    return static_cast<unsigned char>(sealedBytes[29]) |
           (static_cast<unsigned char>(sealedBytes[30]) << 8);
}

inline void setEntryCount(QByteArray* sealedBytes, int count) {
    (*sealedBytes)[29] = static_cast<char>(count & 0xFF);
    (*sealedBytes)[30] = static_cast<char>(count >> 8);
}

} // namespace recipientstest
