#include "framework/clipboard.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

class ClipboardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        format_ = RegisteredFormat("VistaloomClipboardTest1.0");
        ASSERT_NE(format_, 0u);
    }
    void TearDown() override { DestroyWindow(window_); }

    // Puts bytes on the clipboard and leaves early on purpose when asked: the guard still closes.
    bool Put(const std::vector<std::uint8_t>& bytes, bool leaveEarly) {
        ClipboardGuard clipboard(window_);
        if (!clipboard.IsOpen() || !EmptyClipboard())
            return false;
        if (leaveEarly)
            return true;
        return PutClipboardBytes(format_, bytes) != nullptr;
    }

    HWND window_ = nullptr;
    UINT format_ = 0;
};

TEST_F(ClipboardTest, TheGuardClosesTheClipboardOnEveryPath) {
    ASSERT_TRUE(Put({1, 2, 3}, true));
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
    EXPECT_FALSE(IsClipboardFormatAvailable(format_));
    ASSERT_TRUE(Put({1, 2, 3}, false));
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
    EXPECT_EQ(GetClipboardOwner(), window_);
}

TEST_F(ClipboardTest, BytesComeBackInWholeStepsAndAMissingFormatGivesNothing) {
    std::vector<std::uint8_t> bytes(5000);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    ASSERT_TRUE(Put(bytes, false));
    const auto read = ReadClipboardBytes(window_, format_);
    ASSERT_TRUE(read.has_value());
    ASSERT_GE(read->size(), 8192u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), read->begin()));
    EXPECT_EQ(read->at(5000), 0) << "the padding is zero";
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);

    ASSERT_TRUE(Put({}, true));
    EXPECT_FALSE(ReadClipboardBytes(window_, format_).has_value());
    EXPECT_FALSE(ReadClipboardBytes(window_, 0).has_value());
}

TEST(ClipboardFormats, OneNameOneNumber) {
    EXPECT_EQ(RegisteredFormat("CopyScene1.0"), RegisteredFormat("CopyScene1.0"));
    EXPECT_NE(RegisteredFormat("CopyScene1.0"), RegisteredFormat("MoveScene1.0"));
}

}  // namespace
}  // namespace vl
