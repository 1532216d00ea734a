#include "classic/FieldReader.h"

namespace classic {
namespace {
constexpr qint64 kChunk = 64 * 1024;
}

FieldReader::FieldReader(QIODevice* device) : m_device(device) {}

FieldReader::FieldReader(const QByteArray& data) : m_buffer(data), m_deviceDone(true) {}

int FieldReader::peek() {
    if (m_pos >= m_buffer.size()) {
        if (m_deviceDone || !m_device)
            return -1;
        // One buffer, reused chunk after chunk.
        m_buffer.resize(kChunk);
        const qint64 got = m_device->read(m_buffer.data(), kChunk);
        m_pos = 0;
        if (got <= 0) {
            m_buffer.clear();
            m_deviceDone = true;
            return -1;
        }
        m_buffer.resize(got);
    }
    return static_cast<unsigned char>(m_buffer[m_pos]);
}

int FieldReader::get() {
    const int c = peek();
    if (c >= 0)
        ++m_pos;
    return c;
}

bool FieldReader::atEnd() { return peek() < 0; }

void FieldReader::skipSpaces() {
    while (peek() == ' ')
        ++m_pos;
}

// Consumes everything up to and including the delimiter that ends the field.
void FieldReader::endField() {
    for (;;) {
        const int c = get();
        if (c < 0 || c == ',' || c == '\n')
            return;
        if (c == '\r') {
            if (peek() == '\n')
                ++m_pos;
            return;
        }
    }
}

template <typename Sink> void FieldReader::readFieldInto(Sink&& sink) {
    skipSpaces();
    if (peek() == '"') {
        ++m_pos;
        for (int c = get(); c >= 0 && c != '"'; c = get())
            sink(static_cast<char>(c));
        endField();
        return;
    }
    for (;;) {
        const int c = peek();
        if (c < 0)
            return;
        if (c == ',' || c == '\r' || c == '\n') {
            endField();
            return;
        }
        ++m_pos;
        sink(static_cast<char>(c));
    }
}

QByteArray FieldReader::readText(qsizetype maxKeep) {
    QByteArray text;
    readFieldInto([&](char c) {
        if (text.size() < maxKeep)
            text.append(c);
    });
    return text;
}

std::optional<qint16> FieldReader::readNumber() {
    // A small state machine, so that a field of a hundred megabytes of digits
    // costs no memory: sign, digits, then trailing spaces only.
    enum class State { Start, Sign, Digits, Trailing, Bad };
    State state = State::Start;
    bool negative = false;
    qint32 magnitude = 0;
    readFieldInto([&](char c) {
        switch (state) {
        case State::Start:
            if (c == '-' || c == '+') {
                negative = (c == '-');
                state = State::Sign;
                return;
            }
            [[fallthrough]];
        case State::Sign:
        case State::Digits:
            if (c >= '0' && c <= '9') {
                magnitude = magnitude * 10 + (c - '0');
                state = magnitude > 32768 ? State::Bad : State::Digits;
                return;
            }
            state = (state == State::Digits && c == ' ') ? State::Trailing : State::Bad;
            return;
        case State::Trailing:
            if (c != ' ')
                state = State::Bad;
            return;
        case State::Bad:
            return;
        }
    });
    if (state != State::Digits && state != State::Trailing)
        return std::nullopt;
    const qint32 value = negative ? -magnitude : magnitude;
    if (value > 32767 || value < -32768)
        return std::nullopt;
    return static_cast<qint16>(value);
}

void FieldReader::skip() {
    readFieldInto([](char) {});
}

} // namespace classic
