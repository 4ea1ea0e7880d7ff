#include "framework/win32_prompt.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "framework/message_box_style.h"

namespace vl {
namespace {

// What the hook needs; reaches it through OPENFILENAME's lCustData.
struct HookState {
    const FileDialogRequest* request;
    HWND owner;
};

void CentreOver(HWND window, HWND owner) {
    RECT outer;
    if (owner && IsWindowVisible(owner)) {
        GetWindowRect(owner, &outer);
    } else {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &outer, 0);
    }
    RECT own;
    GetWindowRect(window, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    SetWindowPos(window, nullptr, outer.left + (outer.right - outer.left - width) / 2,
                 outer.top + (outer.bottom - outer.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// True when the typed name may close the dialog.
bool AcceptTypedName(HWND dialog, const OPENFILENAMEA& ofn, const HookState& state) {
    if (!state.request->acceptName)
        return true;
    char typed[MAX_PATH] = "";
    if (SendMessageA(dialog, CDM_GETSPEC, MAX_PATH, reinterpret_cast<LPARAM>(typed)) < 0) {
        typed[0] = '\0';
    }
    try {
        return state.request->acceptName(typed, ofn.lpstrFile ? ofn.lpstrFile : "");
    } catch (...) {
        // Keep the dialog open: the user can still cancel.
        MessageBeep(MB_ICONSTOP);
        return false;
    }
}

UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_NOTIFY)
        return 0;
    const auto* notify = reinterpret_cast<const OFNOTIFYA*>(lParam);
    const auto* state = reinterpret_cast<const HookState*>(notify->lpOFN->lCustData);
    // The hook is a child of the explorer-style dialog; the dialog itself is its parent.
    HWND dialog = GetParent(hook);
    switch (notify->hdr.code) {
        case CDN_INITDONE:
            if (state->request->flags & kFileCentreOverOwner)
                CentreOver(dialog, state->owner);
            return 0;
        case CDN_FILEOK:
            if (AcceptTypedName(dialog, *notify->lpOFN, *state))
                return 0;
            SetWindowLongPtrA(hook, DWLP_MSGRESULT, 1);
            return 1;
        default:
            return 0;
    }
}

}  // namespace

HWND Win32Prompt::Owner() const {
    if (!owner_)
        return GetActiveWindow();
    // While a modal dialog of the frame is up (a wizard page), the prompt belongs to that
    // dialog: a box owned by the disabled frame enables the frame again when it closes, and
    // the frame comes up over the dialog that is still waiting for the user.
    HWND popup = GetLastActivePopup(owner_);
    return popup && IsWindowEnabled(popup) ? popup : owner_;
}

const char* Win32Prompt::Caption(const std::string& caption) const {
    return caption.empty() ? title_.c_str() : caption.c_str();
}

void Win32Prompt::Message(const std::string& text, MessageIcon icon, const std::string& caption) {
    MessageBoxA(Owner(), text.c_str(), Caption(caption), MB_OK | MessageBoxIconStyle(icon));
}

bool Win32Prompt::AskYesNo(const std::string& text, const QuestionOptions& options,
                           const std::string& caption) {
    const UINT flags =
        MB_YESNO | MessageBoxIconStyle(options.icon) | (options.defaultNo ? MB_DEFBUTTON2 : 0);
    return MessageBoxA(Owner(), text.c_str(), Caption(caption), flags) == IDYES;
}

YesNoCancel Win32Prompt::AskYesNoCancel(const std::string& text, const QuestionOptions& options,
                                        const std::string& caption) {
    const UINT flags = MB_YESNOCANCEL | MessageBoxIconStyle(options.icon) |
                       (options.defaultNo ? MB_DEFBUTTON2 : 0);
    switch (MessageBoxA(Owner(), text.c_str(), Caption(caption), flags)) {
        case IDYES:
            return YesNoCancel::Yes;
        case IDNO:
            return YesNoCancel::No;
        default:
            return YesNoCancel::Cancel;
    }
}

FileDialogResult Win32Prompt::FileDialog(bool save, const FileDialogRequest& request) {
    const bool multi = (request.flags & kFileAllowMultiSelect) != 0;
    std::vector<char> buffer(multi ? 5000 : MAX_PATH, '\0');
    lstrcpynA(buffer.data(), request.proposedName.c_str(), static_cast<int>(buffer.size()));
    const std::string filter = FilterForFileDialog(request.filter);

    HookState state{&request, Owner()};
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = state.owner;
    ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
    ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    ofn.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (request.flags & kFileOverwritePrompt)
        ofn.Flags |= OFN_OVERWRITEPROMPT;
    if (request.flags & kFileMustExist)
        ofn.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (request.flags & kFileHideReadOnly)
        ofn.Flags |= OFN_HIDEREADONLY;
    if (multi)
        ofn.Flags |= OFN_ALLOWMULTISELECT;
    ofn.lpfnHook = &FileDialogHook;
    ofn.lCustData = reinterpret_cast<LPARAM>(&state);

    const BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    FileDialogResult result;
    if (!chosen) {
        result.failure = CommDlgExtendedError();
        return result;
    }
    result.chosen = true;
    if (multi) {
        result.paths = SplitFileDialogSelection(std::string(buffer.data(), buffer.size()));
    } else {
        result.paths.push_back(buffer.data());
    }
    // Not every implementation of the dialog sets OFN_EXTENSIONDIFFERENT; the rule is simple.
    result.extensionDiffers =
        (ofn.Flags & OFN_EXTENSIONDIFFERENT) != 0 ||
        (!result.paths.empty() && ExtensionDiffers(result.paths.front(), request.defaultExtension));
    return result;
}

FileDialogResult Win32Prompt::OpenFile(const FileDialogRequest& request) {
    return FileDialog(false, request);
}

FileDialogResult Win32Prompt::SaveFile(const FileDialogRequest& request) {
    return FileDialog(true, request);
}

std::string Win32Prompt::ChooseFolder(const FolderRequest& request) {
    // The shell's chooser needs COM on this thread; S_FALSE means it was already there.
    const HRESULT com = CoInitialize(nullptr);
    char display[MAX_PATH] = "";
    BROWSEINFOA info = {};
    info.hwndOwner = Owner();
    info.pszDisplayName = display;
    info.lpszTitle = request.title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    std::string folder;
    if (LPITEMIDLIST list = SHBrowseForFolderA(&info)) {
        char path[MAX_PATH] = "";
        if (SHGetPathFromIDListA(list, path))
            folder = path;
        CoTaskMemFree(list);
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return folder;
}

}  // namespace vl
