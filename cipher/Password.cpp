#include "cipher/Password.h"

#include "cipher/CodePage.h"

namespace cipher {

std::optional<QString> passwordProblem(const QString& password) {
    if (const auto bad = codepage::firstUnmappable(password)) {
        return QStringLiteral("the password holds the character %1, which cannot be used in a "
                              "password")
            .arg(codepage::describe(*bad));
    }
    return sealedPasswordProblem(password);
}

std::optional<QString> sealedPasswordProblem(const QString& password) {
    if (password.size() > kMaxPasswordLength)
        return QStringLiteral("the password is longer than %1 characters").arg(kMaxPasswordLength);
    return std::nullopt;
}

} // namespace cipher
