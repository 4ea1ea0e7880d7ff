#include "framework/dialog_fields.h"

#include <vector>

#include "framework/integer_field.h"
#include "framework/prompt.h"

namespace vl {

std::string FieldText(HWND dialog, int id) {
    HWND field = GetDlgItem(dialog, id);
    const int length = GetWindowTextLengthA(field);
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(field, text.data(), length + 1);
    return text.data();
}

void SetFieldText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

void SetIntegerField(HWND dialog, int id, int value) {
    SetFieldText(dialog, id, std::to_string(value));
}

std::optional<int> ReadIntegerField(HWND dialog, int id, int low, int high) {
    const std::optional<int> value = ParseIntegerInRange(FieldText(dialog, id), low, high);
    if (value)
        return value;
    CurrentPrompt().Message(IntegerRangeMessage(low, high), MessageIcon::Exclamation);
    // After the message box: the user corrects the field where the refusal came from.
    HWND field = GetDlgItem(dialog, id);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    SendMessageA(field, EM_SETSEL, 0, -1);
    return std::nullopt;
}

void SetCheckField(HWND dialog, int id, int state) {
    CheckDlgButton(dialog, id, static_cast<UINT>(state));
}

int CheckField(HWND dialog, int id) {
    return static_cast<int>(IsDlgButtonChecked(dialog, id));
}

}  // namespace vl
