// Parameter records: the small building blocks entries are made of. Each offers Assign, Write,
// Read, Validate and Describe. Fields are public; the engine and the property dialogs read and
// write them directly. All fields are 32-bit, flags are 0 or nonzero.
#pragma once

#include <cstdint>
#include <string>

#include "scene/byte_stream.h"
#include "scene/validation.h"

namespace vl {

class EntryParam {
  public:
    virtual ~EntryParam() = default;
    // Stores the record in the current layout (version 2.2).
    virtual void Write(ByteWriter& out) const = 0;
    // Reads the record in the layout of in.Version(); failures show in in.ok().
    virtual void Read(ByteReader& in) = 0;
    virtual Validation Validate() const { return Validation::Pass(); }
    // Each record also has a Describe(text) that appends its piece of an entry's one-line text.
    // It is not virtual so that programs that never describe (Glint) do not link the texts.
};

// The free text a user attaches to an entry.
class DescriptionParam : public EntryParam {
  public:
    std::string text;

    void Assign(const DescriptionParam& other) { text = other.text; }
    void Write(ByteWriter& out) const override;
    void Read(ByteReader& in) override;
    void Describe(std::string& out) const;  // the text itself
};

inline constexpr std::uint32_t kWhite = 0x00FFFFFF;

// COLORREF helpers: 0x00BBGGRR.
inline constexpr std::uint32_t MakeColour(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red & 0xFF) |
           (static_cast<std::uint32_t>(green & 0xFF) << 8) |
           (static_cast<std::uint32_t>(blue & 0xFF) << 16);
}
inline constexpr int RedOf(std::uint32_t colour) {
    return colour & 0xFF;
}
inline constexpr int GreenOf(std::uint32_t colour) {
    return (colour >> 8) & 0xFF;
}
inline constexpr int BlueOf(std::uint32_t colour) {
    return (colour >> 16) & 0xFF;
}

enum Mixing : std::int32_t { kNoMixing = 0, kMixOr = 1, kMixAnd = 2 };

class ColourParam : public EntryParam {
  public:
    ColourParam();

    std::uint32_t colour = 0;
    std::uint32_t secondColour = kWhite;  // copied by Assign, never stored
    std::int32_t mixing = kNoMixing;
    std::int32_t random = 0;
    std::int32_t background = 1;  // 1 = "Yes", anything else "No"
    std::uint32_t seed;           // run-time

    // Copies everything but the run-time seed.
    void Assign(const ColourParam& other);
    void Write(ByteWriter& out) const override;
    void Read(ByteReader& in) override;
    // "Colour: ..., Mixing: ..., Background: ..."
    void Describe(std::string& text) const;
    // "Colour: RGB(r, g, b)" or "Colour: Random", without mixing and background (Cls).
    void DescribeColourOnly(std::string& text) const;

    // The colour to use now: with random set, seed += 100, the generator is seeded with it and
    // red, green, blue are each rand() mod 256; the new colour and seed stay in the record.
    std::uint32_t Resolve();
};

class DurationParam : public EntryParam {
  public:
    static constexpr std::int32_t kRandomRange = 3001;
    static constexpr std::int32_t kMinimumChange = 150;

    std::int32_t milliseconds = 0;
    std::int32_t random = 0;
    std::int32_t randomRange = kRandomRange;  // not stored

    void Assign(const DurationParam& other);
    void Write(ByteWriter& out) const override;
    void Read(ByteReader& in) override;
    // "Random" or "Duration: %.11g sec".
    void Describe(std::string& text) const;

    // A random Wait's next duration: seeded with timeSeed, d := (rand() + d) mod range until d is
    // at least 150 ms away from the previous value. Stored as the new milliseconds and returned.
    // The draw is bounded, so an odd range cannot hang the player.
    std::int32_t DrawRandom(std::uint32_t timeSeed);
};

class RepeatCountParam : public EntryParam {
  public:
    std::uint32_t count = 1;
    std::int32_t infinite = 0;
    std::uint32_t passCounter = 0;  // run-time

    void Assign(const RepeatCountParam& other);
    void Write(ByteWriter& out) const override;
    void Read(ByteReader& in) override;
    // "Infinite" or "%d time%s".
    void Describe(std::string& text) const;
};

