#include "package/win32_packaging_system.h"

#include <new>

#include "framework/data_files.h"
#include "framework/handles.h"

namespace vl {

Win32PackagingSystem::Win32PackagingSystem(HMODULE module)
    : module_(module ? module : GetModuleHandleA(nullptr)) {}

ByteView Win32PackagingSystem::Resource(const char* name) {
    HRSRC info = FindResourceA(module_, name, "FILE");
    if (!info)
        return {};
    // Resources stay loaded with their module; nothing to free.
    HGLOBAL loaded = LoadResource(module_, info);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return {};
    return {static_cast<const std::uint8_t*>(data), SizeofResource(module_, info)};
}

ByteView Win32PackagingSystem::RuntimeImage() {
    return Resource("#271");
}

ByteView Win32PackagingSystem::StubImage() {
    return Resource("#274");
}

bool Win32PackagingSystem::ReadWholeFile(const std::string& path,
                                         std::vector<std::uint8_t>& bytes) {
    FileBlock block = vl::ReadWholeFile(path);
    if (!block.read)
        return false;
    bytes = std::move(block.bytes);
    return true;
}

bool Win32PackagingSystem::ReadFileQuietly(const std::string& path,
                                           std::vector<std::uint8_t>& bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > MAXDWORD)
        return false;
    const DWORD wanted = static_cast<DWORD>(size.QuadPart);
    try {
        bytes.resize(wanted);
    } catch (const std::bad_alloc&) {
        return false;
    }
    DWORD got = 0;
    return wanted == 0 ||
           (ReadFile(file.Get(), bytes.data(), wanted, &got, nullptr) && got == wanted);
}

bool Win32PackagingSystem::FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Win32PackagingSystem::SystemFolder() {
    char folder[520];
    const UINT length = GetSystemDirectoryA(folder, sizeof(folder));
    if (length == 0 || length >= sizeof(folder))
        return {};
    return std::string(folder, length);
}

void Win32PackagingSystem::StartCommand(const std::string& commandLine) {
    // The started program is not waited for; its result is its own.
    WinExec(commandLine.c_str(), SW_SHOWNORMAL);
}

}  // namespace vl
