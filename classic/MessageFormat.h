#pragma once

// The message file format: the format tags, the key and its positions, the junk
// register and the line formats. Writer and reader share these rules, so a file
// written here reads back here and in every other copy of the program.

#include "base/Limits.h"

#include <QByteArray>
#include <QString>

namespace classic {

using base::kMaxFileValues;
using base::kMaxMessageFileBytes;
using base::kMaxMessageLength;

inline constexpr char kPicCode[] = "PIC52907316";

inline const QByteArray kTagV2 = QByteArrayLiteral("Tessera v2.0");

struct TagMeaning {
    bool pic = false;
    bool junk = false;
};

// The tag a writer puts on a file: "Tessera v2.0", then " PIC", then " JB".
QByteArray formatTag(bool pic, bool junkBitz);

// What a reader makes of a file's first field. Eight tags are known; any other
// field means the password alone and no junk.
TagMeaning interpretTag(const QByteArray& tag);

// Whether a first field is one of the eight tags a reader knows.
bool isKnownTag(const QByteArray& tag);

// Whether the bytes begin with the line a writer of any version puts first:
// a known tag in double quotes, then a line end (CR LF, or a lone CR or LF).
// The reader takes any file; this tells only what clearly is a message file.
bool beginsWithTagLine(const QByteArray& firstBytes);

// The key as character codes: the password, followed by the PIC code when asked.
QByteArray formKey(const QByteArray& password, bool pic);

// Walks the key positions 1, 2, ..., L, then 2, ..., L, 2, ... and yields the
// key code for each character in turn. Where the key has no character at the
// current position (a one-character key after its first use, an empty key) the
// last key code stays in force, from 0.
class KeyStream {
public:
    explicit KeyStream(const QByteArray& key) : m_key(key), m_length(key.size()) {}

    int next() {
        ++m_position;
        if (m_position <= m_length)
            m_code = static_cast<quint8>(m_key[m_position - 1]);
        else
            m_position = m_length + 1; // stays past the end; never wraps
        if (m_position == m_length)
            m_position = 1;
        return m_code;
    }

private:
    QByteArray m_key;
    qsizetype m_length;
    qsizetype m_position = 0;
    int m_code = 0;
};

// The junk register of JunkBitz: seeded with the code of the password's first
// character and advanced once per character of the message.
class JunkRegister {
public:
    explicit JunkRegister(int seed) : m_value(seed) {}
    int next() {
        if (m_value < 100)
            m_value = 2 * m_value + 178;
        m_value -= 13;
        return m_value;
    }

private:
    int m_value;
};

// "\"text\"\r\n" and "123\r\n".
void appendTextLine(QByteArray& out, const QByteArray& text);
void appendNumberLine(QByteArray& out, int number);

// Line breaks: a text box gives "\n", a message holds CR LF.
QString toMessageLineEnds(const QString& boxText);

} // namespace classic
