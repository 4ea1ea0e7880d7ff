#include <gtest/gtest.h>

#include "tests/image/bmp_vectors.h"
#include "engine/image/image_preparer.h"
#include "engine/image/image_runtime.h"
#include "tests/image/image_test_data.h"

namespace {

using vl::ByteBlock;
using vl::ImageEntry;

vl::ImagePreparer PreparerWithText(bool textWorks, int* calls = nullptr) {
    return vl::ImagePreparer([textWorks, calls](ImageEntry&) {
        if (calls)
            ++*calls;
        return textWorks;
    });
}

TEST(PrepareObject, PictureBytesAreDecodedIntoTheObjectsBitmap) {
    const std::vector<std::uint8_t> jpeg = WithExifInsteadOfJfif(ReadTestData("colour.jpg"));
    ImageEntry image;
    image.fileName = "camera.jpg";
    image.data = ByteBlock::Copy(jpeg.data(), jpeg.size());
    vl::ImagePreparer preparer = PreparerWithText(false);
    const vl::Validation result = preparer.PrepareImage(image);
    EXPECT_TRUE(result.ok) << result.message;
    const vl::PreparedPicture& picture = vl::ImageRuntimeOf(image).picture;
    EXPECT_EQ(picture.Width(), 16);
    EXPECT_EQ(picture.Height(), 32);
    EXPECT_NE(picture.Bitmap(), nullptr);
}

TEST(PrepareObject, UnreadablePictureFailsWithItsFileNameAndKeepsTheOldBitmap) {
    ImageEntry image;
    image.fileName = "holiday.jpg";
    image.data = ByteBlock::Copy(kBmp24BottomUp.data(), kBmp24BottomUp.size());
    vl::ImagePreparer preparer = PreparerWithText(false);
    ASSERT_TRUE(preparer.PrepareImage(image).ok);
    const HBITMAP before = vl::ImageRuntimeOf(image).picture.Bitmap();

    const std::vector<std::uint8_t> damaged = {0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x02, 0xFF, 0xD9};
    image.data = ByteBlock::Copy(damaged.data(), damaged.size());
    const vl::Validation result = preparer.PrepareImage(image);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "holiday.jpg\ncannot be loaded.");
    EXPECT_EQ(vl::ImageRuntimeOf(image).picture.Bitmap(), before);
}

TEST(PrepareObject, TextObjectsGoToTheTextRenderer) {
    ImageEntry image;
    image.isText = 1;
    image.text = "Hello";
    int calls = 0;
    EXPECT_TRUE(PreparerWithText(true, &calls).PrepareImage(image).ok);
    EXPECT_EQ(calls, 1);
    const vl::Validation failed = PreparerWithText(false, &calls).PrepareImage(image);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.message, "Hello\ntext bitmap cannot be made.");
    EXPECT_EQ(calls, 2);
}

TEST(PrepareObject, PictureWithoutBytesAsksForAnImage) {
    ImageEntry image;
    const vl::Validation result = PreparerWithText(true).PrepareImage(image);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "You have to choose the image.");
}

}  // namespace
