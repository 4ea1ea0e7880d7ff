// How the scene list and the palette open an entry's property dialog. The dialogs of every kind
// plug in behind this; tests answer through their own implementation.
#pragma once

#include <windows.h>

#include "scene/entry.h"

namespace vl {

class EntryEditor {
  public:
    virtual ~EntryEditor() = default;
    // Opens the entry's dialog over owner; true when the user confirmed a change (the entry holds
    // it then), false when nothing changed.
    virtual bool Edit(HWND owner, SceneEntry& entry) = 0;
};

}  // namespace vl
