// The header of sealed files and the recognition of sealed input, on their
// own: no key, no records. Checks that they agree with one another: a header
// that parses encodes back to its bytes and is recognised as sealed; input
// that is recognised as classic never parses; a sealed message changed a
// little is never taken for a classic one.

#include "sealed/Header.h"
#include "sealed/Message.h"
#include "sealed/Recognition.h"

#include <cstdint>
#include <cstring>

namespace {

using namespace sealed;

void checkHeader(const QByteArray& input) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(input.constData());
    const Recognition recognised = recogniseFile(input.left(kRecognitionWindow));
    for (const Limits& limits : {Limits{}, Limits{64 * 1024, 2, 4096}}) {
        Header header;
        const Result result = parseHeader(bytes, input.size(), limits, &header);
        if (result.status == Status::NotSealed && recognised == Recognition::Sealed)
            __builtin_trap(); // the magic is there, yet said to be missing
        if (result.status != Status::NotSealed && recognised == Recognition::Classic)
            __builtin_trap(); // classic input read as a sealed header
        if (!result.ok())
            continue;
        const HeaderBytes encoded = encodeHeader(header);
        if (input.size() < kHeaderSize || std::memcmp(encoded.data(), bytes, encoded.size()) != 0 ||
            !checkParams(header.memlimit, header.opslimit, header.chunkSize, limits).ok())
            __builtin_trap(); // parsed into fields that do not give its bytes back
    }
}

// A sealed message's first line, changed as a transfer or an editor might
// change it (case, white space, a byte order mark), is still never classic.
void checkMessage(const QByteArray& input) {
    if (recogniseMessage(input) != Recognition::Sealed)
        return;
    const qsizetype end = input.indexOf('\n') < 0 ? input.size() : input.indexOf('\n');
    const QByteArray rest = input.mid(end);
    const QByteArray line = input.left(end);
    for (const QByteArray& changed :
         {line.toLower() + rest, line.toUpper() + rest, "\xEF\xBB\xBF" + input,
          " " + line.left(9) + "\t" + line.mid(9) + " " + rest}) {
        if (recogniseMessage(changed) == Recognition::Classic)
            __builtin_trap(); // an almost-sealed message would be read as classic
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkHeader(input);
    checkMessage(input);
    return 0;
}
