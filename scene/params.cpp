#include "scene/params.h"

#include "scene/random.h"

namespace vl {

namespace {

// Layouts of older files (see the version table of the file format).
bool IsVersion10(float version) {
    return version == 1.0f;
}
bool HasEffect(float version) {
    return version >= 2.1f;
}
bool HasVideoPosition(float version) {
    return version >= 2.1f;
}

}  // namespace

// ---- DescriptionParam ----

void DescriptionParam::Write(ByteWriter& out) const {
    out.WriteScrambledText(text);
}

void DescriptionParam::Read(ByteReader& in) {
    text = in.ReadScrambledText();
}

// ---- ColourParam ----

ColourParam::ColourParam() : seed(NextCreationSeed()) {}

void ColourParam::Write(ByteWriter& out) const {
    out.WriteDword(colour);
    out.WriteInt(mixing);
    out.WriteInt(random);
    out.WriteInt(background);
}

void ColourParam::Read(ByteReader& in) {
    colour = in.ReadDword();
    mixing = in.ReadInt();
    random = in.ReadInt();
    background = in.ReadInt();
}

std::uint32_t ColourParam::Resolve() {
    if (random) {
        seed += 100;
        RandomGenerator generator(seed);
        int red = generator.Next() % 256;
        int green = generator.Next() % 256;
        int blue = generator.Next() % 256;
        colour = MakeColour(red, green, blue);
    }
    return colour;
}

// ---- DurationParam ----

void DurationParam::Write(ByteWriter& out) const {
    out.WriteInt(milliseconds);
    out.WriteInt(random);
}

void DurationParam::Read(ByteReader& in) {
    milliseconds = in.ReadInt();
    random = in.ReadInt();
}

std::int32_t DurationParam::DrawRandom(std::uint32_t timeSeed) {
    // With the usual range of 3001 a value far enough away comes within a few draws; the bound
    // only matters for a degenerate range.
    constexpr int kMaxDraws = 1000;
    const std::int64_t range = randomRange > 0 ? randomRange : kRandomRange;
    const std::int64_t previous = milliseconds;
    std::int64_t value = previous;
    RandomGenerator generator(timeSeed);
    for (int i = 0; i < kMaxDraws; ++i) {
        value = (generator.Next() + value) % range;
        std::int64_t change = value > previous ? value - previous : previous - value;
        if (change >= kMinimumChange) {
            break;
        }
    }
    milliseconds = static_cast<std::int32_t>(value);
    return milliseconds;
}

// ---- RepeatCountParam, PlayModeParam ----

void RepeatCountParam::Write(ByteWriter& out) const {
    out.WriteDword(count);
    out.WriteInt(infinite);
}

void RepeatCountParam::Read(ByteReader& in) {
    count = in.ReadDword();
    infinite = in.ReadInt();
}

void PlayModeParam::Write(ByteWriter& out) const {
    RepeatCountParam::Write(out);
    out.WriteInt(wait);
    out.WriteInt(endless);
    out.WriteInt(videoX);
    out.WriteInt(videoY);
}

void PlayModeParam::Read(ByteReader& in) {
    RepeatCountParam::Read(in);
    wait = in.ReadInt();
    endless = in.ReadInt();
    if (HasVideoPosition(in.Version())) {
        videoX = in.ReadInt();
        videoY = in.ReadInt();
    }
}

// ---- MotionParam ----

MotionParam::MotionParam() : seed(NextCreationSeed()) {}

void MotionParam::Write(ByteWriter& out) const {
    const std::int32_t fields[] = {
        randomStartX,
        randomStartY,
        randomEndX,
        randomEndY,
        centreStartX,
        centreStartY,
        centreEndX,
        centreEndY,
        startX,
        startY,
        endX,
        endY,
        stepX,
        stepY,
        stepAxis,
        xComparison,
        untilX,
        untilY,
        join,
        yComparison,
        stepMode,
        speed,
        letterSpeed,
        letterByLetter,
        keepWhileMoving,
        restoreAfterHide,
        effect,
    };
    for (std::int32_t field : fields) {
        out.WriteInt(field);
    }
}

void MotionParam::Read(ByteReader& in) {
    const float version = in.Version();
    randomStartX = in.ReadInt();
    randomStartY = in.ReadInt();
    randomEndX = in.ReadInt();
    randomEndY = in.ReadInt();
    if (IsVersion10(version)) {
        centreStartX = centreStartY = centreEndX = centreEndY = 0;
    } else {
        centreStartX = in.ReadInt();
        centreStartY = in.ReadInt();
        centreEndX = in.ReadInt();
        centreEndY = in.ReadInt();
    }
    startX = in.ReadInt();
    startY = in.ReadInt();
    endX = in.ReadInt();
    endY = in.ReadInt();
    stepX = in.ReadInt();
    stepY = in.ReadInt();
    stepAxis = in.ReadInt();
    xComparison = in.ReadInt();
    untilX = in.ReadInt();
    untilY = in.ReadInt();
    join = in.ReadInt();
    yComparison = in.ReadInt();
    stepMode = in.ReadInt();
    speed = in.ReadInt();
    letterSpeed = in.ReadInt();
    letterByLetter = in.ReadInt();
    if (IsVersion10(version)) {
        keepWhileMoving = restoreAfterHide = 0;
        return;
    }
    keepWhileMoving = in.ReadInt();
    restoreAfterHide = in.ReadInt();
    if (HasEffect(version)) {
        effect = in.ReadInt();
    }
}

// ---- ImageActionParams, PlayParams ----

void ImageActionParams::Write(ByteWriter& out) const {
    motion.Write(out);
    colour.Write(out);
}

void ImageActionParams::Read(ByteReader& in) {
    motion.Read(in);
    colour.Read(in);
}

Validation ImageActionParams::Validate() const {
    Validation result = motion.Validate();
    if (!result) {
        return result;
    }
    return colour.Validate();
}

void PlayParams::Write(ByteWriter& out) const {
    mode.Write(out);
}

void PlayParams::Read(ByteReader& in) {
    mode.Read(in);
}

}  // namespace vl
