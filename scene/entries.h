// The thirteen entry kinds. Each class carries kKind for EntryAs<T>(); fields are public so the
// engine, the dialogs and the tools can read and set them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "scene/byte_block.h"
#include "scene/entry.h"
#include "scene/log_font.h"
#include "scene/params.h"

namespace vl {

enum ImageSource : std::int32_t { kSourceFile = 1, kSourceDesktop = 2, kSourceWallpaper = 3 };

// The colours a new Image takes for its text and background: the system's window-text and window
// colours. Classic Windows values until the platform layer sets the real ones at start-up.
struct DefaultImageColours {
    std::uint32_t text = 0x00000000;
    std::uint32_t background = 0x00FFFFFF;
};
void SetDefaultImageColours(const DefaultImageColours& colours);
DefaultImageColours GetDefaultImageColours();

// Kind 0: a picture (the complete bytes of a .bmp, .jpg, .ico or .cur file) or a text message.
class ImageEntry final : public SceneEntry {
  public:
    static constexpr std::int32_t kKind = kImage;
    ImageEntry();

    std::uint32_t textColour;
    std::uint32_t backgroundColour;
    LogFont font = LogFont::Default();
    std::int32_t opaque = 0;  // 0 "Transparent", nonzero "Opaque"
    std::int32_t isText = 0;  // 1 text, otherwise picture
    std::string text;
    std::string fileName;  // display only; the picture is in data
    ByteBlock data;
    std::int32_t source = kSourceFile;

    // Player state (not stored, not copied): where the object was and is drawn, the colour of
    // the last Show or Move, and whether it is on screen.
    MotionParam previousPlacement;
    MotionParam backgroundPlacement;
    MotionParam currentPlacement;
    ColourParam drawColour;
    std::int32_t shown = 0;

    bool IsTextObject() const { return isText == 1; }
    // The name lines show for this object: the first non-empty text line cut to 7 characters and
    // "...", or the file name; "?" when there is none.
    std::string ObjectName() const;

    bool Assign(const SceneEntry& other);
    // Passes untouched when deactivated and not used by an active command; otherwise fails
    // without text or data ("You have to choose the image."), or prepares through the preparer.
    Validation Validate(ValidationContext& context) override;
    void Describe(std::string& line) const;

  protected:
    void WriteRecord(ByteWriter& out) const override;
    void ReadRecord(ByteReader& in) override;
};

// Kind 9: a wave sound or other media file (type 0) or an AVI video (type 1).
class MultimediaEntry final : public SceneEntry {
  public:
    static constexpr std::int32_t kKind = kMultimedia;
    static constexpr std::int32_t kTypeOther = 0;
    static constexpr std::int32_t kTypeAvi = 1;
    MultimediaEntry() : SceneEntry(kKind) {}

    std::string fileName;
    std::int32_t mediaType = kTypeOther;
    ByteBlock data;

    // The file name, or "?" when it is empty.
    std::string ObjectName() const;

    bool Assign(const SceneEntry& other);
    Validation Validate(ValidationContext& context) override;
    void Describe(std::string& line) const;

  protected:
    void WriteRecord(ByteWriter& out) const override;
    void ReadRecord(ByteReader& in) override;
};

// Show, Move and Hide share their record and their validation; they differ in their text.
class ImageCommandEntry : public SceneEntry {
  public:
    ImageActionParams params;

    // The linked Image, or nullptr when there is none (or the link is not to an Image).
    const ImageEntry* LinkedImage() const;

    bool Assign(const SceneEntry& other);
    Validation Validate(ValidationContext& context) override;

  protected:
    explicit ImageCommandEntry(std::int32_t kind) : SceneEntry(kind) {}
    void WriteRecord(ByteWriter& out) const override { params.Write(out); }
    void ReadRecord(ByteReader& in) override { params.Read(in); }
};

class ShowEntry final : public ImageCommandEntry {
  public:
    static constexpr std::int32_t kKind = kShow;
    ShowEntry() : ImageCommandEntry(kKind) {}
    void Describe(std::string& line) const;
};

class MoveEntry final : public ImageCommandEntry {
  public:
    static constexpr std::int32_t kKind = kMove;
    MoveEntry() : ImageCommandEntry(kKind) {}
    void Describe(std::string& line) const;
};

class HideEntry final : public ImageCommandEntry {
  public:
    static constexpr std::int32_t kKind = kHide;
    HideEntry() : ImageCommandEntry(kKind) {}
    void Describe(std::string& line) const;
};

class WaitEntry final : public SceneEntry {
  public:
    static constexpr std::int32_t kKind = kWait;
    WaitEntry() : SceneEntry(kKind) {}
    DurationParam duration;

    bool Assign(const SceneEntry& other);
    Validation Validate(ValidationContext&) override { return Validation::Pass(); }
    void Describe(std::string& line) const;

  protected:
    void WriteRecord(ByteWriter& out) const override { duration.Write(out); }
    void ReadRecord(ByteReader& in) override { duration.Read(in); }
};

class ClsEntry final : public SceneEntry {
  public:
    static constexpr std::int32_t kKind = kCls;
    ClsEntry() : SceneEntry(kKind) {}
    ColourParam colour;

