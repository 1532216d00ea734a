// The header of sealed files and the recognition of sealed input, on their
// own: no key, no records. Checks that they agree with one another: a header
// that parses encodes back to its bytes and is recognised as sealed; input
// that is recognised as classic never parses; a sealed message changed a
// little is never taken for a classic one.

#include "sealed/Header.h"
#include "sealed/Message.h"
#include "sealed/Recognition.h"

#include <algorithm>
#include <cctype>
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

// A line of base64 alone, after mail's quote markers and indentation: sealed
// data, whose case carries meaning, unlike the tag line's.
bool isDataLine(const QByteArray& line) {
    const QByteArray bare = QByteArray(line).replace('>', ' ').trimmed();
    return !bare.isEmpty() && std::all_of(bare.begin(), bare.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '/' || c == '=';
    });
}

// A sealed message's first line, changed as a transfer or an editor might
// change it (white space, a byte order mark; the case of a tag line), is still
// never classic.
void checkMessage(const QByteArray& input) {
    if (recogniseMessage(input) != Recognition::Sealed)
        return;
    // The text as the reader sees it: after its byte order marks, with lines
    // ending at LF, CR LF or a lone CR.
    qsizetype marks = 0;
    while (input.sliced(marks).startsWith("\xEF\xBB\xBF"))
        marks += 3;
    const QByteArray bom = input.left(marks);
    const QByteArray text = input.sliced(marks);
    const auto lineEnd =
        std::find_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; });
    const qsizetype end = lineEnd - text.begin();
    const QByteArray rest = text.mid(end);
    const QByteArray line = text.left(end);
    QList<QByteArray> changes{"\xEF\xBB\xBF" + text,
                              " " + line.left(9) + "\t" + line.mid(9) + " " + rest};
    if (!isDataLine(line))
        changes << line.toLower() + rest << line.toUpper() + rest;
    for (const QByteArray& changed : changes) {
        if (recogniseMessage(bom + changed) == Recognition::Classic)
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
