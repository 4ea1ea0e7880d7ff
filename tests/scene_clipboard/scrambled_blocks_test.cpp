// Scrambled blocks of every length, as scene files and clipboard blocks store pictures and media:
// each byte b of an n-byte block is stored as b - (n mod 11 + 3), whatever the length and however
// the writer cuts its output into pieces.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "scene/byte_stream.h"

namespace vl {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Pattern(std::size_t n) {
    Bytes bytes(n);
    for (std::size_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 37 + (i >> 8));
    }
    return bytes;
}

Bytes ByHand(const Bytes& plain) {
    Bytes stored(plain.size());
    const int shift = static_cast<int>(plain.size() % 11 + 3);
    for (std::size_t i = 0; i < plain.size(); ++i) {
        stored[i] = static_cast<std::uint8_t>((plain[i] - shift + 256) % 256);
    }
    return stored;
}

class CollectingSink : public ByteSink {
  public:
    bool Put(const std::uint8_t* data, std::size_t size) override {
        bytes.insert(bytes.end(), data, data + size);
        ++pieces;
        return true;
    }
    Bytes bytes;
    int pieces = 0;
};

TEST(ScrambledBlocks, EveryLengthAndEveryByteValue) {
    for (std::size_t n = 0; n <= 300; ++n) {
        const Bytes plain = Pattern(n);
        const Bytes stored = ByHand(plain);

        ByteWriter out;
        out.WriteScrambledBlock(plain.data(), plain.size());
        ASSERT_EQ(out.Bytes(), stored) << n;

        Bytes inPlace = plain;
        ScrambleInPlace(inPlace.data(), inPlace.size());
        ASSERT_EQ(inPlace, stored) << n;
        UnscrambleInPlace(inPlace.data(), inPlace.size());
        ASSERT_EQ(inPlace, plain) << n;

        ByteReader in = ByteReader::Copying(stored.data(), stored.size());
        const ByteBlock block = in.ReadScrambledBlock(n);
        ASSERT_TRUE(in.ok()) << n;
        ASSERT_EQ(Bytes(block.begin(), block.end()), plain) << n;
    }
}

TEST(ScrambledBlocks, LargeBlockThroughASinkInPieces) {
    // Longer than the writer's pieces and not a multiple of them, behind an odd start.
    const Bytes plain = Pattern(2300003);
    CollectingSink sink;
    ByteWriter out(sink);
    out.WriteBytes("x", 1);
    out.WriteScrambledBlock(plain.data(), plain.size());
    ASSERT_TRUE(out.Flush());
    EXPECT_GT(sink.pieces, 1);
    Bytes expected = {'x'};
    const Bytes stored = ByHand(plain);
    expected.insert(expected.end(), stored.begin(), stored.end());
    EXPECT_EQ(sink.bytes, expected);

    ByteReader in = ByteReader::Copying(sink.bytes.data(), sink.bytes.size());
    std::uint8_t first = 0;
    ASSERT_TRUE(in.ReadBytes(&first, 1));
    const ByteBlock block = in.ReadScrambledBlock(plain.size());
    ASSERT_TRUE(in.ok());
    EXPECT_EQ(Bytes(block.begin(), block.end()), plain);
}

}  // namespace
}  // namespace vl
