// The one-line texts of parameter records and entries, exact to the character: the scene list
// shows them and the text export writes them.
#include <string>

#include "scene/entries.h"
#include "scene/entry_dispatch.h"
#include "scene/messages.h"
#include "scene/params.h"
#include "scene/text_format.h"

namespace vl {

namespace {

const char* ComparisonName(std::int32_t comparison) {
    switch (comparison) {
        case kGreater:
            return ">";
        case kLess:
            return "<";
        case kEqual:
            return "=";
        case kNotEqual:
            return "<>";
        default:
            return "?";
    }
}

const char* PenStyleName(std::int32_t style) {
    switch (style) {
        case kPenSolid:
            return "Solid";
        case kPenDash:
            return "Dash";
        case kPenDot:
            return "Dot";
        case kPenDashDot:
            return "DashDot";
        default:
            return "DashDotDot";
    }
}

void AppendCoordinate(std::string& text, std::int32_t random, std::int32_t centre,
                      std::int32_t value) {
    if (random) {
        text += "Random";
    } else if (centre) {
        text += "Center";
    } else {
        AppendInt(text, value);
    }
}

void AppendImageName(std::string& text, const ImageEntry* image) {
    text += image ? image->ObjectName() : "?";
}

void AppendMediaName(std::string& text, const MultimediaEntry* media) {
    text += media ? media->ObjectName() : "?";
}

// Entries whose own head ends in " [" close with "]".
void Close(std::string& text) {
    text += ']';
}

}  // namespace

// ---- Parameter records ----

void DescriptionParam::Describe(std::string& out) const {
    out += text;
}

void ColourParam::DescribeColourOnly(std::string& text) const {
    text += "Colour: ";
    if (random) {
        text += "Random";
    } else {
        AppendRgb(text, colour);
    }
}

void ColourParam::Describe(std::string& text) const {
    DescribeColourOnly(text);
    text += ", Mixing: ";
    text += mixing == kNoMixing ? "No Mixing" : mixing == kMixOr ? "OR" : "AND";
    text += ", Background: ";
    text += background == 1 ? "Yes" : "No";
}

void DurationParam::Describe(std::string& text) const {
    if (random) {
        text += "Random";
        return;
    }
    text += "Duration: ";
    AppendSeconds(text, milliseconds);
    text += " sec";
}

void RepeatCountParam::Describe(std::string& text) const {
    if (infinite) {
        text += "Infinite";
        return;
    }
    // The count is unsigned but printed as a signed number, as it always was.
    AppendInt(text, static_cast<std::int32_t>(count));
    text += count > 1 ? " times" : " time";
}

void PlayModeParam::Describe(std::string& text) const {
    if (Waits()) {
        text += "Wait - ";
        RepeatCountParam::Describe(text);
    } else {
        text += "No wait - ";
        text += endless ? "Infinite" : "1 time";
    }
}

void MotionParam::DescribePositions(std::string& text) const {
    text += "Start Position: (";
    AppendCoordinate(text, randomStartX, centreStartX, startX);
    text += ", ";
    AppendCoordinate(text, randomStartY, centreStartY, startY);
    text += "), End Position: (";
    AppendCoordinate(text, randomEndX, centreEndX, endX);
    text += ", ";
    AppendCoordinate(text, randomEndY, centreEndY, endY);
    text += ')';
}

void MotionParam::Describe(std::string& text) const {
    if (stepMode) {
        text += "Start Position: (";
        AppendInt(text, startX);
        text += ", ";
        AppendInt(text, startY);
        text += "), Step: (";
        AppendInt(text, stepX);
        text += ", ";
        AppendInt(text, stepY);
        text += "), Until: x ";
        text += ComparisonName(xComparison);
        text += ' ';
        AppendInt(text, untilX);
        text += join ? " AND y " : " OR y ";
        text += ComparisonName(yComparison);
        text += ' ';
        AppendInt(text, untilY);
    } else {
        DescribePositions(text);
        text += stepAxis ? ", Step X: " : ", Step Y: ";
        AppendInt(text, stepX);
    }
    text += ", Speed: ";
    AppendInt(text, speed);
}

void ImageActionParams::Describe(std::string& text) const {
    motion.Describe(text);
    text += ", ";
    colour.Describe(text);
}

void PlayParams::Describe(std::string& text) const {
    mode.Describe(text);
}

// ---- Object names ----

std::string ImageEntry::ObjectName() const {
    if (!IsTextObject()) {
        return fileName.empty() ? "?" : fileName;
    }
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t feed = text.find('\n', start);
        std::size_t end = feed == std::string::npos ? text.size() : feed;
        std::size_t next = feed == std::string::npos ? text.size() : feed + 1;
        if (feed != std::string::npos && end > start && text[end - 1] == '\r') {
            --end;
        }
        if (end > start) {
            std::string line = text.substr(start, end - start);
            if (line.size() > 7) {
                line.resize(7);
                line += msg::kEllipsis;
            }
            return line;
        }
        start = next;
    }
    return "?";
}