    bool Assign(const SceneEntry& other);
    Validation Validate(ValidationContext&) override { return Validation::Pass(); }
    void Describe(std::string& line) const;

  protected:
    void WriteRecord(ByteWriter& out) const override { colour.Write(out); }
    void ReadRecord(ByteReader& in) override { colour.Read(in); }
};

class RepeatEntry final : public SceneEntry {
  public:
    static constexpr std::int32_t kKind = kRepeat;
    RepeatEntry() : SceneEntry(kKind) {}

    bool Assign(const SceneEntry& other);
    Validation Validate(ValidationContext&) override { return Validation::Pass(); }
    void Describe(std::string& line) const;

  protected:
    void WriteRecord(ByteWriter&) const override {}
    void ReadRecord(ByteReader&) override {}
};

class UntilEntry final : public SceneEntry {
  public:
    static constexpr std::int32_t kKind = kUntil;
    UntilEntry() : SceneEntry(kKind) {}
    RepeatCountParam repeat;
    // Index of the entry after the matching Repeat; -1 until the scene is checked.
    std::int32_t jumpTarget = -1;

    bool Assign(const SceneEntry& other);
    // Pairs the loop: walks up from the entry above, counting active Until (+1) and active
    // Repeat (-1) entries, and takes the Repeat where the depth reaches 0; resets the pass
    // counter. Deactivated entries are left out of the walk as they are left out of the balance
    // check, so a scene that passes that check always pairs.
    Validation Validate(ValidationContext& context) override;
    void Describe(std::string& line) const;

    // The loop rule, which the player follows when it reaches this Until at index: with
    // Infinite, or while the pass counter (raised by one) stays below the count, index becomes
    // jumpTarget - 1 so that the player's increment lands on the first entry after the Repeat,
    // and the result is true; so a count of 0 or 1 runs the block once. Otherwise the pass
    // counter returns to 0 and index is left alone. An Until whose jump target does not lie
    // between the top of the list and itself (unpaired: -1, in a scene played unchecked) never
    // jumps and keeps its pass counter at 0, whatever its count.
    bool Loop(std::int32_t& index);

  protected:
    void WriteRecord(ByteWriter& out) const override { repeat.Write(out); }
    void ReadRecord(ByteReader& in) override { repeat.Read(in); }
};

enum PenStyle : std::int32_t { kPenSolid = 0, kPenDash = 1, kPenDot = 2, kPenDashDot = 3 };

class LineEntry final : public SceneEntry {
  public:
    static constexpr std::int32_t kKind = kLine;
    LineEntry() : SceneEntry(kKind) {}
    MotionParam motion;
    ColourParam colour;
    std::int32_t penStyle = kPenSolid;  // any other value: DashDotDot
    std::int32_t penWidth = 1;

    bool Assign(const SceneEntry& other);
    Validation Validate(ValidationContext&) override { return Validation::Pass(); }
    void Describe(std::string& line) const;

  protected:
    void WriteRecord(ByteWriter& out) const override;
    void ReadRecord(ByteReader& in) override;
};

// Play and Stop: commands on a Multimedia.
class MediaCommandEntry : public SceneEntry {
  public:
    // The linked Multimedia, or nullptr.
    const MultimediaEntry* LinkedMedia() const;
    // Fails with "You have to choose the media." when active and not linked to a Multimedia.
    Validation Validate(ValidationContext& context) override;

  protected:
    explicit MediaCommandEntry(std::int32_t kind) : SceneEntry(kind) {}
};

class PlayEntry final : public MediaCommandEntry {
  public:
    static constexpr std::int32_t kKind = kPlay;
    PlayEntry() : MediaCommandEntry(kKind) {}
    PlayParams params;

    bool Assign(const SceneEntry& other);
    void Describe(std::string& line) const;

  protected:
    void WriteRecord(ByteWriter& out) const override { params.Write(out); }
    void ReadRecord(ByteReader& in) override { params.Read(in); }
};

class StopEntry final : public MediaCommandEntry {
  public:
    static constexpr std::int32_t kKind = kStop;
    StopEntry() : MediaCommandEntry(kKind) {}
    StopParams params;

    bool Assign(const SceneEntry& other);
    void Describe(std::string& line) const;

  protected:
    void WriteRecord(ByteWriter& out) const override { params.Write(out); }
    void ReadRecord(ByteReader& in) override { params.Read(in); }
};

class CommentEntry final : public SceneEntry {
  public:
    static constexpr std::int32_t kKind = kComment;
    CommentEntry() : SceneEntry(kKind) {}
    std::string text;

    bool Assign(const SceneEntry& other);
    Validation Validate(ValidationContext&) override { return Validation::Pass(); }
    // The comment text alone, without head.
    void Describe(std::string& line) const;

  protected:
    void WriteRecord(ByteWriter& out) const override { out.WriteScrambledText(text); }
    void ReadRecord(ByteReader& in) override { text = in.ReadScrambledText(); }
};

// A new entry of the kind with its defaults; nullptr for a kind outside 0..12.
std::unique_ptr<SceneEntry> CreateEntry(std::int32_t kind);

}  // namespace vl
