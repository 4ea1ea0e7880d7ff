// The Move, Show and Line position dialogs under Wine, played as a user would: their modes, the
// checks OK makes, the spins, and what OK and Cancel leave in the record.
#include "editor/position_dialogs.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "action_dialogs_fixture.h"
#include "editor/action_dialogs_resources.h"
#include "framework/dialog_fields.h"

namespace vl {
namespace {

using test::ActionScene;
using test::DialogScript;

// The Move position dialog on a record, with the beeps counted.
struct MoveRun {
    ActionScene scene;
    MovePositionDialog dialog{scene.context, "Move"};
    int beeps = 0;

    MoveRun() {
        dialog.beep = [this] { ++beeps; };
    }
    INT_PTR Play(DialogScript& script) {
        const INT_PTR result = script.Play([&] { return dialog.Run(nullptr); });
        EXPECT_TRUE(script.Failures().empty()) << script.Failures().front();
        EXPECT_TRUE(scene.prompt.Failures().empty());
        return result;
    }
};

struct ModeLook {
    bool endEnabled, startRandomEnabled, untilEnabled, yStepShown, radiosShown;
    std::string button;
    int height;
};

ModeLook LookAt(HWND dialog) {
    return {test::Enabled(dialog, IDC_ACT_END_X) && test::Enabled(dialog, IDC_ACT_RANDOM_END_Y),
            test::Enabled(dialog, IDC_ACT_RANDOM_START_X),
            test::Enabled(dialog, IDC_ACT_UNTIL_X) && test::Enabled(dialog, IDC_ACT_JOIN),
            test::Visible(dialog, IDC_ACT_STEP_Y),
            test::Visible(dialog, IDC_ACT_AXIS_X) && test::Visible(dialog, IDC_ACT_AXIS_Y),
            FieldText(dialog, IDC_ACT_CONDITION),
            test::ClientHeight(dialog)};
}

// The bottom of a control in the dialog's client area.
int BottomOf(HWND dialog, int id) {
    RECT bounds;
    GetWindowRect(GetDlgItem(dialog, id), &bounds);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds.bottom;
}

TEST(MovePositionDialog, OpensWithTheRecordAndSwitchesBetweenLineAndStepMode) {
    MoveRun run;
    run.dialog.motion.startX = -120;
    run.dialog.motion.endY = 4321;
    run.dialog.motion.stepX = 7;
    run.dialog.motion.stepAxis = 0;
    run.dialog.motion.speed = 2500;
    run.dialog.motion.yComparison = kNotEqual;
    run.dialog.motion.join = 1;
    run.dialog.motion.restoreAfterHide = 0;
    std::string startX, endY, stepX, speed, yComparison, join, caption;
    UINT axisY = 0, axisX = 0, restore = 0, keep = 0;
    ModeLook line{}, step{}, lineAgain{};
    int untilBottom = 0;
    DialogScript script;
    script.ReadText(IDC_ACT_START_X, startX)
        .ReadText(IDC_ACT_END_Y, endY)
        .ReadText(IDC_ACT_STEP_X, stepX)
        .ReadText(IDC_ACT_SPEED, speed)
        .ReadText(IDC_ACT_Y_COMPARISON, yComparison)
        .ReadText(IDC_ACT_JOIN, join)
        .ReadCheck(IDC_ACT_AXIS_Y, axisY)
        .ReadCheck(IDC_ACT_AXIS_X, axisX)
        .ReadCheck(IDC_ACT_RESTORE_AFTER_HIDE, restore)
        .ReadCheck(IDC_ACT_KEEP_WHILE_MOVING, keep)
        .Do([&](HWND dialog) {
            caption = test::WindowText(dialog);
            line = LookAt(dialog);
        })
        .Click(IDC_ACT_CONDITION)
        .Do([&](HWND dialog) {
            step = LookAt(dialog);
            untilBottom = BottomOf(dialog, IDC_ACT_UNTIL_GROUP);
        })
        .Click(IDC_ACT_CONDITION)
        .Do([&](HWND dialog) { lineAgain = LookAt(dialog); })
        .Click(IDCANCEL);
    const MotionParam before = run.dialog.motion;
    EXPECT_EQ(run.Play(script), IDCANCEL);

    EXPECT_EQ(caption, "Move - Position");
    EXPECT_EQ(startX, "-120");
    EXPECT_EQ(endY, "4321");
    EXPECT_EQ(stepX, "7");
    EXPECT_EQ(speed, "2500");
    EXPECT_EQ(yComparison, "<>");
    EXPECT_EQ(join, "AND");
    EXPECT_EQ(axisY, BST_CHECKED);
    EXPECT_EQ(axisX, BST_UNCHECKED);
    EXPECT_EQ(restore, BST_UNCHECKED);
    EXPECT_EQ(keep, BST_CHECKED);

    EXPECT_TRUE(line.endEnabled);
    EXPECT_TRUE(line.startRandomEnabled);
    EXPECT_FALSE(line.untilEnabled);
    EXPECT_FALSE(line.yStepShown);
    EXPECT_TRUE(line.radiosShown);
    EXPECT_EQ(line.button, "Con&dition >>");

    EXPECT_FALSE(step.endEnabled);
    EXPECT_FALSE(step.startRandomEnabled);
    EXPECT_TRUE(step.untilEnabled);
    EXPECT_TRUE(step.yStepShown);
    EXPECT_FALSE(step.radiosShown);
    EXPECT_EQ(step.button, "Con&dition <<");
    // Step mode shows the whole Repeat Until group; line mode cuts it off.
    EXPECT_GT(step.height, untilBottom);
    EXPECT_LT(step.height, untilBottom + 20);
    EXPECT_LT(line.height, untilBottom - 40);

    EXPECT_EQ(lineAgain.height, line.height);
    EXPECT_EQ(lineAgain.button, line.button);
    // Cancel: the record is as it came.
    EXPECT_EQ(run.dialog.motion.startX, before.startX);
    EXPECT_EQ(run.beeps, 0);
}

TEST(MovePositionDialog, ANumberOutOfRangeIsRefusedWithTheStandardMessage) {
    MoveRun run;
    bool focusInField = false;
    DialogScript script;
    script.SetText(IDC_ACT_END_X, "5001")
        .Click(IDOK)
        .Do([&](HWND dialog) { focusInField = GetFocus() == GetDlgItem(dialog, IDC_ACT_END_X); })
        .SetText(IDC_ACT_END_X, "-5000")
        .SetText(IDC_ACT_SPEED, "100001")
        .Click(IDOK)
        .SetText(IDC_ACT_SPEED, "100000")
        .Click(IDOK);
    EXPECT_EQ(run.Play(script), IDOK);
    EXPECT_TRUE(focusInField);
    EXPECT_EQ(run.scene.prompt.Texts(),
              (std::vector<std::string>{"Please enter an integer between -5000 and 5000.",
                                        "Please enter an integer between 0 and 100000."}));
    EXPECT_EQ(run.dialog.motion.endX, -5000);
    EXPECT_EQ(run.dialog.motion.speed, 100000);
}

TEST(MovePositionDialog, LineModeTurnsTheStepTowardTheEndAndBeeps) {
    MoveRun run;
    run.dialog.motion.stepMode = 1;  // the dialog opens in step mode and is switched
    DialogScript script;
    script.Click(IDC_ACT_CONDITION)
        .SetText(IDC_ACT_START_X, "100")
        .SetText(IDC_ACT_END_X, "0")
        .SetText(IDC_ACT_STEP_X, "1")
        .Check(IDC_ACT_AXIS_X)
        .Click(IDOK);
    EXPECT_EQ(run.Play(script), IDOK);
    EXPECT_EQ(run.dialog.motion.stepX, -1);
    EXPECT_EQ(run.dialog.motion.stepMode, 0);
    EXPECT_EQ(run.dialog.motion.stepAxis, 1);
    EXPECT_EQ(run.beeps, 1);
    EXPECT_TRUE(run.scene.prompt.Shown().empty());
}

// Step mode with x never reaching "= 12" from 0 in steps of 5; y as given.
void SetUnreachableX(MotionParam& motion, bool yReachable, std::int32_t join) {
    motion.stepMode = 1;
    motion.xComparison = kEqual;
    motion.startX = 0;
    motion.stepX = 5;
    motion.untilX = 12;
    motion.yComparison = kGreater;
    motion.startY = 0;
    motion.stepY = yReachable ? 1 : -1;
    motion.untilY = 10;
    motion.join = join;
}

TEST(MovePositionDialog, StepModeWithNeitherConditionReachableStaysOpen) {
    MoveRun run;
    SetUnreachableX(run.dialog.motion, false, 0);
    DialogScript script;
    script.Click(IDOK).Click(IDCANCEL);
    EXPECT_EQ(run.Play(script), IDCANCEL);
    EXPECT_EQ(run.scene.prompt.Texts(),
              std::vector<std::string>{"X and Y-Conditions have been never reached."});
    EXPECT_EQ(run.scene.prompt.Shown().front().icon, MessageIcon::Stop);
}

TEST(MovePositionDialog, StepModeUnderAndRefusesOneUnreachableCondition) {
    MoveRun run;
    SetUnreachableX(run.dialog.motion, true, 1);
    DialogScript script;
    // Fixed by the user: 10 is a multiple of 5.
    script.Click(IDOK).SetText(IDC_ACT_UNTIL_X, "10").Click(IDOK);
    EXPECT_EQ(run.Play(script), IDOK);
    EXPECT_EQ(run.scene.prompt.Texts(),
              std::vector<std::string>{"X-Condition has been never reached."});
    EXPECT_EQ(run.dialog.motion.untilX, 10);
    EXPECT_EQ(run.dialog.motion.stepMode, 1);
}

TEST(MovePositionDialog, StepModeUnderOrAsksAndYesCloses) {
    MoveRun run;
    SetUnreachableX(run.dialog.motion, true, 0);
    run.scene.prompt.AnswerYes();
    DialogScript script;
    script.Click(IDOK);
    EXPECT_EQ(run.Play(script), IDOK);
    ASSERT_EQ(run.scene.prompt.Shown().size(), 1u);
    EXPECT_EQ(run.scene.prompt.Shown()[0].kind, PromptKind::Question);
    EXPECT_EQ(run.scene.prompt.Shown()[0].text,
              "X-Condition has been never reached.\nAre you sure you want to continue?");
}

TEST(MovePositionDialog, StepModeUnderOrAsksAndNoStaysOpen) {
    MoveRun run;
    SetUnreachableX(run.dialog.motion, true, 0);
    // y unreachable instead: "<" from 0 moving up.
    run.dialog.motion.untilX = 10;
    run.dialog.motion.yComparison = kLess;
    run.dialog.motion.untilY = -3;
    run.scene.prompt.AnswerNo();
    bool stillOpen = false;
    DialogScript script;
    script.Click(IDOK)
        .Do([&](HWND dialog) { stillOpen = IsWindow(dialog) != FALSE; })
        .Click(IDCANCEL);
    EXPECT_EQ(run.Play(script), IDCANCEL);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(run.scene.prompt.Texts(),
              std::vector<std::string>{
                  "Y-Condition has been never reached.\nAre you sure you want to continue?"});
}

TEST(MovePositionDialog, SpeedSpinMovesByAHundredWithinItsBoundsAndStepSpinsByOne) {
    MoveRun run;
    run.dialog.motion.speed = 99950;
    run.dialog.motion.stepMode = 1;
    run.dialog.motion.stepY = 5000;
    std::string up, upAgain, stepY;
    DialogScript script;
    script.Do(test::Spin(IDC_ACT_SPEED_SPIN, +1))
        .ReadText(IDC_ACT_SPEED, up)
        .Do(test::Spin(IDC_ACT_SPEED_SPIN, +1))
        .ReadText(IDC_ACT_SPEED, upAgain)
        .SetText(IDC_ACT_SPEED, "40")
        .Do(test::Spin(IDC_ACT_SPEED_SPIN, -1))
        .Do(test::Spin(IDC_ACT_STEP_Y_SPIN, +1))
        .ReadText(IDC_ACT_STEP_Y, stepY)
        .Click(IDOK);
    EXPECT_EQ(run.Play(script), IDOK);
    EXPECT_EQ(up, "100000");
    EXPECT_EQ(upAgain, "100000");
    EXPECT_EQ(stepY, "5000");  // the spin's range ends there
    EXPECT_EQ(run.dialog.motion.speed, 0);
}

// ---- Show

struct ShowRun {
    ActionScene scene;
    ShowPositionDialog dialog;
    explicit ShowRun(bool text) : dialog(scene.context, "Show", text) {}
    INT_PTR Play(DialogScript& script) {
        const INT_PTR result = script.Play([&] { return dialog.Run(nullptr); });
        EXPECT_TRUE(script.Failures().empty()) << script.Failures().front();
        return result;
    }
};

TEST(ShowPositionDialog, TileClearsTheSwitchesAndDisablesThePositionNoneSetsThemBack) {
    ShowRun run(true);
    run.dialog.motion.letterByLetter = 1;
    run.dialog.motion.startX = 33;
    UINT restoreOnTile = 9, letterOnTile = 9, restoreOnNone = 9, letterOnNone = 9;
    bool xOnTile = true, speedOnTile = true, restoreEnabledOnTile = true, xOnNone = false;
    DialogScript script;
    script.Check(IDC_ACT_EFFECT_TILE)
        .ReadCheck(IDC_ACT_RESTORE_AFTER_HIDE, restoreOnTile)
        .ReadCheck(IDC_ACT_LETTER_BY_LETTER, letterOnTile)
        .Do([&](HWND dialog) {
            xOnTile = test::Enabled(dialog, IDC_ACT_START_X);
            speedOnTile = test::Enabled(dialog, IDC_ACT_LETTER_SPEED);
            restoreEnabledOnTile = test::Enabled(dialog, IDC_ACT_RESTORE_AFTER_HIDE);
        })
        .Check(IDC_ACT_EFFECT_NONE)
        .ReadCheck(IDC_ACT_RESTORE_AFTER_HIDE, restoreOnNone)
        .ReadCheck(IDC_ACT_LETTER_BY_LETTER, letterOnNone)
        .Do([&](HWND dialog) { xOnNone = test::Enabled(dialog, IDC_ACT_START_X); })
        .Check(IDC_ACT_EFFECT_STRETCH)
        .Click(IDOK);
    EXPECT_EQ(run.Play(script), IDOK);
    EXPECT_EQ(restoreOnTile, BST_UNCHECKED);
    EXPECT_EQ(letterOnTile, BST_UNCHECKED);
    EXPECT_FALSE(xOnTile);
    EXPECT_FALSE(speedOnTile);
    EXPECT_FALSE(restoreEnabledOnTile);
    EXPECT_EQ(restoreOnNone, BST_CHECKED);
    EXPECT_EQ(letterOnNone, BST_UNCHECKED);
    EXPECT_TRUE(xOnNone);
    const MotionParam& motion = run.dialog.motion;
    EXPECT_EQ(motion.effect, kEffectStretch);
    EXPECT_EQ(motion.restoreAfterHide, 0);
    EXPECT_EQ(motion.keepWhileMoving, 0);
    EXPECT_EQ(motion.letterByLetter, 0);
    EXPECT_EQ(motion.startX, 33);
}

TEST(ShowPositionDialog, TheLetterRowIsThereOnlyForATextAndItsSpinMovesByTen) {
    int textHeight = 0, pictureHeight = 0;
    bool rowShown = false, rowHidden = true;
    std::string spunUp, spunDown;
    {
        ShowRun run(true);
        run.dialog.motion.letterSpeed = 1995;
        DialogScript script;
        script
            .Do([&](HWND dialog) {
                textHeight = test::ClientHeight(dialog);
                rowShown = test::Visible(dialog, IDC_ACT_LETTER_SPEED) &&
                           test::Visible(dialog, IDC_ACT_LETTER_BY_LETTER);
            })
            .Do(test::Spin(IDC_ACT_LETTER_SPEED_SPIN, +1))
            .ReadText(IDC_ACT_LETTER_SPEED, spunUp)
            .SetText(IDC_ACT_LETTER_SPEED, "15")
            .Do(test::Spin(IDC_ACT_LETTER_SPEED_SPIN, -1))
            .ReadText(IDC_ACT_LETTER_SPEED, spunDown)
            .Check(IDC_ACT_LETTER_BY_LETTER)
            .Click(IDOK);
        EXPECT_EQ(run.Play(script), IDOK);
        EXPECT_EQ(run.dialog.motion.letterSpeed, 5);
        EXPECT_EQ(run.dialog.motion.letterByLetter, 1);
    }
    {
        ShowRun run(false);
        DialogScript script;
        script
            .Do([&](HWND dialog) {
                pictureHeight = test::ClientHeight(dialog);
                rowHidden = !test::Visible(dialog, IDC_ACT_LETTER_SPEED) &&
                            !test::Visible(dialog, IDC_ACT_LETTER_BY_LETTER);
            })
            .Click(IDCANCEL);
        EXPECT_EQ(run.Play(script), IDCANCEL);
    }
    EXPECT_TRUE(rowShown);
    EXPECT_TRUE(rowHidden);
    EXPECT_LT(pictureHeight, textHeight);
    EXPECT_EQ(spunUp, "2000");
    EXPECT_EQ(spunDown, "5");
}

TEST(LinePositionDialog, EditsTheStartAndEndWithTheirRandomBoxes) {
    ActionScene scene;
    LinePositionDialog dialog(scene.context);
    dialog.motion.endY = 77;
    std::string endY, caption;
    DialogScript script;
    script.ReadText(IDC_ACT_END_Y, endY)
        .Do([&](HWND window) { caption = test::WindowText(window); })
        .SetText(IDC_ACT_START_X, "-5001")
        .Click(IDOK)
        .SetText(IDC_ACT_START_X, "-12")
        .Check(IDC_ACT_RANDOM_END_X)
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(endY, "77");
    EXPECT_EQ(caption, "Line - Position");
    EXPECT_EQ(scene.prompt.Texts(),
              std::vector<std::string>{"Please enter an integer between -5000 and 5000."});
    EXPECT_EQ(dialog.motion.startX, -12);
    EXPECT_EQ(dialog.motion.randomEndX, 1);
    EXPECT_EQ(dialog.motion.randomStartX, 0);
}

}  // namespace
}  // namespace vl
