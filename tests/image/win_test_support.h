// Helpers for the display-side image tests: a folder of their own in the temporary folder, and
// reading a prepared bitmap's pixels back.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "image_bitmap.h"
#include "sec_dib.h"
#include "sec_file_system.h"

// A fresh folder under the temporary folder, removed with its files at the end.
class ScratchFolder {
  public:
    ScratchFolder() {
        char base[MAX_PATH], name[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        GetTempFileNameA(base, "img", 0, name);  // a unique name, made as a file
        DeleteFileA(name);
        CreateDirectoryA(name, nullptr);
        path_ = name;
    }
    ~ScratchFolder() {
        for (const std::string& file : Files())
            DeleteFileA((path_ + "\\" + file).c_str());
        RemoveDirectoryA(path_.c_str());
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path(const std::string& file) const { return path_ + "\\" + file; }
    std::string Write(const std::string& file, const std::vector<std::uint8_t>& bytes) const {
        SECFileSystem::WriteFileBytes(Path(file), bytes);
        return Path(file);
    }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

  private:
    std::string path_;
};

// The bitmap's pixels as a 24-bit image.
inline SECDib PixelsOf(HBITMAP bitmap) {
    SECDib image;
    HDC screen = GetDC(nullptr);
    vl::CreateImageFromBitmap(image, bitmap, screen);
    ReleaseDC(nullptr, screen);
    return image;
}

// Red, green, blue of the pixel at (x, y) counted from the top-left corner.
inline COLORREF ColourAt(const SECImage& image, int x, int y) {
    const std::uint8_t* pixel = image.Row(image.Height() - 1 - y) + 3 * x;
    return RGB(pixel[2], pixel[1], pixel[0]);
}
