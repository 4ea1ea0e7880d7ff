#include "editor/preview_avi_dialog.h"

#include "editor/preview_avi_resources.h"

namespace vl {

PreviewAviDialog::PreviewAviDialog() : ModalDialog(IDD_PREVIEW_AVI) {}

PreviewAviDialog::~PreviewAviDialog() = default;

BOOL PreviewAviDialog::OnInitDialog() {
    video_ = std::make_unique<VideoWindow>();
    if (!video_->Create(Handle())) {
        video_.reset();
        return TRUE;
    }
    HWND video = video_->Handle();
    VideoWindow::Command(video, VideoWindow::kOpen, reinterpret_cast<LPARAM>(fileName.c_str()));
    const SIZE size = video_->SourceSize();
    RECT frame;
    GetWindowRect(Handle(), &frame);
    // Room for the dialog's border and caption around the video.
    MoveWindow(Handle(), frame.left, frame.top, size.cx + 7, size.cy + 25, TRUE);
    const POINT origin = {0, 0};
    VideoWindow::Command(video, VideoWindow::kPosition, reinterpret_cast<LPARAM>(&origin));
    VideoWindow::Command(video, VideoWindow::kPlay, 0);
    return TRUE;
}

INT_PTR PreviewAviDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CLOSE:
            OnClose();
            return TRUE;
        default:
            return ModalDialog::OnMessage(msg, wParam, lParam);
    }
}

bool PreviewAviDialog::OnCommand(int id, int notifyCode, HWND control) {
    if (id != IDCANCEL)
        return ModalDialog::OnCommand(id, notifyCode, control);
    OnClose();
    return true;
}

void PreviewAviDialog::OnClose() {
    if (video_) {
        HWND video = video_->Handle();
        VideoWindow::Command(video, VideoWindow::kStop);
        VideoWindow::Command(video, VideoWindow::kClose);
        SendMessageA(video, WM_CLOSE, 0, 0);
        video_.reset();
    }
    End(IDCANCEL);
}

}  // namespace vl
