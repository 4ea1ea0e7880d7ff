#include "framework/data_files.h"

#include <windows.h>

#include <new>

#include "framework/handles.h"
#include "framework/prompt.h"

namespace vl {
namespace {

FileBlock CannotRead(const std::string& path) {
    CurrentPrompt().Message(path + msg::kCannotReadDataSuffix, MessageIcon::Plain);
    return {};
}

std::string CannotMakeDataFile() {
    CurrentPrompt().Message(msg::kCannotMakeDataFile, MessageIcon::Plain);
    return {};
}

}  // namespace

FileBlock ReadWholeFile(const std::string& path) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return CannotRead(path);
    LARGE_INTEGER size;
    // One ReadFile call takes at most a DWORD of bytes.
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > MAXDWORD)
        return CannotRead(path);
    const DWORD wanted = static_cast<DWORD>(size.QuadPart);

    FileBlock block;
    try {
        block.bytes.resize(wanted);
    } catch (const std::bad_alloc&) {
        return CannotRead(path);
    }
    DWORD got = 0;
    if (!ReadFile(file.Get(), block.bytes.data(), wanted, &got, nullptr) || got != wanted)
        return CannotRead(path);
    block.read = true;
    return block;
}

std::string WriteTempDataFile(const void* data, std::size_t size) {
    if (size > MAXDWORD)
        return CannotMakeDataFile();
    char folder[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH)
        return CannotMakeDataFile();
    char path[MAX_PATH];
    // Makes the empty file, which reserves the unique name.
    if (!GetTempFileNameA(folder, "Ssd", 0, path))
        return CannotMakeDataFile();

    TemporaryFile owner;
    owner.Adopt(path);
    FileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return CannotMakeDataFile();
    DWORD written = 0;
    const DWORD wanted = static_cast<DWORD>(size);
    if (!WriteFile(file.Get(), data, wanted, &written, nullptr) || written != wanted) {
        file.Reset();  // an open file cannot be deleted
        return CannotMakeDataFile();
    }
    owner.Keep();
    return path;
}

}  // namespace vl
