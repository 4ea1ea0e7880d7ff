// Pages 2A "Wizard - Step 2A: Defining Images" and 2B "Wizard - Step 2B: Defining Media": the
// pictures and the media files the sequences can be made of, each chosen several at a time.
#pragma once

#include <memory>
#include <vector>

#include "editor/image_preview.h"
#include "wizard/wizard_page_services.h"

namespace vl {

inline constexpr char kSelectToRemove[] = "Must select item to remove\n it from the list";
inline constexpr char kSelectToPlay[] = "Must select item to play it";
inline constexpr char kImageFilter[] =
    "All supported formats|*.bmp;*jpg;*.cur;*.ico|Bitmaps (.bmp)|*.bmp|Icons, Cursors "
    "(.ico;.cur)|*.ico;*.cur|JPEG (.jpg)|*.jpg|All Files (*.*)|*.*||";
inline constexpr char kMediaFilter[] =
    "All supported media files |*.wav;*.avi;*.mp3|AVI Files (.avi)|*.avi|Wave Files "
    "(.wav)|*.wav|All Files (*.*)|*.*||";
// The file dialog could not hold the names of everything chosen at once.
inline constexpr char kTooManyFiles[] =
    "Too many files were chosen at once.\nPlease choose fewer files at a time.";

class CImagesPage : public WizardDataPage {
  public:
    CImagesPage(WizardData& data, const WizardPageServices& services);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void Store() override;

  private:
    void Add();
    void Remove();
    void ShowLine(int index);

    std::vector<std::unique_ptr<ImageEntry>> images_;
    ImagePreview preview_;
};

class CMediaPage : public WizardDataPage {
  public:
    CMediaPage(WizardData& data, const WizardPageServices& services);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void Store() override;
    void OnLeavingBack() override;
    void OnCancelled() override;

  private:
    void Add();
    void Remove();
    void Play();
    void ShowLine(int index);

    std::vector<std::unique_ptr<MultimediaEntry>> media_;
};

// The files chosen in a multi-select open dialog; a dialog that failed (its names did not fit)
// says so rather than passing for Cancel.
std::vector<std::string> ChooseFiles(const char* title, const char* filter);

}  // namespace vl
