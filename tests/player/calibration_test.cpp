// The calibration of "Times": kept while the machine description matches, measured again for one
// second otherwise, and stored through the store the program gives.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "engine/player/calibration.h"
#include "framework/profile_settings.h"

namespace vl {
namespace {

class FakeStore : public ICalibrationStore {
  public:
    std::string ReadSysInfo() override { return sysInfo; }
    std::uint32_t ReadTimes() override { return times; }
    void Write(const std::string& info, std::uint32_t count) override {
        sysInfo = info;
        times = count;
        ++writes;
    }

    std::string sysInfo;
    std::uint32_t times = 0;
    int writes = 0;
};

// A window of this thread for the calibrating thread to be created on.
class ListViewStandIn {
  public:
    ListViewStandIn()
        : hwnd_(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                nullptr)) {}
    ~ListViewStandIn() { DestroyWindow(hwnd_); }
    HWND Handle() const { return hwnd_; }

  private:
    HWND hwnd_;
};

TEST(Calibration, SystemDescriptionListsTheNineNumbersOfThisMachine) {
    const std::string description = CurrentSystemDescription();
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = description.find(',', start);
        parts.push_back(description.substr(start, comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    ASSERT_EQ(parts.size(), 9u);
    EXPECT_EQ(parts[0], std::to_string(info.dwPageSize));
    EXPECT_EQ(parts[4], std::to_string(info.dwNumberOfProcessors));
    EXPECT_EQ(parts[6], std::to_string(info.dwAllocationGranularity));
    EXPECT_EQ(parts[8], std::to_string(info.wProcessorRevision));
}

TEST(Calibration, StoredCountForThisMachineIsKeptWithoutMeasuring) {
    ListViewStandIn view;
    FakeStore store;
    store.sysInfo = CurrentSystemDescription();
    store.times = 12345;
    const DWORD start = GetTickCount();
    EXPECT_EQ(CalibrateTimes(view.Handle(), store), 12345u);
    EXPECT_LT(GetTickCount() - start, 500u);
    EXPECT_EQ(store.writes, 0);
}

TEST(Calibration, MissingCountIsMeasuredForASecondAndStored) {
    ListViewStandIn view;
    FakeStore store;
    store.sysInfo = CurrentSystemDescription();
    const DWORD start = GetTickCount();
    const std::uint32_t times = CalibrateTimes(view.Handle(), store);
    EXPECT_GE(GetTickCount() - start, 900u);
    EXPECT_GT(times, 0u);
    EXPECT_EQ(store.writes, 1);
    EXPECT_EQ(store.times, times);
    EXPECT_EQ(store.sysInfo, CurrentSystemDescription());
}

TEST(Calibration, ChangedMachineIsMeasuredAgain) {
    ListViewStandIn view;
    FakeStore store;
    // Another processor count than this machine's.
    store.sysInfo = "4096,65536,2147418111,1,1,586,65536,6,1";
    store.times = 777;
    const std::uint32_t times = CalibrateTimes(view.Handle(), store);
    EXPECT_EQ(store.writes, 1);
    EXPECT_NE(times, 777u);
    EXPECT_EQ(store.sysInfo, CurrentSystemDescription());
}

TEST(Calibration, ProfileStoreKeepsBothValuesInItsSection) {
    const char kKey[] = "Software\\Quillmark\\Player Tests";
    ProfileSettings profile(kKey);
    ProfileCalibrationStore store(profile);
    profile.Delete(kSettingsSection, kSysInfoName);
    profile.Delete(kSettingsSection, kTimesName);
    EXPECT_EQ(store.ReadSysInfo(), "");
    EXPECT_EQ(store.ReadTimes(), 0u);

    store.Write("1,2,3", 0xF0000001u);  // counts above 2^31 survive the DWORD
    EXPECT_EQ(store.ReadSysInfo(), "1,2,3");
    EXPECT_EQ(store.ReadTimes(), 0xF0000001u);
    EXPECT_EQ(profile.ReadString("Settings", "SysInfo", ""), "1,2,3");
    EXPECT_EQ(profile.ReadInt("Settings", "Times", 0), static_cast<int>(0xF0000001u));

    ProfileCalibrationStore other(profile, "Other");
    EXPECT_EQ(other.ReadTimes(), 0u);
    profile.Delete(kSettingsSection, kSysInfoName);
    profile.Delete(kSettingsSection, kTimesName);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Quillmark\\Player Tests\\Settings");
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

TEST(Calibration, RegistryKeyStoreKeepsBothValuesInTheKeyItself) {
    const char kKey[] = "Software\\Quillmark\\Player Key Tests";
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    RegistryKeyCalibrationStore store(kKey);
    EXPECT_EQ(store.ReadSysInfo(), "");
    EXPECT_EQ(store.ReadTimes(), 0u);

    store.Write("4096,65536", 0x80000000u);
    EXPECT_EQ(store.ReadSysInfo(), "4096,65536");
    EXPECT_EQ(store.ReadTimes(), 0x80000000u);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExA(key, "SysInfo", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(RegQueryValueExA(key, "Times", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    RegCloseKey(key);

    // A value of another type counts as none.
    HKEY writable = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_WRITE, &writable), ERROR_SUCCESS);
    RegSetValueExA(writable, "Times", 0, REG_SZ, reinterpret_cast<const BYTE*>("12"), 3);
    RegCloseKey(writable);
    EXPECT_EQ(store.ReadTimes(), 0u);
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

}  // namespace
}  // namespace vl
