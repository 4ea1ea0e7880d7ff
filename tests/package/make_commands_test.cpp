#include "cli/make_commands.h"

#include <gtest/gtest.h>

#include <memory>

#include "cli/commands.h"
#include "cli/scene_source.h"
#include "tests/package/package_test_support.h"
#include "scene/entries.h"
#include "scene/scene_file.h"

namespace vl::cli {
namespace {

using ptest::Bytes;
using ptest::Concat;
using ptest::LeadWord;
using ptest::ReadBytes;
using ptest::TestFolder;
using ptest::WriteBytes;

// Made-up images, told apart by architecture.
struct FakeImages {
    Bytes x86Runtime = ptest::RuntimeImage(11);
    Bytes x86Stub = ptest::StubImage(12);
    Bytes x64Runtime = ptest::RuntimeImage(21);
    Bytes x64Stub = ptest::StubImage(22);
    bool present = true;

    ImageSource Source() {
        return [this](Architecture architecture) {
            if (!present)
                return ProgramImages{};
            if (architecture == Architecture::kX64)
                return ProgramImages{{x64Runtime.data(), x64Runtime.size()},
                                     {x64Stub.data(), x64Stub.size()}};
            return ProgramImages{{x86Runtime.data(), x86Runtime.size()},
                                 {x86Stub.data(), x86Stub.size()}};
        };
    }
};

Bytes SavedScene(bool balanced = true) {
    EntryList entries;
    if (!balanced)
        entries.Append(std::make_unique<UntilEntry>());
    entries.Append(std::make_unique<ClsEntry>());
    entries.Append(std::make_unique<WaitEntry>());
    return SaveSceneFile(entries);
}

class MakeCommandsTest : public ::testing::Test {
  protected:
    MakeCommandsTest() { WriteBytes(scenePath_, scene_); }

    TestFolder folder_;
    FakeImages images_;
    Bytes scene_ = SavedScene();
    std::string scenePath_ = folder_ / "Night.ssd";
};

TEST_F(MakeCommandsTest, MakeScrWritesTheX86RuntimeLeadWordAndTheSceneFileAsItLies) {
    ASSERT_FALSE(scene_.empty());
    EXPECT_EQ(MakeScr({scenePath_}, images_.Source()), kExitOk);
    const Bytes made = ReadBytes(folder_ / "Night.scr");
    EXPECT_EQ(made.size(), kScreenSaverSceneOffset + scene_.size());
    EXPECT_EQ(made, Concat({images_.x86Runtime, LeadWord(), scene_}));
}

TEST_F(MakeCommandsTest, ArchX64TakesTheOtherImages) {
    const std::string out = folder_ / "wide.scr";
    EXPECT_EQ(MakeScr({"--arch", "x64", scenePath_, out}, images_.Source()), kExitOk);
    EXPECT_EQ(ReadBytes(out), Concat({images_.x64Runtime, LeadWord(), scene_}));
    EXPECT_EQ(MakeExe({scenePath_, "--arch", "x64"}, images_.Source()), kExitOk);
    EXPECT_EQ(ReadBytes(folder_ / "Night.exe"),
              Concat({images_.x64Stub, images_.x64Runtime, LeadWord(), scene_}));
}

TEST_F(MakeCommandsTest, MakeExeIsTheStubFollowedByTheSameScreenSaver) {
    ASSERT_EQ(MakeScr({scenePath_}, images_.Source()), kExitOk);
    ASSERT_EQ(MakeExe({scenePath_}, images_.Source()), kExitOk);
    const Bytes saver = ReadBytes(folder_ / "Night.scr");
    const Bytes installer = ReadBytes(folder_ / "Night.exe");
    ASSERT_EQ(installer.size(), kInstallerSceneOffset + scene_.size());
    EXPECT_EQ(Bytes(installer.begin(), installer.begin() + kStubImageSize), images_.x86Stub);
    EXPECT_EQ(Bytes(installer.begin() + kStubImageSize, installer.end()), saver);
}

TEST_F(MakeCommandsTest, ACustomImageThatDoesNotFitTheSlotMakesNothing) {
    Bytes bmp = ptest::CustomBmp();
    bmp[28] = 24;  // 24 bits per pixel
    const std::string bmpPath = folder_ / "Custom.BMP";
    WriteBytes(bmpPath, bmp);
    EXPECT_EQ(MakeScr({"--custom-image", bmpPath, scenePath_}, images_.Source()), kExitUnreadable);
    EXPECT_EQ(MakeScr({"--custom-image", folder_ / "missing.bmp", scenePath_}, images_.Source()),
              kExitUnreadable);
    EXPECT_FALSE(ptest::Exists(folder_ / "Night.scr"));
}

TEST_F(MakeCommandsTest, ASceneThatFailsTheCheckMakesNothing) {
    WriteBytes(scenePath_, SavedScene(false));
    EXPECT_EQ(MakeScr({scenePath_}, images_.Source()), kExitCheckFailed);
    EXPECT_EQ(MakeExe({scenePath_}, images_.Source()), kExitCheckFailed);
    EXPECT_EQ(folder_.Names(), std::vector<std::string>{"Night.ssd"});
}

TEST_F(MakeCommandsTest, NoSceneNoFile) {
    EXPECT_EQ(MakeScr({folder_ / "absent.ssd"}, images_.Source()), kExitUnreadable);
    WriteBytes(folder_ / "junk.ssd", Bytes(100, 0x41));
    EXPECT_EQ(MakeScr({folder_ / "junk.ssd"}, images_.Source()), kExitUnreadable);
    EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"Night.ssd", "junk.ssd"}));
}

