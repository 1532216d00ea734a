#pragma once

// Sealed files as they stream: seals or opens any amount of data in constant
// memory, on both cores (io::ChunkPipeline).
//
// How a caller uses it (the file pass, for instance):
//   1. Gives its input as an io::Source (DeviceSource over an unbuffered QFile)
//      and its output as an io::Sink (io::OutputFile is one).
//   2. Gives a base::Progress: it hears the input bytes whose output is
//      written (so the progress range is the input file's size), and its
//      cancel stops the run between chunks.
//   3. Calls seal() or open(). On Ok it commits the output; on anything else it
//      throws the output away. The sink MUST be discardable: open() writes only
//      chunks that have authenticated, but a later chunk may still fail (or be
//      missing), and then what was written is only part of the plaintext.
//   4. Shows result.failure through the words layer: for ReadFailed and
//      WriteFailed its cause ("No space left on device") goes beside the
//      file's name.
//
// Threads: the source and the progress display are called from the thread
// that called seal() or open(); the sink from one thread at a time, which may
// be a worker. The key derivation (a fraction of a second with the default
// parameters) is not interruptible.
//
// Memory: the key derivation's (64 MiB by default), then three batches of
// about 4 MiB whatever the input's size, wiped before they are freed.

#include "base/Progress.h"
#include "io/Stream.h"
#include "sealed/Header.h"
#include "sealed/Key.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

namespace sealed {

// The streams are the program's one kind (io/Stream.h).
using io::ByteArraySink;
using io::DeviceSource;
using io::MemorySource;
using io::Sink;
using io::Source;

// The records of a stream, after its header: the header's bytes (the
// associated data of every record), the chunk size and the nonce prefix.
struct RecordLayout {
    QByteArrayView header;
    qint64 chunkSize = kDefaultChunkSize;
    std::array<unsigned char, kNoncePrefixSize> noncePrefix{};
};

// The records alone, under a key the caller holds, for a kind of sealed file
// whose header and key another part makes (Recipients.h): seals everything the
// source gives, or opens records until the final one, as seal() and open() do
// after the header. The header's bytes and the key must outlive the call.
Result sealRecords(Source& source, Sink& sink, const RecordLayout& layout, const SecretKey& key,
                   base::Progress& progress);
Result openRecords(Source& source, Sink& sink, const RecordLayout& layout, const SecretKey& key,
                   base::Progress& progress);

// Seals everything the source gives, until its end: the header, then the
// chunks. The parameters must be ones a reader with default Limits accepts.
// The key comes from passwordKey(password), or is given whole.
Result seal(Source& source, Sink& sink, const KeySource& key, const Params& params = {},
            base::Progress& progress = base::Progress::none());

// Opens a sealed stream: checks the header against the limits, derives the key,
// then authenticates and writes the chunks in order. Ok only when the final
// chunk authenticated and the source ended just after it.
Result open(Source& source, Sink& sink, const KeySource& key, const Limits& limits = {},
            base::Progress& progress = base::Progress::none());

} // namespace sealed
