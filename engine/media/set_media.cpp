#include "engine/media/set_media.h"

#include <windows.h>
#include <shellapi.h>

#include "framework/data_files.h"
#include "engine/media/media_kind.h"
#include "framework/prompt.h"

namespace vl {

int SetMedia(MultimediaEntry& media, const std::string& fileName) {
    media.data = ByteBlock();
    FileBlock block = ReadWholeFile(fileName);
    if (!block.read)
        return 0;
    media.data = ByteBlock::Adopt(std::move(block.bytes));
    SHFILEINFOA info = {};
    if (SHGetFileInfoA(fileName.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME) &&
        info.szDisplayName[0]) {
        media.fileName = info.szDisplayName;
    } else {
        media.fileName = FileNamePart(fileName);
    }
    media.mediaType = MediaTypeOfFile(fileName);
    return 1;
}

}  // namespace vl
