#include "runtime/password_record.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> bytes;
    for (const int value : values)
        bytes.push_back(static_cast<std::uint8_t>(value));
    return bytes;
}

std::vector<std::uint8_t> Sequence(std::uint8_t first, std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(first + i);
    return bytes;
}

const char kDigest32[] = "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f";

TEST(GlintPasswordRecordTest, WrittenAsPrefixCountSaltAndDigest) {
    PasswordRecord record;
    record.iterations = 200000;
    record.salt = Bytes({0xA0, 0xB1, 0xC2, 0xD3, 0xE4, 0xF5, 0x06, 0x17, 0x28, 0x39, 0x4A, 0x5B,
                         0x6C, 0x7D, 0x8E, 0x9F});
    record.digest = Sequence(0, 32);
    EXPECT_EQ(FormatPasswordRecord(record),
              std::string("pbkdf2-sha256$200000$a0b1c2d3e4f5061728394a5b6c7d8e9f$") + kDigest32);
}

TEST(GlintPasswordRecordTest, ReadsBackWhatItWrites) {
    PasswordRecord record;
    ASSERT_TRUE(
        ParsePasswordRecord(std::string("pbkdf2-sha256$1$FFfe0001aabbccdd$") + kDigest32, record));
    EXPECT_EQ(record.iterations, 1u);
    EXPECT_EQ(record.salt, Bytes({0xFF, 0xFE, 0x00, 0x01, 0xAA, 0xBB, 0xCC, 0xDD}));
    EXPECT_EQ(record.digest, Sequence(0, 32));

    PasswordRecord again;
    ASSERT_TRUE(ParsePasswordRecord(FormatPasswordRecord(record), again));
    EXPECT_EQ(again.iterations, record.iterations);
    EXPECT_EQ(again.salt, record.salt);
    EXPECT_EQ(again.digest, record.digest);
}

TEST(GlintPasswordRecordTest, RefusesEverythingElse) {
    const std::string salt = "0011223344556677";
    const std::string digest = kDigest32;
    const std::string refused[] = {
        "",
        "secret",
        "pbkdf2-sha1$1000$" + salt + "$" + digest,
        "PBKDF2-SHA256$1000$" + salt + "$" + digest,
        "pbkdf2-sha256$$" + salt + "$" + digest,
        "pbkdf2-sha256$0$" + salt + "$" + digest,
        "pbkdf2-sha256$0100$" + salt + "$" + digest,
        "pbkdf2-sha256$-1$" + salt + "$" + digest,
        "pbkdf2-sha256$+5$" + salt + "$" + digest,
        "pbkdf2-sha256$10000001$" + salt + "$" + digest,
        "pbkdf2-sha256$99999999999$" + salt + "$" + digest,
        "pbkdf2-sha256$1000$" + salt + digest,
        "pbkdf2-sha256$1000$00112233445566$" + digest,                 // 7 bytes of salt
        "pbkdf2-sha256$1000$" + std::string(130, 'a') + "$" + digest,  // 65 bytes
        "pbkdf2-sha256$1000$001122334455667$" + digest,                // odd digits
        "pbkdf2-sha256$1000$00112233445566zz$" + digest,
        "pbkdf2-sha256$1000$" + salt + "$" + digest.substr(2),  // 31 bytes
        "pbkdf2-sha256$1000$" + salt + "$" + digest + "00",     // 33 bytes
        "pbkdf2-sha256$1000$" + salt + "$" + digest + "$",
        "pbkdf2-sha256$1000$" + salt + "$" + digest.substr(1) + "g",
    };
    for (const std::string& text : refused) {
        PasswordRecord record;
        record.iterations = 77;
        EXPECT_FALSE(ParsePasswordRecord(text, record)) << text;
        EXPECT_EQ(record.iterations, 77u) << "a refused text leaves the record alone";
    }
}

TEST(GlintPasswordRecordTest, AcceptsTheLimits) {
    PasswordRecord record;
    EXPECT_TRUE(ParsePasswordRecord(
        "pbkdf2-sha256$10000000$" + std::string(128, 'f') + "$" + kDigest32, record));
    EXPECT_EQ(record.iterations, 10000000u);
    EXPECT_EQ(record.salt.size(), 64u);
}

TEST(GlintPasswordRecordTest, HexBothWays) {
    EXPECT_EQ(ToHex(Bytes({0x00, 0x7F, 0x80, 0xFF, 0x1A})), "007f80ff1a");
    EXPECT_EQ(ToHex({}), "");
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(FromHex("007F80ff1A", bytes));
    EXPECT_EQ(bytes, Bytes({0x00, 0x7F, 0x80, 0xFF, 0x1A}));
    EXPECT_FALSE(FromHex("abc", bytes));
    EXPECT_FALSE(FromHex("0g", bytes));
    EXPECT_FALSE(FromHex("-1", bytes));
    EXPECT_EQ(bytes, Bytes({0x00, 0x7F, 0x80, 0xFF, 0x1A})) << "failures leave the bytes";
}

TEST(GlintPasswordRecordTest, EqualityLooksAtEveryByte) {
    const std::vector<std::uint8_t> digest = Sequence(10, 32);
    EXPECT_TRUE(ConstantTimeEqual(digest, Sequence(10, 32)));
    for (std::size_t i : {std::size_t{0}, std::size_t{15}, std::size_t{31}}) {
        std::vector<std::uint8_t> other = digest;
        other[i] ^= 0x01;
        EXPECT_FALSE(ConstantTimeEqual(digest, other)) << i;
    }
    EXPECT_FALSE(ConstantTimeEqual(digest, Sequence(10, 31)));
    EXPECT_TRUE(ConstantTimeEqual({}, {}));
}

}  // namespace
}  // namespace vl
