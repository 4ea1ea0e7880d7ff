// The post-link step that gives a program image its fixed size: pads it, and can move the data of
// one bitmap resource to a fixed file offset so that later tools can patch the picture in place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tools/peimage/pe_image.h"

namespace vl::pe {

struct BitmapSlot {
    std::uint32_t resourceId = 0;  // a bitmap (RT_BITMAP) resource with a numeric id
    std::uint32_t offset = 0;      // file offset its data must start at
};

struct FixedSizeRequest {
    std::uint32_t size = 0;  // the exact length of the finished file
    std::optional<BitmapSlot> slot;
};

struct FixedSizeResult {
    std::string error;  // empty on success
    Bytes image;        // the finished file, exactly request.size bytes
    // How far the program's own content reaches and what it must not pass (the fixed size, or
    // the slot offset), so the caller can report the headroom or the overflow.
    std::uint32_t used = 0;
    std::uint32_t limit = 0;
    std::uint32_t overflow = 0;  // bytes too many when the content does not fit

    bool ok() const { return error.empty(); }
};

FixedSizeResult MakeFixedSize(const Bytes& image, const FixedSizeRequest& request);

}  // namespace vl::pe
