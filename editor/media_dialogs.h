// The property dialogs of Multimedia (231), Play (236) with its Play Settings (235), and Stop
// (238). Each works on copies that the caller takes after OK; Play and Stop also choose the
// linked Multimedia from the scene.
#pragma once

#include <windows.h>

#include "editor/media_tester.h"
#include "editor/object_list.h"
#include "editor/property_dialog.h"
#include "framework/handles.h"
#include "scene/entries.h"

namespace vl {

inline constexpr char kMediaDialogTitle[] = "New Media";
inline constexpr char kMediaFilter[] =
    "All supported media files |*.wav;*.avi|AVI Files (.avi)|*.avi|Wave Files (.wav)|*.wav|"
    "All Files (*.*)|*.*||";

class MultimediaDialog : public PropertyDialog {
  public:
    MultimediaDialog(const PropertyContext& context, const MultimediaEntry& entry);

    MultimediaEntry media;  // the whole object, edited
    MediaPresenter* presenter = &SystemMediaPresenter();

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

  private:
    void ChooseMedia();
    void ShowMedia();

    IconHandle icon_;
};

// The play mode of a Play: the count (with "&Infinite") applies only while the scene waits for
// the media; the position only to a video.
class PlaySettingsDialog : public PropertyDialog {
  public:
    PlaySettingsDialog(const PropertyContext& context, const PlayModeParam& mode, bool video);

    PlayModeParam mode;

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool BeforeStore() override;

  private:
    void ApplyWaitRule();

    bool video_;
};

class PlayDialog : public PropertyDialog {
  public:
    PlayDialog(const PropertyContext& context, const PlayEntry& entry);

    PlayParams params;
    SceneEntry* media = nullptr;  // in: the linked Multimedia; out: the chosen one (or none)
    MediaPresenter* presenter = &SystemMediaPresenter();

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void AfterStore() override { media = objects_.Selected(); }

  private:
    void EditSettings();
    void UpdateTest();

    ObjectList objects_;
};

class StopDialog : public PropertyDialog {
  public:
    StopDialog(const PropertyContext& context, const StopEntry& entry);

    StopParams params;
    SceneEntry* media = nullptr;  // in: the linked Multimedia; out: the chosen one (or none)

  protected:
    BOOL OnInitDialog() override;
    void AfterStore() override { media = objects_.Selected(); }

  private:
    ObjectList objects_;
};

}  // namespace vl
