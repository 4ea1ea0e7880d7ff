#include "package/package_layout.h"

#include <gtest/gtest.h>

#include "tests/package/package_test_support.h"

namespace vl {
namespace {

using ptest::Bytes;
using ptest::Concat;
using ptest::CustomBmp;
using ptest::LeadWord;
using ptest::MemoryFile;
using ptest::WithoutFileHeader;
using ptest::WithSlot;

ByteView View(const Bytes& bytes) {
    return {bytes.data(), bytes.size()};
}

Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t size) {
    return Bytes(bytes.begin() + from, bytes.begin() + from + size);
}

// Offsets where two equally long files differ.
std::vector<std::size_t> Differences(const Bytes& a, const Bytes& b) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] != b[i])
            at.push_back(i);
    }
    return at;
}

TEST(ScreenSaverLayout, RuntimeImageLeadWordOneThenTheSceneFileToTheEnd) {
    const Bytes runtime = ptest::RuntimeImage();
    const Bytes scene = ptest::SceneFileBytes(1234);
    MemoryFile file;
    ASSERT_TRUE(WriteScreenSaver(file, View(runtime), View(scene), {}));

    ASSERT_EQ(file.bytes.size(), kScreenSaverSceneOffset + scene.size());
    EXPECT_EQ(Slice(file.bytes, 0, kRuntimeImageSize), runtime);
    EXPECT_EQ(Slice(file.bytes, kRuntimeImageSize, kLeadWordSize), (Bytes{0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(Slice(file.bytes, kScreenSaverSceneOffset, scene.size()), scene);
    EXPECT_EQ(file.bytes, Concat({runtime, LeadWord(), scene}));
}

TEST(ScreenSaverLayout, AnEmptySceneFileLeavesTheLeadWordLast) {
    const Bytes runtime = ptest::RuntimeImage();
    MemoryFile file;
    ASSERT_TRUE(WriteScreenSaver(file, View(runtime), {}, {}));
    EXPECT_EQ(file.bytes, Concat({runtime, LeadWord()}));
}

TEST(ScreenSaverLayout, CustomImageFillsTheSlotWithoutItsFileHeaderAndNothingElse) {
    const Bytes runtime = ptest::RuntimeImage();
    const Bytes scene = ptest::SceneFileBytes();
    const Bytes bmp = CustomBmp();
    MemoryFile file;
    ASSERT_TRUE(WriteScreenSaver(file, View(runtime), View(scene), View(bmp)));

    ASSERT_EQ(file.bytes.size(), kScreenSaverSceneOffset + scene.size());
    // The slot starts with the info header: 40, 96, 112.
    EXPECT_EQ(Slice(file.bytes, PreviewBitmapSlot::kOffset, 12),
              (Bytes{40, 0, 0, 0, 96, 0, 0, 0, 112, 0, 0, 0}));
    EXPECT_EQ(Slice(file.bytes, PreviewBitmapSlot::kOffset, PreviewBitmapSlot::kSize),
              Slice(bmp, 14, PreviewBitmapSlot::kSize));
    EXPECT_EQ(Slice(file.bytes, 0, PreviewBitmapSlot::kOffset),
              Slice(runtime, 0, PreviewBitmapSlot::kOffset));
    const std::size_t slotEnd = PreviewBitmapSlot::kOffset + PreviewBitmapSlot::kSize;
    EXPECT_EQ(Slice(file.bytes, slotEnd, kRuntimeImageSize - slotEnd),
              Slice(runtime, slotEnd, kRuntimeImageSize - slotEnd));
    EXPECT_EQ(Slice(file.bytes, kRuntimeImageSize, kLeadWordSize + scene.size()),
              Concat({LeadWord(), scene}));

    const std::vector<std::size_t> changed =
        Differences(file.bytes, Concat({runtime, LeadWord(), scene}));
    ASSERT_FALSE(changed.empty());
    EXPECT_GE(changed.front(), PreviewBitmapSlot::kOffset);
    EXPECT_LT(changed.back(), PreviewBitmapSlot::kOffset + PreviewBitmapSlot::kSize);
}

TEST(InstallerLayout, StubThenTheScreenSaverOfTheSameScene) {
    const Bytes stub = ptest::StubImage();
    const Bytes runtime = ptest::RuntimeImage();
    const Bytes scene = ptest::SceneFileBytes(777);
    MemoryFile installer;
    ASSERT_TRUE(WriteInstaller(installer, View(stub), View(runtime), View(scene), {}));
    MemoryFile screenSaver;
    ASSERT_TRUE(WriteScreenSaver(screenSaver, View(runtime), View(scene), {}));

    ASSERT_EQ(installer.bytes.size(), kInstallerSceneOffset + scene.size());
    EXPECT_EQ(Slice(installer.bytes, 0, kStubImageSize), stub);
    EXPECT_EQ(Slice(installer.bytes, kStubImageSize, kRuntimeImageSize), runtime);
    EXPECT_EQ(Slice(installer.bytes, kStubImageSize + kRuntimeImageSize, kLeadWordSize),
              LeadWord());
    EXPECT_EQ(Slice(installer.bytes, kInstallerSceneOffset, scene.size()), scene);
    EXPECT_EQ(Slice(installer.bytes, kStubImageSize, installer.bytes.size() - kStubImageSize),
              screenSaver.bytes);
}

TEST(InstallerLayout, CustomImageLiesInTheRuntimesSlotAndNowhereElse) {
    const Bytes stub = ptest::StubImage();
    const Bytes runtime = ptest::RuntimeImage();
    const Bytes scene = ptest::SceneFileBytes();
    const Bytes bmp = CustomBmp();
    MemoryFile installer;
    ASSERT_TRUE(WriteInstaller(installer, View(stub), View(runtime), View(scene), View(bmp)));

    const Bytes expected =
        Concat({stub, WithSlot(runtime, WithoutFileHeader(bmp)), LeadWord(), scene});
    EXPECT_EQ(installer.bytes, expected);
    EXPECT_EQ(Slice(installer.bytes, kInstallerPreviewSlotOffset, PreviewBitmapSlot::kSize),
              WithoutFileHeader(bmp));
    const std::vector<std::size_t> changed =
        Differences(installer.bytes, Concat({stub, runtime, LeadWord(), scene}));
    ASSERT_FALSE(changed.empty());
    EXPECT_GE(changed.front(), kInstallerPreviewSlotOffset);
    EXPECT_LT(changed.back(), kInstallerPreviewSlotOffset + PreviewBitmapSlot::kSize);
}

TEST(InstallerLayout, FromAChosenFileTheStubIsFollowedByThatFileUnchanged) {
    const Bytes stub = ptest::StubImage();
    const Bytes runtime = ptest::RuntimeImage();
    const Bytes chosen = ptest::Pattern(5000, 3);  // anything the dialog returns
    MemoryFile installer;
    ASSERT_TRUE(WriteInstallerFromScr(installer, View(stub), View(runtime), View(chosen)));
    EXPECT_EQ(installer.bytes.size(), kStubImageSize + chosen.size());
    EXPECT_EQ(installer.bytes, Concat({stub, chosen}));

    MemoryFile empty;
    ASSERT_TRUE(WriteInstallerFromScr(empty, View(stub), View(runtime), {}));
    EXPECT_EQ(empty.bytes, stub);
}

TEST(InstallerLayout, StubOnlyStillNeedsBothImages) {
    const Bytes stub = ptest::StubImage();
    const Bytes runtime = ptest::RuntimeImage();
    MemoryFile file;
    EXPECT_FALSE(WriteInstallerImage(file, View(stub), {}, true));
    EXPECT_FALSE(WriteInstallerImage(file, {}, View(runtime), true));
    EXPECT_TRUE(file.bytes.empty());
    ASSERT_TRUE(WriteInstallerImage(file, View(stub), View(runtime), true));
    EXPECT_EQ(file.bytes, stub);
    MemoryFile both;
    ASSERT_TRUE(WriteInstallerImage(both, View(stub), View(runtime), false));
    EXPECT_EQ(both.bytes, Concat({stub, runtime}));
}

TEST(ProgramImages, OnlyTheFixedSizesAreAccepted) {
    const Bytes shortRuntime = ptest::Pattern(kRuntimeImageSize - 1, 1);
    const Bytes longStub = ptest::Pattern(kStubImageSize + 1, 2);
    const Bytes scene = ptest::SceneFileBytes();
    MemoryFile file;
    EXPECT_FALSE(WriteRuntimeImage(file, View(shortRuntime)));
    EXPECT_FALSE(WriteScreenSaver(file, View(shortRuntime), View(scene), {}));
    EXPECT_FALSE(
        WriteInstaller(file, View(longStub), View(ptest::RuntimeImage()), View(scene), {}));
    EXPECT_TRUE(file.bytes.empty());
    EXPECT_FALSE(WriteRuntimeImage(file, {}));
}

// --- The custom image -------------------------------------------------------------------------

void PutWord(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(CustomImage, TheOptionsDialogsBitmapFitsTheSlot) {
    const Bytes bmp = CustomBmp();
    ASSERT_EQ(bmp.size(), 11830u);
    EXPECT_TRUE(IsSlotImage(View(bmp)));
    Bytes allColours = bmp;
    PutWord(allColours, 46, 0);  // 0 colours used means all 256
    EXPECT_TRUE(IsSlotImage(View(allColours)));
}

struct Damage {
    const char* what;
    std::size_t at;
    std::uint32_t value;
    int bytes;  // 2 or 4
};

class CustomImageRefusal : public ::testing::TestWithParam<Damage> {};

TEST_P(CustomImageRefusal, AnythingButA96By112EightBitBitmapIsRefused) {
    Bytes bmp = CustomBmp();
    const Damage damage = GetParam();
    if (damage.bytes == 2) {
        bmp[damage.at] = static_cast<std::uint8_t>(damage.value);
        bmp[damage.at + 1] = static_cast<std::uint8_t>(damage.value >> 8);
    } else {
        PutWord(bmp, damage.at, damage.value);
    }
    EXPECT_FALSE(IsSlotImage(View(bmp))) << damage.what;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CustomImageRefusal,
    ::testing::Values(Damage{"signature", 0, 'B' | 'A' << 8, 2},
                      Damage{"pixel offset", 10, 1074, 4}, Damage{"info header size", 14, 108, 4},
                      Damage{"width", 18, 97, 4},
                      Damage{"top-down height", 22, static_cast<std::uint32_t>(-112), 4},
                      Damage{"height", 22, 111, 4}, Damage{"planes", 26, 2, 2},
                      Damage{"4 bits", 28, 4, 2}, Damage{"24 bits", 28, 24, 2},
                      Damage{"run-length coded", 30, 1, 4}, Damage{"16 colours", 46, 16, 4}));

TEST(CustomImage, AFileOfAnyOtherSizeIsRefused) {
    Bytes bmp = CustomBmp();
    Bytes longer = bmp;
    longer.push_back(0);
    Bytes shorter(bmp.begin(), bmp.end() - 1);
    EXPECT_FALSE(IsSlotImage(View(longer)));
    EXPECT_FALSE(IsSlotImage(View(shorter)));
    EXPECT_FALSE(IsSlotImage({}));
}

TEST(CustomImage, ARefusedImageChangesNothing) {
    const Bytes runtime = ptest::RuntimeImage();
    const Bytes scene = ptest::SceneFileBytes();
    Bytes bmp = CustomBmp();
    bmp.push_back(0xEE);
    MemoryFile file;
    ASSERT_TRUE(WriteRuntimeImage(file, View(runtime)));
    ASSERT_TRUE(AppendScenePayload(file, View(scene)));
    EXPECT_FALSE(WritePreviewSlot(file, 0, View(bmp)));
    EXPECT_EQ(file.bytes, Concat({runtime, LeadWord(), scene}));
    // A whole screen saver with such an image is not made at all.
    MemoryFile whole;
    EXPECT_FALSE(WriteScreenSaver(whole, View(runtime), View(scene), View(bmp)));
    EXPECT_TRUE(whole.bytes.empty());
}

TEST(CustomImage, TheSlotMustLieInsideWhatWasWritten) {
    const Bytes bmp = CustomBmp();
    MemoryFile file;
    file.bytes = ptest::Pattern(PreviewBitmapSlot::kOffset + PreviewBitmapSlot::kSize - 1, 4);
    const Bytes before = file.bytes;
    EXPECT_FALSE(WritePreviewSlot(file, 0, View(bmp)));
    EXPECT_EQ(file.bytes, before);
    file.bytes.push_back(0);
    EXPECT_TRUE(WritePreviewSlot(file, 0, View(bmp)));
    EXPECT_EQ(Slice(file.bytes, PreviewBitmapSlot::kOffset, PreviewBitmapSlot::kSize),
              WithoutFileHeader(bmp));
}

}  // namespace
}  // namespace vl
