#include "editor/style_chooser.h"

#include <commdlg.h>

#include <cstring>

#include "engine/text/windows_log_font.h"

namespace vl {
namespace {

class SystemChooser : public StyleChooser {
  public:
    bool PickFont(HWND owner, LogFont& font, std::uint32_t& colour) override {
        LOGFONTA logFont = ToLogFontA(font);
        CHOOSEFONTA request{};
        request.lStructSize = sizeof request;
        request.hwndOwner = owner;
        request.lpLogFont = &logFont;
        request.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
        request.rgbColors = colour;
        if (!ChooseFontA(&request))
            return false;
        std::uint8_t bytes[LogFont::kByteSize];
        std::memcpy(bytes, &logFont, sizeof bytes);
        font = LogFont::FromBytes(bytes);
        colour = request.rgbColors;
        return true;
    }

    bool PickColour(HWND owner, std::uint32_t& colour) override {
        CHOOSECOLORA request{};
        request.lStructSize = sizeof request;
        request.hwndOwner = owner;
        request.rgbResult = colour;
        request.lpCustColors = customColours_;
        request.Flags = CC_RGBINIT;
        if (!ChooseColorA(&request))
            return false;
        colour = request.rgbResult;
        return true;
    }

  private:
    // The dialog's sixteen custom colours, kept for the program's run as the dialog expects.
    COLORREF customColours_[16] = {};
};

}  // namespace

StyleChooser& SystemStyleChooser() {
    static SystemChooser chooser;
    return chooser;
}

}  // namespace vl
