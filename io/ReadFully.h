#pragma once

#include <QtGlobal>

namespace io {

// Reads until size bytes are in or the input ends: read(data, size) gives how
// many bytes it read, 0 at the end and -1 on an error, possibly fewer than
// asked before the end. The total read, fewer than size only at the end; -1
// on an error.
template <class Read> qint64 readFully(Read&& read, char* data, qint64 size) {
    qint64 got = 0;
    while (got < size) {
        const qint64 r = read(data + got, size - got);
        if (r < 0)
            return -1;
        if (r == 0)
            break;
        got += r;
    }
    return got;
}

} // namespace io
