// PreviewFrame, the builder's full-screen preview (class "SSTESTWND1.0", title "Preview"): a
// topmost black window over the whole screen whose single view, a CClientTestWnd, is where the
// player thread draws the scene. A small toolbar, floating or docked, carries Go, Step By Step,
// Pause, Stop, Sound, Exit and Keep Visible, each also on a key. While the preview exists the
// editor's main window is disabled, so the scene cannot change under the player.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "app/core/settings_store.h"
#include "engine/core/timing.h"
#include "engine/player/client_test_wnd.h"
#include "engine/player/scene_thread.h"
#include "framework/docking_toolbar.h"
#include "framework/handles.h"
#include "framework/message_loop.h"
#include "framework/window.h"
#include "scene/editor_options.h"
#include "scene/entry_list.h"

namespace vl {

inline constexpr char kPreviewClassName[] = "SSTESTWND1.0";
inline constexpr char kPreviewTitle[] = "Preview";
// The settings section that keeps the toolbar's place between previews.
inline constexpr char kPreviewBarSection[] = "Preview";

// What a preview works with; every reference outlives the preview.
struct PreviewServices {
    HWND mainWindow;     // the editor's: disabled while the preview exists; not owned
    EntryList& entries;  // the checked scene; unchanged while the preview exists
    const EditorOptions& options;
    std::uint32_t times;       // the calibration count "Times"; the preview keeps a copy
    MessageLoop& loop;         // where the preview's keys and idle step hook in
    ISettingsStore& settings;  // keeps the toolbar's place
};

class PreviewFrame final : public Window, private IMessageFilter, private IIdleHandler {
  public:
    // The toolbar's Keep Visible button shows this image when off, the next one when on.
    static constexpr int kKeepVisibleOffImage = 6;

    // Registers the window class "SSTESTWND1.0"; false when that fails.
    static bool RegisterWindowClass();

    explicit PreviewFrame(const PreviewServices& services);
    ~PreviewFrame() override;

    // Creates the window over the whole screen (the class must be registered), its view and its
    // toolbar, places the toolbar and disables the main window. False when the window or its
    // toolbar cannot be made; the main window is then left as it was.
    bool Create();
    // From now on the object deletes itself when its window is destroyed.
    void DeleteWhenClosed() { deleteWhenClosed_ = true; }

    // The player thread while one exists (until its end has been handled, or Stop); else null.
    const CSceneThread* Thread() const { return thread_.get(); }
    bool KeepVisible() const { return keepVisible_ != 0; }
    const DockingToolBar& ToolBar() const { return toolbar_; }

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage() override;

  private:
    // Esc, and the keys of accelerator table 186, for the frame and its toolbar.
    bool PreTranslate(MSG& msg) override;
    // The toolbar's buttons take their commands' state.
    void OnIdle() override;

    LRESULT OnCreate();
    bool CreateToolBar();
    void PlaceToolBar();
    void OnSize();
    void OnCommand(UINT id);
    void OnFinished();
    void OnClose();
    void OnDestroy();
    void EnableMainWindow();

    // Go (step 0) and Step By Step (step 1).
    void Run(int step);
    void StopThread();
    void ToggleKeepVisible();
    // Whether msg is for the frame, its children or the floating toolbar.
    bool IsForPreview(const MSG& msg) const;

    PreviewServices services_;
    std::uint32_t times_;  // lent to every thread
    WaitOptions waitOptions_;
    CClientTestWnd view_;
    DockingToolBar toolbar_;
    AcceleratorTable accelerators_;
    // Declared after the view it draws on, so it goes first.
    std::unique_ptr<CSceneThread> thread_;
    int keepVisible_ = 0;
    bool mainDisabled_ = false;
    bool hooked_ = false;  // the filter and idle handler are in the loop
    bool deleteWhenClosed_ = false;
};

// Opens the preview of entries over the whole screen: registers the window class, creates the
// frame with the calibration count, and posts Go to it when "Preview &auto start" is on. Returns
// the frame, which deletes itself when it closes, or null when it could not be created (nothing
// has changed then, and nothing is shown).
//
// Before calling it the caller
// 1. runs the scene check (CheckScene with the engine's object preparer) and stops when it fails,
//    showing its message and selecting its line: the player relies on the objects it prepares
//    and the loops it pairs;
// 2. sends the Save command (57603) to the main window when "Save before &preview" is on and the
//    document is modified; the preview goes ahead whatever saving does.
PreviewFrame* StartPreview(const PreviewServices& services);

}  // namespace vl
