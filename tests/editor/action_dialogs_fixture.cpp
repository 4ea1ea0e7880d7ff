#include "action_dialogs_fixture.h"

namespace vl::test {

ActionScene::ActionScene()
    : context{scene, prompt, chooser, [this](std::unique_ptr<SceneEntry> entry) {
                  SceneEntry* added = entry.get();
                  scene.Append(std::move(entry));
                  scene.Renumber();
                  return added;
              }} {
    auto text = [](const char* words) {
        auto image = std::make_unique<ImageEntry>();
        image->isText = 1;
        image->text = words;
        return image;
    };
    auto first = text("Sun");
    sun = first.get();
    scene.Append(std::move(first));
    scene.Append(std::make_unique<WaitEntry>());
    auto second = text("Moon");
    moon = second.get();
    scene.Append(std::move(second));
    auto command = std::make_unique<ShowEntry>();
    show = command.get();
    show->SetObject(sun);
    scene.Append(std::move(command));
    scene.Renumber();
}

bool Visible(HWND dialog, int id) {
    return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE;
}

bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

int ClientHeight(HWND dialog) {
    RECT area;
    GetClientRect(dialog, &area);
    return area.bottom;
}

std::string Caption(HWND dialog) {
    char text[256] = {};
    GetWindowTextA(dialog, text, sizeof text);
    return text;
}

std::vector<std::string> ListRows(HWND dialog, int id) {
    std::vector<std::string> rows;
    const LRESULT count = SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        const LRESULT length = SendDlgItemMessageA(dialog, id, LB_GETTEXTLEN, row, 0);
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        SendDlgItemMessageA(dialog, id, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        rows.push_back(text);
    }
    return rows;
}

DialogScript::Step Spin(int spinId, int direction) {
    return [spinId, direction](HWND dialog) {
        HWND spin = GetDlgItem(dialog, spinId);
        RECT area;
        GetClientRect(spin, &area);
        const int y = direction > 0 ? area.bottom / 4 : area.bottom * 3 / 4;
        const LPARAM at = MAKELPARAM(area.right / 2, y);
        SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(spin, WM_LBUTTONUP, 0, at);
    };
}

DialogScript::Step SelectRow(int listId, int row) {
    return [listId, row](HWND dialog) {
        HWND list = GetDlgItem(dialog, listId);
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    };
}

bool OkIsDefaultAndNot(HWND dialog, int buttonId) {
    const LRESULT id = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    const bool okDefault = HIWORD(id) == DC_HASDEFID && LOWORD(id) == IDOK;
    const LONG_PTR style = GetWindowLongPtrA(GetDlgItem(dialog, buttonId), GWL_STYLE);
    const bool buttonPlain = (style & 0x0F) != BS_DEFPUSHBUTTON;
    return okDefault && buttonPlain && GetFocus() == GetDlgItem(dialog, IDOK);
}

}  // namespace vl::test
