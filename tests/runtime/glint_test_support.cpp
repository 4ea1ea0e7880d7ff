#include "tests/runtime/glint_test_support.h"

#include <fstream>
#include <iterator>

#include "glint_paths.h"
#include "package/fixed_images.h"
#include "tests/programs/program_process.h"
#include "scene/entries.h"
#include "scene/scene_file.h"

namespace vl::test {
namespace {

void PutWord(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

std::vector<std::uint8_t> SolidBmp(int width, int height, COLORREF colour) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(rowBytes * height);
    std::vector<std::uint8_t> bmp = {'B', 'M'};
    PutWord(bmp, 54 + pixelBytes, 4);
    PutWord(bmp, 0, 4);
    PutWord(bmp, 54, 4);
    PutWord(bmp, 40, 4);
    PutWord(bmp, static_cast<std::uint32_t>(width), 4);
    PutWord(bmp, static_cast<std::uint32_t>(height), 4);
    PutWord(bmp, 1, 2);
    PutWord(bmp, 24, 2);
    for (int i = 0; i < 6; ++i)
        PutWord(bmp, 0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bmp.push_back(GetBValue(colour));
            bmp.push_back(GetGValue(colour));
            bmp.push_back(GetRValue(colour));
        }
        for (int pad = width * 3; pad < rowBytes; ++pad)
            bmp.push_back(0);
    }
    return bmp;
}

void AddShownPicture(EntryList& entries, const std::vector<std::uint8_t>& picture,
                     const std::string& name, int x, int y) {
    auto image = std::make_unique<ImageEntry>();
    image->fileName = name;
    image->data = ByteBlock::Copy(picture.data(), picture.size());
    ImageEntry* object = image.get();
    entries.Append(std::move(image));
    auto show = std::make_unique<ShowEntry>();
    show->params.motion.startX = x;
    show->params.motion.startY = y;
    show->SetObject(object);
    entries.Append(std::move(show));
}

bool WriteRuntimeOnly(const std::string& path) {
    const std::vector<std::uint8_t> runtime = ReadWholeFile(WindowsPath(VL_GLINT_PATH));
    return runtime.size() == kRuntimeImageSize && WriteBytes(path, runtime);
}

bool WriteScreenSaver(const std::string& path, EntryList& entries,
                      const std::vector<std::uint8_t>* customPreview) {
    std::vector<std::uint8_t> file = ReadWholeFile(WindowsPath(VL_GLINT_PATH));
    if (file.size() != kRuntimeImageSize)
        return false;
    if (customPreview) {
        if (customPreview->size() != PreviewBitmapSlot::kSize)
            return false;
        std::copy(customPreview->begin(), customPreview->end(),
                  file.begin() + PreviewBitmapSlot::kOffset);
    }
    const std::vector<std::uint8_t> scene = SaveSceneFile(entries);
    if (scene.empty())
        return false;
    PutWord(file, kScenePayloadLeadWord, kLeadWordSize);
    file.insert(file.end(), scene.begin(), scene.end());
    return WriteBytes(path, file);
}

std::string TestFolder() {
    return WindowsPath(VL_RUNTIME_TEST_DIR) + "\\";
}

}  // namespace vl::test
