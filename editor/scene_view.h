// CSceneView, the scene list: an owner-drawn list box with one line per entry, in scene order,
// where the user edits the scene. Item i of the list is entry i of the document's list; every
// change happens at the same index in both and marks the document modified. The list holds no
// strings: each item's data is the entry it shows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "app/core/command_ids.h"
#include "editor/drag_image_view.h"
#include "editor/core/drag_image_file.h"
#include "editor/core/mouse_selection.h"
#include "editor/entry_editor.h"
#include "editor/scene_view_look.h"
#include "engine/image/core/verified_pictures.h"
#include "engine/player/calibration.h"
#include "framework/control.h"
#include "framework/handles.h"
#include "framework/ole.h"
#include "scene/clipboard_blocks.h"
#include "scene/editor_options.h"
#include "scene/entry_list.h"

namespace vl {

class CSceneView final : public Control, private IDropHandler {
  public:
    struct Services {
        EntryList& entries;
        std::function<void()> setModified;
        // Sends a command to the main frame (Save before an export or a preview).
        std::function<void(CommandId)> sendToFrame;
        // The document's path; empty while it was never saved.
        std::function<std::string()> documentPath;
        // Makes the list the frame's active view (a failed check shows its line there).
        std::function<void()> activate;
        std::function<bool()> documentModified;
        EntryEditor* editor = nullptr;  // property dialogs; none: Edit does nothing
        // Where the speed calibration count is kept; none: no calibration (a count of 0).
        ICalibrationStore* calibration = nullptr;
        // Opens the preview window with the calibration count (after the check and the save).
        std::function<void(std::uint32_t times)> startPreview;
        // Shows an exported text file; none: the shell's default action, maximised.
        std::function<void(const std::string& path)> openFile;
        // The list took the keyboard focus: its own commands come first now.
        std::function<void()> focused;
        // A refused paste or drop; none: the system's default sound.
        std::function<void()> beep;
        // The pictures that decoded in this session, shared with the property dialogs (not
        // owned); none: the view keeps its own.
        VerifiedPictures* verifiedPictures = nullptr;
    };

    explicit CSceneView(Services services);

    // Creates the list box as a child of parent with the given id, its lines measured with
    // options (the defaults when none are given).
    bool Create(HWND parent, int id, const EditorOptions* options = nullptr);
    // New fonts, colours and tab size: lines are measured again.
    void ApplyOptions(const EditorOptions& options);

    // Empties the list and shows every entry of the document, nothing selected (New, Open).
    void Fill();
    // Rebuilds the list keeping the selection, the caret and the scroll position (the options
    // changed).
    void Rebuild();

    enum class Place { kAppend, kBeforeCaret };
    // Adds entry at the end or before the caret line and makes it the only selection.
    void InsertCommand(std::unique_ptr<SceneEntry> entry, Place place);
    // Removes the selected entries; when ask, only after the user said Yes.
    void DeleteSelection(bool ask);
    // Deactivate (true) or Activate (false) the selected entries.
    void SetDisabled(bool disabled);
    void ActivateAll();
    void SelectAll();
    void Refresh();
    // The scene check before a preview or packaging: on failure shows the message and selects
    // the line to look at; true when the scene may be played.
    bool CheckScene();
    // Writes the scene as text beside the scene file ("<scene>.txt") and opens it.
    void ExportText();
    // Preview: the scene check, the save when the options ask for it, then the preview window.
    void Preview();
    // Opens the caret entry's dialog (Enter, double-click).
    void EditCaret();

    // Copy and Cut put the selected entries on the clipboard as one "CopyScene1.0" block; Cut
    // then deletes them without asking.
    void CopySelection();
    void CutSelection();
    // Inserts the clipboard's entries after the only selected line, else at the end, linked as
    // the block says, and selects them. A missing, foreign or refused block only beeps.
    void Paste();
    // The clipboard holds "CopyScene1.0" data.
    bool CanPaste() const;
    // The block this list last put on the clipboard (or found there at creation); forgotten when
    // another owner empties the clipboard.
    HANDLE ClipboardBlock() const { return clipboardBlock_; }
    // The window is about to close: empties the clipboard of the list's data, keeps it or asks,
    // as the options say.
    void CleanUpClipboardAtExit();

