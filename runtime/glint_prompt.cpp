#include "runtime/glint_prompt.h"

#include <windows.h>

#include "runtime/glint_resources.h"
#include "framework/message_box_style.h"

namespace vl {
namespace {

const char* CaptionOf(const std::string& caption) {
    return caption.empty() ? GLINT_TITLE : caption.c_str();
}

}  // namespace

// The thread's active window owns the box, so it stays above a dialog or the run window.
void GlintPrompt::Message(const std::string& text, MessageIcon icon, const std::string& caption) {
    MessageBoxA(GetActiveWindow(), text.c_str(), CaptionOf(caption),
                MB_OK | MessageBoxIconStyle(icon));
}

bool GlintPrompt::AskYesNo(const std::string& text, const QuestionOptions& options,
                           const std::string& caption) {
    const UINT style = MB_YESNO | MessageBoxIconStyle(options.icon) |
                       (options.defaultNo ? MB_DEFBUTTON2 : MB_DEFBUTTON1);
    return MessageBoxA(GetActiveWindow(), text.c_str(), CaptionOf(caption), style) == IDYES;
}

}  // namespace vl
