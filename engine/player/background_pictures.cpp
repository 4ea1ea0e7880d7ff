#include "engine/player/background_pictures.h"

#include <algorithm>
#include <string>
#include <utility>

#include "engine/image/image_runtime.h"
#include "engine/image/picture_loader.h"
#include "scene/messages.h"

namespace vl {
namespace {

// How often a wait for a picture looks at the stop event.
constexpr DWORD kStopPollMs = 20;

class ExclusiveLock {
  public:
    explicit ExclusiveLock(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    ~ExclusiveLock() { ReleaseSRWLockExclusive(&lock_); }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;

  private:
    SRWLOCK& lock_;
};

}  // namespace

BackgroundPictures::BackgroundPictures(int screenWidth, int screenHeight, HANDLE stopEvent)
    : screenWidth_(screenWidth), screenHeight_(screenHeight), stop_(stopEvent) {
    worker_.Reset(CreateThread(nullptr, 0, &BackgroundPictures::WorkerEntry, this, 0, nullptr));
}

BackgroundPictures::~BackgroundPictures() {
    {
        ExclusiveLock locked(lock_);
        quit_ = true;
    }
    WakeAllConditionVariable(&changed_);
    if (worker_)
        WaitForSingleObject(worker_.Get(), INFINITE);
}

BackgroundPictures::Job* BackgroundPictures::Find(const ImageEntry& image) {
    for (const auto& job : jobs_) {
        if (job->image == &image)
            return job.get();
    }
    return nullptr;
}

void BackgroundPictures::Queue(ImageEntry& image, bool first) {
    auto job = std::make_unique<Job>();
    job->image = &image;
    job->state = State::Queued;
    jobs_.insert(first ? jobs_.begin() : jobs_.end(), std::move(job));
}

void BackgroundPictures::Prepare(ImageEntry& image) {
    {
        ExclusiveLock locked(lock_);
        if (Find(image))
            return;
        Queue(image, false);
    }
    WakeAllConditionVariable(&changed_);
}

void BackgroundPictures::Release(ImageEntry& image) {
    {
        ExclusiveLock locked(lock_);
        if (Job* job = Find(image)) {
            if (job->state == State::Working) {
                job->image = nullptr;  // the worker drops it when done
            } else {
                jobs_.erase(std::find_if(jobs_.begin(), jobs_.end(),
                                         [job](const auto& held) { return held.get() == job; }));
            }
        }
    }
    // Installed or not (made on this thread when there is no worker), the entry holds none now.
    ImageRuntimeOf(image).picture.Clear();
}

bool BackgroundPictures::Make(const ImageEntry& image, bool stretched,
                              PreparedPicture& picture) const {
    try {
        return stretched
                   ? LoadPictureBytesForScreen(picture, image.data, screenWidth_, screenHeight_)
                   : LoadPictureBytes(picture, image.data);
    } catch (...) {
        // Out of memory for this picture: it fails like a damaged one, and the player, which
        // waits for it, goes on.
        return false;
    }
}

void BackgroundPictures::Install(ImageEntry& image, PreparedPicture picture, bool made) {
    ImageRuntimeOf(image).picture = std::move(picture);
    if (!made) {
        // The scene check before play judged only the picture's header; a fault deeper in its
        // bytes shows here. A screen saver has nobody to answer a message box.
        const std::string report = image.fileName + msg::kCannotBeLoadedSuffix + "\n";
        OutputDebugStringA(report.c_str());
    }
}

void BackgroundPictures::AwaitReady(ImageEntry& image) {
    if (!worker_) {
        // No thread of its own: the picture is made here, when it is needed.
        if (!ImageRuntimeOf(image).picture.Empty())
            return;
        PreparedPicture picture;
        const bool made = Make(image, OnlyStretched(image), picture);
        Install(image, std::move(picture), made);
        return;
    }
    PreparedPicture picture;
    State state;
    {
        ExclusiveLock locked(lock_);
        Job* job = Find(image);
        if (!job) {
            // Needed now and never asked for: ahead of everything else.
            Queue(image, true);
            WakeAllConditionVariable(&changed_);
            job = Find(image);
        }
        while (job->state == State::Queued || job->state == State::Working) {
            if (WaitForSingleObject(stop_, 0) == WAIT_OBJECT_0)
                return;
            SleepConditionVariableSRW(&changed_, &lock_, kStopPollMs, 0);
            job = Find(image);
            if (!job)
                return;
        }
        state = job->state;
        if (state == State::Installed)
            return;
        picture = std::move(job->picture);
        job->state = State::Installed;
    }
    Install(image, std::move(picture), state != State::Failed);
}

DWORD WINAPI BackgroundPictures::WorkerEntry(void* self) {
    try {
        static_cast<BackgroundPictures*>(self)->Work();
    } catch (...) {
        // Nothing crosses the thread's entry. Work catches what one picture's preparation
        // throws, so nothing is expected here.
    }
    return 0;
}

void BackgroundPictures::Work() {
    for (;;) {
        Job* job = nullptr;
        const ImageEntry* image = nullptr;
        bool stretched = false;
        {
            ExclusiveLock locked(lock_);
            for (;;) {
                if (quit_)
                    return;
                auto queued = std::find_if(jobs_.begin(), jobs_.end(), [](const auto& held) {
                    return held->state == State::Queued;
                });
                if (queued != jobs_.end()) {
                    job = queued->get();
                    break;
                }
                SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
            }
            job->state = State::Working;
            image = job->image;
            // Read here, under the lock: the entry's links do not change while a scene plays.
            stretched = OnlyStretched(*image);
        }
        PreparedPicture picture;
        const bool made = Make(*image, stretched, picture);
        {
            ExclusiveLock locked(lock_);
            if (job->image) {
                job->picture = std::move(picture);
                job->state = made ? State::Ready : State::Failed;
            } else {
                jobs_.erase(std::find_if(jobs_.begin(), jobs_.end(),
                                         [job](const auto& held) { return held.get() == job; }));
            }
        }
        WakeAllConditionVariable(&changed_);
    }
}

}  // namespace vl
