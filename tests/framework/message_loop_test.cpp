#include "framework/message_loop.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/framework/framework_test_resources.h"
#include "framework/command_prompt.h"
#include "framework/string_resource.h"
#include "framework/window.h"

namespace vl {
namespace {

constexpr UINT kNote = WM_APP + 10;
constexpr UINT kThrow = WM_APP + 11;
const char kClass[] = "VlTestLoopWindow";

std::vector<std::string> g_reports;
void RecordReport(const std::string& what) {
    g_reports.push_back(what);
}

// Installs the recording reporter for one test and takes it away again.
class ReporterScope {
  public:
    ReporterScope() {
        g_reports.clear();
        SetExceptionReporter(&RecordReport);
    }
    ~ReporterScope() { SetExceptionReporter(nullptr); }
};

class NoteWindow : public Window {
  public:
    ~NoteWindow() override { Destroy(); }
    bool Create() {
        WindowClass windowClass = {};
        windowClass.name = kClass;
        return Window::Register(windowClass) &&
               Window::Create(kClass, 0, "loop", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr);
    }
    std::vector<std::string>* log = nullptr;

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
            case kNote:
                log->push_back("window " + std::to_string(wParam));
                return 0;
            case kThrow:
                throw std::runtime_error("handler failed");
            case WM_DESTROY:
                log->push_back("destroy");
                return 0;
            default:
                return DefaultProc(msg, wParam, lParam);
        }
    }
};

// Takes the notes whose wParam it was made for; may remove itself or quit.
class NoteFilter final : public IMessageFilter {
  public:
    NoteFilter(std::vector<std::string>& log, WPARAM takes) : log_(log), takes_(takes) {}
    bool PreTranslate(MSG& msg) override {
        if (msg.message != kNote)
            return false;
        log_.push_back("filter " + std::to_string(takes_) + " saw " + std::to_string(msg.wParam));
        if (removeFrom)
            removeFrom->RemoveFilter(this);
        if (throwOnSight)
            throw std::runtime_error("filter failed");
        return msg.wParam == takes_;
    }
    MessageLoop* removeFrom = nullptr;
    bool throwOnSight = false;

  private:
    std::vector<std::string>& log_;
    WPARAM takes_;
};

class QuitWhenIdle final : public IIdleHandler {
  public:
    void OnIdle() override {
        ++runs;
        PostQuitMessage(3);
    }
    int runs = 0;
};

TEST(MessageLoop, FiltersTakeMessagesInOrderBeforeTheWindowSeesThem) {
    std::vector<std::string> log;
    NoteWindow window;
    window.log = &log;
    ASSERT_TRUE(window.Create());
    MessageLoop loop;
    NoteFilter first(log, 1), second(log, 2);
    loop.AddFilter(&first);
    loop.AddFilter(&second);
    QuitWhenIdle quit;
    loop.AddIdleHandler(&quit);
    for (WPARAM note : {1, 2, 3})
        PostMessageA(window.Handle(), kNote, note, 0);

    EXPECT_EQ(loop.Run(), 3);
    EXPECT_EQ(log, (std::vector<std::string>{"filter 1 saw 1", "filter 1 saw 2", "filter 2 saw 2",
                                             "filter 1 saw 3", "filter 2 saw 3", "window 3"}));
    // The three posted messages were one batch: idle came once, after them.
    EXPECT_EQ(quit.runs, 1);
}

TEST(MessageLoop, AFilterRemovingItselfIsNotAskedAgain) {
    std::vector<std::string> log;
    NoteWindow window;
    window.log = &log;
    ASSERT_TRUE(window.Create());
    MessageLoop loop;
    NoteFilter once(log, 9);
    once.removeFrom = &loop;
    loop.AddFilter(&once);
    MSG msg = {window.Handle(), kNote, 1, 0, 0, {0, 0}};
    loop.Dispatch(msg);
    msg.wParam = 2;
    loop.Dispatch(msg);
    EXPECT_EQ(log, (std::vector<std::string>{"filter 9 saw 1", "window 1", "window 2"}));
}

TEST(MessageLoop, AnExceptionIsReportedAndTheLoopGoesOn) {
    ReporterScope reporter;
    std::vector<std::string> log;
    NoteWindow window;
    window.log = &log;
    ASSERT_TRUE(window.Create());
    MessageLoop loop;
    NoteFilter failing(log, 0);
    failing.throwOnSight = true;
    failing.removeFrom = &loop;
    loop.AddFilter(&failing);
    QuitWhenIdle quit;
    loop.AddIdleHandler(&quit);
    PostMessageA(window.Handle(), kNote, 1, 0);   // the filter throws on this one
    PostMessageA(window.Handle(), kThrow, 0, 0);  // the window procedure throws
    PostMessageA(window.Handle(), kNote, 2, 0);   // still delivered

    EXPECT_EQ(loop.Run(), 3);
    EXPECT_EQ(g_reports, (std::vector<std::string>{"filter failed", "handler failed"}));
    EXPECT_EQ(log.back(), "window 2");
}

TEST(MessageLoop, WithoutAReporterAWindowExceptionEndsTheLoopWithAFailure) {
    std::vector<std::string> log;
    NoteWindow window;
    window.log = &log;
    ASSERT_TRUE(window.Create());
    PostMessageA(window.Handle(), kThrow, 0, 0);
    MessageLoop loop;
    EXPECT_EQ(loop.Run(), 1);
}

TEST(WindowDestroy, TheDerivedClassSeesItsOwnDestroy) {
    std::vector<std::string> log;
    HWND handle = nullptr;
    {
        NoteWindow window;
        window.log = &log;
        ASSERT_TRUE(window.Create());
        handle = window.Handle();
    }
    EXPECT_EQ(log, std::vector<std::string>{"destroy"});
    EXPECT_FALSE(IsWindow(handle));
}

TEST(StringResources, LoadsTextsOfAnyLengthAndSplitsPrompts) {
    const std::string prompt = LoadStringResource(nullptr, IDS_TEST_PROMPT);
    EXPECT_EQ(prompt, "Saves the scene\nSave scene");
    const CommandPrompt parts = SplitCommandPrompt(prompt);
    EXPECT_EQ(parts.status, "Saves the scene");
    EXPECT_EQ(parts.tooltip, "Save scene");
    EXPECT_EQ(SplitCommandPrompt("Changes options").tooltip, "");
    EXPECT_EQ(SplitCommandPrompt("\nAbout").status, "");
    EXPECT_EQ(SplitCommandPrompt("\nAbout").tooltip, "About");
    // Characters beyond ASCII come out in the ANSI code page (Wine's default here is 1252).
    EXPECT_EQ(LoadStringResource(nullptr, IDS_TEST_ACCENTED), "Caf\xe9 cr\xe8me");
    EXPECT_EQ(LoadStringResource(nullptr, 1), "");
}

}  // namespace
}  // namespace vl
