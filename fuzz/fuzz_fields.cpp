// Drives the field reader with arbitrary input: the first bytes choose which
// reads to make (text, number, skip), the rest is the file.

#include "classic/FieldReader.h"

#include <QBuffer>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const size_t ops = std::min<size_t>(data[0], size - 1);
    QByteArray content(reinterpret_cast<const char*>(data + 1 + ops),
                       static_cast<qsizetype>(size - 1 - ops));
    QBuffer device(&content);
    device.open(QIODevice::ReadOnly);
    classic::FieldReader reader(&device);
    size_t op = 0;
    // Every read consumes at least one byte or ends at the end, so this ends.
    int guard = 0;
    while (!reader.atEnd()) {
        const uint8_t choice = ops ? data[1 + (op++ % ops)] : 0;
        switch (choice % 3) {
        case 0: {
            const QByteArray text = reader.readText(choice);
            if (text.size() > choice)
                __builtin_trap();
            break;
        }
        case 1: {
            const auto number = reader.readNumber();
            if (number && (*number < -32768 || *number > 32767))
                __builtin_trap();
            break;
        }
        default:
            reader.skip();
        }
        if (++guard > content.size() + 1)
            __builtin_trap(); // a read that consumed nothing
    }
    return 0;
}
