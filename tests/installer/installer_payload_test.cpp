#include "installer/installer_payload.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "package/fixed_images.h"

namespace vl {
namespace {

using Bytes = std::vector<std::uint8_t>;

int allocations = 0;
SIZE_T requested = 0;

HGLOBAL NoMemory(SIZE_T size) {
    ++allocations;
    requested = size;
    return nullptr;
}

// An installer file in the temporary folder, removed at the end.
class InstallerFile : public ::testing::Test {
  protected:
    void SetUp() override {
        allocations = 0;
        requested = 0;
        ASSERT_TRUE(file_.Create("VLP"));
    }

    const char* Path() const { return file_.Path(); }

    // A stand-in stub image of the given size, then payload.
    void Write(std::size_t stubSize, const Bytes& payload) {
        Bytes bytes(stubSize, 0xCC);
        bytes.insert(bytes.end(), payload.begin(), payload.end());
        FileHandle out(CreateFileA(Path(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(out);
        DWORD written = 0;
        ASSERT_TRUE(WriteFile(out.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                              nullptr));
        ASSERT_EQ(written, bytes.size());
    }

    // The stub image and a payload of payloadSize bytes that take no room on the disk.
    void WriteSparse(std::uint64_t payloadSize) {
        Write(kStubImageSize, {});
        FileHandle out(CreateFileA(Path(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(out);
        LARGE_INTEGER end;
        end.QuadPart = static_cast<LONGLONG>(kStubImageSize + payloadSize);
        ASSERT_TRUE(SetFilePointerEx(out.Get(), end, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(out.Get()));
    }

    TemporaryFile file_;
};

Bytes BytesOf(const Payload& payload) {
    const auto* data = static_cast<const std::uint8_t*>(payload.block.Get());
    return Bytes(data, data + payload.size);
}

TEST_F(InstallerFile, ThePayloadIsEverythingAfterTheStubImage) {
    const Bytes saver = {'M', 'Z', 1, 2, 3, 0, 0xFF, 'e', 'n', 'd'};
    Write(kStubImageSize, saver);
    Payload payload;
    ASSERT_EQ(ReadInstallerPayload(Path(), payload), PayloadRead::kDone);
    EXPECT_EQ(payload.size, saver.size());
    EXPECT_EQ(BytesOf(payload), saver);
}

TEST_F(InstallerFile, AStubWithoutPayloadGivesAnEmptyOne) {
    Write(kStubImageSize, {});
    Payload payload;
    ASSERT_EQ(ReadInstallerPayload(Path(), payload), PayloadRead::kDone);
    EXPECT_EQ(payload.size, 0u);
}

TEST_F(InstallerFile, AFileShorterThanTheStubImageIsCorrupted) {
    Write(kStubImageSize - 1, {});
    Payload payload;
    EXPECT_EQ(ReadInstallerPayload(Path(), payload, &NoMemory), PayloadRead::kCorrupted);
    EXPECT_EQ(allocations, 0);
    EXPECT_FALSE(payload.block);
}

TEST_F(InstallerFile, AMissingFileCannotBeOpened) {
    const std::string missing = std::string(Path()) + ".missing";
    Payload payload;
    EXPECT_EQ(ReadInstallerPayload(missing.c_str(), payload), PayloadRead::kCannotOpen);
}

TEST_F(InstallerFile, ABlockThatCannotBeAllocatedIsOutOfMemoryAndLeavesTheFileClosed) {
    Write(kStubImageSize, Bytes(5000, 0x42));
    Payload payload;
    EXPECT_EQ(ReadInstallerPayload(Path(), payload, &NoMemory), PayloadRead::kNoMemory);
    EXPECT_EQ(allocations, 1);
    EXPECT_EQ(requested, 5000u);
    EXPECT_FALSE(payload.block);
    // Nobody holds the file open any more.
    FileHandle exclusive(CreateFileA(Path(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(exclusive);
}

TEST_F(InstallerFile, APayloadBeyondWhatOneReadFillsIsOutOfMemoryWithoutAnAllocation) {
    // The largest payload one read can fill is still asked for...
    WriteSparse(MAXDWORD);
    Payload payload;
    EXPECT_EQ(ReadInstallerPayload(Path(), payload, &NoMemory), PayloadRead::kNoMemory);
    EXPECT_EQ(allocations, 1);
    EXPECT_EQ(requested, SIZE_T{MAXDWORD});
    // ... one byte more is not.
    WriteSparse(std::uint64_t{MAXDWORD} + 1);
    EXPECT_EQ(ReadInstallerPayload(Path(), payload, &NoMemory), PayloadRead::kNoMemory);
    EXPECT_EQ(allocations, 1);
}

TEST_F(InstallerFile, AReadThatLeavesTheEarlierPayloadEmpties) {
    Write(kStubImageSize, Bytes(10, 7));
    Payload payload;
    ASSERT_EQ(ReadInstallerPayload(Path(), payload), PayloadRead::kDone);
    Write(kStubImageSize - 10, {});
    EXPECT_EQ(ReadInstallerPayload(Path(), payload), PayloadRead::kCorrupted);
    EXPECT_FALSE(payload.block);
    EXPECT_EQ(payload.size, 0u);
}

TEST(InstallerPayloadMessages, EachFailureSaysItsReason) {
    EXPECT_STREQ(PayloadReadMessage(PayloadRead::kCannotOpen), "Cannot open installer file!");
    EXPECT_STREQ(PayloadReadMessage(PayloadRead::kCorrupted), "Installer file corrupted!");
    EXPECT_STREQ(PayloadReadMessage(PayloadRead::kNoMemory), "No enough memory.");
    EXPECT_EQ(PayloadReadMessage(PayloadRead::kDone), nullptr);
}

}  // namespace
}  // namespace vl
