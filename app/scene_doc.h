// CSceneDoc: the builder's one document, the open scene. It owns the scene store and carries out
// New, Open, Save, Save As and the question before closing a changed scene. Everything it tells
// the user goes through the prompt; the file itself goes through a SceneStorage, so the rules
// here are tested without a window or a disk.
#pragma once

#include <functional>
#include <string>

#include "package/packaging_seams.h"
#include "scene/scene_store.h"

namespace vl {

enum class SceneLoadOutcome {
    kLoaded,      // the entries hold the scene
    kRefused,     // wrong signature or version: the entries were not touched
    kUnreadable,  // the file could not be opened or read: the entries were not touched
    kMalformed,   // the scene broke off or held an impossible value: the entries are empty
};

class SceneStorage {
  public:
    virtual ~SceneStorage() = default;
    // Reads the scene file at path into entries: signature and version are checked before
    // anything changes.
    virtual SceneLoadOutcome Load(const std::string& path, EntryList& entries) = 0;
    // Writes entries as a scene file. The file at path changes only when the new one is
    // complete: false leaves it as it was.
    virtual bool Save(EntryList& entries, const std::string& path) = 0;
};

// The texts a document shows.
inline constexpr char kFailedToSave[] = "Failed to save document.";
inline constexpr char kUnexpectedFileFormat[] = "Unexpected file format.";
inline constexpr char kCannotBeOpenedSuffix[] = "\n\ncannot be opened.";
inline constexpr char kAskToSave[] = "Save changes to %s?";
inline constexpr char kSceneFilter[] = "Scene (.ssd)|*.ssd||";
inline constexpr char kSceneExtension[] = "ssd";

class CSceneDoc : public PackagingDocument {
  public:
    // storage: not owned, outlives the document.
    explicit CSceneDoc(SceneStorage& storage) : storage_(storage) {}
    CSceneDoc(const CSceneDoc&) = delete;
    CSceneDoc& operator=(const CSceneDoc&) = delete;

    SceneStore& Store() { return store_; }
    EntryList& Entries() { return store_.Entries(); }

    // The file of the scene; empty for a scene never saved.
    const std::string& Path() const { return path_; }
    bool IsModified() const { return modified_; }
    void SetModified(bool modified = true);

    // Called after the path or the modified flag changed (the title bar), and with the path of
    // every scene opened or saved (the recent-file list).
    std::function<void()> onTitleChanged;
    std::function<void(const std::string& path)> onFileUsed;
    // Asked before the entries are cleared or replaced, so views drop what they hold of them.
    std::function<void()> onContentsChanging;
    // Asked after the entries have been replaced or cleared.
    std::function<void()> onContentsChanged;

    // File New: asks to save changes first; false when the user cancelled.
    bool New();
    // File Open: asks to save changes, then for the file; false when cancelled or not opened.
    bool Open();
    // Opens path without asking (the command line, a recent file, a dropped file, a second
    // start). A refused file changes nothing and says nothing; an unreadable one says so and
    // changes nothing; a malformed one says so and leaves an empty, untitled scene.
    bool OpenPath(const std::string& path);
    // File Save: an untitled scene goes through Save As. False when it failed or was cancelled.
    bool Save();
    // File Save As: asks for the name, then saves there.
    bool SaveAs();
    // Before anything replaces or closes a changed scene: Yes saves, No goes on without saving,
    // Cancel (or a failed save) stops. True when the caller may go on.
    bool SaveModified();

    // PackagingDocument: the packaging commands save first.
    bool SaveScene() override;
    std::string ScenePath() const override { return path_; }
    bool CheckScene() override;
    // The scene check the packaging commands run; by default the portable one on the entries.
    std::function<bool()> checkScene;

    // Writes the scene to path without asking; path becomes the scene's (the wizard names it).
    bool SaveTo(const std::string& path);

  private:
    void Clear();
    void SetPath(const std::string& path);

    SceneStorage& storage_;
    SceneStore store_;
    std::string path_;
    bool modified_ = false;
};

}  // namespace vl
