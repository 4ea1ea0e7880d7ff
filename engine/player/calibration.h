// The calibration count "Times" and the machine description "SysInfo" it was measured on. The
// builder keeps both in the "Settings" section of its profile (ProfileCalibrationStore), Glint as
// values of its own key "Software\Quillmark\Screen Saver" (RegistryKeyCalibrationStore). No wait of
// the player depends on the count: it is kept because it belongs to the documented settings.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

#include "engine/core/calibration_names.h"
#include "framework/profile_settings.h"

namespace vl {

class ICalibrationStore {
  public:
    virtual ~ICalibrationStore() = default;
    // Empty and 0 when nothing is stored.
    virtual std::string ReadSysInfo() = 0;
    virtual std::uint32_t ReadTimes() = 0;
    virtual void Write(const std::string& sysInfo, std::uint32_t times) = 0;
};

// The two values in one section of a ProfileSettings key.
class ProfileCalibrationStore final : public ICalibrationStore {
  public:
    // profile must outlive the store.
    explicit ProfileCalibrationStore(const ProfileSettings& profile,
                                     const char* section = kSettingsSection)
        : profile_(profile), section_(section) {}

    std::string ReadSysInfo() override;
    std::uint32_t ReadTimes() override;
    void Write(const std::string& sysInfo, std::uint32_t times) override;

  private:
    const ProfileSettings& profile_;
    const char* section_;
};

// The two values directly in a per-user key, which is created when missing: "SysInfo" a text of
// at most 260 characters, "Times" a DWORD.
class RegistryKeyCalibrationStore final : public ICalibrationStore {
  public:
    // key below HKEY_CURRENT_USER.
    explicit RegistryKeyCalibrationStore(std::string key) : key_(std::move(key)) {}

    std::string ReadSysInfo() override;
    std::uint32_t ReadTimes() override;
    void Write(const std::string& sysInfo, std::uint32_t times) override;

  private:
    std::string key_;
};

// This machine's description: GetSystemInfo's page size, lowest and highest application address,
// active processor mask, number of processors, processor type, allocation granularity, processor
// level and revision.
std::string CurrentSystemDescription();

// Returns the count to use. When one is stored for this machine's description it is kept;
// otherwise a calibrating CSceneThread runs on window for one second, and the count it reached is
// stored with the description. Blocks the caller for that second.
std::uint32_t CalibrateTimes(HWND window, ICalibrationStore& store);

}  // namespace vl
