// Prints what the linked libjpeg makes of each JPEG file named on the command line, in both
// layouts the programs decode to: "<file> <width>x<height> <digest of the 24-bit pixels> <digest
// of the 32-bit pixels>", or "<file> fails". Built once with each libjpeg build, so that a test
// can compare the two outputs.
#include <cinttypes>
#include <cstdio>
#include <vector>

#include "engine/image/jpeg_codec.h"
#include "engine/image/sec_dib.h"
#include "engine/image/sec_file_system.h"

namespace {

std::uint64_t Digest(const SECImage& image) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (std::size_t i = 0; i < image.BitsSize(); ++i)
        hash = (hash ^ image.Bits()[i]) * 1099511628211ull;
    return hash;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::vector<std::uint8_t> bytes;
        SECDib threeBytes, fourBytes;
        if (!SECFileSystem::ReadFileBytes(argv[i], bytes) ||
            !vl::DecodeJpeg(bytes.data(), bytes.size(), threeBytes) ||
            !vl::DecodeJpegForDisplay(bytes.data(), bytes.size(), fourBytes)) {
            std::printf("%s fails\n", argv[i]);
            continue;
        }
        std::printf("%s %dx%d %016" PRIx64 " %016" PRIx64 "\n", argv[i], threeBytes.Width(),
                    threeBytes.Height(), Digest(threeBytes), Digest(fourBytes));
    }
    return 0;
}
