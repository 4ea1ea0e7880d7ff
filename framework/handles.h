// One small owner per kind of system handle. Header-only and free of the C++ library, so that the
// smallest program can use it too.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace vl {

// Owns one handle of a kind described by Traits (Invalid(), Close(h)). Move-only.
template <class Traits>
class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : handle_(h) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return handle_; }
    bool Valid() const { return handle_ != Traits::Invalid(); }
    explicit operator bool() const { return Valid(); }

    Handle Release() {
        Handle h = handle_;
        handle_ = Traits::Invalid();
        return h;
    }
    void Reset(Handle h = Traits::Invalid()) {
        if (handle_ != Traits::Invalid())
            Traits::Close(handle_);
        handle_ = h;
    }
    // For functions that hand out the handle through an out-parameter (RegOpenKeyEx): releases
    // the one held and gives the place for the new one.
    Handle* Receive() {
        Reset();
        return &handle_;
    }

  private:
    Handle handle_ = Traits::Invalid();
};

// The kinds whose empty value is null, each released by one function of the system.
template <class H, auto CloseFunction>
struct NullHandleTraits {
    using Handle = H;
    static H Invalid() { return nullptr; }
    static void Close(H h) { CloseFunction(h); }
};

using WindowHandle = UniqueHandle<NullHandleTraits<HWND, &DestroyWindow>>;

// GDI objects; none may still be selected into a device context when its owner goes.
template <class T>
using GdiObject = UniqueHandle<NullHandleTraits<T, &DeleteObject>>;
using FontHandle = GdiObject<HFONT>;
using BitmapHandle = GdiObject<HBITMAP>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;
using PaletteHandle = GdiObject<HPALETTE>;
using RegionHandle = GdiObject<HRGN>;

// A device context made with CreateCompatibleDC or CreateDC.
using MemoryDc = UniqueHandle<NullHandleTraits<HDC, &DeleteDC>>;

// Kernel objects that CreateFile returns (INVALID_HANDLE_VALUE on failure).
struct FileTraits {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
using FileHandle = UniqueHandle<FileTraits>;

// Kernel objects that return nullptr on failure: events, threads, processes, mappings.
using KernelObject = UniqueHandle<NullHandleTraits<HANDLE, &CloseHandle>>;
using EventHandle = KernelObject;
using ThreadHandle = KernelObject;
using ProcessHandle = KernelObject;
using MappingHandle = KernelObject;

// Keys opened or created below a root; the predefined roots are never owned.
using RegistryKey = UniqueHandle<NullHandleTraits<HKEY, &RegCloseKey>>;
// Menus that no window owns: a window destroys its own menu bar.
using MenuHandle = UniqueHandle<NullHandleTraits<HMENU, &DestroyMenu>>;
// Icons and cursors made at run time; those loaded with LR_SHARED belong to the system.
using IconHandle = UniqueHandle<NullHandleTraits<HICON, &DestroyIcon>>;
using ImageListHandle = UniqueHandle<NullHandleTraits<HIMAGELIST, &ImageList_Destroy>>;
// Tables made with CreateAcceleratorTable; loaded ones are freed with their module.
using AcceleratorTable = UniqueHandle<NullHandleTraits<HACCEL, &DestroyAcceleratorTable>>;
// Blocks from GlobalAlloc; a fixed block's handle is its address.
using GlobalMemory = UniqueHandle<NullHandleTraits<HGLOBAL, &GlobalFree>>;

// The key below root, opened with access; empty when that fails.
inline RegistryKey OpenRegistryKey(HKEY root, const char* path, REGSAM access) {
    RegistryKey key;
    if (RegOpenKeyExA(root, path, 0, access, key.Receive()) != ERROR_SUCCESS)
        key.Release();  // whatever a failed call left there is no key of ours
    return key;
}

// The same, created with its missing parents first when it does not exist.
inline RegistryKey CreateRegistryKey(HKEY root, const char* path, REGSAM access) {
    RegistryKey key;
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, access, nullptr, key.Receive(), nullptr) !=
        ERROR_SUCCESS) {
        key.Release();
    }
    return key;
}

// Locks a global memory block for the guard's lifetime.
class GlobalLockGuard {
  public:
    explicit GlobalLockGuard(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
    ~GlobalLockGuard() {
        if (data_)
            GlobalUnlock(memory_);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    void* Data() const { return data_; }

  private:
    HGLOBAL memory_;  // not owned
    void* data_;
};

// A device context from GetDC, released to its window.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_;  // not owned
    HDC dc_;
};

// Selects an object into a device context and puts the previous one back.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (previous_ && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

  private:
    HDC dc_;            // not owned
    HGDIOBJ previous_;  // not owned: the context's own object before ours
};

// A file in the temporary folder that is deleted when the owner goes away. Create() makes the
// empty file with a unique name, as GetTempFileName does.
class TemporaryFile {
  public:
    TemporaryFile() { path_[0] = '\0'; }
    ~TemporaryFile() { Remove(); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool Create(const char* prefix) {
        Remove();
        char folder[MAX_PATH];
        const DWORD length = GetTempPathA(MAX_PATH, folder);
        if (length == 0 || length >= MAX_PATH)
            return false;
        if (!GetTempFileNameA(folder, prefix, 0, path_)) {
            path_[0] = '\0';
            return false;
        }
        return true;
    }
    // Takes over an existing file, which is then deleted like one made by Create().
    void Adopt(const char* path) {
        Remove();
        lstrcpynA(path_, path, MAX_PATH);
    }
    // Keeps the file on disk; the owner no longer deletes it.
    void Keep() { path_[0] = '\0'; }
    void Remove() {
        if (path_[0])
            DeleteFileA(path_);
        path_[0] = '\0';
    }
    const char* Path() const { return path_; }
    bool Valid() const { return path_[0] != '\0'; }

  private:
    char path_[MAX_PATH];
};

}  // namespace vl
