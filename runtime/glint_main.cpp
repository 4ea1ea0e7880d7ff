// Glint, the screen-saver runtime: Windows starts it with a letter that says what to do.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/command_line.h"
#include "engine/player/calibration.h"
#include "engine/text/engine_preparer.h"
#include "runtime/glint_prompt.h"
#include "runtime/glint_settings.h"
#include "runtime/password_dialogs.h"
#include "runtime/payload_file.h"
#include "runtime/preview_window.h"
#include "runtime/run_window.h"
#include "scene/scene_check.h"
#include "runtime/scene_payload.h"
#include "runtime/settings_dialog.h"

namespace {

HWND WindowOf(std::uint64_t handle) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle));
}

int RunFullScreen() {
    // Declared before the window, whose player uses them until the window is gone.
    vl::EntryList entries;
    vl::ScenePayload payload;
    std::uint32_t times = 0;
    if (!vl::ReadScenePayload(vl::MapPayloadBytes(vl::OwnProgramPath()), entries, payload))
        return 1;

    vl::RunWindow window;
    if (!window.Create(vl::ReadExitSettings()))
        return 1;
    vl::RegistryKeyCalibrationStore calibration(vl::kGlintKey);
    times = vl::CalibrateTimes(window.Handle(), calibration);

    vl::PlayTimePreparer preparer;
    const vl::SceneCheckResult check = vl::CheckScene(entries, preparer);
    if (!check.ok) {
        vl::CurrentPrompt().Message(check.message, vl::MessageIcon::Stop);
        return 1;
    }
    if (!window.StartPlayer(entries, &times))
        return 1;
    return vl::RunMessageLoop();
}

int ShowPreview(std::uint64_t parent) {
    vl::PreviewWindow window;
    if (!window.Create(WindowOf(parent)))
        return 1;
    return vl::RunMessageLoop();
}

int Main() {
    static vl::GlintPrompt prompt;
    vl::SetDefaultPrompt(&prompt);
    const std::vector<std::string> args(__argv + (__argc > 0 ? 1 : 0), __argv + __argc);
    const vl::CommandLine commandLine = vl::ParseCommandLine(args);
    switch (commandLine.mode) {
        case vl::RunMode::Run:
            return RunFullScreen();
        case vl::RunMode::Preview:
            return ShowPreview(commandLine.window);
        case vl::RunMode::Settings:
            vl::EditSettings(GetForegroundWindow());
            return 0;
        case vl::RunMode::SettingsWithoutOwner:
            vl::EditSettings(nullptr);
            return 0;
        case vl::RunMode::ChangePassword: {
            HWND owner = WindowOf(commandLine.window);
            vl::ChangePassword(IsWindow(owner) ? owner : nullptr);
            return 0;
        }
        case vl::RunMode::Unknown:
            break;
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        return Main();
    } catch (...) {
        return 1;
    }
}
