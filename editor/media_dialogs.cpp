#include "editor/media_dialogs.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "editor/command_dialogs.h"
#include "editor/property_dialogs_resources.h"
#include "editor/property_kinds.h"
#include "engine/media/set_media.h"
#include "framework/dialog_fields.h"
#include "framework/integer_field.h"

namespace vl {
namespace {

constexpr int kVideoPositionLimit = 5000;

// The shell's icon for the kind of media, found by extension alone.
IconHandle MediaIcon(std::int32_t mediaType) {
    SHFILEINFOA info{};
    const char* name = mediaType == MultimediaEntry::kTypeAvi ? "media.avi" : "media.wav";
    if (!SHGetFileInfoA(name, FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                        SHGFI_ICON | SHGFI_USEFILEATTRIBUTES))
        return IconHandle();
    return IconHandle(info.hIcon);
}

const MultimediaEntry* AsMedia(const SceneEntry* entry) {
    return EntryAs<MultimediaEntry>(entry);
}

}  // namespace

MultimediaDialog::MultimediaDialog(const PropertyContext& context, const MultimediaEntry& entry)
    : PropertyDialog(IDD_PD_MULTIMEDIA, context, vl::KindName(kMultimedia), &media.description) {
    media.Assign(entry);
}

BOOL MultimediaDialog::OnInitDialog() {
    PropertyDialog::OnInitDialog();
    ShowMedia();
    return TRUE;
}

bool MultimediaDialog::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_PD_MEDIA_CHOOSE:
            if (notifyCode == BN_CLICKED)
                ChooseMedia();
            return true;
        case IDC_PD_TEST:
            if (notifyCode == BN_CLICKED) {
                ScopedPromptOverride usePrompt(Context().prompt);
                TestMedia(media, Handle(), *presenter);
            }
            return true;
        default:
            return PropertyDialog::OnCommand(id, notifyCode, control);
    }
}

void MultimediaDialog::ChooseMedia() {
    FileDialogRequest request;
    request.title = kMediaDialogTitle;
    request.filter = kMediaFilter;
    request.flags = kFileMustExist | kFileHideReadOnly;
    const FileDialogResult chosen = Context().prompt.OpenFile(request);
    if (!chosen.chosen || chosen.paths.empty())
        return;
    // Read into a scratch object: a file that cannot be read leaves this one as it was.
    ScopedPromptOverride usePrompt(Context().prompt);
    MultimediaEntry loaded;
    if (!SetMedia(loaded, chosen.paths.front()))
        return;
    media.fileName = loaded.fileName;
    media.mediaType = loaded.mediaType;
    media.data = loaded.data;
    ShowMedia();
}

void MultimediaDialog::ShowMedia() {
    SetFieldText(Handle(), IDC_PD_MEDIA_NAME, media.fileName);
    icon_ = media.data.empty() ? IconHandle() : MediaIcon(media.mediaType);
    SendDlgItemMessageA(Handle(), IDC_PD_MEDIA_ICON, STM_SETICON,
                        reinterpret_cast<WPARAM>(icon_.Get()), 0);
    EnableWindow(Item(IDC_PD_TEST), !media.data.empty());
}

PlaySettingsDialog::PlaySettingsDialog(const PropertyContext& context, const PlayModeParam& given,
                                       bool video)
    : PropertyDialog(IDD_PD_PLAY_SETTINGS, context, "Play Settings", nullptr), video_(video) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    mode.Assign(given);
    Fields()
        .Integer(IDC_PD_REPEAT_COUNT, mode.count, 1, kMaxRepeatCount)
        .Check(IDC_PD_INFINITE, mode.infinite)
        .Check(IDC_PD_WAIT_PLAYS, mode.wait)
        .Check(IDC_PD_NO_WAIT, mode.endless)
        .Integer(IDC_PD_VIDEO_X, mode.videoX, -kVideoPositionLimit, kVideoPositionLimit)
        .Integer(IDC_PD_VIDEO_Y, mode.videoY, -kVideoPositionLimit, kVideoPositionLimit);
}

BOOL PlaySettingsDialog::OnInitDialog() {
    SendDlgItemMessageA(Handle(), IDC_PD_REPEAT_SPIN, UDM_SETRANGE32, 1, kMaxRepeatSpin);
    PropertyDialog::OnInitDialog();
    // A record may hold both flags; "No wait - Infinite" wins, as it does when the scene plays.
    if (IsDlgButtonChecked(Handle(), IDC_PD_NO_WAIT))
        CheckDlgButton(Handle(), IDC_PD_WAIT_PLAYS, BST_UNCHECKED);
    ApplyWaitRule();
    for (int id : {IDC_PD_POSITION_GROUP, IDC_PD_VIDEO_X_LABEL, IDC_PD_VIDEO_X,
                   IDC_PD_VIDEO_Y_LABEL, IDC_PD_VIDEO_Y})
        EnableWindow(Item(id), video_);
    return TRUE;
}

bool PlaySettingsDialog::OnCommand(int id, int notifyCode, HWND control) {
    if (notifyCode != BN_CLICKED || (id != IDC_PD_WAIT_PLAYS && id != IDC_PD_NO_WAIT))
        return PropertyDialog::OnCommand(id, notifyCode, control);
    if (IsDlgButtonChecked(Handle(), id)) {
        const int other = id == IDC_PD_WAIT_PLAYS ? IDC_PD_NO_WAIT : IDC_PD_WAIT_PLAYS;
        CheckDlgButton(Handle(), other, BST_UNCHECKED);
    }
    ApplyWaitRule();
    return true;
}

