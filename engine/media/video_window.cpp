#include "engine/media/video_window.h"

#include <mmsystem.h>
#include <digitalv.h>

#include "engine/media/mci_video.h"

namespace vl {

bool VideoWindow::Create(HWND parent) {
    WindowClass windowClass = {};
    windowClass.name = kClassName;
    if (!Window::Register(windowClass))
        return false;
    return Window::Create(kClassName, 0, "", WS_CHILD, 0, 0, 0, 0, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)));
}

LRESULT VideoWindow::Command(HWND video, WORD command, LPARAM lParam) {
    return SendMessageA(video, WM_COMMAND, MAKEWPARAM(command, 0), lParam);
}

SIZE VideoWindow::SourceSize() const {
    return VideoSourceSize(device_);
}

LRESULT VideoWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), lParam);
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

LRESULT VideoWindow::OnCommand(WORD command, LPARAM lParam) {
    // MCI errors are not reported: a video that cannot play simply does not appear.
    switch (command) {
        case kOpen:
            OnOpen(reinterpret_cast<const char*>(lParam));
            return 0;
        case kPlay:
            OnPlay(lParam != 0);
            return 0;
        case kStop:
            OnStop();
            return 0;
        case kClose:
            OnClose();
            return 0;
        case kPosition:
            if (lParam)
                position_ = *reinterpret_cast<const POINT*>(lParam);
            return 0;
        default:
            return DefaultProc(WM_COMMAND, command, lParam);
    }
}

void VideoWindow::OnOpen(const char* fileName) {
    // A device left open would keep its file locked for good.
    OnClose();
    fileName_ = fileName ? fileName : "";
    OpenVideo(fileName_.c_str(), Handle(), true, device_);
}

void VideoWindow::OnPlay(bool once) {
    destroyed_ = false;
    source_ = VideoSourceSize(device_);
    SetWindowPos(Handle(), nullptr, position_.x, position_.y, source_.cx, source_.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(Handle(), SW_SHOW);
    // The video's own window may have taken the focus; the keys belong to the scene's window.
    SetFocus(GetParent(Handle()));
    if (device_ == 0)
        return;
    MCI_DGV_PLAY_PARMS play = {};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
    const DWORD flags = MCI_NOTIFY | (once ? 0 : MCI_DGV_PLAY_REPEAT);
    mciSendCommandA(device_, MCI_PLAY, flags, reinterpret_cast<DWORD_PTR>(&play));
}

void VideoWindow::OnStop() {
    ShowWindow(Handle(), SW_HIDE);
    if (device_ != 0)
        SendWaitingCommand(device_, MCI_STOP);
}

void VideoWindow::OnClose() {
    if (device_ != 0)
        SendWaitingCommand(device_, MCI_CLOSE);
    device_ = 0;
    ShowWindow(Handle(), SW_HIDE);
}

void VideoWindow::OnDestroy() {
    OnStop();
    OnClose();
    destroyed_ = true;
}

}  // namespace vl
