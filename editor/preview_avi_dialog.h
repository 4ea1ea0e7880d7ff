// The "Preview AVI" dialog (321): loops a video file in a VideoWindow, sized to the video, until
// the user closes it. Used by the media property dialog and the wizard.
#pragma once

#include <memory>
#include <string>

#include "engine/media/video_window.h"
#include "framework/modal_dialog.h"

namespace vl {

class PreviewAviDialog : public ModalDialog {
  public:
    PreviewAviDialog();
    ~PreviewAviDialog() override;

    // Input: the video file, which stays the caller's.
    std::string fileName;

  protected:
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    // Cancel (Esc) closes like the close box.
    bool OnCommand(int id, int notifyCode, HWND control) override;
    // The playing video window; null before initialisation and after closing.
    VideoWindow* Video() const { return video_.get(); }

  private:
    void OnClose();

    std::unique_ptr<VideoWindow> video_;
};

}  // namespace vl
