// Feeds arbitrary bytes to the message file reader as a file's content. The
// first byte picks how many of the following bytes form the password.

#include "cipher/MessageCipher.h"

#include <QBuffer>
#include <cstdint>

namespace {

class CountingHost final : public cipher::MessageHost {
public:
    void showMessage(const QString&, const QString&, cipher::MessageIcon) override {}
    void appendOutput(quint8) override { ++characters; }
    qint64 characters = 0;
};

} // namespace

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
    CountingHost host;
    cipher::decryptFrom(device, password, host);
    // Every character comes from a field, and every field takes a byte at least.
    if (host.characters > content.size() + 1)
        __builtin_trap();
    return 0;
}