TEST_F(MakeCommandsTest, WithoutCarriedImagesItSaysSoAndMakesNothing) {
    images_.present = false;
    EXPECT_EQ(MakeScr({scenePath_}, images_.Source()), kExitUnreadable);
    EXPECT_EQ(MakeExe({scenePath_}, images_.Source()), kExitUnreadable);
    WriteBytes(folder_ / "saver.scr", Bytes(10, 1));
    EXPECT_EQ(MakeExeFromScr({folder_ / "saver.scr"}, images_.Source()), kExitUnreadable);
    EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"Night.ssd", "saver.scr"}));
}

TEST_F(MakeCommandsTest, TheSceneOfAMadeScreenSaverCanBeRepackaged) {
    ASSERT_EQ(MakeScr({scenePath_}, images_.Source()), kExitOk);
    const std::string wide = folder_ / "wide.scr";
    ASSERT_EQ(MakeScr({"--arch", "x64", folder_ / "Night.scr", wide}, images_.Source()), kExitOk);
    EXPECT_EQ(ReadBytes(wide), Concat({images_.x64Runtime, LeadWord(), scene_}));
    // Its default name would be the input itself.
    EXPECT_EQ(MakeScr({folder_ / "Night.scr"}, images_.Source()), kExitUsage);
    EXPECT_EQ(ReadBytes(folder_ / "Night.scr"), Concat({images_.x86Runtime, LeadWord(), scene_}));
}

TEST_F(MakeCommandsTest, InstallerFromAScreenSaverAppendsItUnchanged) {
    const std::string saver = folder_ / "saver.scr";
    const Bytes anything = ptest::Pattern(4321, 7);
    WriteBytes(saver, anything);
    EXPECT_EQ(MakeExeFromScr({saver}, images_.Source()), kExitOk);
    EXPECT_EQ(ReadBytes(folder_ / "saver.exe"), Concat({images_.x86Stub, anything}));
    const std::string wide = folder_ / "wide.exe";
    EXPECT_EQ(MakeExeFromScr({"--arch", "x64", saver, wide}, images_.Source()), kExitOk);
    EXPECT_EQ(ReadBytes(wide), Concat({images_.x64Stub, anything}));
}

TEST_F(MakeCommandsTest, InstallerFromAScreenSaverNeverReplacesAFile) {
    const std::string saver = folder_ / "saver.scr";
    WriteBytes(saver, ptest::Pattern(100, 7));
    const Bytes old = ptest::Pattern(50, 8);
    WriteBytes(folder_ / "saver.exe", old);
    EXPECT_EQ(MakeExeFromScr({saver}, images_.Source()), kExitUnwritable);
    EXPECT_EQ(ReadBytes(folder_ / "saver.exe"), old);
    WriteBytes(folder_ / "given.exe", old);
    EXPECT_EQ(MakeExeFromScr({saver, folder_ / "given.exe"}, images_.Source()), kExitUnwritable);
    EXPECT_EQ(ReadBytes(folder_ / "given.exe"), old);
    EXPECT_EQ(folder_.Names(),
              (std::vector<std::string>{"Night.ssd", "given.exe", "saver.exe", "saver.scr"}));
}

TEST_F(MakeCommandsTest, AnUnwritableTargetLeavesNothing) {
    EXPECT_EQ(MakeScr({scenePath_, ptest::Join(folder_ / "missing", "x.scr")}, images_.Source()),
              kExitUnwritable);
    EXPECT_EQ(folder_.Names(), std::vector<std::string>{"Night.ssd"});
}

