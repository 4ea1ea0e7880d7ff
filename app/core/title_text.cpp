#include "app/core/title_text.h"

#include "framework/prompt.h"

namespace vl {

std::string TitleBarText(const std::string& documentPath) {
    std::string name = FileNamePart(documentPath);
    if (name.empty())
        name = kUntitledName;
    return name + " - " + kProgramTitle;
}

}  // namespace vl
