// "ImageCursor.tmp" in the user's temporary folder: where a drag's source leaves its image for
// the targets.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>

#include "editor/core/drag_image_file.h"

namespace vl {

std::string DragImagePath();
// Written by this process; false when the file could not be written (the drag goes on).
bool SaveDragImage(const DragImage& image);
// The image written by process, none when missing, damaged or another's.
std::optional<DragImage> LoadDragImage(DWORD process);
void DeleteDragImage();
// The first image of list (masked) as a strip; none when it cannot be read.
std::optional<DragImage> ImageOfList(HIMAGELIST list, COLORREF mask);

}  // namespace vl
