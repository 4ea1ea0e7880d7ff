// The MessageBox icon style of each prompt icon, shared by the builder's prompt and Glint's
// small one (which must not link the common dialogs).
#pragma once

#include <windows.h>

#include "framework/prompt.h"

namespace vl {

inline UINT MessageBoxIconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop:
            return MB_ICONSTOP;
        case MessageIcon::Information:
            return MB_ICONINFORMATION;
        case MessageIcon::Question:
            return MB_ICONQUESTION;
        case MessageIcon::Exclamation:
            return MB_ICONEXCLAMATION;
        case MessageIcon::Plain:
            break;
    }
    return 0;
}

}  // namespace vl
