// The pictures in the built programs, read from their files with the PE reader of tools/peimage:
// every icon, cursor and bitmap under its id with its sizes and image count, and carrying exactly
// the drawn file committed in resources/.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tools/peimage/pe_image.h"

namespace vl {
namespace {

using pe::Bytes;

constexpr std::uint32_t kCursor = 1;
constexpr std::uint32_t kBitmap = 2;
constexpr std::uint32_t kIcon = 3;
constexpr std::uint32_t kGroupCursor = 12;
constexpr std::uint32_t kGroupIcon = 14;

Bytes ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t size) {
    if (from > bytes.size() || size > bytes.size() - from)
        return {};
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                 bytes.begin() + static_cast<std::ptrdiff_t>(from + size));
}

// The resources of one program file with numeric type and name, by (type, name).
class Resources {
  public:
    explicit Resources(const std::string& path) {
        const Bytes file = ReadFileBytes(path);
        auto layout = pe::ParseLayout(file, &error_);
        if (!layout)
            return;
        auto tree = pe::ParseResources(file, *layout, &error_);
        if (!tree)
            return;
        for (const pe::ResourceLeaf& leaf : tree->leaves) {
            const auto offset = layout->RangeToOffset(leaf.dataRva, leaf.dataSize);
            if (leaf.type && leaf.name && offset)
                data_[{*leaf.type, *leaf.name}] = Slice(file, *offset, leaf.dataSize);
        }
    }
    bool Read() const { return !data_.empty(); }
    const std::string& Error() const { return error_; }
    // Empty when missing.
    Bytes Data(std::uint32_t type, std::uint32_t name) const {
        auto found = data_.find({type, name});
        return found == data_.end() ? Bytes{} : found->second;
    }

  private:
    std::map<std::pair<std::uint32_t, std::uint32_t>, Bytes> data_;
    std::string error_;
};

std::string SourceFile(const std::string& name) {
    return std::string(VL_RESOURCES_DIR) + "/" + name;
}

// --- Bitmaps
// --------------------------------------------------------------------------------------

struct BitmapShape {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bits = 0;
};

BitmapShape ShapeOf(const Bytes& dib) {
    if (dib.size() < 40)
        return {};
    return {static_cast<std::int32_t>(pe::ReadU32(dib, 4)),
            static_cast<std::int32_t>(pe::ReadU32(dib, 8)), pe::ReadU16(dib, 14)};
}

// A bitmap resource is its .bmp file without the 14-byte file header.
void ExpectBitmap(const Resources& program, std::uint32_t id, const std::string& file,
                  std::int32_t width, std::int32_t height, std::uint16_t bits) {
    SCOPED_TRACE("bitmap " + std::to_string(id) + " " + file);
    const Bytes dib = program.Data(kBitmap, id);
    ASSERT_FALSE(dib.empty()) << "missing";
    const BitmapShape shape = ShapeOf(dib);
    EXPECT_EQ(shape.width, width);
    EXPECT_EQ(shape.height, height);
    EXPECT_EQ(shape.bits, bits);
    const Bytes source = ReadFileBytes(SourceFile(file));
    EXPECT_TRUE(dib == Slice(source, 14, source.size() - 14)) << "not the committed picture";
}

// A strip of count square images of size pixels.
void ExpectStrip(const Resources& program, std::uint32_t id, const std::string& file, int count,
                 int size) {
    ExpectBitmap(program, id, file, count * size, size, 24);
}

// --- Icons and cursors
// ------------------------------------------------------------------------------

// One entry of an icon or cursor file's directory.
struct FileImage {
    int width = 0;
    int height = 0;
    int field1 = 0;  // planes, or a cursor's hot spot x
    int field2 = 0;  // bits, or a cursor's hot spot y
    Bytes data;
};

