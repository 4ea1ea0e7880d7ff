// Scene reader under hostile input: reading must end cleanly whatever the bytes, and whatever
// it accepts must describe, check and save, and read back to the same bytes. Reading the same
// bytes as they arrive in small pieces must come to the same result.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "scene/entries.h"
#include "scene/nesting.h"
#include "scene/portable_preparer.h"
#include "scene/scene_check.h"
#include "scene/scene_file.h"

namespace {

// Hands the input over a few bytes at a time, however much the reader asks for.
class TrickleSource : public vl::ByteSource {
  public:
    TrickleSource(const std::uint8_t* data, vl::SharedBytes buffer, std::size_t step)
        : data_(data), buffer_(std::move(buffer)), step_(step) {}
    std::size_t Reach(std::size_t end) override {
        end = std::min(end, buffer_->size());
        if (filled_ < end) {
            const std::size_t piece = std::max(end - filled_, step_);
            const std::size_t count = std::min(piece, buffer_->size() - filled_);
            std::memcpy(buffer_->data() + filled_, data_ + filled_, count);
            filled_ += count;
        }
        return filled_;
    }

  private:
    const std::uint8_t* data_;
    vl::SharedBytes buffer_;
    std::size_t step_;
    std::size_t filled_ = 0;
};

void ExpectSameWhenArriving(const std::uint8_t* data, std::size_t size,
                            const vl::SceneReadResult& result, const vl::EntryList& entries) {
    vl::SharedBytes buffer = vl::ByteBuffer::Allocate(size);
    if (!buffer) {
        return;
    }
    std::memset(buffer->data(), 0xCC, size);  // bytes that did not arrive yet
    TrickleSource source(data, buffer, 1 + (size ? data[size - 1] % 61 : 0));
    vl::EntryList arrived;
    const vl::SceneReadResult again = vl::ReadSceneFile(buffer, source, arrived);
    if (again.status != result.status || again.message != result.message ||
        arrived.Count() != entries.Count()) {
        std::abort();
    }
}

// The input as a screen saver's mapped file holds it: picture blocks stay scrambled in it, and
// the scene read from it must still save to the same file.
void ExpectSameWhenMapped(const std::uint8_t* data, std::size_t size,
                          const vl::SceneReadResult& result, vl::EntryList& entries) {
    vl::EntryList mapped;
    const vl::SceneReadResult again = vl::ReadSceneFile(
        vl::ByteBuffer::ReadOnly(data, size, std::make_unique<vl::ByteBuffer::Keeper>()), mapped);
    if (again.status != result.status || again.message != result.message ||
        mapped.Count() != entries.Count()) {
        std::abort();
    }
    if (again.ok() && vl::SaveSceneFile(mapped) != vl::SaveSceneFile(entries)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vl::EntryList entries;
    const vl::SceneReadResult result = vl::ReadSceneFile(data, size, entries);
    ExpectSameWhenArriving(data, size, result, entries);
    ExpectSameWhenMapped(data, size, result, entries);
    if (!result.ok()) {
        // Refused or malformed files leave nothing behind.
        if (!entries.Empty() || (result.status == vl::SceneReadStatus::kMalformed &&
                                 result.message != "Unexpected file format.")) {
            std::abort();
        }
        return 0;
    }
    vl::ComputeNesting(entries, 2);
    (void)vl::ExportSceneText(entries);
    vl::PortablePreparer preparer;
    (void)vl::CheckScene(entries, preparer);

    const std::vector<std::uint8_t> saved = vl::SaveSceneFile(entries);
    vl::EntryList again;
    if (!vl::ReadSceneFile(saved.data(), saved.size(), again).ok() ||
        again.Count() != entries.Count() || vl::SaveSceneFile(again) != saved) {
        std::abort();
    }
    return 0;
}
