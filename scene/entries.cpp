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

std::unique_ptr<SceneEntry> SceneEntry::Clone() const {
    return CreateEntry(Kind());
}

// ---- Image ----

ImageEntry::ImageEntry()
    : SceneEntry(kKind),
      textColour(g_defaultImageColours.text),
      backgroundColour(g_defaultImageColours.background) {}

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
        out.WriteScrambledBlock(data);
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

Validation MultimediaEntry::Validate(ValidationContext&) {
    if (disabled && AllUsersDisabled()) {
        return Validation::Pass();
    }
    if (data.empty()) {
        return Validation::Fail(msg::kChooseMedia);
    }
    return Validation::Pass();
}

void MultimediaEntry::WriteRecord(ByteWriter& out) const {
    out.WriteDword(static_cast<std::uint32_t>(data.size()));
    if (!data.empty()) {
        out.WriteScrambledText(fileName);
        out.WriteInt(mediaType);
        out.WriteScrambledBlock(data);
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
    // The system reads a sound's bytes while it plays and a video is written out to a file:
    // media are restored at once, whatever the buffer.
    data = in.ReadScrambledBlock(size).Plain();
    if (data.size() != size) {
        in.Fail();
    }
}

// ---- Show, Move, Hide ----

const ImageEntry* ImageCommandEntry::LinkedImage() const {
    return EntryAs<ImageEntry>(GetLinkedObject());
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

// ---- Wait, Cls, Repeat ----

// ---- Until ----

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

bool UntilEntry::Loop(std::int32_t& index) {
    // Without its Repeat above it there is nothing to go back to: the Until ends like a loop
    // that has run its passes.
    if (jumpTarget < 0 || jumpTarget > index) {
        repeat.passCounter = 0;
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

// ---- Comment ----

}  // namespace vl