std::vector<FileImage> ImagesOfFile(const Bytes& file) {
    std::vector<FileImage> images;
    if (file.size() < 6)
        return images;
    const int count = pe::ReadU16(file, 4);
    for (int i = 0; i < count && 6 + 16 * (i + 1) <= static_cast<int>(file.size()); ++i) {
        const std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
        FileImage image;
        image.width = file[entry] ? file[entry] : 256;
        image.height = file[entry + 1] ? file[entry + 1] : 256;
        image.field1 = pe::ReadU16(file, entry + 4);
        image.field2 = pe::ReadU16(file, entry + 6);
        image.data = Slice(file, pe::ReadU32(file, entry + 12), pe::ReadU32(file, entry + 8));
        images.push_back(image);
    }
    return images;
}

// The width and height an icon image's data gives: a PNG's header or a DIB's (twice as high,
// for the mask).
std::pair<int, int> ImageDataSize(const Bytes& data) {
    static const std::uint8_t kPng[] = {0x89, 'P', 'N', 'G'};
    if (data.size() >= 24 && std::equal(std::begin(kPng), std::end(kPng), data.begin())) {
        auto big = [&](std::size_t at) {
            return int{data[at]} << 24 | int{data[at + 1]} << 16 | int{data[at + 2]} << 8 |
                   int{data[at + 3]};
        };
        return {big(16), big(20)};
    }
    const BitmapShape shape = ShapeOf(data);
    return {shape.width, shape.height / 2};
}

// An icon group: its sizes in order, each image the one of the committed .ico file.
void ExpectIcon(const Resources& program, std::uint32_t id, const std::string& file,
                const std::vector<int>& sizes) {
    SCOPED_TRACE("icon " + std::to_string(id) + " " + file);
    const Bytes group = program.Data(kGroupIcon, id);
    ASSERT_GE(group.size(), 6u) << "missing";
    EXPECT_EQ(pe::ReadU16(group, 2), 1);  // icons
    const std::size_t count = pe::ReadU16(group, 4);
    ASSERT_EQ(count, sizes.size());
    ASSERT_GE(group.size(), 6 + 14 * count);
    const std::vector<FileImage> source = ImagesOfFile(ReadFileBytes(SourceFile(file)));
    ASSERT_EQ(source.size(), count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 14 * i;
        const int size = sizes[i];
        SCOPED_TRACE("size " + std::to_string(size));
        EXPECT_EQ(group[entry], size % 256);  // 0 stands for 256
        EXPECT_EQ(group[entry + 1], size % 256);
        EXPECT_EQ(pe::ReadU16(group, entry + 6), 32);  // bits per pixel
        const Bytes image = program.Data(kIcon, pe::ReadU16(group, entry + 12));
        EXPECT_EQ(image.size(), pe::ReadU32(group, entry + 8));
        EXPECT_EQ(ImageDataSize(image), std::make_pair(size, size));
        EXPECT_TRUE(image == source[i].data) << "not the committed drawing";
    }
}

// A cursor group of one 32 x 32 image with its hot spot, the image of the committed .cur file.
void ExpectCursor(const Resources& program, std::uint32_t id, const std::string& file, int hotX,
                  int hotY) {
    SCOPED_TRACE("cursor " + std::to_string(id) + " " + file);
    const Bytes group = program.Data(kGroupCursor, id);
    ASSERT_EQ(group.size(), 6u + 14u) << "missing, or not one image";
    EXPECT_EQ(pe::ReadU16(group, 2), 2);   // cursors
    EXPECT_EQ(pe::ReadU16(group, 6), 32);  // width
    EXPECT_EQ(pe::ReadU16(group, 8), 64);  // height, with the mask
    const Bytes cursor = program.Data(kCursor, pe::ReadU16(group, 18));
    ASSERT_GT(cursor.size(), 4u + 40u);
    EXPECT_EQ(pe::ReadU16(cursor, 0), hotX);
    EXPECT_EQ(pe::ReadU16(cursor, 2), hotY);
    const Bytes dib = Slice(cursor, 4, cursor.size() - 4);
    EXPECT_EQ(ImageDataSize(dib), std::make_pair(32, 32));
    const std::vector<FileImage> source = ImagesOfFile(ReadFileBytes(SourceFile(file)));
    ASSERT_EQ(source.size(), 1u);
    EXPECT_EQ(source[0].field1, hotX);
    EXPECT_EQ(source[0].field2, hotY);
    EXPECT_TRUE(dib == source[0].data) << "not the committed drawing";
}

