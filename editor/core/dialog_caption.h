// The title rule of the property dialogs.
#pragma once

#include <string>

namespace vl {

// "Kind" or "Kind - subtitle" (no dash when the subtitle is empty).
std::string DialogCaption(const std::string& kindName, const std::string& subtitle);

}  // namespace vl
