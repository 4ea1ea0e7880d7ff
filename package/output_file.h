// Where made files are written: appended in order, with one patch into what is already there
// (the preview picture goes into the runtime image after the scene has been appended).
#pragma once

#include <cstddef>
#include <cstdint>

namespace vl {

class OutputFile {
  public:
    virtual ~OutputFile() = default;
    // Appends size bytes at the end; false when not all of them were stored.
    virtual bool Append(const void* data, std::size_t size) = 0;
    // Overwrites size bytes at offset. The range must lie within what was appended; false
    // otherwise, or when the write fails.
    virtual bool WriteAt(std::uint64_t offset, const void* data, std::size_t size) = 0;
    // Bytes appended so far.
    virtual std::uint64_t Size() const = 0;
};

}  // namespace vl
