#pragma once

// An input the process already holds open: standard input, or a pipe a shell
// handed over (/dev/fd/N). It has no length to count on, so it is read as a
// stream; every wait for its data ends at once when the cancel comes, and a
// read returns all that was asked unless the input ends first, so that a look
// at its first bytes sees all of them however the writer split its writes.

#include "base/Progress.h"

#include <QFile>

namespace io {

class DescriptorInput final : public QFile {
public:
    // Opens fd for reading; the descriptor stays open when this goes.
    DescriptorInput(int fd, const base::CancelToken* cancel);

    bool isSequential() const override { return true; }
    // The cancel ended a read.
    bool wasCancelled() const { return m_cancelled; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;

private:
    int m_fd;
    const base::CancelToken* m_cancel;
    bool m_cancelled = false;
};

} // namespace io
