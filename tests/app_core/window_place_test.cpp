// "WindowPlace": its text, its default and the check against the monitors' work areas.
#include "app/core/window_place.h"

#include <gtest/gtest.h>

#include <climits>

namespace vl {
namespace {

TEST(WindowPlaceText, ReadsFourNumbersAsScanfDoes) {
    EXPECT_EQ(ParseWindowPlace("0,0,800,600"), (WindowPlace{0, 0, 800, 600}));
    EXPECT_EQ(ParseWindowPlace("-1280,-4,800,600"), (WindowPlace{-1280, -4, 800, 600}));
    EXPECT_EQ(ParseWindowPlace(" 1,\t2, +3,\n4"), (WindowPlace{1, 2, 3, 4}));
    EXPECT_EQ(ParseWindowPlace("1,2,3,4 and more"), (WindowPlace{1, 2, 3, 4}));
    EXPECT_EQ(ParseWindowPlace("1,2,3,45,6"), (WindowPlace{1, 2, 3, 45}));
    EXPECT_EQ(ParseWindowPlace("2147483647,-2147483648,1,1"),
              (WindowPlace{INT_MAX, INT_MIN, 1, 1}));
}

TEST(WindowPlaceText, RefusesWhatIsNotFourNumbers) {
    for (const char* text :
         {"", "1,2,3", "1,2,3,", "1 ,2,3,4", "1,,3,4", "-,1,2,3", "a,b,c,d", "1;2;3;4",
          "2147483648,0,1,1", "0,-2147483649,1,1", "99999999999999999999999,0,0,0"}) {
        EXPECT_FALSE(ParseWindowPlace(text).has_value()) << text;
    }
}

TEST(WindowPlaceText, FormatsWhatItReads) {
    EXPECT_EQ(FormatWindowPlace({-1280, 7, 800, 600}), "-1280,7,800,600");
    const WindowPlace extreme{INT_MIN, INT_MAX, 0, -1};
    EXPECT_EQ(ParseWindowPlace(FormatWindowPlace(extreme)), extreme);
}

TEST(WindowPlaceDefault, AFifthInAndThreeFifthsWide) {
    EXPECT_EQ(DefaultWindowPlace({1024, 768}), (WindowPlace{204, 153, 614, 460}));
    EXPECT_EQ(DefaultWindowPlace({801, 601}), (WindowPlace{160, 120, 480, 360}));
}

const std::vector<WorkArea> kOneMonitor{{0, 0, 1920, 1040}};
constexpr ScreenSize kScreen{1920, 1080};
constexpr WindowPlace kDefault{384, 216, 1152, 648};

TEST(WindowPlaceFit, AWindowOnAMonitorStaysWhereItWas) {
    EXPECT_EQ(FitWindowPlace(WindowPlace{100, 50, 800, 600}, kOneMonitor, kScreen),
              (WindowPlace{100, 50, 800, 600}));
    // Mostly off screen, but one pixel still shows: the user can drag it back.
    EXPECT_EQ(FitWindowPlace(WindowPlace{1919, 1039, 800, 600}, kOneMonitor, kScreen),
              (WindowPlace{1919, 1039, 800, 600}));
    EXPECT_EQ(FitWindowPlace(WindowPlace{-799, -599, 800, 600}, kOneMonitor, kScreen),
              (WindowPlace{-799, -599, 800, 600}));
}

TEST(WindowPlaceFit, AWindowOnARemovedMonitorGetsTheDefault) {
    // Stored while a second monitor stood right of the first.
    EXPECT_EQ(FitWindowPlace(WindowPlace{2200, 100, 800, 600}, kOneMonitor, kScreen), kDefault);
    // Touching the work area's edge shows nothing: right and bottom are exclusive.
    EXPECT_EQ(FitWindowPlace(WindowPlace{1920, 100, 800, 600}, kOneMonitor, kScreen), kDefault);
    EXPECT_EQ(FitWindowPlace(WindowPlace{-800, 100, 800, 600}, kOneMonitor, kScreen), kDefault);
    // Below the work area, under the task bar.
    EXPECT_EQ(FitWindowPlace(WindowPlace{100, 1040, 800, 600}, kOneMonitor, kScreen), kDefault);
}

TEST(WindowPlaceFit, AnyMonitorWillDoIncludingOnesLeftOfThePrimary) {
    const std::vector<WorkArea> two{{0, 0, 1920, 1040}, {-1280, -200, 0, 824}};
    EXPECT_EQ(FitWindowPlace(WindowPlace{-1000, -100, 640, 480}, two, kScreen),
              (WindowPlace{-1000, -100, 640, 480}));
    EXPECT_EQ(FitWindowPlace(WindowPlace{-1000, 900, 640, 480}, two, kScreen), kDefault);
}

TEST(WindowPlaceFit, EmptyOrMissingPlacesGetTheDefault) {
    EXPECT_EQ(FitWindowPlace(std::nullopt, kOneMonitor, kScreen), kDefault);
    EXPECT_EQ(FitWindowPlace(WindowPlace{100, 100, 0, 600}, kOneMonitor, kScreen), kDefault);
    EXPECT_EQ(FitWindowPlace(WindowPlace{100, 100, 800, -5}, kOneMonitor, kScreen), kDefault);
    EXPECT_EQ(FitWindowPlace(WindowPlace{100, 100, 800, 600}, {}, kScreen), kDefault);
}

TEST(WindowPlaceFit, ExtremeNumbersDoNotOverflow) {
    EXPECT_EQ(FitWindowPlace(WindowPlace{INT_MAX, INT_MAX, INT_MAX, INT_MAX}, kOneMonitor, kScreen),
              kDefault);
    EXPECT_EQ(FitWindowPlace(WindowPlace{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kOneMonitor, kScreen),
              kDefault);
    const WindowPlace huge{-100, -100, INT_MAX, INT_MAX};
    EXPECT_EQ(FitWindowPlace(huge, kOneMonitor, kScreen), huge);
}

}  // namespace
}  // namespace vl
