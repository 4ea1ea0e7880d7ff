// Reading a scene from bytes that must not be written (a screen saver's own file, mapped): picture
// blocks stay scrambled where they lie and are restored only when read; media are restored at once.
#include <gtest/gtest.h>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/mman.h>
#endif

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "scene/byte_stream.h"
#include "scene/entries.h"
#include "scene/scene_file.h"

namespace vl {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Pattern(std::size_t size, unsigned seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 37 + seed) ^ (i >> 7));
    return bytes;
}

// A copy of the bytes in pages the process may only read: a write through them ends the test
// with a fault, as it would end a screen saver whose file is mapped for reading.
class ReadOnlyPages final : public ByteBuffer::Keeper {
  public:
    ReadOnlyPages(const Bytes& bytes, int* released) : size_(bytes.size()), released_(released) {
#if defined(_WIN32)
        pages_ = VirtualAlloc(nullptr, size_, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (!pages_)
            return;
        std::memcpy(pages_, bytes.data(), size_);
        DWORD old = 0;
        VirtualProtect(pages_, size_, PAGE_READONLY, &old);
#else
        pages_ = mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (pages_ == MAP_FAILED) {
            pages_ = nullptr;
            return;
        }
        std::memcpy(pages_, bytes.data(), size_);
        mprotect(pages_, size_, PROT_READ);
#endif
    }
    ~ReadOnlyPages() override {
#if defined(_WIN32)
        if (pages_)
            VirtualFree(pages_, 0, MEM_RELEASE);
#else
        if (pages_)
            munmap(pages_, size_);
#endif
        ++*released_;
    }
    const std::uint8_t* Data() const {
        return static_cast<const std::uint8_t*>(pages_);
    }

  private:
    void* pages_ = nullptr;
    std::size_t size_;
    int* released_;
};

SharedBytes ReadOnlyBuffer(const Bytes& bytes, int* released) {
    auto pages = std::make_unique<ReadOnlyPages>(bytes, released);
    const std::uint8_t* data = pages->Data();
    if (!data)
        return nullptr;
    return ByteBuffer::ReadOnly(data, bytes.size(), std::move(pages));
}

ByteBlock Kept(const Bytes& plain) {
    auto stored = std::make_shared<Bytes>(plain);
    ScrambleInPlace(stored->data(), stored->size());
    const std::uint8_t* start = stored->data();
    return ByteBlock::KeptScrambled(std::shared_ptr<const std::uint8_t>(stored, start),
                                    plain.size());
}

bool Holds(const ByteBlock& block, const Bytes& bytes) {
    return std::equal(block.begin(), block.end(), bytes.begin(), bytes.end());
}

struct Scene {
    Bytes picture = Pattern(300001, 4);  // shift 3
    Bytes media = Pattern(70000, 8);     // shift 7
    Bytes file;
};

Scene WriteScene() {
    Scene scene;
    EntryList list;
    auto image = std::make_unique<ImageEntry>();
    image->fileName = "photo.jpg";
    image->data = ByteBlock::Copy(scene.picture.data(), scene.picture.size());
    auto text = std::make_unique<ImageEntry>();
    text->isText = 1;
    text->text = "Good night";
    auto sound = std::make_unique<MultimediaEntry>();
    sound->fileName = "chime.wav";
    sound->data = ByteBlock::Copy(scene.media.data(), scene.media.size());
    auto show = std::make_unique<ShowEntry>();
    show->SetObject(image.get());
    auto play = std::make_unique<PlayEntry>();
    play->SetObject(sound.get());
    list.Append(std::move(image));
    list.Append(std::move(text));
    list.Append(std::move(sound));
    list.Append(std::move(show));
    list.Append(std::move(play));
    scene.file = SaveSceneFile(list);
    return scene;
}

TEST(KeptBlock, RestoresWithTheWholeBlocksShiftWhereverItStops) {
    const Bytes plain = Pattern(1000, 1);  // shift 3; a prefix of 10 bytes would have 13
    const ByteBlock kept = Kept(plain);
    ASSERT_TRUE(kept.Scrambled());
    EXPECT_FALSE(Holds(kept, plain));

    const ByteBlock whole = kept.Plain();
    EXPECT_FALSE(whole.Scrambled());
    EXPECT_TRUE(Holds(whole, plain));
    for (std::size_t count : {std::size_t{0}, std::size_t{1}, std::size_t{10}, std::size_t{999}}) {
        const ByteBlock head = kept.PlainPrefix(count);
        EXPECT_TRUE(Holds(head, Bytes(plain.begin(), plain.begin() + static_cast<long>(count))))
            << count;
    }
    EXPECT_TRUE(Holds(kept.PlainPrefix(5000), plain));

    const ByteBlock same = ByteBlock::Copy(plain.data(), plain.size());
    EXPECT_TRUE(kept.SameBytes(same));
    EXPECT_TRUE(same.SameBytes(kept));
    Bytes other = plain;
    other[500] ^= 1;
    EXPECT_FALSE(kept.SameBytes(ByteBlock::Copy(other.data(), other.size())));
    EXPECT_FALSE(kept.SameBytes(ByteBlock::Copy(plain.data(), plain.size() - 1)));

    // A plain block's prefix shares its bytes.
    EXPECT_EQ(same.PlainPrefix(10).data(), same.data());
    EXPECT_EQ(same.PlainPrefix(10).size(), 10u);
}

TEST(ReadOnlyScene, PicturesStayScrambledInTheFileMediaAndTextsAreRestored) {
    const Scene scene = WriteScene();
    int released = 0;
    EntryList read;
    {
        SharedBytes buffer = ReadOnlyBuffer(scene.file, &released);
        ASSERT_TRUE(buffer);
        EXPECT_FALSE(buffer->writable());
        ASSERT_TRUE(ReadSceneFile(std::move(buffer), read).ok());
    }
    ASSERT_EQ(read.Count(), 5u);
    const auto& image = static_cast<const ImageEntry&>(read.At(0));
    EXPECT_EQ(image.fileName, "photo.jpg");
    EXPECT_TRUE(image.data.Scrambled());
    EXPECT_EQ(image.data.size(), scene.picture.size());
    EXPECT_TRUE(Holds(image.data.Plain(), scene.picture));
    EXPECT_EQ(static_cast<const ImageEntry&>(read.At(1)).text, "Good night");
    const auto& sound = static_cast<const MultimediaEntry&>(read.At(2));
    EXPECT_FALSE(sound.data.Scrambled());
    EXPECT_TRUE(Holds(sound.data, scene.media));
    EXPECT_EQ(read.At(3).GetLinkedObject(), &read.At(0));
    EXPECT_EQ(read.At(4).GetLinkedObject(), &read.At(2));

    // Saved again (as a copy and paste does), the restored bytes are written, not the stored.
    EXPECT_EQ(SaveSceneFile(read), scene.file);

    // The mapped bytes are given back only with the last block that points into them.
    const ByteBlock picture = image.data;
    read.Clear();
    EXPECT_EQ(released, 0);
    EXPECT_TRUE(Holds(picture.Plain(), scene.picture));
}

TEST(ReadOnlyScene, ReleasedWhenTheSceneGoesAndMalformedWhenCut) {
    const Scene scene = WriteScene();
    int released = 0;
    {
        EntryList read;
        ASSERT_TRUE(ReadSceneFile(ReadOnlyBuffer(scene.file, &released), read).ok());
    }
    EXPECT_EQ(released, 1);

    // Cut inside the picture block, and just after it: nothing is kept, nothing is written.
    for (std::size_t cut : {scene.file.size() / 2, scene.file.size() - 10}) {
        const Bytes shorter(scene.file.begin(), scene.file.begin() + static_cast<long>(cut));
        EntryList read;
        const SceneReadResult result = ReadSceneFile(ReadOnlyBuffer(shorter, &released), read);
        EXPECT_EQ(result.status, SceneReadStatus::kMalformed) << cut;
        EXPECT_EQ(read.Count(), 0u) << cut;
    }
    EXPECT_EQ(released, 3);
}

}  // namespace
}  // namespace vl
