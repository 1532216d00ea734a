#include "filecipher/FileCipher.h"

// Filled in with the pass itself.
namespace filecipher {

PassResult FileCipherPass(const PassRequest&, PassHost&) {
    return {PassStatus::Failed, QStringLiteral("The file cipher is not available yet.")};
}

} // namespace filecipher
