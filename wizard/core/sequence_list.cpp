#include "wizard/core/sequence_list.h"

#include <utility>

namespace vl {

namespace {

std::string Coordinate(std::int32_t centred, std::int32_t value) {
    return centred ? "Center" : std::to_string(value);
}

std::string Pair(std::int32_t centreX, std::int32_t x, std::int32_t centreY, std::int32_t y) {
    return "[" + Coordinate(centreX, x) + "," + Coordinate(centreY, y) + "]";
}

}  // namespace

std::string SequenceLine(const WizardSequence& s) {
    if (s.kind == kSequenceMedia) {
        return "Media:" + s.media->fileName + ", Play " + std::to_string(s.playCount) + " times, " +
               (s.mediaWait ? " Wait media to finish playing."
                            : " Not wait media to finish playing.");
    }
    std::string line =
        s.kind == kSequenceText ? "Text:" + s.image->ObjectName() : "Image:" + s.image->fileName;
    if (s.move) {
        line += " Move " + Pair(s.centreStartX, s.startX, s.centreStartY, s.startY) + "," +
                Pair(s.centreEndX, s.endX, s.centreEndY, s.endY);
    } else if (s.kind == kSequenceImage && s.effect == kEffectTile) {
        line += " Show [Effect - Tile]";
    } else if (s.kind == kSequenceImage && s.effect == kEffectStretch) {
        line += " Show [Effect - Stretch]";
    } else {
        line += " Show " + Pair(s.centreShowX, s.showX, s.centreShowY, s.showY);
    }
    line += s.clearScreen ? " Clear, " : " No clear, ";
    line += s.wait ? "Wait, " : "No wait, ";
    line += s.hide ? "Hide." : "No hide.";
    return line;
}

std::string MoveSequence(std::vector<WizardSequence>& sequences, int selected, int direction) {
    const int count = static_cast<int>(sequences.size());
    if (selected < 0 || selected >= count)
        return kSelectToMove;
    if (direction < 0 && selected == 0)
        return kFirstCannotGoUp;
    if (direction > 0 && selected == count - 1)
        return kLastCannotGoDown;
    std::swap(sequences[selected], sequences[selected + (direction < 0 ? -1 : 1)]);
    return std::string();
}

}  // namespace vl
