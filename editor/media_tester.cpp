#include "editor/media_tester.h"

#include <mmsystem.h>

#include "editor/preview_avi_dialog.h"
#include "engine/media/media_playback.h"
#include "framework/data_files.h"
#include "framework/handles.h"
#include "framework/prompt.h"
#include "scene/messages.h"

namespace vl {
namespace {

class SystemPresenter final : public MediaPresenter {
  public:
    void PlaySoundBytes(const ByteBlock& bytes) override {
        // The previous sound stops before its bytes may go.
        StopAllSounds();
        playing_ = bytes;
        PlaySoundA(reinterpret_cast<LPCSTR>(playing_.data()), nullptr, SoundFlags(false, false));
    }
    void ShowVideo(HWND owner, const std::string& path) override {
        PreviewAviDialog preview;
        preview.fileName = path;
        preview.Run(owner);
    }

  private:
    ByteBlock playing_;  // shares the bytes of the sound being played
};

}  // namespace

MediaPresenter& SystemMediaPresenter() {
    static SystemPresenter presenter;
    return presenter;
}

void TestMedia(const MultimediaEntry& media, HWND owner, MediaPresenter& presenter) {
    if (media.data.empty())
        return;
    if (media.mediaType != MultimediaEntry::kTypeAvi) {
        presenter.PlaySoundBytes(media.data);
        return;
    }
    const std::string dataPath = WriteTempDataFile(media.data.data(), media.data.size());
    if (dataPath.empty())
        return;
    TemporaryFile dataFile;
    dataFile.Adopt(dataPath.c_str());
    const std::string videoPath = dataPath + ".avi";
    if (!CopyFileA(dataPath.c_str(), videoPath.c_str(), FALSE)) {
        CurrentPrompt().Message(msg::kCannotMakeDataFile, MessageIcon::Plain);
        return;
    }
    TemporaryFile videoFile;
    videoFile.Adopt(videoPath.c_str());
    presenter.ShowVideo(owner, videoPath);
}

}  // namespace vl
