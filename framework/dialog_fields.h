// Reading and filling a dialog's fields: texts, integers checked against a range, check boxes
// (two- or three-state). A refused integer tells the user the bounds through the prompt and puts
// the focus in the field, so the dialog can simply stay open.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace vl {

std::string FieldText(HWND dialog, int id);
void SetFieldText(HWND dialog, int id, const std::string& text);

void SetIntegerField(HWND dialog, int id, int value);
// The field's integer when it lies within [low, high]; otherwise shows "Please enter an integer
// between low and high.", selects the field's text and returns nothing.
std::optional<int> ReadIntegerField(HWND dialog, int id, int low, int high);

// BST_UNCHECKED 0, BST_CHECKED 1, BST_INDETERMINATE 2: the values the options keep.
void SetCheckField(HWND dialog, int id, int state);
int CheckField(HWND dialog, int id);

}  // namespace vl