// How a Play plays its media: the count (or Infinite), where a video appears and whether the
// scene waits.
class PlayModeParam : public RepeatCountParam {
  public:
    std::int32_t videoX = 0;
    std::int32_t videoY = 0;
    std::int32_t wait = 0;     // "Wait while media plays"
    std::int32_t endless = 0;  // "No wait - Infinite"

    void Assign(const PlayModeParam& other);
    void Write(ByteWriter& out) const override;
    void Read(ByteReader& in) override;
    // "Wait - <count>" or "No wait - Infinite" / "No wait - 1 time".
    void Describe(std::string& text) const;
    // The wait form applies only with wait set and endless clear.
    bool Waits() const { return wait != 0 && endless == 0; }
};

enum Comparison : std::int32_t { kGreater = 0, kLess = 1, kEqual = 2, kNotEqual = 3 };
enum Effect : std::int32_t { kEffectNone = 0, kEffectTile = 1, kEffectStretch = 2 };

// Positions and movement of Show, Move, Hide and Line.
class MotionParam : public EntryParam {
  public:
    MotionParam();

    std::int32_t startX = 0, startY = 0;
    std::int32_t endX = 0, endY = 0;
    std::int32_t untilX = 0, untilY = 0;
    std::int32_t stepX = 1, stepY = 1;
    std::int32_t currentX = 0, currentY = 0;  // run-time
    std::int32_t xComparison = kGreater, yComparison = kGreater;
    std::int32_t join = 0;  // 0 "OR", nonzero "AND"
    std::int32_t speed = 100000;
    std::int32_t letterSpeed = 2000;
    std::int32_t effect = kEffectNone;
    std::int32_t stepMode = 0;
    std::int32_t randomStartX = 0, randomStartY = 0, randomEndX = 0, randomEndY = 0;
    std::int32_t stepAxis = 1;  // 1 'X', 0 'Y'
    std::int32_t letterByLetter = 0;
    std::int32_t centreStartX = 0, centreStartY = 0, centreEndX = 0, centreEndY = 0;
    std::int32_t keepWhileMoving = 1;
    std::int32_t restoreAfterHide = 1;
    std::uint32_t seed;  // run-time

    // Copies everything but the run-time position and seed.
    void Assign(const MotionParam& other);
    void Write(ByteWriter& out) const override;
    void Read(ByteReader& in) override;
    // The motion text of a Move.
    void Describe(std::string& text) const;
    // "Start Position: (..), End Position: (..)" with Random/Center per coordinate.
    void DescribePositions(std::string& text) const;
};

// Show, Move and Hide. The linked Image itself is held by the entry (SceneEntry links), so that
// copies of these parameters, as dialogs make them, never hold a link of their own; the entry's
// Validate checks the link.
class ImageActionParams : public EntryParam {
  public:
    MotionParam motion;
    ColourParam colour;
    DescriptionParam description;

    void Assign(const ImageActionParams& other);
    void Write(ByteWriter& out) const override;  // motion, colour
    void Read(ByteReader& in) override;
    Validation Validate() const override;  // motion and colour: always pass
    // Motion text, ", ", colour text (the Move form).
    void Describe(std::string& text) const;
};

// Play. The linked Multimedia is held by the entry, as for ImageActionParams.
class PlayParams : public EntryParam {
  public:
    DescriptionParam description;
    PlayModeParam mode;

    void Assign(const PlayParams& other);
    void Write(ByteWriter& out) const override;
    void Read(ByteReader& in) override;
    void Describe(std::string& text) const;
};

// Stop: nothing stored beyond the link.
class StopParams : public EntryParam {
  public:
    DescriptionParam description;

    void Assign(const StopParams& other) { description.Assign(other.description); }
    void Write(ByteWriter&) const override {}
    void Read(ByteReader&) override {}
    void Describe(std::string&) const {}
};

// Step-mode reachability of one axis: can a walk from start by step reach the comparison's
// condition against until?
bool IsAxisReachable(std::int32_t comparison, std::int32_t start, std::int32_t step,
                     std::int32_t until);
// Empty when both step-mode conditions can be reached (or step mode is off); otherwise
// "X and Y-Conditions have been never reached." or "X-Condition ..." / "Y-Condition ...".
std::string UnreachableConditionMessage(const MotionParam& motion);

}  // namespace vl
