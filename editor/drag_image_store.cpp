#include "editor/drag_image_store.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "framework/dib_section.h"
#include "framework/handles.h"

namespace vl {

std::string DragImagePath() {
    char folder[MAX_PATH + 1] = "";
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length > MAX_PATH)
        return std::string();
    return std::string(folder) + kDragImageFileName;
}

bool SaveDragImage(const DragImage& image) {
    const std::vector<std::uint8_t> bytes = WriteDragImage(image, GetCurrentProcessId());
    std::ofstream file(DragImagePath(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

std::optional<DragImage> LoadDragImage(DWORD process) {
    std::ifstream file(DragImagePath(), std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    return ReadDragImage(bytes.data(), bytes.size(), process);
}

void DeleteDragImage() {
    DeleteFileA(DragImagePath().c_str());
}

std::optional<DragImage> ImageOfList(HIMAGELIST list, COLORREF mask) {
    int width = 0, height = 0;
    if (!list || !ImageList_GetIconSize(list, &width, &height) || width <= 0 || height <= 0)
        return std::nullopt;
    HDC dc = CreateCompatibleDC(nullptr);
    const DibSection bitmap = MakeTopDownDib(dc, width, height);
    if (!bitmap) {
        DeleteDC(dc);
        return std::nullopt;
    }
    const HGDIOBJ old = SelectObject(dc, bitmap.bitmap.Get());
    RECT all{0, 0, width, height};
    BrushHandle background(CreateSolidBrush(mask));
    FillRect(dc, &all, background.Get());
    ImageList_Draw(list, 0, dc, 0, 0, ILD_TRANSPARENT);
    GdiFlush();
    SelectObject(dc, old);
    DeleteDC(dc);
    DragImage image;
    image.width = width;
    image.height = height;
    const std::uint32_t* pixels = bitmap.pixels;
    for (int i = 0; i < width * height; ++i)
        image.pixels.push_back(pixels[i] & 0x00FFFFFF);
    return image;
}

}  // namespace vl
