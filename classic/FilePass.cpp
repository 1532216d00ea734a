#include "classic/FilePass.h"

#include "base/Wipe.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace classic {
namespace {

// The key codes for a whole pass, laid out once: the password's codes repeated
// for one block plus one password length, so that the key of any block, at
// whatever password position it starts, is one contiguous run. Deciphering
// stores (256 - p) mod 256 in place of p, so both directions add.
class RepeatedKey {
public:
    RepeatedKey(const QByteArray& codes, bool encipher, qint64 blockSize)
        : m_length(codes.size()), m_codes(static_cast<size_t>(blockSize + m_length - 1)) {
        for (qint64 i = 0; i < m_length; ++i) {
            const auto p = static_cast<std::uint8_t>(codes[i]);
            m_codes[static_cast<size_t>(i)] = encipher ? p : static_cast<std::uint8_t>(-p);
        }
        // Doubling what is there keeps the period, since the first copy starts
        // after whole passwords.
        for (size_t filled = static_cast<size_t>(m_length); filled < m_codes.size();) {
            const size_t copied = std::min(filled, m_codes.size() - filled);
            std::memcpy(m_codes.data() + filled, m_codes.data(), copied);
            filled += copied;
        }
    }
    ~RepeatedKey() { base::wipe(m_codes.data(), m_codes.size()); }
    RepeatedKey(const RepeatedKey&) = delete;
    RepeatedKey& operator=(const RepeatedKey&) = delete;

    // The key of the byte at a 0-based offset of the file, and of those after it.
    const std::uint8_t* at(qint64 offset) const { return m_codes.data() + offset % m_length; }

private:
    qint64 m_length;
    std::vector<std::uint8_t> m_codes;
};

// data[i] = (data[i] + key[i]) mod 256. The runs of a fixed 64 bytes over
// pointers that cannot overlap let the compiler make each run a few vector
// additions, even where it vectorises only loops of a known length (-O2).
void addKey(std::uint8_t* __restrict data, const std::uint8_t* __restrict key, std::size_t n) {
    constexpr std::size_t kRun = 64;
    std::size_t i = 0;
    for (; i + kRun <= n; i += kRun) {
        for (std::size_t j = 0; j < kRun; ++j)
            data[i + j] = static_cast<std::uint8_t>(data[i + j] + key[i + j]);
    }
    for (; i < n; ++i)
        data[i] = static_cast<std::uint8_t>(data[i] + key[i]);
}

// The input for its length taken at the start: what is added later is not
// read, and an end before it is a failure (the file became shorter).
class Measured final : public io::Source {
public:
    Measured(io::Source& input, qint64 size) : m_input(input), m_left(size) {}
    qint64 read(char* data, qint64 size) override {
        if (m_left == 0)
            return 0;
        const qint64 got = m_input.read(data, std::min(size, m_left));
        m_shrank = got == 0;
        if (got <= 0)
            return -1;
        m_left -= got;
        return got;
    }
    qint64 remaining() const override { return m_left; }
    QString errorString() const override { return m_input.errorString(); }
    bool shrank() const { return m_shrank; }

private:
    io::Source& m_input;
    qint64 m_left;
    bool m_shrank = false;
};

} // namespace

FilePassResult runFilePass(const FilePass& pass, base::Progress& progress) {
    const qint64 block = std::max<qint64>(1, std::min(kBlockSize, pass.size));
    const RepeatedKey key(pass.password, pass.encipher, block);
    io::ChunkPipeline::Shape shape;
    shape.inputChunk = block;
    shape.outputChunk = block;
    shape.chunksPerBatch = 1;
    shape.batches = 4; // one being read, one written, and some slack
    shape.expectedInput = pass.size;
    FilePassResult result;
    Measured input(*pass.input, pass.size);
    result.run = io::ChunkPipeline(shape, progress).run(
        input,
        [&](quint64 index, unsigned char* data, qint64 size, bool) {
            addKey(data, key.at(qint64(index) * block), static_cast<std::size_t>(size));
            return size;
        },
        *pass.output);
    result.inputShrank = input.shrank();
    return result;
}

} // namespace classic
