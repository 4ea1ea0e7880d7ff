// The Win32 side of PictureLookAhead: pictures are decoded on a thread of their own, in the order
// the player asks for them, while the player shows, waits and moves; the player thread installs
// each one into its Image entry when it reaches an entry that draws it, and frees it when the
// look-ahead lets it go. Only the player thread touches the entries' prepared pictures.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "engine/core/picture_look_ahead.h"
#include "engine/image/prepared_picture.h"
#include "framework/handles.h"

namespace vl {

class BackgroundPictures final : public IPicturePreparation {
  public:
    // screenWidth x screenHeight: the drawing target, the size that pictures drawn only
    // stretched are kept at. stopEvent (not owned) ends a wait in AwaitReady.
    BackgroundPictures(int screenWidth, int screenHeight, HANDLE stopEvent);
    // Waits for the picture being decoded, then frees everything not installed.
    ~BackgroundPictures();
    BackgroundPictures(const BackgroundPictures&) = delete;
    BackgroundPictures& operator=(const BackgroundPictures&) = delete;

    void Prepare(ImageEntry& image) override;
    void Release(ImageEntry& image) override;
    // A picture that fails to decode draws nothing; it is reported once per preparation as its
    // file name and "\ncannot be loaded." on the debugger's output, and the scene goes on.
    void AwaitReady(ImageEntry& image) override;

  private:
    enum class State { Queued, Working, Ready, Failed, Installed };
    struct Job {
        ImageEntry* image;  // null once released while it was being decoded
        State state;
        PreparedPicture picture;
    };

    // Decodes the picture, at the screen's size when it is only drawn stretched.
    bool Make(const ImageEntry& image, bool stretched, PreparedPicture& picture) const;
    // On the player thread: the picture becomes the entry's; a failure is reported.
    void Install(ImageEntry& image, PreparedPicture picture, bool made);
    static DWORD WINAPI WorkerEntry(void* self);
    void Work();
    // Under the lock.
    Job* Find(const ImageEntry& image);
    void Queue(ImageEntry& image, bool first);

    const int screenWidth_;
    const int screenHeight_;
    HANDLE stop_;  // not owned
    SRWLOCK lock_ = SRWLOCK_INIT;
    CONDITION_VARIABLE changed_ = CONDITION_VARIABLE_INIT;
    std::vector<std::unique_ptr<Job>> jobs_;  // in the order asked for
    bool quit_ = false;
    ThreadHandle worker_;
};

}  // namespace vl