std::string MultimediaEntry::ObjectName() const {
    return fileName.empty() ? "?" : fileName;
}

// ---- Entries ----

void SceneEntry::Describe(std::string& line) const {
    DispatchOnKind(*this, [&](const auto& self) { self.Describe(line); });
}

void ImageEntry::Describe(std::string& line) const {
    DescribeHead(line);
    line += ObjectName();
    if (IsTextObject()) {
        line += ", TextColour: ";
        AppendRgb(line, textColour);
        line += ", BkColour: ";
        AppendRgb(line, backgroundColour);
        line += ", BkMode: ";
        line += opaque ? "Opaque" : "Transparent";
        line += ", Font: ";
        line += font.FaceName();
        line += ", ...";
    }
    Close(line);
}

void ShowEntry::Describe(std::string& line) const {
    const ImageEntry* image = LinkedImage();
    const MotionParam& motion = params.motion;
    DescribeHead(line);
    AppendImageName(line, image);
    line += ", Position: (";
    AppendCoordinate(line, motion.randomStartX, motion.centreStartX, motion.startX);
    line += ", ";
    AppendCoordinate(line, motion.randomStartY, motion.centreStartY, motion.startY);
    line += "), ";
    if (image && image->IsTextObject() && motion.letterByLetter) {
        line += "Letter By Letter Speed: ";
        AppendInt(line, motion.letterSpeed);
        line += ", ";
    }
    params.colour.Describe(line);
    Close(line);
}

void MoveEntry::Describe(std::string& line) const {
    DescribeHead(line);
    AppendImageName(line, LinkedImage());
    line += ", ";
    params.Describe(line);
    Close(line);
}

void HideEntry::Describe(std::string& line) const {
    DescribeHead(line);
    AppendImageName(line, LinkedImage());
    Close(line);
}

void WaitEntry::Describe(std::string& line) const {
    DescribeHead(line);
    duration.Describe(line);
    Close(line);
}

void ClsEntry::Describe(std::string& line) const {
    DescribeHead(line);
    colour.DescribeColourOnly(line);
    Close(line);
}

void RepeatEntry::Describe(std::string& line) const {
    // The head without its trailing " [".
    std::string head;
    DescribeHead(head);
    head.resize(head.size() - 2);
    line += head;
}

void UntilEntry::Describe(std::string& line) const {
    DescribeHead(line);
    repeat.Describe(line);
    Close(line);
}

void LineEntry::Describe(std::string& line) const {
    DescribeHead(line);
    line += "Width: ";
    AppendInt(line, penWidth);
    line += ", Style: ";
    line += PenStyleName(penStyle);
    line += ", ";
    motion.DescribePositions(line);
    line += ", ";
    colour.Describe(line);
    Close(line);
}

void MultimediaEntry::Describe(std::string& line) const {
    DescribeHead(line);
    line += ObjectName();
    Close(line);
    if (mediaType == kTypeAvi) {
        line += " - AVI animation ";
    }
}

void PlayEntry::Describe(std::string& line) const {
    const MultimediaEntry* media = LinkedMedia();
    DescribeHead(line);
    AppendMediaName(line, media);
    line += ", ";
    params.Describe(line);
    if (media && media->mediaType == MultimediaEntry::kTypeAvi) {
        line += ", Position: (";
        AppendInt(line, params.mode.videoX);
        line += ", ";
        AppendInt(line, params.mode.videoY);
        line += ')';
    }
    Close(line);
}

void StopEntry::Describe(std::string& line) const {
    DescribeHead(line);
    AppendMediaName(line, LinkedMedia());
    Close(line);
}

void CommentEntry::Describe(std::string& line) const {
    line += text;
}

}  // namespace vl
