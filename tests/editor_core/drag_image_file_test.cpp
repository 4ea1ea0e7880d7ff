#include "editor/core/drag_image_file.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

DragImage Strip() {
    DragImage image;
    image.width = 3;
    image.height = 2;
    image.pixels = {0x008080, 0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0x008080};
    image.hotX = 2;
    image.hotY = 1;
    return image;
}

TEST(DragImageFile, TheWritingProcessReadsItsImageBack) {
    const std::vector<std::uint8_t> bytes = WriteDragImage(Strip(), 4711);
    const auto read = ReadDragImage(bytes.data(), bytes.size(), 4711);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->width, 3);
    EXPECT_EQ(read->height, 2);
    EXPECT_EQ(read->pixels, Strip().pixels);
    EXPECT_EQ(read->hotX, 2);
    EXPECT_EQ(read->hotY, 1);
}

TEST(DragImageFile, AnotherBuildersOrADamagedFileShowsNoImage) {
    const std::vector<std::uint8_t> bytes = WriteDragImage(Strip(), 4711);
    EXPECT_FALSE(ReadDragImage(bytes.data(), bytes.size(), 4712).has_value())
        << "another builder's drag overwrote the file";
    for (std::size_t cut : {std::size_t{0}, std::size_t{10}, bytes.size() - 1})
        EXPECT_FALSE(ReadDragImage(bytes.data(), cut, 4711).has_value()) << cut;
    std::vector<std::uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(ReadDragImage(longer.data(), longer.size(), 4711).has_value());
    EXPECT_FALSE(ReadDragImage(nullptr, 0, 4711).has_value());

    std::vector<std::uint8_t> damaged = bytes;
    damaged[0] ^= 1;
    EXPECT_FALSE(ReadDragImage(damaged.data(), damaged.size(), 4711).has_value()) << "magic";

    // Sizes that would ask for huge or negative amounts of memory.
    for (std::int32_t width : {0, -3, 40000}) {
        DragImage odd = Strip();
        odd.width = width;
        const std::vector<std::uint8_t> written = WriteDragImage(odd, 4711);
        EXPECT_FALSE(ReadDragImage(written.data(), written.size(), 4711).has_value()) << width;
    }
}

}  // namespace
}  // namespace vl
