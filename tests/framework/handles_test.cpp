#include "framework/handles.h"
#include "framework/wait_cursor.h"

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

const char kTestKey[] = "Software\\Vistaloom Tests\\Handles";

// Whether key is still an open key: a closed one is refused as an invalid handle.
bool IsOpenKey(HKEY key) {
    return RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

TEST(Handles, RegistryKeysAreOpenedOnlyWhenTheyExistAndClosedByTheirOwner) {
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
    EXPECT_FALSE(OpenRegistryKey(HKEY_CURRENT_USER, kTestKey, KEY_READ));
    HKEY raw = nullptr;
    {
        const RegistryKey created = CreateRegistryKey(HKEY_CURRENT_USER, kTestKey, KEY_WRITE);
        ASSERT_TRUE(created);
        const DWORD value = 5;
        EXPECT_EQ(RegSetValueExA(created.Get(), "Five", 0, REG_DWORD,
                                 reinterpret_cast<const BYTE*>(&value), sizeof value),
                  ERROR_SUCCESS);
        const RegistryKey opened = OpenRegistryKey(HKEY_CURRENT_USER, kTestKey, KEY_READ);
        ASSERT_TRUE(opened);
        raw = opened.Get();
        DWORD read = 0;
        DWORD size = sizeof read;
        EXPECT_EQ(
            RegQueryValueExA(raw, "Five", nullptr, nullptr, reinterpret_cast<BYTE*>(&read), &size),
            ERROR_SUCCESS);
        EXPECT_EQ(read, 5u);
    }
    EXPECT_FALSE(IsOpenKey(raw));
    EXPECT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey), ERROR_SUCCESS);
}

TEST(Handles, ReceiveClosesTheHeldHandleAndGivesThePlaceForTheNextOne) {
    RegistryKey key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, key.Receive()),
              ERROR_SUCCESS);
    const HKEY first = key.Get();
    ASSERT_TRUE(IsOpenKey(first));
    HKEY* place = key.Receive();
    EXPECT_FALSE(IsOpenKey(first));
    EXPECT_EQ(*place, nullptr);
    EXPECT_FALSE(key);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, place), ERROR_SUCCESS);
    EXPECT_TRUE(key);
    EXPECT_TRUE(IsOpenKey(key.Get()));
}

TEST(Handles, MenuIconAndAcceleratorTableAreDestroyedByTheirOwners) {
    HMENU menu = nullptr;
    HICON icon = nullptr;
    HACCEL table = nullptr;
    {
        MenuHandle ownedMenu(CreatePopupMenu());
        ASSERT_TRUE(ownedMenu);
        menu = ownedMenu.Get();
        EXPECT_TRUE(IsMenu(menu));

        const BYTE andMask[8] = {};  // 4 rows of one word each
        const BYTE xorMask[8] = {};
        IconHandle ownedIcon(CreateIcon(nullptr, 4, 4, 1, 1, andMask, xorMask));
        ASSERT_TRUE(ownedIcon);
        icon = ownedIcon.Get();
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);

        ACCEL accel = {FVIRTKEY | FCONTROL, 'S', 100};
        AcceleratorTable ownedTable(CreateAcceleratorTableA(&accel, 1));
        ASSERT_TRUE(ownedTable);
        table = ownedTable.Get();
        EXPECT_EQ(CopyAcceleratorTableA(table, nullptr, 0), 1);
    }
    EXPECT_FALSE(IsMenu(menu));
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(icon, &info));
    EXPECT_EQ(CopyAcceleratorTableA(table, nullptr, 0), 0);
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
// Nested waits (a check inside a longer job) end with the cursor each began with.
TEST(WaitCursor, ShowsTheHourglassAndGivesTheCursorBackInOrder) {
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    const HCURSOR hourglass = LoadCursorA(nullptr, IDC_WAIT);
    SetCursor(arrow);
    {
        const WaitCursor outer;
        EXPECT_EQ(GetCursor(), hourglass);
        {
            const WaitCursor inner;
            EXPECT_EQ(GetCursor(), hourglass);
        }
        EXPECT_EQ(GetCursor(), hourglass);
    }
    EXPECT_EQ(GetCursor(), arrow);
}

}  // namespace vl
