// The builder's small dialogs as a user meets them: every label fits its control (a clipped
// text is a defect even when everything works), the pictures are there, and the buttons do what
// they say.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/about_dialog.h"
#include "app/resource.h"
#include "app/start_window.h"
#include "tests/support/dialog_script.h"

namespace vl {
namespace {

using test::DialogScript;

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// The texts of static labels, check boxes and buttons that do not fit their control's width.
std::vector<std::string> ClippedLabels(HWND dialog) {
    std::vector<HWND> children;
    EnumChildWindows(dialog, &CollectChild, reinterpret_cast<LPARAM>(&children));
    std::vector<std::string> clipped;
    for (HWND child : children) {
        char text[256] = "";
        GetWindowTextA(child, text, sizeof text);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        char className[32] = "";
        GetClassNameA(child, className, sizeof className);
        const bool picture = (style & SS_TYPEMASK) == SS_BITMAP || (style & SS_TYPEMASK) == SS_ICON;
        if (!text[0] || (lstrcmpiA(className, "Static") == 0 && picture))
            continue;
        RECT area;
        GetClientRect(child, &area);
        HDC dc = GetDC(child);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)));
        RECT needed = {0, 0, 0, 0};
        DrawTextA(dc, text, -1, &needed, DT_CALCRECT | DT_SINGLELINE);
        SelectObject(dc, old);
        ReleaseDC(child, dc);
        // Check boxes draw their box before the text.
        const int box = lstrcmpiA(className, "Button") == 0 &&
                                (style & BS_TYPEMASK) != BS_PUSHBUTTON &&
                                (style & BS_TYPEMASK) != BS_DEFPUSHBUTTON
                            ? GetSystemMetrics(SM_CXMENUCHECK) + 4
                            : 0;
        if (needed.right + box > area.right || needed.bottom > area.bottom)
            clipped.push_back(text);
    }
    return clipped;
}

TEST(BuilderDialogs, TheAboutBoxShowsTheVersionUnclipped) {
    DialogScript script;
    std::string version;
    std::vector<std::string> clipped;
    script.ReadText(IDC_ABOUT_VERSION, version)
        .Do([&](HWND dialog) { clipped = ClippedLabels(dialog); })
        .Click(IDOK);
    AboutDialog about;
    EXPECT_EQ(script.Play([&] { return about.Run(nullptr); }), IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(version, "Vistaloom Builder Version 2.2 (build 010116)");
    EXPECT_TRUE(clipped.empty()) << clipped.front();
}

TEST(BuilderDialogs, TheStartWindowShowsItsPicturesAndKeepsTheChoice) {
    std::vector<bool> changes;
    std::vector<std::string> clipped;
    bool picturesShown = true;
    DialogScript script;
    script
        .Do([&](HWND dialog) {
            clipped = ClippedLabels(dialog);
            for (int id : {IDC_START_WIZARD, IDC_START_EMPTY, IDC_START_OPEN}) {
                picturesShown = picturesShown &&
                                SendDlgItemMessageA(dialog, id, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
            }
        })
        .Check(IDC_START_DO_NOT_SHOW)
        .Do([](HWND dialog) {
            // A click inside a picture closes the window with that picture's id.
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_START_OPEN, STN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_START_OPEN)));
        });
    StartWindow start;
    start.onDoNotShowChanged = [&](bool doNotShow) { changes.push_back(doNotShow); };
    EXPECT_EQ(script.Play([&] { return start.Run(nullptr); }), IDC_START_OPEN);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_TRUE(picturesShown);
    EXPECT_EQ(changes, std::vector<bool>{true});
    EXPECT_TRUE(start.doNotShow);
    EXPECT_TRUE(clipped.empty()) << clipped.front();
}

}  // namespace
}  // namespace vl
