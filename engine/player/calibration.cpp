#include "engine/player/calibration.h"

#include "engine/core/timing.h"
#include "engine/player/scene_thread.h"
#include "framework/handles.h"

namespace vl {
namespace {

constexpr DWORD kMeasureMs = 1000;

std::uint64_t Address(const void* address) {
    return reinterpret_cast<std::uintptr_t>(address);
}

// The store's key, created when missing so that a first run reads empty values.
RegistryKey StoreKey(const std::string& path, REGSAM access) {
    return CreateRegistryKey(HKEY_CURRENT_USER, path.c_str(), access);
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

std::string RegistryKeyCalibrationStore::ReadSysInfo() {
    const RegistryKey key = StoreKey(key_, KEY_READ);
    char text[MAX_PATH + 1] = "";
    DWORD type = 0;
    DWORD size = MAX_PATH;  // the terminator stays in the buffer's last byte
    if (!key ||
        RegQueryValueExA(key.Get(), kSysInfoName, nullptr, &type, reinterpret_cast<BYTE*>(text),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::string();
    }
    return text;
}

std::uint32_t RegistryKeyCalibrationStore::ReadTimes() {
    const RegistryKey key = StoreKey(key_, KEY_READ);
    DWORD value = 0;
    DWORD type = 0;
    DWORD size = sizeof value;
    if (!key ||
        RegQueryValueExA(key.Get(), kTimesName, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD) {
        return 0;
    }
    return value;
}

void RegistryKeyCalibrationStore::Write(const std::string& sysInfo, std::uint32_t times) {
    const RegistryKey key = StoreKey(key_, KEY_WRITE);
    if (!key)
        return;
    RegSetValueExA(key.Get(), kSysInfoName, 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(sysInfo.c_str()),
                   static_cast<DWORD>(sysInfo.size() + 1));
    const DWORD value = times;
    RegSetValueExA(key.Get(), kTimesName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof value);
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
