#include "classic/Password.h"

#include "base/Limits.h"
#include "classic/CodePage.h"

namespace classic {

std::optional<base::Failure> passwordProblem(const QString& password) {
    if (const auto bad = codepage::firstUnmappable(password))
        return base::failure(base::Fault::PasswordUnmappable, qint64(*bad));
    return base::passwordLengthProblem(password);
}

} // namespace classic
