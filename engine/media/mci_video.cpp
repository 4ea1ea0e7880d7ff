#include "engine/media/mci_video.h"

#include <digitalv.h>

namespace vl {

MCIERROR OpenVideo(const char* file, HWND parent, bool wait, UINT& device) {
    device = 0;
    MCI_DGV_OPEN_PARMSA open = {};
    open.lpstrElementName = const_cast<char*>(file);
    open.hWndParent = parent;
    open.dwStyle = WS_CHILD | WS_VISIBLE;
    const DWORD flags =
        MCI_OPEN_ELEMENT | MCI_ANIM_OPEN_PARENT | MCI_ANIM_OPEN_WS | (wait ? MCI_WAIT : 0);
    const MCIERROR error = mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&open));
    if (error == 0)
        device = open.wDeviceID;
    return error;
}

SIZE VideoSourceSize(UINT device) {
    MCI_DGV_RECT_PARMS where = {};
    if (device == 0 || mciSendCommandA(device, MCI_WHERE, MCI_DGV_WHERE_SOURCE,
                                       reinterpret_cast<DWORD_PTR>(&where)) != 0) {
        return {0, 0};
    }
    // The source rectangle's right and bottom hold its width and height.
    return {where.rc.right, where.rc.bottom};
}

MCIERROR SendWaitingCommand(UINT device, UINT command) {
    MCI_GENERIC_PARMS generic = {};
    return mciSendCommandA(device, command, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&generic));
}

}  // namespace vl
