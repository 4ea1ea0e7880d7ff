#include "runtime/exit_rules.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

const ExitEvent kAllEvents[] = {ExitEvent::MouseMove, ExitEvent::ButtonDown, ExitEvent::DoubleClick,
                                ExitEvent::KeyDown, ExitEvent::Deactivate};

ExitSettings OnlyStandard(bool standard) {
    ExitSettings settings;
    settings.standard = standard;
    return settings;
}

TEST(GlintExitTest, DefaultsEndOnEveryEvent) {
    const ExitSettings defaults;
    for (const ExitEvent event : kAllEvents)
        EXPECT_TRUE(EndsRun(defaults, event)) << static_cast<int>(event);
    EXPECT_TRUE(KeyEndsRun(defaults, false));
}

TEST(GlintExitTest, WithoutStandardOnlyTheChosenEventsEnd) {
    ExitSettings settings = OnlyStandard(false);
    for (const ExitEvent event : kAllEvents)
        EXPECT_FALSE(EndsRun(settings, event)) << static_cast<int>(event);
    settings.buttonDown = true;
    settings.deactivate = true;
    EXPECT_TRUE(EndsRun(settings, ExitEvent::ButtonDown));
    EXPECT_TRUE(EndsRun(settings, ExitEvent::Deactivate));
    EXPECT_FALSE(EndsRun(settings, ExitEvent::MouseMove));
    EXPECT_FALSE(EndsRun(settings, ExitEvent::DoubleClick));
    EXPECT_FALSE(EndsRun(settings, ExitEvent::KeyDown));
}

TEST(GlintExitTest, EscEndsThroughKeyDownOrEscape) {
    ExitSettings settings = OnlyStandard(false);
    EXPECT_FALSE(KeyEndsRun(settings, true));
    settings.escape = true;
    EXPECT_FALSE(KeyEndsRun(settings, false));
    EXPECT_TRUE(KeyEndsRun(settings, true));
    settings = OnlyStandard(false);
    settings.keyDown = true;
    EXPECT_TRUE(KeyEndsRun(settings, false));
    EXPECT_TRUE(KeyEndsRun(settings, true));
}

TEST(GlintPointerTest, FirstPositionIsOnlyTheReference) {
    PointerTracker pointer;
    EXPECT_FALSE(pointer.Moved(100, 200));
    EXPECT_FALSE(pointer.Moved(100, 200));
    EXPECT_TRUE(pointer.Moved(101, 200));
    EXPECT_TRUE(pointer.Moved(100, 199));
    // The reference stays the first position.
    EXPECT_FALSE(pointer.Moved(100, 200));
}

TEST(GlintPointerTest, ResetTakesTheReferenceAfresh) {
    PointerTracker pointer;
    pointer.Reset(5, 5);
    EXPECT_TRUE(pointer.Moved(0, 0)) << "a reset reference counts at once";
    pointer.Reset(-20, 30);
    EXPECT_FALSE(pointer.Moved(-20, 30));
    EXPECT_TRUE(pointer.Moved(5, 5));
}

// Standard, MouseMove, ButtonDown, DoubleClick, KeyDown, Escape, Deactivate.
ExitBoxes Boxes(std::initializer_list<int> checked) {
    ExitBoxes boxes{};
    for (const int i : checked)
        boxes[static_cast<std::size_t>(i)] = true;
    return boxes;
}

TEST(GlintExitBoxesTest, ChoosingAnEventClearsStandard) {
    // Standard was checked, the user checks "On Mouse Move".
    EXPECT_EQ(ApplyExitBoxClick(Boxes({0, 1}), 1), Boxes({1}));
    // Another event next to the first.
    EXPECT_EQ(ApplyExitBoxClick(Boxes({1, 5}), 5), Boxes({1, 5}));
}

TEST(GlintExitBoxesTest, ClearingTheLastEventBringsStandardBack) {
    EXPECT_EQ(ApplyExitBoxClick(Boxes({}), 3), Boxes({0}));
    // Clearing one of two leaves the other and no Standard.
    EXPECT_EQ(ApplyExitBoxClick(Boxes({4}), 1), Boxes({4}));
}

TEST(GlintExitBoxesTest, StandardCannotBeClearedAlone) {
    EXPECT_EQ(ApplyExitBoxClick(Boxes({}), 0), Boxes({0}));
}

TEST(GlintExitBoxesTest, CheckingStandardClearsTheEvents) {
    EXPECT_EQ(ApplyExitBoxClick(Boxes({0, 2, 6}), 0), Boxes({0}));
}

TEST(GlintExitBoxesTest, StandardAloneStaysWhenAStoredEventIsCleared) {
    // Stored settings may hold Standard beside an event; clearing the event keeps Standard.
    EXPECT_EQ(ApplyExitBoxClick(Boxes({0}), 3), Boxes({0}));
}

TEST(GlintExitBoxesTest, AClickOutsideTheBoxesChangesNothing) {
    EXPECT_EQ(ApplyExitBoxClick(Boxes({}), kExitBoxCount), Boxes({}));
}

}  // namespace
}  // namespace vl