TEST_F(MakeCommandsTest, WrongArgumentsAreUsageErrors) {
    const ImageSource source = images_.Source();
    EXPECT_EQ(MakeScr({}, source), kExitUsage);
    EXPECT_EQ(MakeScr({scenePath_, "a.scr", "b.scr"}, source), kExitUsage);
    EXPECT_EQ(MakeScr({"--arch", "arm64", scenePath_}, source), kExitUsage);
    EXPECT_EQ(MakeScr({"--arch", "x64", "--arch", "x86", scenePath_}, source), kExitUsage);
    EXPECT_EQ(MakeScr({scenePath_, "--arch"}, source), kExitUsage);
    EXPECT_EQ(MakeScr({"--verbose", scenePath_}, source), kExitUsage);
    EXPECT_EQ(MakeExeFromScr({"--custom-image", "c.bmp", scenePath_}, source), kExitUsage);
    EXPECT_EQ(folder_.Names(), std::vector<std::string>{"Night.ssd"});
}

TEST_F(MakeCommandsTest, TheExampleSceneBecomesAScreenSaverAndAnInstaller) {
    const std::string scene = folder_ / "Aurora.ssd";
    ASSERT_EQ(FromJson({VL_EXAMPLE_DIR, scene}), kExitOk);
    const std::string preview = std::string(VL_EXAMPLE_DIR) + "/preview.bmp";
    ASSERT_EQ(MakeScr({"--custom-image", preview, scene}, images_.Source()), kExitOk);
    ASSERT_EQ(MakeExe({"--custom-image", preview, scene}, images_.Source()), kExitOk);
    const Bytes saver = ReadBytes(folder_ / "Aurora.scr");
    EXPECT_EQ(saver.size(), kScreenSaverSceneOffset + ReadBytes(scene).size());
    EXPECT_EQ(Bytes(saver.begin() + PreviewBitmapSlot::kOffset,
                    saver.begin() + PreviewBitmapSlot::kOffset + PreviewBitmapSlot::kSize),
              ptest::WithoutFileHeader(ReadBytes(preview)));
    EXPECT_EQ(ReadBytes(folder_ / "Aurora.exe"), Concat({images_.x86Stub, saver}));
}

// The images this build carries, as the build found them.
class CarriedImagesTest : public ::testing::TestWithParam<Architecture> {};

std::uint32_t Word(const ByteView& view, std::size_t at) {
    return static_cast<std::uint32_t>(view.data[at]) | view.data[at + 1] << 8 |
           view.data[at + 2] << 16 | static_cast<std::uint32_t>(view.data[at + 3]) << 24;
}

// The machine field of a PE image's file header.
std::uint32_t Machine(const ByteView& image) {
    const std::uint32_t header = Word(image, 0x3C);
    return Word(image, header + 4) & 0xFFFF;
}

TEST_P(CarriedImagesTest, AreTheFixedSizeProgramsOfTheirArchitecture) {
    const Architecture architecture = GetParam();
    const ProgramImages images = CarriedImages(architecture);
    if (!images.Complete()) {
        GTEST_SKIP() << "this vistaloom-cli carries no " << ArchitectureName(architecture)
                     << " images: build the "
                     << (architecture == Architecture::kX64 ? "win64" : "win32")
                     << " flavour first, then rebuild";
    }
    EXPECT_EQ(images.runtime.size, kRuntimeImageSize);
    EXPECT_EQ(images.stub.size, kStubImageSize);
    const std::uint32_t machine = architecture == Architecture::kX64 ? 0x8664 : 0x014C;
    EXPECT_EQ(Machine(images.runtime), machine);
    EXPECT_EQ(Machine(images.stub), machine);
    // The preview slot holds a 96 x 112 bitmap's info header.
    EXPECT_EQ(Word(images.runtime, PreviewBitmapSlot::kOffset), 40u);
    EXPECT_EQ(Word(images.runtime, PreviewBitmapSlot::kOffset + 4), 96u);
    EXPECT_EQ(Word(images.runtime, PreviewBitmapSlot::kOffset + 8), 112u);
}

INSTANTIATE_TEST_SUITE_P(Both, CarriedImagesTest,
                         ::testing::Values(Architecture::kX86, Architecture::kX64),
                         [](const ::testing::TestParamInfo<Architecture>& info) {
                             return std::string(ArchitectureName(info.param));
                         });

}  // namespace
}  // namespace vl::cli
