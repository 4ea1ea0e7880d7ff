#include "engine/media/wait_video_window.h"

#include <mmsystem.h>
#include <digitalv.h>

#include "engine/media/mci_video.h"

namespace vl {

bool WaitVideoWindow::Create(int playFlag, int x, int y, HWND parent, const std::string& file,
                             HANDLE stopEvent) {
    file_.Adopt(file.c_str());
    WindowClass windowClass = {};
    windowClass.name = kClassName;
    // No parent notification: the parent belongs to another thread, which may be waiting for
    // this one in Stop.
    if (!Window::Register(windowClass) ||
        !Window::Create(kClassName, WS_EX_NOPARENTNOTIFY, "", WS_CHILD, x, y, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)))) {
        errorText_ = kUnknownError;
        return false;
    }
    if (const MCIERROR error = OpenVideo(file_.Path(), Handle(), false, device_))
        return Fail(error);
    source_ = VideoSourceSize(device_);
    SetWindowPos(Handle(), nullptr, x, y, source_.cx, source_.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(Handle(), SW_SHOWNA);

    // Played with a notification rather than MCI_WAIT, so that a Stop does not have to reach
    // into a thread that is blocked in the driver: the wait below ends on either.
    MCI_DGV_PLAY_PARMS play = {};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
    const DWORD flags = MCI_NOTIFY | (playFlag == kPlayOnce ? 0 : MCI_DGV_PLAY_REPEAT);
    ended_ = false;
    if (const MCIERROR error =
            mciSendCommandA(device_, MCI_PLAY, flags, reinterpret_cast<DWORD_PTR>(&play))) {
        return Fail(error);
    }
    WaitForEnd(stopEvent);
    return true;
}

void WaitVideoWindow::WaitForEnd(HANDLE stopEvent) {
    while (!ended_) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &stopEvent, FALSE, INFINITE, QS_ALLINPUT);
        if (woken != WAIT_OBJECT_0 + 1)
            return;  // Stop, or a wait that cannot go on
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void WaitVideoWindow::Finish() {
    if (device_ != 0) {
        SendWaitingCommand(device_, MCI_STOP);
        SendWaitingCommand(device_, MCI_CLOSE);
        device_ = 0;
    }
    file_.Remove();
}

bool WaitVideoWindow::Fail(MCIERROR error) {
    char text[1024] = "";
    errorText_ = mciGetErrorStringA(error, text, sizeof text) ? text : kUnknownError;
    return false;
}

LRESULT WaitVideoWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case MM_MCINOTIFY:
            if (static_cast<UINT>(lParam) == device_)
                ended_ = true;
            return 0;
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

}  // namespace vl
