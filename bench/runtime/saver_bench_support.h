// What the screen-saver benchmarks share: a screen saver file made of Glint's image and a scene,
// and the photos and screen reading of bench/support/screen_photos.h.
#pragma once

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/support/screen_photos.h"
#include "bench_paths.h"
#include "package/fixed_images.h"
#include "scene/entries.h"
#include "scene/scene_file.h"

namespace vl_bench {

// Streams what a ByteWriter hands on into a file.
class FileSink final : public vl::ByteSink {
  public:
    explicit FileSink(std::ofstream& out) : out_(out) {}
    bool Put(const std::uint8_t* data, std::size_t size) override {
        out_.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return static_cast<bool>(out_);
    }

  private:
    std::ofstream& out_;
};

// Glint's finished image followed by the scene, as the packager writes a screen saver. The scene
// is streamed: a 32-bit benchmark could not hold a large slideshow's file beside its photos.
inline bool WriteSaver(const std::string& path, vl::EntryList& entries) {
    std::ifstream in(WindowsPath(VL_GLINT_PATH), std::ios::binary);
    std::vector<std::uint8_t> file(std::istreambuf_iterator<char>(in), {});
    if (file.size() != vl::kRuntimeImageSize)
        return false;
    const std::uint8_t lead[4] = {1, 0, 0, 0};
    file.insert(file.end(), lead, lead + 4);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    FileSink sink(out);
    vl::ByteWriter writer(sink);
    return vl::WriteSceneFile(entries, writer) && writer.Flush() && static_cast<bool>(out);
}

}  // namespace vl_bench
