// The About box: the program's icon and its version line.
#pragma once

#include "framework/modal_dialog.h"

namespace vl {

inline constexpr char kAboutVersion[] = "Vistaloom Builder Version 2.2 (build 010116)";

class AboutDialog final : public ModalDialog {
  public:
    AboutDialog();
};

}  // namespace vl
