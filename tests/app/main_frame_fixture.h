// The builder's main frame made in the test's process over a disk document, test settings and a
// scripted prompt, for tests that drive it through its commands.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/builder_packaging.h"
#include "app/disk_scene_storage.h"
#include "app/main_frame.h"
#include "app/registry_key_tree.h"
#include "framework/scripted_prompt.h"

namespace vl {

inline constexpr char kTestSettings[] = "Software\\VistaloomFrameTest";

// The Options dialog as a test answers it: a new tab size, confirmed or not.
class ScriptedOptionsEditor final : public OptionsEditor {
  public:
    bool Edit(HWND, EditorOptions& options) override {
        ++opened;
        options.tabSize = tabSize;
        return confirm;
    }
    int opened = 0;
    int tabSize = 5;
    bool confirm = true;
};

class MainFrameTest : public ::testing::Test {
  protected:
    MainFrameTest()
        : override_(prompt_),
          settings_(kTestSettings),
          packaging_(settings_, folders_),
          frame_({document_, settings_, packaging_, loop_, folders_, std::string(),
                  [this](const std::string& path) { opened_.push_back(path); }, nullptr,
                  &optionsEditor_, &verified_, &verifier_}) {}
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestSettings);
        ASSERT_TRUE(frame_.Create({0, 0, 640, 480}, BuilderSettings{}));
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestSettings); }

    ScriptedPrompt prompt_;
    ScopedPromptOverride override_;
    DiskSceneStorage storage_;
    CSceneDoc document_{storage_};
    RegistrySettingsStore settings_;
    BuilderFolders folders_;
    BuilderPackagingSystem packaging_;
    MessageLoop loop_;
    std::vector<std::string> opened_;
    ScriptedOptionsEditor optionsEditor_;
    VerifiedPictures verified_;
    PictureVerifier verifier_{verified_};
    CMainFrame frame_;
};

}  // namespace vl
