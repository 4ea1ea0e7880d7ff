// What the packaging commands need from the builder and from the system, so that the builder's
// main window can wire them and tests can drive them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "package/package_layout.h"

namespace vl {

// The open scene, as the main window sees it.
class PackagingDocument {
  public:
    virtual ~PackagingDocument() = default;
    // Saves exactly as the File Save command (57603) does: an untitled scene goes through Save As
    // first, an unchanged one is not written again. False when saving failed or was cancelled
    // (the save has told the user what went wrong).
    virtual bool SaveScene() = 0;
    // The scene's file; empty while the scene has never been saved.
    virtual std::string ScenePath() const = 0;
    // The scene check, through the scene list view when it exists (which also selects the
    // offending entry); false after it has shown its message.
    virtual bool CheckScene() = 0;
};

class PackagingSystem {
  public:
    virtual ~PackagingSystem() = default;
    // The finished program images the builder carries: the runtime (resource "FILE" "#271") and
    // the installer stub ("#274"). Empty when missing.
    virtual ByteView RuntimeImage() = 0;
    virtual ByteView StubImage() = 0;
    // The shared helper: the whole file in one read; on failure it shows the path followed by
    // "\nCannot be read data." and returns false.
    virtual bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) = 0;
    // The same without telling the user.
    virtual bool ReadFileQuietly(const std::string& path, std::vector<std::uint8_t>& bytes) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // The builder setting "CustomImage" (section "Settings") is non-zero.
    virtual bool CustomImageEnabled() = 0;
    // The folder "Custom.BMP" is read from, up to and including its last separator.
    virtual std::string CustomImageFolder() = 0;
    // The Windows system folder, without a final separator.
    virtual std::string SystemFolder() = 0;
    // Starts a program (WinExec, shown normally) without waiting for it.
    virtual void StartCommand(const std::string& commandLine) = 0;
};

}  // namespace vl
