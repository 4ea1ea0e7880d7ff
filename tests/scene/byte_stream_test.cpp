#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene/byte_stream.h"

namespace vl {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Written(void (*write)(ByteWriter&)) {
    ByteWriter out;
    write(out);
    EXPECT_TRUE(out.ok());
    return out.Bytes();
}

TEST(ByteStream, DwordsAndFloatsAreLittleEndian) {
    ByteWriter out;
    out.WriteDword(0x11223344);
    out.WriteInt(-2);
    out.WriteFloat(2.2f);
    EXPECT_EQ(out.Bytes(),
              (Bytes{0x44, 0x33, 0x22, 0x11, 0xFE, 0xFF, 0xFF, 0xFF, 0xCD, 0xCC, 0x0C, 0x40}));
    ByteReader in = ByteReader::Copying(out.Bytes().data(), out.Bytes().size());
    EXPECT_EQ(in.ReadDword(), 0x11223344u);
    EXPECT_EQ(in.ReadInt(), -2);
    EXPECT_EQ(in.ReadFloat(), 2.2f);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ByteStream, TextLengthPrefixForms) {
    EXPECT_EQ(Written([](ByteWriter& out) { out.WriteText(""); }), (Bytes{0x00}));
    EXPECT_EQ(Written([](ByteWriter& out) { out.WriteText("ab"); }), (Bytes{0x02, 'a', 'b'}));

    Bytes b254 = Written([](ByteWriter& out) { out.WriteText(std::string(254, 'x')); });
    ASSERT_EQ(b254.size(), 255u);
    EXPECT_EQ(b254[0], 0xFE);

    Bytes b255 = Written([](ByteWriter& out) { out.WriteText(std::string(255, 'x')); });
    ASSERT_EQ(b255.size(), 258u);
    EXPECT_EQ((Bytes{b255[0], b255[1], b255[2]}), (Bytes{0xFF, 0xFF, 0x00}));

    Bytes b65533 = Written([](ByteWriter& out) { out.WriteText(std::string(65533, 'x')); });
    EXPECT_EQ((Bytes{b65533[0], b65533[1], b65533[2]}), (Bytes{0xFF, 0xFD, 0xFF}));
    EXPECT_EQ(b65533.size(), 65536u);

    Bytes b65534 = Written([](ByteWriter& out) { out.WriteText(std::string(65534, 'x')); });
    EXPECT_EQ((Bytes(b65534.begin(), b65534.begin() + 7)),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(b65534.size(), 7u + 65534u);
}

TEST(ByteStream, ReadsEveryPrefixFormBack) {
    for (std::size_t length : {0u, 1u, 254u, 255u, 256u, 65533u, 65534u, 70000u}) {
        std::string text(length, 'q');
        ByteWriter out;
        out.WriteText(text);
        ByteReader in = ByteReader::Copying(out.Bytes().data(), out.Bytes().size());
        EXPECT_EQ(in.ReadText(), text) << length;
        EXPECT_TRUE(in.ok());
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

TEST(ByteStream, ScramblingShiftsByLengthModElevenPlusThree) {
    // 3 bytes: shift 6; "abc" = 61 62 63 becomes 5B 5C 5D.
    EXPECT_EQ(Written([](ByteWriter& out) { out.WriteScrambledText("abc"); }),
              (Bytes{0x03, 0x5B, 0x5C, 0x5D}));
    // 0 bytes: only the prefix.
    EXPECT_EQ(Written([](ByteWriter& out) { out.WriteScrambledText(""); }), (Bytes{0x00}));
    // 11 bytes: shift 3, wrapping below zero.
    EXPECT_EQ(Written([](ByteWriter& out) {
                  const std::uint8_t block[11] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
                  out.WriteScrambledBlock(block, 11);
              }),
              (Bytes{0xFD, 0xFE, 0xFF, 0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(ByteStream, ScrambledBlockLeavesTheSourceAndReadsBackInPlace) {
    std::vector<std::uint8_t> source = {10, 20, 30, 40, 250};
    ByteWriter out;
    out.WriteScrambledBlock(source.data(), source.size());
    EXPECT_EQ(source, (Bytes{10, 20, 30, 40, 250}));
    // Five bytes shift by 8.
    EXPECT_EQ(out.Bytes(), (Bytes{2, 12, 22, 32, 242}));

    auto buffer = ByteBuffer::Copy(out.Bytes().data(), out.Bytes().size());
    ByteReader in(buffer);
    ByteBlock block = in.ReadScrambledBlock(5);
    ASSERT_EQ(block.size(), 5u);
    EXPECT_EQ(Bytes(block.begin(), block.end()), source);
    // The block shares the buffer rather than copying it.
    EXPECT_EQ(block.data(), buffer->data());
}

TEST(ByteStream, ReadingPastTheEndFailsAndStaysFailed) {
    const std::uint8_t bytes[] = {1, 2, 3};
    ByteReader in = ByteReader::Copying(bytes, sizeof bytes);
    EXPECT_EQ(in.ReadDword(), 0u);
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.Remaining(), 0u);
    // Even a read that would fit now yields nothing.
    std::uint8_t one = 7;
    EXPECT_FALSE(in.ReadBytes(&one, 1));
    EXPECT_EQ(one, 7);
}

TEST(ByteStream, LengthPrefixesLargerThanTheRestAreRefusedWithoutAllocating) {
    // FF FF FF then 0xFFFFFFFF: a text claiming 4 GB in a 9-byte buffer.
    const std::uint8_t huge[] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b'};
    ByteReader in = ByteReader::Copying(huge, sizeof huge);
    EXPECT_EQ(in.ReadText(), "");
    EXPECT_FALSE(in.ok());

    const std::uint8_t shortText[] = {0x05, 'a', 'b'};
    ByteReader in2 = ByteReader::Copying(shortText, sizeof shortText);
    EXPECT_EQ(in2.ReadScrambledText(), "");
    EXPECT_FALSE(in2.ok());

    const std::uint8_t block[] = {1, 2, 3};
    ByteReader in3 = ByteReader::Copying(block, sizeof block);
    EXPECT_TRUE(in3.ReadScrambledBlock(0xFFFFFFFFu).empty());
    EXPECT_FALSE(in3.ok());

    // A truncated 16-bit or 32-bit prefix.
    const std::uint8_t cut16[] = {0xFF, 0x01};
    ByteReader in4 = ByteReader::Copying(cut16, sizeof cut16);
    in4.ReadText();
    EXPECT_FALSE(in4.ok());
    const std::uint8_t cut32[] = {0xFF, 0xFF, 0xFF, 0x01, 0x00};
    ByteReader in5 = ByteReader::Copying(cut32, sizeof cut32);
    in5.ReadText();
    EXPECT_FALSE(in5.ok());
}

class RecordingSink : public ByteSink {
  public:
    bool Put(const std::uint8_t* data, std::size_t size) override {
        ++calls;
        if (failAfter >= 0 && calls > failAfter) {
            return false;
        }
        bytes.insert(bytes.end(), data, data + size);
        return true;
    }
    std::vector<std::uint8_t> bytes;
    int calls = 0;
    int failAfter = -1;
};

TEST(ByteStream, SinkReceivesTheSameBytesInPieces) {
    std::vector<std::uint8_t> big(2500000);
    for (std::size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<std::uint8_t>(i * 7);
    }
    ByteWriter memory;
    memory.WriteText("head");
    memory.WriteScrambledBlock(big.data(), big.size());
    memory.WriteDword(5);

    RecordingSink sink;
    ByteWriter streamed(sink);
    streamed.WriteText("head");
    streamed.WriteScrambledBlock(big.data(), big.size());
    streamed.WriteDword(5);
    EXPECT_TRUE(streamed.Flush());
    EXPECT_GT(sink.calls, 1);
    EXPECT_EQ(sink.bytes, memory.Bytes());
}

TEST(ByteStream, SinkFailureFailsTheWriter) {
    RecordingSink sink;
    sink.failAfter = 0;
    ByteWriter out(sink);
    std::vector<std::uint8_t> big(200000, 1);
    out.WriteScrambledBlock(big.data(), big.size());
    EXPECT_FALSE(out.Flush());
    EXPECT_FALSE(out.ok());
}

}  // namespace
}  // namespace vl
