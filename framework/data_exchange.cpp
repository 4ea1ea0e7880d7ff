#include "framework/data_exchange.h"

#include "framework/dialog_fields.h"
#include "framework/integer_field.h"

namespace vl {

DataExchange::DataExchange(Prompt& prompt) : prompt_(prompt) {}

DataExchange& DataExchange::Add(std::function<void(HWND)> load, Reader read) {
    bindings_.push_back(Binding{std::move(load), std::move(read)});
    return *this;
}

void DataExchange::Refuse(HWND dialog, int id, const std::string& message) const {
    prompt_.Message(message, MessageIcon::Exclamation);
    FocusRefusedField(dialog, id);
}

void FocusRefusedField(HWND dialog, int id) {
    HWND field = GetDlgItem(dialog, id);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    SendMessageA(field, EM_SETSEL, 0, -1);
}

DataExchange& DataExchange::Text(int id, std::string& field, int maxLength) {
    return Add(
        [id, &field, maxLength](HWND dialog) {
            if (maxLength > 0)
                SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
            SetFieldText(dialog, id, field);
        },
        [id, &field](HWND dialog) -> std::function<void()> {
            std::string text = FieldText(dialog, id);
            return [&field, text] { field = text; };
        });
}

DataExchange& DataExchange::Integer(int id, std::int32_t& field, int low, int high) {
    return Add([id, &field](HWND dialog) { SetIntegerField(dialog, id, field); },
               [this, id, &field, low, high](HWND dialog) -> std::function<void()> {
                   const auto value = ParseIntegerInRange(FieldText(dialog, id), low, high);
                   if (!value) {
                       Refuse(dialog, id, IntegerRangeMessage(low, high));
                       return {};
                   }
                   return [&field, v = *value] { field = v; };
               });
}

DataExchange& DataExchange::Integer(int id, std::uint32_t& field, std::uint32_t low,
                                    std::uint32_t high) {
    return Add([id, &field](HWND dialog) { SetFieldText(dialog, id, std::to_string(field)); },
               [this, id, &field, low, high](HWND dialog) -> std::function<void()> {
                   const auto value = ParseUnsignedInRange(FieldText(dialog, id), low, high);
                   if (!value) {
                       Refuse(dialog, id, UnsignedRangeMessage(low, high));
                       return {};
                   }
                   return [&field, v = *value] { field = v; };
               });
}

DataExchange& DataExchange::Check(int id, std::int32_t& field) {
    return Add(
        [id, &field](HWND dialog) {
            SetCheckField(dialog, id, field != 0 ? BST_CHECKED : BST_UNCHECKED);
        },
        [id, &field](HWND dialog) -> std::function<void()> {
            const std::int32_t value = CheckField(dialog, id) == BST_CHECKED ? 1 : 0;
            return [&field, value] { field = value; };
        });
}

DataExchange& DataExchange::ThreeState(int id, std::int32_t& field) {
    return Add(
        [id, &field](HWND dialog) {
            const int state = field == 1 || field == 2 ? field : BST_UNCHECKED;
            SetCheckField(dialog, id, state);
        },
        [id, &field](HWND dialog) -> std::function<void()> {
            const std::int32_t value = CheckField(dialog, id);
            return [&field, value] { field = value; };
        });
}

DataExchange& DataExchange::Radio(std::initializer_list<int> ids, std::int32_t& field) {
    std::vector<int> buttons(ids);
    return Add(
        [buttons, &field](HWND dialog) {
            for (std::size_t i = 0; i < buttons.size(); ++i) {
                const bool on = static_cast<std::int32_t>(i) == field;
                SetCheckField(dialog, buttons[i], on ? BST_CHECKED : BST_UNCHECKED);
            }
        },
        [buttons, &field](HWND dialog) -> std::function<void()> {
            std::int32_t value = -1;
            for (std::size_t i = 0; i < buttons.size(); ++i) {
                if (CheckField(dialog, buttons[i]) == BST_CHECKED) {
                    value = static_cast<std::int32_t>(i);
                    break;
                }
            }
            return [&field, value] { field = value; };
        });
}

DataExchange& DataExchange::ComboIndex(int id, std::int32_t& field) {
    return Add(
        [id, &field](HWND dialog) {
            SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(field), 0);
        },
        [id, &field](HWND dialog) -> std::function<void()> {
            const auto value =
                static_cast<std::int32_t>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
            return [&field, value] { field = value; };
        });
}

void DataExchange::Load(HWND dialog) const {
    for (const Binding& binding : bindings_)
        binding.load(dialog);
}

bool DataExchange::Store(HWND dialog) {
    std::vector<std::function<void()>> writes;
    writes.reserve(bindings_.size());
    for (const Binding& binding : bindings_) {
        std::function<void()> write = binding.read(dialog);
        if (!write)
            return false;
        writes.push_back(std::move(write));
    }
    for (const auto& write : writes)
        write();
    return true;
}

}  // namespace vl
