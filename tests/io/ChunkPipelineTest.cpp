// The one chunk pipeline: every chunk transformed once and written in its
// order whatever the stream's length, and every way out (a refused chunk, a
// failed read or write, a cancel, a failed preparation) stops it with nothing
// after the fault written.

#include "io/ChunkPipeline.h"
#include "tests/support/Files.h"
#include "tests/support/RecordingProgress.h"

#include <QByteArray>
#include <atomic>
#include <gtest/gtest.h>

namespace {

using io::ChunkPipeline;
using Status = ChunkPipeline::Status;

constexpr qint64 kChunk = 1000;

ChunkPipeline::Shape shape(qint64 expected = -1) {
    ChunkPipeline::Shape s;
    s.inputChunk = kChunk;
    s.outputChunk = kChunk + 2; // each chunk grows by its index in two bytes
    s.chunksPerBatch = 4;
    s.batches = 3;
    s.expectedInput = expected;
    return s;
}

// What the transform below makes of the input: every byte xor-ed with its
// chunk's index, and the index after each chunk.
QByteArray expectedOutput(const QByteArray& input) {
    QByteArray out;
    for (qint64 i = 0; i <= input.size() / kChunk; ++i) {
        QByteArray chunk = input.mid(i * kChunk, kChunk);
        for (char& c : chunk)
            c = static_cast<char>(c ^ i);
        out += chunk + char(i & 0xFF) + char(i >> 8);
    }
    return out;
}

struct PipelineRun {
    QByteArray input;
    QByteArray output;
    testsupport::RecordingProgress progress;
    qint64 refuseChunk = -1;  // this chunk does not transform
    qint64 failReadAt = -1;   // reading past this offset fails
    qint64 failWriteAt = -1;  // writing past this offset fails
    std::atomic<int> transforms = 0;
    std::atomic<bool> prepared = false;
    bool preparation = true; // what the preparation answers

    // The input, failing past failReadAt.
    struct Input final : io::Source {
        PipelineRun& run;
        qint64 offset = 0;
        explicit Input(PipelineRun& r) : run(r) {}
        qint64 read(char* data, qint64 size) override {
            if (run.failReadAt >= 0 && offset + size > run.failReadAt)
                return -1;
            const QByteArray part = run.input.mid(offset, size);
            std::copy(part.begin(), part.end(), data);
            offset += part.size();
            return part.size();
        }
        QString errorString() const override { return QStringLiteral("unreadable"); }
    };
    // The output, full past failWriteAt.
    struct Output final : io::Sink {
        PipelineRun& run;
        explicit Output(PipelineRun& r) : run(r) {}
        bool write(const char* data, qint64 size, base::Failure* error) override {
            if (run.failWriteAt >= 0 && run.output.size() + size > run.failWriteAt) {
                *error = base::failure(base::Fault::SystemError, QStringLiteral("disk full"));
                return false;
            }
            run.output.append(data, size);
            return true;
        }
    };

    ChunkPipeline::Result go(qint64 expected = -1) {
        Input in(*this);
        Output out(*this);
        return ChunkPipeline(shape(expected), progress)
            .run(
                in,
                [&](quint64 index, unsigned char* data, qint64 size, bool) -> qint64 {
                    EXPECT_TRUE(prepared.load()) << "a transform before the preparation";
                    ++transforms;
                    if (qint64(index) == refuseChunk)
                        return -1;
                    for (qint64 j = 0; j < size; ++j)
                        data[j] = static_cast<unsigned char>(data[j] ^ index);
                    data[size] = static_cast<unsigned char>(index & 0xFF);
                    data[size + 1] = static_cast<unsigned char>(index >> 8);
                    return size + 2;
                },
                out,
                [&] {
                    prepared = true;
                    return preparation;
                });
    }
};

} // namespace

TEST(ChunkPipeline, EveryChunkOnceAndInOrderWhateverTheLength) {
    for (const qint64 size : {qint64(0), qint64(1), kChunk - 1, kChunk, kChunk + 1,
                              4 * kChunk, 50 * kChunk + 7}) {
        for (const bool known : {false, true}) {
            SCOPED_TRACE(testing::Message() << size << (known ? " known" : " unknown"));
            PipelineRun run;
            run.input = testsupport::randomBytes(size, unsigned(size));
            const ChunkPipeline::Result result = run.go(known ? size : -1);
            ASSERT_EQ(result.status, Status::Done) << result.failure.cause.toStdString();
            EXPECT_EQ(run.output, expectedOutput(run.input));
            EXPECT_EQ(run.transforms.load(), size / kChunk + 1);
            EXPECT_EQ(run.progress.last(), size) << "the last position is the whole input";
        }
    }
}

TEST(ChunkPipeline, AFaultStopsItWithNothingOfTheFaultyBatchWritten) {
    const qint64 size = 30 * kChunk;
    const struct {
        const char* what;
        std::function<void(PipelineRun&)> fault;
        Status status;
        qint64 writtenAtMost; // output bytes
    } cases[] = {
        {"a chunk refused", [](PipelineRun& r) { r.refuseChunk = 13; }, Status::Refused, 12 * (kChunk + 2)},
        {"a read that fails", [](PipelineRun& r) { r.failReadAt = 9 * kChunk; }, Status::ReadFailed,
         9 * (kChunk + 2)},
        {"a write that fails", [](PipelineRun& r) { r.failWriteAt = 5 * (kChunk + 2); }, Status::WriteFailed,
         5 * (kChunk + 2)},
        {"a cancel", [](PipelineRun& r) {
             r.progress.onPosition = [&r](qint64 done) {
                 if (done >= 8 * kChunk)
                     r.progress.cancel();
             };
         }, Status::Cancelled, size},
        {"a preparation that fails", [](PipelineRun& r) { r.preparation = false; }, Status::Failed, 0},
    };
    for (const auto& c : cases) {
        for (const bool known : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.what << (known ? ", length known" : ""));
            PipelineRun run;
            run.input = testsupport::randomBytes(size, 3);
            c.fault(run);
            const ChunkPipeline::Result result = run.go(known ? size : -1);
            EXPECT_EQ(result.status, c.status);
            EXPECT_LE(run.output.size(), c.writtenAtMost);
            EXPECT_LT(run.output.size(), expectedOutput(run.input).size());
            EXPECT_TRUE(expectedOutput(run.input).startsWith(run.output)) << "written in order";
            if (c.status == Status::Failed) {
                // The preparation's caller knows why it stopped.
                EXPECT_EQ(result.failure.fault, base::Fault::None);
            }
        }
    }
}
