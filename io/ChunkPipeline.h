#pragma once

// The one way the program streams a file through a cipher: reads it in chunks,
// transforms the chunks on both cores, and writes them in their order, with a
// few batches of chunks in memory whatever the file's length. The classic file
// pass and the sealed engine both run on it.
//
// Threads: the calling thread reads (and calls the progress display), a worker
// writes, and both transform. A step to do before the first transform (a key
// to derive) runs on the worker while the caller reads ahead. An input that is
// known to fit in one batch is done on the calling thread alone, in buffers of
// its size.
//
// Memory: `batches` buffers of chunksPerBatch * outputChunk bytes, wiped
// before they are freed (they held plain data).

#include "base/Failure.h"
#include "base/Progress.h"
#include "io/Stream.h"

#include <QString>
#include <functional>

namespace io {

class ChunkPipeline {
public:
    struct Shape {
        qint64 inputChunk = 0;     // bytes read per chunk; a shorter read ends the stream
        qint64 outputChunk = 0;    // room per chunk: what a transform may grow it to
        qint64 chunksPerBatch = 1; // chunks handed between the threads at a time
        int batches = 3;           // batches in memory at once
        qint64 expectedInput = -1; // the input's length when known
    };

    // Transforms chunk `index` of the stream (counting from 0) in place: size
    // input bytes in a room of outputChunk bytes. `final` marks the stream's
    // last chunk, which holds fewer than inputChunk bytes (maybe none). Returns
    // the output's size, or -1 to refuse the chunk. Called on both threads at
    // once, for different chunks.
    using Transform =
        std::function<qint64(quint64 index, unsigned char* data, qint64 size, bool final)>;
    // Runs before the first transform; false, with a sentence, stops the run.
    using Prepare = std::function<bool()>;

    enum class Status { Done, ReadFailed, Refused, WriteFailed, Cancelled, Failed };
    struct Result {
        Status status = Status::Failed;
        base::Failure failure; // what went wrong; WriteFailed: the sink's error
        bool ok() const { return status == Status::Done; }
    };

    // The progress display hears of the input bytes whose output is written,
    // and its cancel stops the run between chunks.
    ChunkPipeline(const Shape& shape, base::Progress& progress);

    // The source is read on the calling thread only (a short read ends the
    // stream); the sink takes the output chunks in their order, one call at a
    // time, on either thread.
    Result run(Source& source, const Transform& transform, Sink& sink,
               const Prepare& prepare = {});

private:
    class Run;
    Shape m_shape;
    base::Progress& m_progress;
};

} // namespace io
