// SceneEntry, the common base of the thirteen entry kinds, with the object links between
// commands and the object definitions they use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "scene/byte_stream.h"
#include "scene/kinds.h"
#include "scene/params.h"
#include "scene/validation.h"

namespace vl {

class EntryList;
class ImageEntry;

// Prepares an Image for playing while the scene is checked: renders a text into its bitmap or
// loads its picture. The engine implements it with GDI; PortablePreparer refuses what can be
// decided without drawing. The message of a failure is the one the user sees.
class ObjectPreparer {
  public:
    virtual ~ObjectPreparer() = default;
    virtual Validation PrepareImage(ImageEntry& image) = 0;
};

// What Validate needs besides the entry: the list it stands in (an Until looks for its Repeat)
// and the preparer of pictures.
struct ValidationContext {
    const EntryList& entries;
    ObjectPreparer& preparer;
};

// Run-time state that a platform layer hangs on an entry (bitmaps, media players). Owned by the
// entry, never copied, never stored.
class EntryRuntime {
  public:
    virtual ~EntryRuntime() = default;
};

class SceneEntry {
  public:
    virtual ~SceneEntry();
    SceneEntry(const SceneEntry&) = delete;
    SceneEntry& operator=(const SceneEntry&) = delete;

    std::int32_t Kind() const { return kind_; }

    DescriptionParam description;
    std::int32_t indentation = 0;  // spaces; recomputed by ComputeNesting
    std::int32_t index = -1;       // list position, renumbered before saves, copies and checks
    std::int32_t disabled = 0;     // nonzero: deactivated
    std::unique_ptr<EntryRuntime> runtime;

    // The operations of every entry, in the order of the design (Execute and Edit belong to the
    // engine and the editor, which dispatch on Kind()).

    // Copies the stored and editable fields of an entry of the same kind (not the index, not the
    // links, not run-time state). Returns false, changing nothing, when the kinds differ.
    // Assign, Describe and Clone dispatch on the kind rather than through the virtual table, so a
    // program that never calls them (Glint) does not link them.
    bool Assign(const SceneEntry& other);
    // The record after the kind DWORD: base part, then the kind's own fields (version 2.2).
    void Write(ByteWriter& out) const;
    // Reads the record in the layout of in.Version().
    void Read(ByteReader& in);
    // Check before play and packaging. A deactivated command passes.
    virtual Validation Validate(ValidationContext& context) = 0;
    // Appends the entry's one-line text.
    void Describe(std::string& line) const;
    // A new entry of the same kind with default settings (not a copy).
    std::unique_ptr<SceneEntry> Clone() const;

    // Links. A command of kind Show, Move or Hide links to an Image, Play and Stop to a
    // Multimedia; the object keeps the list of its users. Both sides stay consistent whichever
    // operation is used, and destroying either side cleans up the other.

    // Object definitions: links command to this object (same as command.SetObject(this)).
    bool AddUser(SceneEntry& command);
    // Object definitions: unlinks command when it uses this object.
    void RemoveUser(SceneEntry& command);
    // Object definitions: unlinks, in one pass over the users, every user for which
    // unlink(const SceneEntry&) holds; the others keep their order. RemoveUser for many commands
    // at once, without a pass per command.
    template <class Predicate>
    void RemoveUsersIf(Predicate unlink);
    const std::vector<SceneEntry*>& Users() const { return users_; }
    // Commands with a link: leaves the previous object's users, then joins object's users. Refused
    // (false, nothing changed) when this kind has no link or object is not of the kind it uses.
    // A null object is the same as ClearObject().
    bool SetObject(SceneEntry* object);
    void ClearObject();
    // Named so because windows.h turns GetObject into GetObjectA in some units and not in others.
    SceneEntry* GetLinkedObject() const { return object_; }
    // Index of the linked object, or -1.
    std::int32_t GetObjectIndex() const { return object_ ? object_->index : -1; }

    void SetDisabled(std::int32_t flag) { disabled = flag; }
    std::int32_t IsDisabled() const { return disabled; }

    bool IsObjectDefinition() const { return IsObjectKind(kind_); }
    // True when every user of this object is deactivated (or there is none).
    bool AllUsersDisabled() const;

  protected:
    explicit SceneEntry(std::int32_t kind) : kind_(kind) {}
    // Base fields of Assign.
    void AssignBase(const SceneEntry& other);
    virtual void WriteRecord(ByteWriter& out) const = 0;
    virtual void ReadRecord(ByteReader& in) = 0;
    // Kind name, " (description)" when there is one, " [".
    void DescribeHead(std::string& text) const;

  private:
    const std::int32_t kind_;
    SceneEntry* object_ = nullptr;    // the object this command uses; owned by the list
    std::vector<SceneEntry*> users_;  // commands using this object; owned by the list
};

template <class Predicate>
void SceneEntry::RemoveUsersIf(Predicate unlink) {
    std::size_t kept = 0;
    for (SceneEntry* user : users_) {
        if (unlink(static_cast<const SceneEntry&>(*user))) {
            user->object_ = nullptr;
        } else {
            users_[kept++] = user;
        }
    }
    users_.resize(kept);
}

// The entry as its concrete class when it has that kind, else nullptr.
template <class T>
T* EntryAs(SceneEntry* entry) {
    return entry && entry->Kind() == T::kKind ? static_cast<T*>(entry) : nullptr;
}
template <class T>
const T* EntryAs(const SceneEntry* entry) {
    return entry && entry->Kind() == T::kKind ? static_cast<const T*>(entry) : nullptr;
}

}  // namespace vl
