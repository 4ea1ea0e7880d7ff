// An object list of a property dialog: the scene's entries of one kind as their one-line
// descriptions in scene order, the linked one selected; a double-click confirms the dialog (IDOK);
// Ctrl+click on the selected line clears the selection; tooltip 34011 "Deselect - Ctrl+click"
// over the list's label. The list handles its mouse itself: the dialog forwards nothing, and
// hears of a cleared selection through the list's usual LBN_SELCHANGE.
#pragma once

#include <windows.h>

#include <cstdint>

#include "scene/entry.h"
#include "scene/entry_list.h"

namespace vl {

inline constexpr int kIdDeselectTip = 34011;
inline constexpr char kDeselectTip[] = "Deselect - Ctrl+click";

class ObjectList {
  public:
    ObjectList() = default;
    ~ObjectList();
    ObjectList(const ObjectList&) = delete;
    ObjectList& operator=(const ObjectList&) = delete;

    // At the dialog's initialisation. The list box needs LBS_NOTIFY and no sorting.
    void Attach(HWND dialog, int listId, int labelId, const EntryList& scene, std::int32_t kind,
                const SceneEntry* selected);
    // nullptr when nothing is selected. It reads the list box: ask while the dialog is open
    // (AfterStore), not after Run has returned.
    SceneEntry* Selected() const;
    void Refill(const EntryList& scene, const SceneEntry* selected);  // after "New image"
    // The tooltip over the label (tests look at it).
    HWND Tooltip() const { return tooltip_; }

  private:
    static LRESULT CALLBACK ListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
    bool ClearsSelection(LPARAM point) const;
    void ClearSelection();
    void Detach();

    HWND dialog_ = nullptr;   // not owned
    HWND list_ = nullptr;     // not owned: a control of the dialog
    HWND tooltip_ = nullptr;  // owned by the dialog's window, which destroys it with itself
    std::int32_t kind_ = -1;
};

}  // namespace vl
