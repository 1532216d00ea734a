// Feeds arbitrary bytes to the message file reader as a file's content. The
// first byte picks how many of the following bytes form the password.

#include "classic/Message.h"

#include <QBuffer>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const size_t passwordLength = std::min<size_t>(data[0] % 16, size - 1);
    const QByteArray password(reinterpret_cast<const char*>(data + 1),
                              static_cast<qsizetype>(passwordLength));
    QByteArray content(reinterpret_cast<const char*>(data + 1 + passwordLength),
                       static_cast<qsizetype>(size - 1 - passwordLength));
    QBuffer device(&content);
    device.open(QIODevice::ReadOnly);
    QByteArray codes;
    classic::readMessage(device, password, &codes);
    // Every character comes from a field, and every field takes a byte at least.
    if (codes.size() > content.size() + 1)
        __builtin_trap();
    return 0;
}
