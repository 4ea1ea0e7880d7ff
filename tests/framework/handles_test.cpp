#include "handles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

namespace vl {
namespace {

HFONT MakeFont() {
    return CreateFontA(-19, 0, 0, 0, FW_NORMAL, TRUE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       "Arial");
}

bool FileExists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

TEST(Handles, GdiObjectIsDeletedOnceWhenItsLastOwnerGoes) {
    HFONT raw = nullptr;
    {
        FontHandle font(MakeFont());
        ASSERT_TRUE(font);
        raw = font.Get();
        FontHandle moved(std::move(font));
        EXPECT_FALSE(font);
        EXPECT_EQ(moved.Get(), raw);
        EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_FONT));
    }
    EXPECT_EQ(GetObjectType(raw), 0u);
}

TEST(Handles, ResetDeletesTheOldObjectAndReleaseGivesItAway) {
    BrushHandle brush(CreateSolidBrush(RGB(1, 2, 3)));
    HBRUSH first = brush.Get();
    brush.Reset(CreateSolidBrush(RGB(4, 5, 6)));
    EXPECT_EQ(GetObjectType(first), 0u);
    HBRUSH second = brush.Release();
    EXPECT_FALSE(brush);
    EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_BRUSH));
    DeleteObject(second);
}

TEST(Handles, SelectGuardPutsThePreviousObjectBack) {
    WindowDc screen(nullptr);
    ASSERT_TRUE(screen);
    MemoryDc dc(CreateCompatibleDC(screen.Get()));
    ASSERT_TRUE(dc);
    HGDIOBJ original = GetCurrentObject(dc.Get(), OBJ_FONT);
    FontHandle font(MakeFont());
    {
        SelectGuard select(dc.Get(), font.Get());
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), font.Get());
    }
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), original);
}

TEST(Handles, FileHandleTreatsInvalidHandleValueAsEmpty) {
    FileHandle none;
    EXPECT_FALSE(none);
    EXPECT_EQ(none.Get(), INVALID_HANDLE_VALUE);
    FileHandle missing(CreateFileA("C:\\no\\such\\folder\\file.txt", GENERIC_READ, 0, nullptr,
                                   OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(missing);
}

TEST(Handles, TemporaryFileRemovesItselfUnlessKept) {
    char path[MAX_PATH] = "";
    {
        TemporaryFile file;
        EXPECT_FALSE(file.Valid());
        ASSERT_TRUE(file.Create("Ssd"));
        std::strcpy(path, file.Path());
        EXPECT_TRUE(FileExists(path));
        EXPECT_NE(std::strstr(path, "Ssd"), nullptr);
        FileHandle open(CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(open);
        DWORD written = 0;
        EXPECT_TRUE(WriteFile(open.Get(), "data", 4, &written, nullptr));
    }
    EXPECT_FALSE(FileExists(path));

    {
        TemporaryFile kept;
        ASSERT_TRUE(kept.Create("SCR"));
        std::strcpy(path, kept.Path());
        kept.Keep();
    }
    EXPECT_TRUE(FileExists(path));
    {
        TemporaryFile adopted;
        adopted.Adopt(path);
    }
    EXPECT_FALSE(FileExists(path));
}

TEST(Handles, GlobalMemoryCanBeLockedAndWritten) {
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, 16));
    ASSERT_TRUE(memory);
    {
        GlobalLockGuard lock(memory.Get());
        ASSERT_NE(lock.Data(), nullptr);
        std::memcpy(lock.Data(), "scene", 6);
    }
    GlobalLockGuard again(memory.Get());
    EXPECT_STREQ(static_cast<const char*>(again.Data()), "scene");
}

TEST(Handles, EventAndThreadHandlesClose) {
    EventHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(event);
    ThreadHandle thread(CreateThread(
        nullptr, 0,
        [](void* parameter) -> DWORD {
            SetEvent(static_cast<HANDLE>(parameter));
            return 3;
        },
        event.Get(), 0, nullptr));
    ASSERT_TRUE(thread);
    EXPECT_EQ(WaitForSingleObject(event.Get(), 5000), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(thread.Get(), 5000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeThread(thread.Get(), &code);
    EXPECT_EQ(code, 3u);
    HANDLE raw = event.Release();
    EXPECT_TRUE(CloseHandle(raw));
}

TEST(Handles, WindowHandleDestroysItsWindow) {
    HWND raw = nullptr;
    {
        WindowHandle window(CreateWindowExA(0, "STATIC", "x", WS_POPUP, 0, 0, 10, 10, nullptr,
                                            nullptr, nullptr, nullptr));
        ASSERT_TRUE(window);
        raw = window.Get();
        EXPECT_TRUE(IsWindow(raw));
    }
    EXPECT_FALSE(IsWindow(raw));
}

}  // namespace
}  // namespace vl
