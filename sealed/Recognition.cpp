#include "sealed/Recognition.h"

#include "sealed/Header.h"
#include "sealed/Key.h"
#include "sealed/Message.h"

#include <QStringDecoder>
#include <algorithm>
#include <numeric>
#include <optional>
#include <sodium.h>
#include <vector>

namespace sealed {
namespace {

enum class Stretch { Any, Prefix, Whole };

// Sellers' algorithm: the edit distance of the pattern against every stretch
// of the text (or every prefix, or the whole text), column by column.
int distance(QByteArrayView pattern, QByteArrayView text, Stretch stretch) {
    std::vector<int> column(size_t(pattern.size()) + 1);
    std::iota(column.begin(), column.end(), 0);
    int best = column.back();
    for (qsizetype j = 0; j < text.size(); ++j) {
        int diagonal = column[0];
        column[0] = stretch == Stretch::Any ? 0 : int(j) + 1;
        for (qsizetype i = 1; i <= pattern.size(); ++i) {
            const int above = column[size_t(i)];
            column[size_t(i)] = std::min({diagonal + (pattern[i - 1] != text[j] ? 1 : 0),
                                          above + 1, column[size_t(i) - 1] + 1});
            diagonal = above;
        }
        best = std::min(best, column.back());
    }
    return stretch == Stretch::Whole ? column.back() : best;
}

QByteArrayView magic() {
    return {reinterpret_cast<const char*>(kMagic.data()), qsizetype(kMagic.size())};
}

// The base64 of the magic, as far as it does not depend on the byte after it
// (a version below 64): "iVRTRUFMDQo".
QByteArrayView magicBase64() {
    static const QByteArray text = magic().toByteArray().toBase64().left(11);
    return text;
}

// The tag line folded as foldTag() folds a line: "tesserav2.0sealed".
QByteArrayView foldedTag() {
    static const QByteArray text = kSealedTag.toLower().replace(' ', QByteArray());
    return text;
}

// A line without quotes, NUL bytes, white space and bytes beyond ASCII (a
// no-break space), its letters in lower case.
QByteArray foldTag(QByteArrayView line) {
    QByteArray folded;
    for (const char c : line) {
        if (c == '\0' || c == '"' || c == ' ' || (c >= '\t' && c <= '\r') || (c & 0x80))
            continue;
        folded += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (folded.size() > foldedTag().size() + 2)
            break;
    }
    return folded;
}

// The sealed tag line, or something a few changes away from it, or the tag
// line cut after its last shared letter with the classic tags ("…v2.0 S").
bool isTagLike(QByteArrayView line) {
    const QByteArray folded = foldTag(line);
    if (folded.size() < 12)
        return false;
    if (foldedTag().startsWith(folded))
        return true;
    return distance(foldedTag(), folded, Stretch::Whole) <= 2;
}

// A line as mail leaves it: without quote markers ("> > ") and indentation
// before it, and without white space after it.
QByteArrayView unquoted(QByteArrayView line) {
    qsizetype from = 0;
    while (from < line.size() && (line[from] == '>' || line[from] == ' ' || line[from] == '\t'))
        ++from;
    qsizetype to = line.size();
    while (to > from && (line[to - 1] == ' ' || line[to - 1] == '\t' || line[to - 1] == '\f' ||
                         line[to - 1] == '\v'))
        --to;
    return line.sliced(from, to - from);
}

bool isBase64Char(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '+' || c == '/' || c == '=';
}

bool isBase64Line(QByteArrayView line) {
    return !line.isEmpty() && std::all_of(line.begin(), line.end(), isBase64Char);
}

// The lines of a text, at CR LF, LF or a lone CR, after a byte order mark
// (text re-encoded as UTF-16 is read as the UTF-8 it stands for).
std::vector<QByteArrayView> splitLines(QByteArrayView text) {
    std::vector<QByteArrayView> lines;
    qsizetype from = 0;
    for (qsizetype at = 0; at <= text.size(); ++at) {
        if (at < text.size() && text[at] != '\n' && text[at] != '\r')
            continue;
        lines.push_back(text.sliced(from, at - from));
        if (at + 1 < text.size() && text[at] == '\r' && text[at + 1] == '\n')
            ++at;
        from = at + 1;
    }
    return lines;
}

// Without its byte order marks: an editor that adds one does not look for
// one already there.
QByteArray asUtf8(const QByteArray& content) {
    QByteArray text = content;
    if (content.startsWith("\xFF\xFE") || content.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(content.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                               : QStringConverter::Utf16BE);
        text = QString(decoder(content)).toUtf8();
    }
    qsizetype from = 0;
    while (text.sliced(from).startsWith("\xEF\xBB\xBF"))
        from += 3;
    return text.sliced(from);
}

// Canonical padded base64 to bytes; false when it is not.
bool decodeBase64(const QByteArray& base64, QByteArray* bytes) {
    if (base64.size() % 4 != 0 || !sodiumReady())
        return false;
    bytes->resize(base64.size() / 4 * 3 + 3);
    size_t decoded = 0;
    const char* stop = nullptr;
    if (sodium_base642bin(reinterpret_cast<unsigned char*>(bytes->data()),
                          static_cast<size_t>(bytes->size()), base64.constData(),
                          static_cast<size_t>(base64.size()), nullptr, &decoded, &stop,
                          sodium_base64_VARIANT_ORIGINAL) != 0 ||
        stop != base64.constData() + base64.size())
        return false;
    bytes->truncate(static_cast<qsizetype>(decoded));
    return true;
}

// At most this many ends of the base64 are tried: enough for a sign-off or two
// made of base64 letters after the data.
constexpr int kMaxCandidates = 8;

// The data's lines: from the one that opens with the magic, while they hold
// base64 alone, up to a line holding "=" (padding ends the data).
std::vector<QByteArrayView> dataLines(const std::vector<QByteArrayView>& lines, size_t start) {
    std::vector<QByteArrayView> run{unquoted(lines[start])};
    for (size_t i = start + 1; i < lines.size() && !run.back().contains('='); ++i) {
        const QByteArrayView line = unquoted(lines[i]);
        if (!isBase64Line(line))
            break;
        run.push_back(line);
    }
    return run;
}

// The sealed bytes the data lines can hold: ending at the first line shorter
// than the first (a wrapped text's last line), then at each line before it.
FoundMessage candidatesOf(const std::vector<QByteArrayView>& run, bool reachesEnd) {
    size_t natural = run.size() - 1;
    for (size_t i = 1; i < run.size(); ++i) {
        if (run[i].size() < run[0].size()) {
            natural = i;
            break;
        }
    }
    FoundMessage found{Recognition::Sealed, Damage::None, {}};
    bool tooShort = false;
    for (size_t end = natural + 1; end-- > 0 && found.candidates.size() < kMaxCandidates;) {
        QByteArray base64;
        for (size_t i = 0; i <= end; ++i)
            base64 += run[i].toByteArray();
        QByteArray bytes;
        if (!decodeBase64(base64, &bytes))
            continue;
        if (bytes.size() < kHeaderSize + kTagSize)
            tooShort = true;
        else if (bytes.startsWith(magic()))
            found.candidates.push_back(bytes);
    }
    if (found.candidates.isEmpty()) {
        const bool cut = tooShort || (reachesEnd && !run.back().contains('='));
        return {Recognition::Damaged, cut ? Damage::Cut : Damage::Encoding, {}};
    }
    return found;
}

// The sealed message's first data line: it opens with the magic's base64, or
// with something a few changes away from it.
bool opensData(QByteArrayView line) {
    return line.size() >= magicBase64().size() - 2 &&
           distance(magicBase64(), line.first(std::min<qsizetype>(line.size(), 13)),
                    Stretch::Prefix) <= 2;
}

} // namespace

Recognition recogniseFile(const QByteArray& firstBytes, Damage* damage) {
    const QByteArrayView bytes = QByteArrayView(firstBytes).first(
        std::min(firstBytes.size(), kRecognitionWindow));
    if (damage)
        *damage = Damage::Header;
    if (bytes.isEmpty())
        return Recognition::Classic;
    if (bytes.startsWith(magic()))
        return Recognition::Sealed;
    if (bytes.size() < magic().size() && magic().startsWith(bytes)) {
        if (damage)
            *damage = Damage::Cut;
        return Recognition::Damaged;
    }
    if (distance(magic(), bytes, Stretch::Any) <= 2)
        return Recognition::Damaged;
    // Its first bytes lost, while half of the magic and the version stand.
    for (const qsizetype kept : {4, 5}) {
        if (bytes.size() > kept && bytes.startsWith(magic().last(kept)) &&
            (bytes[kept] == 1 || bytes[kept] == 2))
            return Recognition::Damaged;
    }
    return Recognition::Classic;
}

FoundMessage findMessage(const QByteArray& content) {
    const QByteArray text = asUtf8(content);
    const std::vector<QByteArrayView> lines = splitLines(text);
    std::optional<size_t> tagLine;
    for (size_t i = 0; i < lines.size(); ++i) {
        const QByteArrayView line = unquoted(lines[i]);
        if (opensData(line)) {
            if (!line.startsWith(magicBase64()))
                return {Recognition::Damaged, Damage::Header, {}};
            if (!isBase64Line(line))
                return {Recognition::Damaged, Damage::Encoding, {}};
            const std::vector<QByteArrayView> run = dataLines(lines, i);
            const bool reachesEnd = i + run.size() >= lines.size() ||
                                    (i + run.size() + 1 == lines.size() && lines.back().isEmpty());
            return candidatesOf(run, reachesEnd);
        }
        if (!tagLine && isTagLike(line))
            tagLine = i;
    }
    if (!tagLine)
        return {};
    // A tag line with no data after it: cut short when nothing (or the data's
    // first letters) follows, else the data was replaced.
    QByteArray rest;
    for (size_t i = *tagLine + 1; i < lines.size(); ++i)
        rest += unquoted(lines[i]).toByteArray();
    const bool cut = magicBase64().startsWith(rest);
    return {Recognition::Damaged, cut ? Damage::Cut : Damage::NoData, {}};
}

} // namespace sealed
