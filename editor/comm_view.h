// CCommView, the command palette: a tree with the root "Commands" and one item per entry kind,
// whose data is that kind's current prototype in the scene store's table. The selected kind is
// what Add, Insert and "Add && edit command" use; editing a kind's prototype first and confirming
// adds it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "app/core/command_router.h"
#include "editor/drag_image_view.h"
#include "editor/entry_editor.h"
#include "framework/control.h"
#include "framework/handles.h"
#include "framework/ole.h"
#include "framework/tree_control.h"
#include "framework/window.h"
#include "scene/entry.h"
#include "scene/prototypes.h"

namespace vl {

class CCommView;

// A drag of scene lines over the palette shows its image there but is never dropped: kinds come
// from the palette, nothing goes into it.
class PaletteDropHandler final : public IDropHandler {
  public:
    void Attach(HWND tree) { tree_ = tree; }

    DWORD OnDragEnter(IDataObject* data, DWORD keys, POINT point, DWORD allowed) override;
    DWORD OnDragOver(DWORD keys, POINT point, DWORD allowed) override;
    void OnDragLeave() override { image_.End(); }
    DWORD OnDrop(IDataObject* data, DWORD keys, POINT point, DWORD allowed) override;
    bool OnDragScroll(bool, int, POINT) override { return false; }

    bool ShowsImage() const { return image_.Shown(); }

  private:
    HWND tree_ = nullptr;
    DragImageView image_;
};

// The tree's own keys: Enter without auto-repeat edits the chosen kind (the tree tells its parent
// nothing that shows an auto-repeat), Shift+F10 opens the context menu.
class PaletteTreeKeys final : public Control {
  public:
    explicit PaletteTreeKeys(CCommView& view) : view_(view) {}

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    CCommView& view_;
};

class CCommView final : public Window {
  public:
    // prototypes: the scene store's table (not owned), which outlives the palette. editor opens
    // property dialogs (not owned); without one, editing offers nothing.
    explicit CCommView(PrototypeTable& prototypes, EntryEditor* editor = nullptr);
    ~CCommView() override;

    // A child window of parent with the given id, holding the filled tree: the root expanded and
    // "Image" selected. The tree's focus reaches parent as an NM_SETFOCUS notification from id.
    bool Create(HWND parent, int id);
    HWND Tree() const { return tree_.Handle(); }
    void SetEditor(EntryEditor* editor) { editor_ = editor; }

    // True when a kind is selected, not the root.
    bool HasKindSelected() const;
    // The selected kind, or -1.
    int SelectedKind() const;
    // Hands out the selected kind's prototype, with whatever settings editing gave it, and puts a
    // fresh default one in its place (in the table and as the item's data); nullptr when the root
    // is selected.
    std::unique_ptr<SceneEntry> TakeSelectedPrototype();
    // Opens the selected prototype's property dialog over the main frame; when the user confirms,
    // sends Add to the main frame, which appends that prototype. False when nothing was confirmed
    // (or the root is selected).
    bool EditSelectedPrototype();
    // What the tree does with a drag over it.
    PaletteDropHandler& DropHandler() { return drop_; }

    // The palette's own commands (none yet: the frame owns Add, Insert and their rules).
    CommandTarget& Commands() { return commands_; }

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    friend class PaletteTreeKeys;
    bool CreateTree();
    void FillTree();
    LRESULT OnNotify(const NMHDR& header);
    bool OnDoubleClick();
    // Drags a copy of the kind's prototype into the scene list.
    void StartDrag(HTREEITEM item, const SceneEntry* prototype);
    void OnRightClick();
    void OnContextMenu(LPARAM position);
    void ShowContextMenu(POINT screen);
    void UpdateRootImages();
    HWND MainFrame() const;
    SceneEntry* SelectedPrototype() const;

    PrototypeTable& prototypes_;
    EntryEditor* editor_;  // not owned
    TreeControl tree_;     // a child of this window, destroyed with it
    PaletteTreeKeys treeKeys_{*this};
    ImageListHandle images_;  // outlives the tree, which only refers to it
    HTREEITEM root_ = nullptr;
    int id_ = 0;
    CommandTarget commands_;
    PaletteDropHandler drop_;
    ComPtr<IDropTarget> dropTarget_;
};

}  // namespace vl
