#include "glint_prompt.h"

#include <windows.h>

#include "glint_resources.h"

namespace vl {
namespace {

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop:
            return MB_ICONHAND;
        case MessageIcon::Information:
            return MB_ICONASTERISK;
        case MessageIcon::Question:
            return MB_ICONQUESTION;
        case MessageIcon::Exclamation:
            return MB_ICONEXCLAMATION;
        case MessageIcon::Plain:
            break;
    }
    return 0;
}

const char* CaptionOf(const std::string& caption) {
    return caption.empty() ? GLINT_TITLE : caption.c_str();
}

}  // namespace

// The thread's active window owns the box, so it stays above a dialog or the run window.
void GlintPrompt::Message(const std::string& text, MessageIcon icon, const std::string& caption) {
    MessageBoxA(GetActiveWindow(), text.c_str(), CaptionOf(caption), MB_OK | IconStyle(icon));
}

bool GlintPrompt::AskYesNo(const std::string& text, const QuestionOptions& options,
                           const std::string& caption) {
    const UINT style =
        MB_YESNO | IconStyle(options.icon) | (options.defaultNo ? MB_DEFBUTTON2 : MB_DEFBUTTON1);
    return MessageBoxA(GetActiveWindow(), text.c_str(), CaptionOf(caption), style) == IDYES;
}

}  // namespace vl
