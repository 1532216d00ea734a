#include "classic/MessageFormat.h"

#include <array>
#include <charconv>

namespace classic {

QByteArray formatTag(bool pic, bool junkBitz) {
    QByteArray tag = kTagV2;
    if (pic)
        tag += " PIC";
    if (junkBitz)
        tag += " JB";
    return tag;
}

namespace {

struct KnownTag {
    const char* tag;
    TagMeaning meaning;
};

const KnownTag* findTag(const QByteArray& tag) {
    static const KnownTag kKnown[] = {
        {"Tessera v2.0", {false, false}},        {"Tessera v2.0 PIC", {true, false}},
        {"Tessera v2.0 JB", {false, true}},      {"Tessera v2.0 PIC JB", {true, true}},
        {"Tessera v2.0 PIC L", {true, false}},   {"Tessera v2.0 JB L", {false, true}},
        {"Tessera v2.0 PIC JB L", {true, true}}, {"Tessera v1.0", {false, false}},
    };
    for (const KnownTag& known : kKnown) {
        if (tag == known.tag)
            return &known;
    }
    return nullptr;
}

} // namespace

TagMeaning interpretTag(const QByteArray& tag) {
    const KnownTag* known = findTag(tag);
    return known ? known->meaning : TagMeaning{};
}

bool isKnownTag(const QByteArray& tag) {
    return findTag(tag) != nullptr;
}

bool beginsWithTagLine(const QByteArray& firstBytes) {
    if (!firstBytes.startsWith('"'))
        return false;
    const qsizetype close = firstBytes.indexOf('"', 1);
    if (close < 0 || close + 1 >= firstBytes.size())
        return false;
    const char end = firstBytes[close + 1];
    return (end == '\r' || end == '\n') && isKnownTag(firstBytes.mid(1, close - 1));
}

QByteArray formKey(const QByteArray& password, bool pic) {
    return pic ? password + QByteArray(kPicCode) : password;
}

void appendTextLine(QByteArray& out, const QByteArray& text) {
    out += '"';
    out += text;
    out += "\"\r\n";
}

void appendNumberLine(QByteArray& out, int number) {
    std::array<char, 16> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), number);
    out.append(digits.data(), result.ptr - digits.data());
    out += "\r\n";
}

QString toMessageLineEnds(const QString& boxText) {
    QString out;
    out.reserve(boxText.size() + boxText.count(QLatin1Char('\n')));
    for (const QChar ch : boxText) {
        if (ch == QLatin1Char('\n'))
            out += QLatin1String("\r\n");
        else
            out += ch;
    }
    return out;
}

} // namespace classic
