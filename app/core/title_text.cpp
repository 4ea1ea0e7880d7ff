#include "app/core/title_text.h"

namespace vl {

std::string FileNameOf(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string TitleBarText(const std::string& documentPath) {
    std::string name = FileNameOf(documentPath);
    if (name.empty())
        name = kUntitledName;
    return name + " - " + kProgramTitle;
}

}  // namespace vl
