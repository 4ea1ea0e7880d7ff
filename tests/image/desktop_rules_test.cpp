#include <gtest/gtest.h>

#include "engine/image/desktop_rules.h"

namespace {

TEST(WallpaperStyle, RegistryValuesSelectThePlacement) {
    EXPECT_EQ(vl::WallpaperStyleFrom(1, "0", "0"), vl::kWallpaperCentred);
    EXPECT_EQ(vl::WallpaperStyleFrom(1, "2", "0"), vl::kWallpaperStretched);
    EXPECT_EQ(vl::WallpaperStyleFrom(1, "0", "1"), vl::kWallpaperTiled);
    EXPECT_EQ(vl::WallpaperStyleFrom(1, "2", "1"), vl::kWallpaperTiled);
    EXPECT_EQ(vl::WallpaperStyleFrom(1, "10", "0"), vl::kWallpaperCentred);  // fill: not known
    EXPECT_EQ(vl::WallpaperStyleFrom(1, "", ""), vl::kWallpaperCentred);
}

TEST(WallpaperKind, OnlyBmpAndJpgInAnyCase) {
    EXPECT_EQ(vl::WallpaperKindOf("C:\\WINDOWS\\Clouds.BMP"), vl::WallpaperKind::Bmp);
    EXPECT_EQ(vl::WallpaperKindOf("C:\\Pictures\\Sea.jpg"), vl::WallpaperKind::Jpeg);
    EXPECT_EQ(vl::WallpaperKindOf("Sea.JpG"), vl::WallpaperKind::Jpeg);
    EXPECT_EQ(vl::WallpaperKindOf("C:\\Pictures\\Sea.jpeg"), vl::WallpaperKind::Unreadable);
    EXPECT_EQ(vl::WallpaperKindOf("C:\\Pictures\\Sea.gif"), vl::WallpaperKind::Unreadable);
    EXPECT_EQ(vl::WallpaperKindOf("C:\\old.jpg\\Sea"), vl::WallpaperKind::Unreadable);
    EXPECT_EQ(vl::WallpaperKindOf(""), vl::WallpaperKind::Unreadable);
}

TEST(WindowsVersion, CodesByPlatformAndVersion) {
    EXPECT_EQ(vl::WindowsVersionFrom(1, 4, 0), vl::kWindows95);
    EXPECT_EQ(vl::WindowsVersionFrom(1, 4, 10), vl::kWindows98OrMe);  // 98
    EXPECT_EQ(vl::WindowsVersionFrom(1, 4, 90), vl::kWindows98OrMe);  // Me
    EXPECT_EQ(vl::WindowsVersionFrom(1, 5, 0), vl::kWindows98OrMe);
    EXPECT_EQ(vl::WindowsVersionFrom(2, 3, 51), vl::kWindowsNt);
    EXPECT_EQ(vl::WindowsVersionFrom(2, 4, 0), vl::kWindowsNt);
    EXPECT_EQ(vl::WindowsVersionFrom(2, 5, 0), vl::kWindows2000OrXp);
    EXPECT_EQ(vl::WindowsVersionFrom(2, 5, 1), vl::kWindows2000OrXp);
    EXPECT_EQ(vl::WindowsVersionFrom(2, 6, 1), vl::kWindowsOther);
    EXPECT_EQ(vl::WindowsVersionFrom(0, 3, 1), vl::kWindowsOther);  // Win32s
}

}  // namespace