const std::vector<int> kProgramIconSizes = {16, 32, 48, 256};

TEST(ProgramArt, VistaloomCarriesItsIconsStripsAndPictures) {
    const Resources builder(VL_VISTALOOM_FILE);
    ASSERT_TRUE(builder.Read()) << builder.Error();
    ExpectIcon(builder, 128, "vistaloom/vistaloom.ico", kProgramIconSizes);
    ExpectIcon(builder, 129, "vistaloom/document.ico", kProgramIconSizes);
    ExpectIcon(builder, 240, "vistaloom/media.ico", {16, 32, 48});

    ExpectStrip(builder, 303, "vistaloom/toolbar.bmp", 13, 48);
    ExpectStrip(builder, 302, "vistaloom/toolbar_disabled.bmp", 13, 48);
    ExpectStrip(builder, 190, "vistaloom/kinds.bmp", 15, 16);  // two folders, 13 kinds
    ExpectBitmap(builder, 186, "vistaloom/preview_toolbar.bmp", 7 * 16, 15, 24);
    ExpectBitmap(builder, 188, "vistaloom/preview_keep_visible.bmp", 16, 15, 24);

    ExpectBitmap(builder, 102, "vistaloom/splash.bmp", 400, 250, 24);
    ExpectBitmap(builder, 298, "vistaloom/start_wizard.bmp", 120, 90, 24);
    ExpectBitmap(builder, 300, "vistaloom/start_empty.bmp", 120, 90, 24);
    ExpectBitmap(builder, 299, "vistaloom/start_open.bmp", 120, 90, 24);
    ExpectBitmap(builder, 305, "vistaloom/about.bmp", 354, 96, 24);
}

TEST(ProgramArt, VistaloomCarriesTheDragCursorsWithTheirHotSpotAtTheTip) {
    const Resources builder(VL_VISTALOOM_FILE);
    ASSERT_TRUE(builder.Read()) << builder.Error();
    ExpectCursor(builder, 197, "vistaloom/drag_move.cur", 0, 0);
    ExpectCursor(builder, 205, "vistaloom/drag_move_many.cur", 0, 0);
    ExpectCursor(builder, 105, "vistaloom/drag_copy.cur", 0, 0);
    ExpectCursor(builder, 203, "vistaloom/drag_copy_many.cur", 0, 0);
    ExpectCursor(builder, 204, "vistaloom/drag_link.cur", 0, 0);
}

TEST(ProgramArt, GlintCarriesItsIconPreviewAndCursors) {
    const Resources glint(VL_GLINT_FILE);
    ASSERT_TRUE(glint.Read()) << glint.Error();
    ExpectIcon(glint, 100, "glint/glint.ico", kProgramIconSizes);
    ExpectBitmap(glint, 144, "glint/preview.bmp", 96, 112, 8);
    const Bytes preview = glint.Data(kBitmap, 144);
    ASSERT_GE(preview.size(), 40u);
    EXPECT_EQ(preview.size(), 40u + 256u * 4u + 96u * 112u) << "all 256 palette entries";
    ExpectCursor(glint, 193, "glint/arrow.cur", 1, 1);
    ExpectCursor(glint, 131, "glint/blank.cur", 0, 0);
}

TEST(ProgramArt, FerruleCarriesItsIcon) {
    const Resources ferrule(VL_FERRULE_FILE);
    ASSERT_TRUE(ferrule.Read()) << ferrule.Error();
    ExpectIcon(ferrule, 128, "ferrule/ferrule.ico", kProgramIconSizes);
}

}  // namespace
}  // namespace vl
