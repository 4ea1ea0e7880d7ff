// Where a speed calibration is kept: the count "Times" and the description "SysInfo" of the
// machine it was measured on, in the builder's "Settings" section.
#pragma once

namespace vl {

inline constexpr char kSysInfoName[] = "SysInfo";  // machine of the last calibration
inline constexpr char kTimesName[] = "Times";      // unsigned calibration count, 0: none
inline constexpr char kSettingsSection[] = "Settings";

}  // namespace vl
