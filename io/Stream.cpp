#include "io/Stream.h"

#include <algorithm>
#include <cstring>

namespace io {

qint64 MemorySource::read(char* data, qint64 size) {
    const qint64 n = std::min(size, m_size - m_pos);
    if (n > 0)
        std::memcpy(data, m_data + m_pos, static_cast<size_t>(n));
    m_pos += n;
    return n;
}

bool ByteArraySink::write(const char* data, qint64 size, base::Failure* error) {
    if (size > m_cap - m_out->size()) {
        *error = base::failure(base::Fault::OutputLargerThanExpected);
        return false;
    }
    m_out->append(data, static_cast<qsizetype>(size));
    return true;
}

} // namespace io
