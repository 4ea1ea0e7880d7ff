#include "engine/player/calibration.h"

#include "engine/core/timing.h"
#include "engine/player/scene_thread.h"

namespace vl {
namespace {

constexpr DWORD kMeasureMs = 1000;

std::uint64_t Address(const void* address) {
    return reinterpret_cast<std::uintptr_t>(address);
}

}  // namespace

std::string ProfileCalibrationStore::ReadSysInfo() {
    return profile_.ReadString(section_, kSysInfoName, std::string());
}

std::uint32_t ProfileCalibrationStore::ReadTimes() {
    // Stored as a DWORD; the profile reads it as an int.
    return static_cast<std::uint32_t>(profile_.ReadInt(section_, kTimesName, 0));
}

void ProfileCalibrationStore::Write(const std::string& sysInfo, std::uint32_t times) {
    profile_.WriteString(section_, kSysInfoName, sysInfo);
    profile_.WriteInt(section_, kTimesName, static_cast<int>(times));
}

std::string CurrentSystemDescription() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    const SystemFacts facts = {info.dwPageSize,
                               Address(info.lpMinimumApplicationAddress),
                               Address(info.lpMaximumApplicationAddress),
                               static_cast<std::uint64_t>(info.dwActiveProcessorMask),
                               info.dwNumberOfProcessors,
                               info.dwProcessorType,
                               info.dwAllocationGranularity,
                               info.wProcessorLevel,
                               info.wProcessorRevision};
    return FormatSystemDescription(facts);
}

std::uint32_t CalibrateTimes(HWND window, ICalibrationStore& store) {
    const std::string stored = store.ReadSysInfo();
    const std::uint32_t storedTimes = store.ReadTimes();
    const std::string current = CurrentSystemDescription();
    if (!NeedsCalibration(storedTimes, stored, current))
        return storedTimes;

    std::uint32_t times = 0;
    {
        CSceneThread thread(window, &times);
        if (thread.Start(0)) {
            Sleep(kMeasureMs);
            thread.Stop();
        }
    }
    store.Write(current, times);
    return times;
}

}  // namespace vl
