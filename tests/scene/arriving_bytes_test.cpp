// Reading a scene while its file is still arriving: the uninitialised buffer, and the reader fed
// piece by piece by a source, which must give exactly what reading the whole buffer gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tests/scene/hand_bytes.h"
#include "scene/entries.h"
#include "scene/messages.h"
#include "scene/scene_file.h"

namespace vl {
namespace {

using test::HandBytes;
using Bytes = std::vector<std::uint8_t>;

// Copies `whole` into the buffer in steps of at most `step` bytes, never past `limit` (a file that
// ended early). Bytes not handed over yet hold a filler, so reading them shows.
class TrickleSource : public ByteSource {
  public:
    TrickleSource(const Bytes& whole, std::size_t step, std::size_t limit)
        : whole_(whole), step_(step), limit_(std::min(limit, whole.size())) {
        buffer_ = ByteBuffer::Allocate(whole.size());
        std::fill(buffer_->data(), buffer_->data() + buffer_->size(), 0xCC);
    }
    std::size_t Reach(std::size_t end) override {
        highest_ = std::max(highest_, end);
        end = std::min(end, limit_);
        while (filled_ < end) {
            const std::size_t piece = std::min(step_, end - filled_);
            std::memcpy(buffer_->data() + filled_, whole_.data() + filled_, piece);
            filled_ += piece;
        }
        return filled_;
    }
    const SharedBytes& Buffer() const { return buffer_; }
    std::size_t Highest() const { return highest_; }

  private:
    const Bytes& whole_;
    SharedBytes buffer_;
    std::size_t step_;
    std::size_t limit_;
    std::size_t filled_ = 0;
    std::size_t highest_ = 0;
};

Bytes Pattern(std::size_t size, unsigned seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * 31 + seed) ^ (i >> 9));
    }
    return bytes;
}

// A picture and a medium large enough to span several of the reader's pieces, with users.
void BuildScene(EntryList& list, const Bytes& picture, const Bytes& media) {
    auto image = std::make_unique<ImageEntry>();
    image->fileName = "big.bmp";
    image->data = ByteBlock::Copy(picture.data(), picture.size());
    auto clip = std::make_unique<MultimediaEntry>();
    clip->fileName = "clip.avi";
    clip->mediaType = MultimediaEntry::kTypeAvi;
    clip->data = ByteBlock::Copy(media.data(), media.size());
    auto show = std::make_unique<ShowEntry>();
    show->SetObject(image.get());
    auto play = std::make_unique<PlayEntry>();
    play->SetObject(clip.get());
    auto comment = std::make_unique<CommentEntry>();
    comment->text = "between the blocks";
    list.Append(std::move(image));
    list.Append(std::move(comment));
    list.Append(std::move(clip));
    list.Append(std::move(show));
    list.Append(std::move(play));
}

TEST(ByteBuffer, HoldsEveryByteOfSmallAndLargeBlocks) {
    for (std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{4095}, (std::size_t{2} << 20) - 1,
          std::size_t{2} << 20, (std::size_t{3} << 20) + 5}) {
        SharedBytes buffer = ByteBuffer::Allocate(size);
        ASSERT_TRUE(buffer) << size;
        ASSERT_EQ(buffer->size(), size);
        ASSERT_NE(buffer->data(), nullptr);
        const Bytes pattern = Pattern(size, 3);
        std::copy(pattern.begin(), pattern.end(), buffer->data());
        EXPECT_TRUE(std::equal(buffer->begin(), buffer->end(), pattern.begin(), pattern.end()))
            << size;
        SharedBytes copy = ByteBuffer::Copy(pattern.data(), pattern.size());
        ASSERT_TRUE(copy);
        EXPECT_TRUE(std::equal(copy->begin(), copy->end(), pattern.begin(), pattern.end())) << size;
    }
}

TEST(ByteBuffer, BlocksReadFromItKeepItAlive) {
    EntryList written;
    const Bytes picture = Pattern(3u << 20, 1);
    BuildScene(written, picture, Pattern(100, 2));
    const Bytes file = SaveSceneFile(written);
    EntryList read;
    {
        SharedBytes buffer = ByteBuffer::Copy(file.data(), file.size());
        ASSERT_TRUE(ReadSceneFile(std::move(buffer), read).ok());
    }
    const auto& image = static_cast<const ImageEntry&>(read.At(0));
    EXPECT_TRUE(std::equal(image.data.begin(), image.data.end(), picture.begin(), picture.end()));
}