void PlaySettingsDialog::ApplyWaitRule() {
    const bool waits = IsDlgButtonChecked(Handle(), IDC_PD_WAIT_PLAYS) == BST_CHECKED;
    for (int id : {IDC_PD_REPEAT_LABEL, IDC_PD_REPEAT_COUNT, IDC_PD_REPEAT_SPIN, IDC_PD_TIMES_LABEL,
                   IDC_PD_INFINITE})
        EnableWindow(Item(id), waits);
}

bool PlaySettingsDialog::BeforeStore() {
    // A disabled number cannot be corrected by the user, so it must not be what keeps the dialog
    // open: one that would be refused goes back to the record's value, brought within range.
    const auto restore = [this](int id, long long value, long long low, long long high) {
        if (IsWindowEnabled(Item(id)))
            return;
        const std::string text = FieldText(Handle(), id);
        if (ParseIntegerInRange(text, static_cast<int>(low), static_cast<int>(high)))
            return;
        SetFieldText(Handle(), id, std::to_string(std::clamp(value, low, high)));
    };
    restore(IDC_PD_REPEAT_COUNT, mode.count, 1, kMaxRepeatCount);
    restore(IDC_PD_VIDEO_X, mode.videoX, -kVideoPositionLimit, kVideoPositionLimit);
    restore(IDC_PD_VIDEO_Y, mode.videoY, -kVideoPositionLimit, kVideoPositionLimit);
    return true;
}

PlayDialog::PlayDialog(const PropertyContext& context, const PlayEntry& entry)
    : PropertyDialog(IDD_PD_PLAY, context, vl::KindName(kPlay), &params.description),
      media(entry.GetLinkedObject()) {
    params.Assign(entry.params);
    params.description.Assign(entry.description);
}

BOOL PlayDialog::OnInitDialog() {
    PropertyDialog::OnInitDialog();
    objects_.Attach(Handle(), IDC_PD_MEDIA_LIST, IDC_PD_MEDIA_LABEL, Context().scene, kMultimedia,
                    media);
    UpdateTest();
    return TRUE;
}

bool PlayDialog::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_PD_MEDIA_LIST:
            if (notifyCode == LBN_SELCHANGE)
                UpdateTest();
            return true;
        case IDC_PD_SETTINGS:
            if (notifyCode == BN_CLICKED)
                EditSettings();
            return true;
        case IDC_PD_TEST:
            if (notifyCode == BN_CLICKED) {
                if (const MultimediaEntry* chosen = AsMedia(objects_.Selected())) {
                    ScopedPromptOverride usePrompt(Context().prompt);
                    TestMedia(*chosen, Handle(), *presenter);
                }
            }
            return true;
        default:
            return PropertyDialog::OnCommand(id, notifyCode, control);
    }
}

void PlayDialog::EditSettings() {
    const MultimediaEntry* chosen = AsMedia(objects_.Selected());
    const bool video = chosen && chosen->mediaType == MultimediaEntry::kTypeAvi;
    PlaySettingsDialog settings(Context(), params.mode, video);
    if (settings.Run(Handle()) != IDOK)
        return;
    params.mode.Assign(settings.mode);
    SubDialogConfirmed(IDC_PD_SETTINGS);
}

void PlayDialog::UpdateTest() {
    const MultimediaEntry* chosen = AsMedia(objects_.Selected());
    EnableWindow(Item(IDC_PD_TEST), chosen && !chosen->data.empty());
}

StopDialog::StopDialog(const PropertyContext& context, const StopEntry& entry)
    : PropertyDialog(IDD_PD_STOP, context, vl::KindName(kStop), &params.description),
      media(entry.GetLinkedObject()) {
    params.Assign(entry.params);
    params.description.Assign(entry.description);
}

BOOL StopDialog::OnInitDialog() {
    PropertyDialog::OnInitDialog();
    objects_.Attach(Handle(), IDC_PD_MEDIA_LIST, IDC_PD_MEDIA_LABEL, Context().scene, kMultimedia,
                    media);
    return TRUE;
}

bool EditMultimedia(const PropertyContext& context, HWND owner, MultimediaEntry& entry) {
    MultimediaDialog dialog(context, entry);
    if (dialog.Run(owner) != IDOK)
        return false;
    entry.Assign(dialog.media);
    return true;
}

bool EditPlay(const PropertyContext& context, HWND owner, PlayEntry& entry) {
    PlayDialog dialog(context, entry);
    if (dialog.Run(owner) != IDOK)
        return false;
    entry.params.Assign(dialog.params);
    entry.description.Assign(dialog.params.description);
    entry.SetObject(dialog.media);
    return true;
}

bool EditStop(const PropertyContext& context, HWND owner, StopEntry& entry) {
    StopDialog dialog(context, entry);
    if (dialog.Run(owner) != IDOK)
        return false;
    entry.params.Assign(dialog.params);
    entry.description.Assign(dialog.params.description);
    entry.SetObject(dialog.media);
    return true;
}

}  // namespace vl
