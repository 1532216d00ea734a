// The wrapper of sealed messages, below the key derivation: the tag line, the
// base64 lines and their line ends, the records inside, the UTF-8 of the text.
// The first byte picks an input to open, or a text to seal and open again.

#include "fuzz/SealedFuzz.h"
#include "sealed/Message.h"
#include "sealed/Recognition.h"

#include <cstdint>

namespace {

using namespace sealed;

void openFile(const QByteArray& input) {
    QString text;
    const Result result = openMessage(input, fuzzing::key(), &text, fuzzing::kLimits);
    if (!result.ok()) {
        if (!text.isEmpty())
            __builtin_trap(); // a refusal must leave the output alone
        return;
    }
    if (text.size() > input.size() || recogniseMessage(input) != Recognition::Sealed)
        __builtin_trap(); // opened, yet not recognised as what it is
}

// Any text, in any script, comes back as it went in; the message recognises as
// sealed, and so does its copy quoted in a mail.
void roundTrip(const QByteArray& input) {
    if (input.isEmpty())
        return;
    const QString text = QString::fromUtf8(input.mid(1));
    QByteArray file;
    if (!sealMessage(text, fuzzing::key(), &file, fuzzing::params(static_cast<unsigned char>(input[0])))
             .ok() ||
        recogniseMessage(file) != Recognition::Sealed)
        __builtin_trap();
    QString back;
    if (!openMessage(file, fuzzing::key(), &back, fuzzing::kLimits).ok() || back != text)
        __builtin_trap();
    const QByteArray quoted = "Here it is:\n\n> " + file.replace("\r\n", "\n> ") + "\nBest\n";
    if (!openMessage(quoted, fuzzing::key(), &back, fuzzing::kLimits).ok() || back != text)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::pick(data, size, openFile, roundTrip);
    return 0;
}
