#include "scene/entry.h"

#include <algorithm>

#include "scene/kinds.h"

namespace vl {

SceneEntry::~SceneEntry() {
    // A destroyed command leaves its object's users; a destroyed object unlinks its users.
    ClearObject();
    for (SceneEntry* user : users_) {
        user->object_ = nullptr;
    }
}

void SceneEntry::AssignBase(const SceneEntry& other) {
    description.Assign(other.description);
    indentation = other.indentation;
    disabled = other.disabled;
}

void SceneEntry::Write(ByteWriter& out) const {
    description.Write(out);
    out.WriteInt(indentation);
    out.WriteInt(disabled);
    WriteRecord(out);
}

void SceneEntry::Read(ByteReader& in) {
    description.Read(in);
    indentation = in.ReadInt();
    disabled = in.ReadInt();
    ReadRecord(in);
}

bool SceneEntry::AddUser(SceneEntry& command) {
    return command.SetObject(this);
}

void SceneEntry::RemoveUser(SceneEntry& command) {
    if (command.object_ == this) {
        command.ClearObject();
    }
}

bool SceneEntry::SetObject(SceneEntry* object) {
    if (!object) {
        ClearObject();
        return true;
    }
    const std::int32_t wanted = LinkedObjectKind(kind_);
    if (wanted < 0 || object->kind_ != wanted) {
        return false;
    }
    if (object_ == object) {
        return true;
    }
    ClearObject();
    object_ = object;
    object->users_.push_back(this);
    return true;
}

void SceneEntry::ClearObject() {
    if (!object_) {
        return;
    }
    std::vector<SceneEntry*>& users = object_->users_;
    users.erase(std::remove(users.begin(), users.end(), this), users.end());
    object_ = nullptr;
}

bool SceneEntry::AllUsersDisabled() const {
    return std::all_of(users_.begin(), users_.end(),
                       [](const SceneEntry* user) { return user->disabled != 0; });
}

void SceneEntry::DescribeHead(std::string& text) const {
    text += KindName(kind_);
    if (!description.text.empty()) {
        text += " (";
        text += description.text;
        text += ')';
    }
    text += " [";
}

}  // namespace vl
