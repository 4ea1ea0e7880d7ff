#include "editor/core/dialog_caption.h"

namespace vl {

std::string DialogCaption(const std::string& kindName, const std::string& subtitle) {
    if (subtitle.empty())
        return kindName;
    return kindName + " - " + subtitle;
}

}  // namespace vl
