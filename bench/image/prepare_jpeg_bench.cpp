// Preparing a 12-megapixel JPEG for play (decoding plus the display bitmap) against decoding it
// alone; the goal is at most 1.5 times. The picture is made here: a smooth photo-like pattern
// with grain, written at quality 90.
//
//   tools/wine-run build/<dir>/bench/image/bench_prepare_jpeg.exe [width height rounds]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/image/image_preparer.h"
#include "engine/image/image_runtime.h"
#include "engine/image/jpeg_codec.h"
#include "engine/image/sec_dib.h"

namespace {

double Seconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::vector<std::uint8_t> MakePhoto(int width, int height) {
    SECDib image;
    if (!image.Create(width, height, 24))
        return {};
    unsigned noise = 12345;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = image.Row(y);
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int grain = static_cast<int>((noise >> 16) & 15) - 8;
            const int sky = 255 * y / height, land = 255 * x / width;
            row[3 * x] = static_cast<std::uint8_t>(std::abs((sky + grain) % 256));
            row[3 * x + 1] = static_cast<std::uint8_t>(std::abs(((sky + land) / 2 + grain) % 256));
            row[3 * x + 2] = static_cast<std::uint8_t>(std::abs((land + grain) % 256));
        }
    }
    std::vector<std::uint8_t> jpeg;
    vl::EncodeJpeg(image, 90, jpeg);
    return jpeg;
}

}  // namespace

int main(int argc, char** argv) {
    const int width = argc > 2 ? std::atoi(argv[1]) : 4000;
    const int height = argc > 2 ? std::atoi(argv[2]) : 3000;
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 3;
    const std::vector<std::uint8_t> jpeg = MakePhoto(width, height);
    if (jpeg.empty()) {
        std::printf("could not make the test picture\n");
        return 1;
    }
    vl::ImageEntry image;
    image.fileName = "photo.jpg";
    image.data = vl::ByteBlock::Copy(jpeg.data(), jpeg.size());
    vl::ImagePreparer preparer([](vl::ImageEntry&) { return false; });

    double bestDecode = 1e9, bestPrepare = 1e9;
    for (int round = 0; round < rounds; ++round) {
        double start = Seconds();
        SECDib decoded;
        if (!vl::DecodeJpeg(jpeg.data(), jpeg.size(), decoded))
            return 1;
        const double decode = Seconds() - start;
        decoded.Clear();

        start = Seconds();
        if (!preparer.PrepareImage(image).ok)
            return 1;
        const double prepare = Seconds() - start;
        vl::ImageRuntimeOf(image).picture.Clear();

        if (decode < bestDecode)
            bestDecode = decode;
        if (prepare < bestPrepare)
            bestPrepare = prepare;
        std::printf("round %d: decode %.3f s, prepare %.3f s\n", round + 1, decode, prepare);
    }
    const double ratio = bestPrepare / bestDecode;
    std::printf("%d x %d JPEG of %u bytes: decode %.3f s, prepare for play %.3f s (best of %d)\n",
                width, height, static_cast<unsigned>(jpeg.size()), bestDecode, bestPrepare, rounds);
    std::printf("ratio prepare/decode: %.2f (goal at most 1.50): %s\n", ratio,
                ratio <= 1.5 ? "met" : "MISSED");
    return 0;
}
