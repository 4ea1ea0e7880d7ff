// VideoWindow: the child window in which a video plays through the Media Control Interface while
// the scene goes on (and in the "Preview AVI" dialog). It belongs to the thread that created it
// and is driven by WM_COMMAND messages, which the player thread sends to it.
#pragma once

#include <windows.h>

#include <string>

#include "framework/window.h"

namespace vl {

class VideoWindow : public Window {
  public:
    // WM_COMMAND ids (LOWORD of wParam) and what lParam carries.
    static constexpr WORD kOpen = 100;      // const char*: the file to open
    static constexpr WORD kPlay = 110;      // nonzero: play once; 0: repeat
    static constexpr WORD kStop = 120;      // -
    static constexpr WORD kClose = 130;     // -
    static constexpr WORD kPosition = 140;  // const POINT*: where the video appears
    static constexpr int kControlId = 75000;
    static constexpr char kClassName[] = "VideoWindow1.0";

    // Hidden, with an empty rectangle, as a child of parent.
    bool Create(HWND parent);

    // Sends one of the commands above to a video window (which may belong to another thread).
    static LRESULT Command(HWND video, WORD command, LPARAM lParam = 0);

    // The size of the open video (MCI_WHERE with MCI_DGV_WHERE_SOURCE); 0 x 0 when none is open.
    SIZE SourceSize() const;
    const std::string& FileName() const { return fileName_; }
    UINT DeviceId() const { return device_; }
    POINT Position() const { return position_; }
    bool Destroyed() const { return destroyed_; }

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    LRESULT OnCommand(WORD command, LPARAM lParam);
    void OnOpen(const char* fileName);
    void OnPlay(bool once);
    void OnStop();
    void OnClose();
    void OnDestroy();

    std::string fileName_;
    UINT device_ = 0;  // the open MCI device, 0 when none; closed by kClose and on destruction
    SIZE source_ = {0, 0};
    POINT position_ = {0, 0};
    bool destroyed_ = false;
};

}  // namespace vl
