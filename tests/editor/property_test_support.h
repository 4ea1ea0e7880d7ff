// What the property dialogs' tests share: a scene, a scripted prompt and the context made of
// them, and the mouse on an object list as a user would use it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/property_context.h"
#include "framework/scripted_prompt.h"
#include "scene/entries.h"
#include "scene/entry_list.h"
#include "support/dialog_script.h"

namespace vl::test {

class StyleChooserStub final : public StyleChooser {
  public:
    bool PickFont(HWND, LogFont&, std::uint32_t&) override { return false; }
    bool PickColour(HWND, std::uint32_t&) override { return false; }
};

struct PropertyHarness {
    EntryList scene;
    ScriptedPrompt prompt;
    StyleChooserStub chooser;
    PropertyContext context{scene, prompt, chooser, nullptr};

    // Appends an entry to the scene and returns it, owned by the scene.
    template <class T>
    T& Add(const std::string& description = std::string()) {
        auto entry = std::make_unique<T>();
        entry->description.text = description;
        T& added = *entry;
        scene.Append(std::move(entry));
        scene.Renumber();
        return added;
    }
};

// The rows of a list box, as shown.
std::vector<std::string> ListRows(HWND dialog, int listId);
int ListSelection(HWND dialog, int listId);
// A click (with Ctrl held: control) or a double-click on a row of a list box.
DialogScript::Step ClickRow(int listId, int row, bool control = false);
DialogScript::Step DoubleClickRow(int listId, int row);
// The id of the dialog's default button and whether button id shows the default look.
int DefaultButton(HWND dialog);
bool LooksDefault(HWND dialog, int id);
std::string WindowText(HWND window);

}  // namespace vl::test