    // The drop target side of the list, for the drag loop (registered at creation when OLE is
    // up on this thread) and for tests that play a drag step by step.
    IDropHandler& DropHandler() { return *this; }
    // What a drag from this list offers: the three formats and the process they come from,
    // for the lines given (list indices, ascending), started from line start.
    ComPtr<IDataObject> BeginDragData(const std::vector<int>& lines, int start);
    // The drag loop of this list has ended.
    void EndDragData();

    std::vector<int> Selection() const;
    int SelectedCount() const;
    int Caret() const;  // -1 in an empty list
    bool Empty() const { return services_.entries.Empty(); }

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnReflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void MeasureItem(MEASUREITEMSTRUCT& item) const;
    void DrawItem(const DRAWITEMSTRUCT& item);
    void Renest();
    void RepaintItem(int index);
    void SelectOnly(int index);
    bool OnKeyDown(WPARAM key);
    void ShowContextMenu(LPARAM screenPoint);
    void Edit(int index);
    // Left-button messages under the selection rules that keep a selection draggable; true when
    // the message was handled (not for the list box).
    bool OnLeftButton(UINT msg, WPARAM wParam, LPARAM lParam);
    // Runs the drag loop for the selection, from the line the press was on.
    void StartDrag();
    DWORD OnDragEnter(IDataObject* data, DWORD keys, POINT point, DWORD allowed) override;
    DWORD OnDragOver(DWORD keys, POINT point, DWORD allowed) override;
    void OnDragLeave() override;
    DWORD OnDrop(IDataObject* data, DWORD keys, POINT point, DWORD allowed) override;
    bool OnDragScroll(bool vertical, int direction, POINT point) override;
    int LineAt(POINT point) const;
    // Marks the line under point as the drop target and unmarks the previous one.
    void UpdateTarget(POINT point);
    void SetMarked(int line, bool marked);
    // The effect for the keys held over the current target.
    DWORD EffectFor(DWORD keys, DWORD allowed) const;
    // The drag is over: the target unmarked, the saved selection forgotten.
    void EndDragOver();
    // The drag image: drawn for a line and written to the shared file when a drag starts;
    // dragImage_ shows it while a drag is over the list.
    bool WriteDragImageFile(int line, POINT press);
    void DeleteDragImageFile();
    bool DropMove(IDataObject* data);
    bool DropLink(IDataObject* data);
    bool DropCopy(IDataObject* data);
    void CopyToClipboard(bool cut);
    // Inserts commands at index with redrawing off, selects them and puts the caret on the last.
    void InsertBlock(std::vector<std::unique_ptr<SceneEntry>> commands, int index);
    void Beep() const;
    void RememberClipboardBlock();

    Services services_;
    EditorOptions options_;
    SceneViewFonts fonts_;
    ImageListHandle icons_;
    IconCache iconCache_;
    MouseSelection mouse_;
    // While a drag is over the list: how the marked target line is drawn. Kept by the drop
    // target; the look of a marked line is the list's own.
    struct DragMark {
        bool over = false;
        bool fromThisList = false;
        std::vector<int> savedSelection;  // sorted: the selection when the drag entered
        int pointerLine = -1;
    } drag_;
    UINT copyFormat_ = 0;
    UINT moveFormat_ = 0;
    UINT linkFormat_ = 0;
    HANDLE clipboardBlock_ = nullptr;  // owned by the clipboard
    UINT sourceFormat_ = 0;
    // The drag loop of this list: the dragged lines (ascending) and the line it started from.
    struct DragSource {
        bool active = false;
        std::vector<int> lines;
        int start = -1;
    } source_;
    int target_ = -1;           // the marked drop target
    int caretAtEntry_ = -1;     // the caret when the drag entered
    bool sameProcess_ = false;  // the drag over the list comes from this process
    EntryReferences references_;
    ComPtr<IDropTarget> dropTarget_;
    DragImageView dragImage_;  // while a drag with a readable image is over the list
    std::uint32_t times_ = 0;  // the speed calibration count, lent to every preview
    // Pictures the check has decoded: a second preview of the same scene starts without decoding.
    VerifiedPictures ownVerifiedPictures_;
};

}  // namespace vl
