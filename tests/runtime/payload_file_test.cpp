// Glint's own file mapped for reading: the payload's bytes as they are in the file, pictures left
// scrambled in it, and the file closed to writers until the last block is gone.
#include "runtime/payload_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "package/fixed_images.h"
#include "runtime/scene_payload.h"
#include "scene/entries.h"
#include "scene/scene_file.h"

namespace vl {
namespace {

std::string TempPath(const char* name) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

bool OpensForWriting(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

// A runtime image of filler, the lead word, then a scene of one picture and its Show.
std::vector<std::uint8_t> SaverFile(const std::vector<std::uint8_t>& picture) {
    EntryList entries;
    auto image = std::make_unique<ImageEntry>();
    image->fileName = "photo.bmp";
    image->data = ByteBlock::Copy(picture.data(), picture.size());
    auto show = std::make_unique<ShowEntry>();
    show->SetObject(image.get());
    entries.Append(std::move(image));
    entries.Append(std::move(show));
    std::vector<std::uint8_t> file(kRuntimeImageSize, 0xEE);
    const std::uint8_t lead[4] = {1, 0, 0, 0};
    file.insert(file.end(), lead, lead + 4);
    const std::vector<std::uint8_t> scene = SaveSceneFile(entries);
    file.insert(file.end(), scene.begin(), scene.end());
    return file;
}

TEST(GlintPayloadFileTest, PicturesStayInTheMappedFileWhichNoOneWritesWhileTheyLive) {
    std::vector<std::uint8_t> picture(200003);
    for (std::size_t i = 0; i < picture.size(); ++i)
        picture[i] = static_cast<std::uint8_t>(i * 7 + (i >> 8));
    const std::vector<std::uint8_t> file = SaverFile(picture);
    const std::string path = TempPath("vl-mapped-payload.scr");
    WriteFile(path, file);

    ByteBlock kept;
    {
        SharedBytes payload = MapPayloadBytes(path);
        ASSERT_TRUE(payload);
        EXPECT_FALSE(payload->writable());
        ASSERT_EQ(payload->size(), file.size() - kRuntimeImageSize);
        EXPECT_TRUE(std::equal(payload->begin(), payload->end(), file.begin() + kRuntimeImageSize));
        EntryList entries;
        ScenePayload lead;
        ASSERT_TRUE(ReadScenePayload(std::move(payload), entries, lead));
        ASSERT_EQ(entries.Count(), 2u);
        kept = static_cast<const ImageEntry&>(entries.At(0)).data;
    }
    EXPECT_TRUE(kept.Scrambled());
    const ByteBlock plain = kept.Plain();
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), picture.begin(), picture.end()));
    EXPECT_FALSE(OpensForWriting(path));
    kept = ByteBlock();
    EXPECT_TRUE(OpensForWriting(path));
    EXPECT_TRUE(::DeleteFileA(path.c_str()));
}

TEST(GlintPayloadFileTest, NoPayloadWithoutAFileOrBeyondTheRuntimeImage) {
    const std::string path = TempPath("vl-short-payload.scr");
    EXPECT_FALSE(MapPayloadBytes(path + ".missing"));
    WriteFile(path, std::vector<std::uint8_t>(kRuntimeImageSize, 0xEE));
    EXPECT_FALSE(MapPayloadBytes(path));
    WriteFile(path, std::vector<std::uint8_t>(kRuntimeImageSize + 1, 0xEE));
    SharedBytes one = MapPayloadBytes(path);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->size(), 1u);
    EXPECT_EQ(*one->begin(), 0xEE);
    one.reset();
    EXPECT_TRUE(::DeleteFileA(path.c_str()));
}

}  // namespace
}  // namespace vl
