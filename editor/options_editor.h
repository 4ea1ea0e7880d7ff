// How the builder opens its Options dialog: on a copy of the options, which replaces them only
// when the user confirmed. The dialog plugs in behind this; tests answer through their own.
#pragma once

#include <windows.h>

#include "scene/editor_options.h"

namespace vl {

class OptionsEditor {
  public:
    virtual ~OptionsEditor() = default;
    // true when the user confirmed; options then holds the new values.
    virtual bool Edit(HWND owner, EditorOptions& options) = 0;
};

}  // namespace vl
