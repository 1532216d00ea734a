// Sealed to people: files opened with fixed identities (a hostile header with
// any entries, counts and keys; the password kind beside it under the fixed
// key), round trips that must give their input back, and the texts of keys:
// recipients, identities, people and identity files, which must read back what
// they write.

#include "fuzz/SealedFuzz.h"
#include "sealed/Identity.h"
#include "sealed/Recipients.h"

#include <cstdint>

namespace {

using namespace sealed;

QList<PublicKey> recipients() {
    return {fuzzing::identities()[0].recipient(), fuzzing::identities()[1].recipient()};
}

void open(const QByteArray& input) {
    MemorySource source(input);
    QByteArray out;
    ByteArraySink sink(&out);
    base::Progress quiet;
    const Opener opener{fuzzing::key(), {fuzzing::identities()[1]}};
    openEither(source, sink, opener, fuzzing::kLimits, quiet);
}

void roundTrip(const QByteArray& input) {
    if (input.isEmpty())
        return;
    const QByteArray plain = input.mid(1);
    QByteArray sealedBytes;
    {
        MemorySource source(plain);
        ByteArraySink sink(&sealedBytes);
        base::Progress quiet;
        if (!sealToRecipients(source, sink, recipients(),
                              fuzzing::params(static_cast<unsigned char>(input[0])), quiet)
                 .ok())
            __builtin_trap();
    }
    for (const Identity& identity : fuzzing::identities()) {
        MemorySource source(sealedBytes);
        QByteArray out;
        ByteArraySink sink(&out);
        base::Progress quiet;
        if (!openWithIdentities(source, sink, {identity}, fuzzing::kLimits, quiet).ok() ||
            out != plain)
            __builtin_trap(); // what was sealed to a person does not open to it
    }
}

// Key texts: whatever parses writes back to the same keys.
void keyTexts(const QByteArray& input) {
    KeyTextProblem problem = KeyTextProblem::None;
    const QString text = QString::fromUtf8(input);
    if (const std::optional<PublicKey> key = parseRecipient(text, &problem)) {
        if (recipientText(*key) != text.trimmed().toLower())
            __builtin_trap();
    }
    if (const std::optional<Identity> identity = parseIdentity(text)) {
        if (identityText(*identity) != text.trimmed().toUpper())
            __builtin_trap();
    }
    PeopleProblem bad;
    if (const auto people = parsePeople(input, &bad)) {
        const auto again = parsePeople(peopleFile(*people), &bad);
        if (!again || again->size() != people->size())
            __builtin_trap();
        for (qsizetype i = 0; i < people->size(); ++i) {
            if ((*again)[i].recipient != (*people)[i].recipient)
                __builtin_trap();
        }
    }
    QList<Identity> identities;
    readIdentityFile(input, nullptr, &identities);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 0 && data[0] == 2) {
        keyTexts(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
        return 0;
    }
    fuzzing::pick(data, size, open, roundTrip);
    return 0;
}
