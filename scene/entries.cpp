#include "scene/entries.h"

#include <cstring>

#include "scene/entry_list.h"
#include "scene/messages.h"

namespace vl {

namespace {

DefaultImageColours g_defaultImageColours;

// Image records of versions from 1.01 through 2.1 hold a flag where 2.2 holds the source.
bool ImageHasSourceFlag(float version) {
    return version > 1.0f && version <= 2.1f;
}
bool MultimediaHasType(float version) {
    return version >= 2.0f;
}

}  // namespace

void SetDefaultImageColours(const DefaultImageColours& colours) {
    g_defaultImageColours = colours;
}

DefaultImageColours GetDefaultImageColours() {
    return g_defaultImageColours;
}

std::unique_ptr<SceneEntry> CreateEntry(std::int32_t kind) {
    switch (kind) {
        case kImage:
            return std::make_unique<ImageEntry>();
        case kShow:
            return std::make_unique<ShowEntry>();
        case kMove:
            return std::make_unique<MoveEntry>();
        case kHide:
            return std::make_unique<HideEntry>();
        case kWait:
            return std::make_unique<WaitEntry>();
        case kCls:
            return std::make_unique<ClsEntry>();
        case kRepeat:
            return std::make_unique<RepeatEntry>();
        case kUntil:
            return std::make_unique<UntilEntry>();
        case kLine:
            return std::make_unique<LineEntry>();
        case kMultimedia:
            return std::make_unique<MultimediaEntry>();
        case kPlay:
            return std::make_unique<PlayEntry>();
        case kStop:
            return std::make_unique<StopEntry>();
        case kComment:
            return std::make_unique<CommentEntry>();
        default:
            return nullptr;
    }
}

// ---- Image ----

ImageEntry::ImageEntry()
    : SceneEntry(kKind),
      textColour(g_defaultImageColours.text),
      backgroundColour(g_defaultImageColours.background) {}

bool ImageEntry::Assign(const SceneEntry& other) {
    const ImageEntry* image = EntryAs<ImageEntry>(&other);
    if (!image) {
        return false;
    }
    AssignBase(other);
    textColour = image->textColour;
    backgroundColour = image->backgroundColour;
    font = image->font;
    opaque = image->opaque;
    isText = image->isText;
    text = image->text;
    fileName = image->fileName;
    data = image->data;
    source = image->source;
    return true;
}

Validation ImageEntry::Validate(ValidationContext& context) {
    Validation result;
    if (disabled && AllUsersDisabled()) {
        result = Validation::Pass();
    } else if (IsTextObject() ? text.empty() : data.empty()) {
        result = Validation::Fail(msg::kChooseImage);
    } else {
        result = context.preparer.PrepareImage(*this);
    }
    shown = 0;
    return result;
}

std::unique_ptr<SceneEntry> ImageEntry::Clone() const {
    return std::make_unique<ImageEntry>();
}

void ImageEntry::WriteRecord(ByteWriter& out) const {
    out.WriteInt(isText);
    out.WriteInt(opaque);
    out.WriteInt(source);
    if (IsTextObject()) {
        out.WriteDword(textColour);
        out.WriteDword(backgroundColour);
        out.WriteScrambledText(text);
        const auto bytes = font.ToBytes();
        out.WriteScrambledBlock(bytes.data(), bytes.size());
        return;
    }
    out.WriteDword(static_cast<std::uint32_t>(data.size()));
    if (!data.empty()) {
        out.WriteScrambledText(fileName);
        out.WriteScrambledBlock(data.data(), data.size());
    }
}

void ImageEntry::ReadRecord(ByteReader& in) {
    const float version = in.Version();
    isText = in.ReadInt();
    opaque = in.ReadInt();
    if (ImageHasSourceFlag(version)) {
        source = in.ReadInt() != 0 ? kSourceDesktop : kSourceFile;
    } else if (version != 1.0f) {
        source = in.ReadInt();
    }
    if (IsTextObject()) {
        textColour = in.ReadDword();
        backgroundColour = in.ReadDword();
        text = in.ReadScrambledText();
        std::uint8_t bytes[LogFont::kByteSize];
        if (in.ReadBytes(bytes, sizeof bytes)) {
            UnscrambleInPlace(bytes, sizeof bytes);
            font = LogFont::FromBytes(bytes);
        }
        return;
    }
    const std::uint32_t size = in.ReadDword();
    if (size != 0) {
        fileName = in.ReadScrambledText();
        data = in.ReadScrambledBlock(size);
    }
}

// ---- Multimedia ----

bool MultimediaEntry::Assign(const SceneEntry& other) {
    const MultimediaEntry* media = EntryAs<MultimediaEntry>(&other);
    if (!media) {
        return false;
    }
    AssignBase(other);
    fileName = media->fileName;
    mediaType = media->mediaType;
    data = media->data;
    return true;
}

Validation MultimediaEntry::Validate(ValidationContext&) {
    if (disabled && AllUsersDisabled()) {
        return Validation::Pass();
    }
    if (data.empty()) {
        return Validation::Fail(msg::kChooseMedia);
    }
    return Validation::Pass();
}

std::unique_ptr<SceneEntry> MultimediaEntry::Clone() const {
    return std::make_unique<MultimediaEntry>();
}

void MultimediaEntry::WriteRecord(ByteWriter& out) const {
    out.WriteDword(static_cast<std::uint32_t>(data.size()));
    if (!data.empty()) {
        out.WriteScrambledText(fileName);
        out.WriteInt(mediaType);
        out.WriteScrambledBlock(data.data(), data.size());
    }
}

void MultimediaEntry::ReadRecord(ByteReader& in) {
    const std::uint32_t size = in.ReadDword();
    if (size == 0) {
        return;
    }
    fileName = in.ReadScrambledText();
    if (MultimediaHasType(in.Version())) {
        mediaType = in.ReadInt();
    }
    data = in.ReadScrambledBlock(size);
}

// ---- Show, Move, Hide ----

const ImageEntry* ImageCommandEntry::LinkedImage() const {
    return EntryAs<ImageEntry>(GetLinkedObject());
}

bool ImageCommandEntry::Assign(const SceneEntry& other) {
    if (other.Kind() != Kind()) {
        return false;
    }
    AssignBase(other);
    params.Assign(static_cast<const ImageCommandEntry&>(other).params);
    return true;
}

Validation ImageCommandEntry::Validate(ValidationContext&) {
    if (disabled) {
        return Validation::Pass();
    }
    if (!LinkedImage()) {
        return Validation::Fail(msg::kChooseImage);
    }
    return params.Validate();
}

std::unique_ptr<SceneEntry> ShowEntry::Clone() const {
    return std::make_unique<ShowEntry>();
}
std::unique_ptr<SceneEntry> MoveEntry::Clone() const {
    return std::make_unique<MoveEntry>();
}
std::unique_ptr<SceneEntry> HideEntry::Clone() const {
    return std::make_unique<HideEntry>();
}

// ---- Wait, Cls, Repeat ----

bool WaitEntry::Assign(const SceneEntry& other) {
    const WaitEntry* wait = EntryAs<WaitEntry>(&other);
    if (!wait) {
        return false;
    }
    AssignBase(other);
    duration.Assign(wait->duration);
    return true;
}

std::unique_ptr<SceneEntry> WaitEntry::Clone() const {
    return std::make_unique<WaitEntry>();
}

bool ClsEntry::Assign(const SceneEntry& other) {
    const ClsEntry* cls = EntryAs<ClsEntry>(&other);
    if (!cls) {
        return false;
    }
    AssignBase(other);
    colour.Assign(cls->colour);
    return true;
}

std::unique_ptr<SceneEntry> ClsEntry::Clone() const {
    return std::make_unique<ClsEntry>();
}

bool RepeatEntry::Assign(const SceneEntry& other) {
    if (other.Kind() != kKind) {
        return false;
    }
    AssignBase(other);
    return true;
}

std::unique_ptr<SceneEntry> RepeatEntry::Clone() const {
    return std::make_unique<RepeatEntry>();
}

// ---- Until ----

bool UntilEntry::Assign(const SceneEntry& other) {
    const UntilEntry* until = EntryAs<UntilEntry>(&other);
    if (!until) {
        return false;
    }
    AssignBase(other);
    repeat.Assign(until->repeat);
    return true;
}

Validation UntilEntry::Validate(ValidationContext& context) {
    if (disabled) {
        return Validation::Pass();
    }
    const EntryList& entries = context.entries;
    std::ptrdiff_t position = index;
    if (position < 0 || static_cast<std::size_t>(position) >= entries.Count() ||
        &entries.At(static_cast<std::size_t>(position)) != this) {
        position = entries.Find(this);
    }
    int depth = 1;
    for (std::ptrdiff_t i = position - 1; i >= 0; --i) {
        const SceneEntry& entry = entries.At(static_cast<std::size_t>(i));
        if (entry.disabled) {
            continue;
        }
        if (entry.Kind() == kUntil) {
            ++depth;
        } else if (entry.Kind() == kRepeat && --depth == 0) {
            jumpTarget = static_cast<std::int32_t>(i + 1);
            repeat.passCounter = 0;
            return Validation::Pass();
        }
    }
    jumpTarget = -1;
    repeat.passCounter = 0;
    return Validation::Fail(msg::kMissingRepeat);
}

std::unique_ptr<SceneEntry> UntilEntry::Clone() const {
    return std::make_unique<UntilEntry>();
}

bool UntilEntry::Loop(std::int32_t& index) {
    if (jumpTarget < 0) {
        return false;
    }
    if (!repeat.infinite && ++repeat.passCounter >= repeat.count) {
        repeat.passCounter = 0;
        return false;
    }
    index = jumpTarget - 1;
    return true;
}

// ---- Line ----

bool LineEntry::Assign(const SceneEntry& other) {
    const LineEntry* line = EntryAs<LineEntry>(&other);
    if (!line) {
        return false;
    }
    AssignBase(other);
    motion.Assign(line->motion);
    colour.Assign(line->colour);
    penStyle = line->penStyle;
    penWidth = line->penWidth;
    return true;
}

std::unique_ptr<SceneEntry> LineEntry::Clone() const {
    return std::make_unique<LineEntry>();
}

void LineEntry::WriteRecord(ByteWriter& out) const {
    colour.Write(out);
    motion.Write(out);
    out.WriteInt(penStyle);
    out.WriteInt(penWidth);
}

void LineEntry::ReadRecord(ByteReader& in) {
    colour.Read(in);
    motion.Read(in);
    penStyle = in.ReadInt();
    penWidth = in.ReadInt();
}

// ---- Play, Stop ----

const MultimediaEntry* MediaCommandEntry::LinkedMedia() const {
    return EntryAs<MultimediaEntry>(GetLinkedObject());
}

Validation MediaCommandEntry::Validate(ValidationContext&) {
    if (disabled) {
        return Validation::Pass();
    }
    return LinkedMedia() ? Validation::Pass() : Validation::Fail(msg::kChooseMedia);
}

bool PlayEntry::Assign(const SceneEntry& other) {
    const PlayEntry* play = EntryAs<PlayEntry>(&other);
    if (!play) {
        return false;
    }
    AssignBase(other);
    params.Assign(play->params);
    return true;
}

std::unique_ptr<SceneEntry> PlayEntry::Clone() const {
    return std::make_unique<PlayEntry>();
}

bool StopEntry::Assign(const SceneEntry& other) {
    const StopEntry* stop = EntryAs<StopEntry>(&other);
    if (!stop) {
        return false;
    }
    AssignBase(other);
    params.Assign(stop->params);
    return true;
}

std::unique_ptr<SceneEntry> StopEntry::Clone() const {
    return std::make_unique<StopEntry>();
}

// ---- Comment ----

bool CommentEntry::Assign(const SceneEntry& other) {
    const CommentEntry* comment = EntryAs<CommentEntry>(&other);
    if (!comment) {
        return false;
    }
    AssignBase(other);
    text = comment->text;
    return true;
}

std::unique_ptr<SceneEntry> CommentEntry::Clone() const {
    return std::make_unique<CommentEntry>();
}

}  // namespace vl