TEST(ArrivingScene, PieceByPieceGivesWhatTheWholeBufferGives) {
    EntryList written;
    // 700,001 and 600,003 bytes: several pieces each, shifts 12 and 6.
    const Bytes picture = Pattern(700001, 5);
    const Bytes media = Pattern(600003, 9);
    BuildScene(written, picture, media);
    const Bytes file = SaveSceneFile(written);
    ASSERT_FALSE(file.empty());

    for (std::size_t step :
         {std::size_t{1}, std::size_t{7}, std::size_t{4096}, std::size_t{300000}, file.size()}) {
        TrickleSource source(file, step, file.size());
        EntryList read;
        const SceneReadResult result = ReadSceneFile(source.Buffer(), source, read);
        ASSERT_TRUE(result.ok()) << step;
        ASSERT_EQ(read.Count(), 5u) << step;
        const auto& image = static_cast<const ImageEntry&>(read.At(0));
        const auto& clip = static_cast<const MultimediaEntry&>(read.At(2));
        EXPECT_TRUE(
            std::equal(image.data.begin(), image.data.end(), picture.begin(), picture.end()))
            << step;
        EXPECT_TRUE(std::equal(clip.data.begin(), clip.data.end(), media.begin(), media.end()))
            << step;
        EXPECT_EQ(static_cast<const CommentEntry&>(read.At(1)).text, "between the blocks");
        EXPECT_EQ(read.At(3).GetLinkedObject(), &read.At(0));
        EXPECT_EQ(read.At(4).GetLinkedObject(), &read.At(2));
        EXPECT_EQ(SaveSceneFile(read), file) << step;
    }
}

TEST(ArrivingScene, BytesAfterTheLinkSectionAreNeverAskedFor) {
    EntryList written;
    BuildScene(written, Pattern(1000, 1), Pattern(1000, 2));
    const Bytes scene = SaveSceneFile(written);
    // Four bytes before the scene, and megabytes of whatever follows it in its file.
    Bytes file(4 + scene.size() + (2u << 20), 0xEE);
    std::fill_n(file.begin(), 4, 0);
    std::copy(scene.begin(), scene.end(), file.begin() + 4);

    TrickleSource source(file, 4096, file.size());
    EntryList read;
    ASSERT_TRUE(ReadSceneFile(source.Buffer(), source, read, 4).ok());
    EXPECT_EQ(read.Count(), 5u);
    // The reader asks a piece ahead, never the megabytes that follow.
    EXPECT_LT(source.Highest(), 4 + scene.size() + (512u << 10));
}

TEST(ArrivingScene, AFileThatEndsEarlyIsRefusedOrMalformedWhereItEnds) {
    EntryList written;
    BuildScene(written, Pattern(700001, 5), Pattern(1000, 9));
    const Bytes file = SaveSceneFile(written);

    // Inside the header: refused, the open scene stays.
    for (std::size_t limit : {std::size_t{0}, std::size_t{10}, std::size_t{19}}) {
        TrickleSource source(file, 4096, limit);
        EntryList read;
        read.Append(std::make_unique<CommentEntry>());
        const SceneReadResult result = ReadSceneFile(source.Buffer(), source, read);
        EXPECT_EQ(result.status, SceneReadStatus::kRefused) << limit;
        EXPECT_EQ(read.Count(), 1u) << limit;
    }
    // After the header: in the count, inside the large block, just before the last byte.
    for (std::size_t limit : {std::size_t{21}, std::size_t{300000}, file.size() - 1}) {
        TrickleSource source(file, 4096, limit);
        EntryList read;
        const SceneReadResult result = ReadSceneFile(source.Buffer(), source, read);
        EXPECT_EQ(result.status, SceneReadStatus::kMalformed) << limit;
        EXPECT_EQ(result.message, msg::kUnexpectedFileFormat) << limit;
        EXPECT_EQ(read.Count(), 0u) << limit;
    }
}

TEST(ArrivingScene, ReaderPrimitivesFailWhereTheSourceEnds) {
    HandBytes bytes;
    bytes.Dword(0x11223344).ShortText("abc").Scrambled({1, 2, 3, 4, 5}).Dword(7);
    TrickleSource source(bytes.bytes, 1, bytes.bytes.size() - 2);
    ByteReader in(source.Buffer(), 0, source);
    std::size_t available = 0;
    const std::uint8_t* ahead = in.Peek(100, available);
    EXPECT_EQ(available, bytes.bytes.size() - 2);  // only what arrived, reading not failed
    ASSERT_NE(ahead, nullptr);
    EXPECT_EQ(ahead[0], 0x44);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.ReadDword(), 0x11223344u);
    EXPECT_EQ(in.ReadText(), "abc");
    const ByteBlock block = in.ReadScrambledBlock(5);
    EXPECT_EQ(Bytes(block.begin(), block.end()), (Bytes{1, 2, 3, 4, 5}));
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.ReadDword(), 0u);
    EXPECT_FALSE(in.ok());
}

}  // namespace
}  // namespace vl
