// Scenes the command-line tests are made of, built through the scene model.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "scene/entries.h"
#include "scene/scene_file.h"

namespace vl::test {

template <class T>
T& Add(EntryList& list) {
    auto entry = std::make_unique<T>();
    T& ref = *entry;
    list.Append(std::move(entry));
    return ref;
}

inline ByteBlock Block(const std::string& bytes) {
    return ByteBlock::Copy(bytes.data(), bytes.size());
}

// n bytes running through every value.
inline ByteBlock EveryByte(std::size_t n) {
    std::vector<std::uint8_t> bytes(n);
    for (std::size_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    }
    return ByteBlock::Adopt(std::move(bytes));
}

// Every kind with values off their defaults: texts with bytes above 127 and line breaks, negative
// and full 32-bit values, a font name with bytes after its NUL, objects with several users listed
// out of list order, a deactivated entry.
inline void BuildRichScene(EntryList& list) {
    ImageEntry& picture = Add<ImageEntry>(list);
    picture.fileName = "C:\\Bilder\\F\xFCr Sie.jpg";
    picture.data = EveryByte(70000);
    picture.source = kSourceWallpaper;
    picture.opaque = 1;
    ImageEntry& text = Add<ImageEntry>(list);
    text.isText = 1;
    text.text =
        "Gr\xFC\xDF"
        "e\r\nzweite Zeile\r\n";
    text.textColour = 0xFFFFFFFF;
    text.backgroundColour = MakeColour(1, 2, 3);
    text.font.height = -24;
    text.font.weight = 700;
    text.font.italic = 255;
    text.font.faceName.fill('\0');
    text.font.faceName[0] = 'A';
    text.font.faceName[2] = 'x';  // a byte after the NUL
    text.description.text = std::string("nul\0inside", 10);
    MultimediaEntry& media = Add<MultimediaEntry>(list);
    media.fileName = "clip.avi";
    media.mediaType = MultimediaEntry::kTypeAvi;
    media.data = EveryByte(300);
    Add<RepeatEntry>(list).description.text = "outer";
    ShowEntry& show = Add<ShowEntry>(list);
    show.params.motion.startX = -2147483647 - 1;
    show.params.motion.centreStartY = 1;
    show.params.colour.random = 1;
    MoveEntry& move = Add<MoveEntry>(list);
    move.params.motion.stepMode = 1;
    move.params.motion.effect = kEffectTile;
    move.params.motion.xComparison = 9;
    HideEntry& hide = Add<HideEntry>(list);
    hide.disabled = 1;
    Add<WaitEntry>(list).duration.milliseconds = 1500;
    Add<ClsEntry>(list).colour.colour = MakeColour(255, 0, 0);
    UntilEntry& until = Add<UntilEntry>(list);
    until.repeat.count = 0xFFFFFFFF;
    LineEntry& line = Add<LineEntry>(list);
    line.penStyle = 7;
    line.penWidth = 3;
    line.motion.endX = 639;
    PlayEntry& play = Add<PlayEntry>(list);
    play.params.mode.wait = 1;
    play.params.mode.videoX = -10;
    StopEntry& stop = Add<StopEntry>(list);
    Add<CommentEntry>(list).text = "\xA9 2024 \x80\x81\xFF";
    Add<ImageEntry>(list);  // a picture Image without picture
    Add<MultimediaEntry>(list).fileName = "never stored";
    // Users in an order other than list order.
    hide.SetObject(&picture);
    move.SetObject(&text);
    show.SetObject(&picture);
    stop.SetObject(&media);
    play.SetObject(&media);
    list.Renumber();
}

}  // namespace vl::test
