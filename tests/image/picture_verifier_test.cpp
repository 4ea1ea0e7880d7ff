// The background check of a scene's pictures: what decodes is remembered for the check before a
// preview, what fails is left to it, and a picture deleted while it waits is neither decoded nor
// kept alive.
#include "engine/image/core/picture_verifier.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/image/sec_file_system.h"
#include "scene/entries.h"
#include "tests/image/bmp_vectors.h"

namespace vl {
namespace {

ImageEntry* AddPicture(EntryList& entries, const std::vector<std::uint8_t>& bytes) {
    auto image = std::make_unique<ImageEntry>();
    image->fileName = "p" + std::to_string(entries.Count()) + ".bmp";
    image->data = ByteBlock::Copy(bytes.data(), bytes.size());
    ImageEntry* added = image.get();
    entries.Append(std::move(image));
    return added;
}

// Holds the worker at its start until opened.
class Gate {
  public:
    void Pass() {
        std::unique_lock<std::mutex> lock(mutex_);
        opened_.wait(lock, [this] { return open_; });
    }
    void Open() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            open_ = true;
        }
        opened_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = false;
};

TEST(PictureVerifier, RemembersWhatDecodesAndLeavesFailuresAndTextsToTheCheck) {
    std::vector<std::uint8_t> jpeg;
    SECFileSystem::ReadFileBytes(std::string(VL_FUZZ_CORPUS) + "/jpeg_decode/libjpeg-testorig.jpg",
                                 jpeg);
    ASSERT_FALSE(jpeg.empty());
    const std::vector<std::uint8_t> cut(kBmp24BottomUp.begin(), kBmp24BottomUp.end() - 4);
    EntryList entries;
    const ImageEntry* bmp = AddPicture(entries, kBmp24BottomUp);
    const ImageEntry* photo = AddPicture(entries, jpeg);
    const ImageEntry* damaged = AddPicture(entries, cut);
    auto text = std::make_unique<ImageEntry>();
    text->isText = 1;
    text->text = "Hello";
    entries.Append(std::move(text));
    entries.Append(std::make_unique<CommentEntry>());

    VerifiedPictures verified;
    PictureVerifier verifier(verified);
    verifier.Offer(entries);
    verifier.Offer(entries);  // offered again while waiting: nothing changes
    verifier.WaitUntilIdle();
    EXPECT_TRUE(verified.Contains(bmp->data));
    EXPECT_TRUE(verified.Contains(photo->data));
    EXPECT_FALSE(verified.Contains(damaged->data));
    EXPECT_EQ(verified.LiveCount(), 2u);

    // A picture added later is verified when offered.
    const ImageEntry* later = AddPicture(entries, kBmp24BottomUp);
    EXPECT_FALSE(verified.Contains(later->data));
    verifier.Offer(entries);
    verifier.WaitUntilIdle();
    EXPECT_TRUE(verified.Contains(later->data));
}

TEST(PictureVerifier, APictureDeletedWhileItWaitsIsNeitherKeptAliveNorDecoded) {
    Gate gate;
    VerifiedPictures verified;
    PictureVerifier verifier(verified, [&gate] { gate.Pass(); });
    EntryList entries;
    AddPicture(entries, kBmp24BottomUp);
    const ImageEntry* kept = AddPicture(entries, kBmp24BottomUp);
    const std::weak_ptr<const std::uint8_t> deletedBytes =
        static_cast<const ImageEntry&>(entries.At(0)).data.Watch();
    verifier.Offer(entries);
    entries.Destroy(0);
    EXPECT_TRUE(deletedBytes.expired());
    gate.Open();
    verifier.WaitUntilIdle();
    EXPECT_TRUE(verified.Contains(kept->data));
    EXPECT_EQ(verified.LiveCount(), 1u);
}

}  // namespace
}  // namespace vl
