// What the action, colour, Line and position dialog tests share: a small scene with Images, the
// dialogs' context over it with a scripted prompt and chooser, and a few looks at a dialog.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/property_context.h"
#include "editor/style_chooser.h"
#include "framework/scripted_prompt.h"
#include "scene/entries.h"
#include "scene/entry_list.h"
#include "property_test_support.h"
#include "support/dialog_script.h"

namespace vl::test {

// Answers the colour chooser in the user's place with a fixed colour.
class FakeChooser final : public StyleChooser {
  public:
    static constexpr std::uint32_t kPicked = 0x0000C0FF;
    bool PickFont(HWND, LogFont&, std::uint32_t&) override { return false; }
    bool PickColour(HWND, std::uint32_t& colour) override {
        ++coloursAsked;
        colour = kPicked;
        return true;
    }
    int coloursAsked = 0;
};

// Sun (a text), a Wait, Moon (a text), a Show on Sun.
struct ActionScene {
    ActionScene();

    EntryList scene;
    ScriptedPrompt prompt;
    FakeChooser chooser;
    ImageEntry* sun = nullptr;
    ImageEntry* moon = nullptr;
    ShowEntry* show = nullptr;
    PropertyContext context;
};

// Whether the control is shown (not hidden by the dialog).
bool Visible(HWND dialog, int id);
bool Enabled(HWND dialog, int id);
int ClientHeight(HWND dialog);
// A press and release on the spin control's upper (+1) or lower (-1) arrow.
DialogScript::Step Spin(int spinId, int direction);

}  // namespace vl::test
