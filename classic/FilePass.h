#pragma once

// The classic file pass: a copy of the same length, byte k of the copy being
// the input byte plus (or minus) the code of password character
// ((k - 1) mod L) + 1, modulo 256. The copy holds nothing else: no header, no
// length, no checksum. cipher/Files.h is the entry that checks the files and
// picks this or the sealed format.

#include "base/Progress.h"
#include "io/ChunkPipeline.h"

#include <QByteArray>

namespace classic {

// The pass reads, enciphers and writes this many bytes at a time; the progress
// display hears of each block written. Its memory stays a few blocks whatever
// the file's size.
inline constexpr qint64 kBlockSize = qint64(1) << 20;

struct FilePass {
    qint64 size = 0;        // the input's length, taken once: what is added later is not read
    QByteArray password;    // in code page codes; not empty
    bool encipher = true;   // else decipher
    io::Source* input = nullptr; // read from where it stands, for size bytes
    io::Sink* output = nullptr;
};

struct FilePassResult {
    io::ChunkPipeline::Result run;
    bool inputShrank = false; // the input ended before its length: ReadFailed
};

FilePassResult runFilePass(const FilePass& pass, base::Progress& progress);

} // namespace classic
