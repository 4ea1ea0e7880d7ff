// What the end-to-end tests of Glint are made of: screen savers written from scenes built here and
// pictures made by hand. The screen's pixels and the user's input come from tests/support.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "scene/entry_list.h"

namespace vl::test {

// A 24-bit bottom-up BMP file of one colour.
std::vector<std::uint8_t> SolidBmp(int width, int height, COLORREF colour);

// Appends an Image with the picture bytes and a Show of it at (x, y); returns the Image.
void AddShownPicture(EntryList& entries, const std::vector<std::uint8_t>& picture,
                     const std::string& name, int x, int y);

// Writes Glint's finished image, the lead word 1 and the scene file of entries to path (a
// Windows path); false on failure. With customPreview (PreviewBitmapSlot::kSize bytes) the preview
// bitmap slot is replaced as the builder does it.
bool WriteScreenSaver(const std::string& path, EntryList& entries,
                      const std::vector<std::uint8_t>* customPreview = nullptr);
// Only Glint's image, as the build made it.
bool WriteRuntimeOnly(const std::string& path);

// Where the tests put their screen savers (a Windows path ending in a backslash).
std::string TestFolder();

}  // namespace vl::test
