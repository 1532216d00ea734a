#include "cipher/MessageHost.h"

#include "classic/CodePage.h"

#include <QList>

namespace cipher {

void MessageHost::appendText(const QString& text) {
    for (const char32_t ch : text.toUcs4()) {
        if (const auto code = classic::codepage::encode(ch))
            appendOutput(*code);
    }
}

} // namespace cipher
