// Binds a dialog's controls to fields. Load fills the controls; Store reads and checks every bound
// control in binding order and writes the fields only when all were accepted: a refused number
// shows the standard range message through the prompt, puts the focus in its field and returns
// false, so the dialog simply stays open.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/prompt.h"

namespace vl {

class DataExchange {
  public:
    explicit DataExchange(Prompt& prompt);

    // maxLength 0: no limit beyond the control's own.
    DataExchange& Text(int id, std::string& field, int maxLength = 0);
    DataExchange& Integer(int id, std::int32_t& field, int low, int high);
    DataExchange& Integer(int id, std::uint32_t& field, std::uint32_t low, std::uint32_t high);
    DataExchange& Check(int id, std::int32_t& field);       // 0 or 1 (nonzero shows checked)
    DataExchange& ThreeState(int id, std::int32_t& field);  // 0, 1, 2
    // The index of the checked button in ids, -1 when none is checked.
    DataExchange& Radio(std::initializer_list<int> ids, std::int32_t& field);
    // The list's selected index, -1 for none.
    DataExchange& ComboIndex(int id, std::int32_t& field);

    void Load(HWND dialog) const;
    bool Store(HWND dialog);

  private:
    // Reads its control; on success returns how to write the field, on refusal an empty function.
    using Reader = std::function<std::function<void()>(HWND dialog)>;
    struct Binding {
        std::function<void(HWND dialog)> load;
        Reader read;
    };
    DataExchange& Add(std::function<void(HWND)> load, Reader read);
    // Tells the user why the field's text was refused and puts the focus there.
    void Refuse(HWND dialog, int id, const std::string& message) const;

    Prompt& prompt_;
    std::vector<Binding> bindings_;
};

// What the standard refusal does to the dialog after its message: the field takes the focus with
// its whole text selected. Also for checks a dialog makes on its own.
void FocusRefusedField(HWND dialog, int id);

}  // namespace vl
