#pragma once

// Reads the comma- and line-delimited fields of message files and the scratch
// file, streaming: memory stays bounded whatever the file holds.
//
// The rules: a field ends at a comma or a line end (CR LF, a lone CR or a lone
// LF); spaces in front of a field are skipped; a field that begins with a double
// quote ends at the next double quote, which may lie lines further on, and
// anything between that quote and the next delimiter is dropped.

#include <QByteArray>
#include <QIODevice>
#include <optional>

namespace classic {

class FieldReader {
public:
    explicit FieldReader(QIODevice* device);
    explicit FieldReader(const QByteArray& data);

    // True when no byte is left to read.
    bool atEnd();

    // The next field as text; at most maxKeep bytes of it are kept, the rest is
    // read and dropped.
    QByteArray readText(qsizetype maxKeep = 256);

    // The next field as a signed 16-bit number; nothing when the field is not a
    // decimal integer in that range (the reader of a message file counts it as 0).
    std::optional<qint16> readNumber();

    // Reads the next field and throws it away unchecked.
    void skip();

private:
    int peek();
    int get();
    void skipSpaces();
    void endField();
    template <typename Sink> void readFieldInto(Sink&& sink);

    QIODevice* m_device = nullptr;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_deviceDone = false;
};

} // namespace classic
