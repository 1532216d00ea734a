#include "classic/Password.h"

#include "base/Limits.h"
#include "classic/CodePage.h"

namespace classic {

std::optional<QString> passwordProblem(const QString& password) {
    if (const auto bad = codepage::firstUnmappable(password)) {
        return QStringLiteral("the password holds the character %1, which cannot be used in a "
                              "password")
            .arg(codepage::describe(*bad));
    }
    return base::passwordLengthProblem(password);
}

} // namespace classic
