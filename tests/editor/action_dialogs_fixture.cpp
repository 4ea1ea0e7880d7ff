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
    // The control's own state: the dialog itself shows only once its queue runs dry.
    return (GetWindowLongPtrA(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

int ClientHeight(HWND dialog) {
    RECT area;
    GetClientRect(dialog, &area);
    return area.bottom;
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

}  // namespace vl::test
