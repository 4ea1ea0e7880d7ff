// Clipboard-block readers under hostile input. The same bytes go to all three readers (the blocks
// share their leading version). Whatever a reader accepts must be consistent (links only where
// kinds fit, move indices inside the list and falling) and must write back to a block that reads
// the same; whatever it refuses must leave the list untouched.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "scene/clipboard_blocks.h"
#include "scene/entries.h"

namespace {

// The list a paste lands in: objects of both kinds, a command using one, and a line of neither.
void FillList(vl::EntryList& list) {
    auto image = std::make_unique<vl::ImageEntry>();
    auto show = std::make_unique<vl::ShowEntry>();
    show->SetObject(image.get());
    list.Append(std::move(image));
    list.Append(std::make_unique<vl::MultimediaEntry>());
    list.Append(std::make_unique<vl::CommentEntry>());
    list.Append(std::move(show));
    list.Renumber();
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void FuzzCopy(const std::uint8_t* data, std::size_t size) {
    vl::EntryList list;
    FillList(list);
    const std::size_t imageUsers = list.At(0).Users().size();
    vl::CopyBlockContents pasted = vl::ReadCopyBlock(data, size, list);
    if (!pasted.ok()) {
        Require(pasted.commands.empty() && list.At(0).Users().size() == imageUsers &&
                list.At(1).Users().empty());
        return;
    }
    std::vector<const vl::SceneEntry*> commands;
    for (const auto& command : pasted.commands) {
        const vl::SceneEntry* object = command->GetLinkedObject();
        Require(!object || vl::KindsFit(command->Kind(), object->Kind()));
        commands.push_back(command.get());
    }
    const std::vector<std::uint8_t> written = vl::WriteCopyBlock(list, commands);
    vl::CopyBlockContents again = vl::ReadCopyBlock(written.data(), written.size(), list);
    Require(again.ok() && again.commands.size() == commands.size());
    std::vector<const vl::SceneEntry*> secondCommands;
    for (const auto& command : again.commands) {
        secondCommands.push_back(command.get());
    }
    Require(vl::WriteCopyBlock(list, secondCommands) == written);
    // Abandoning the pasted commands leaves the list's objects as they were.
    pasted.commands.clear();
    again.commands.clear();
    Require(list.At(0).Users().size() == imageUsers && list.At(1).Users().empty());
}

void FuzzMove(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kListCount = 40;
    const vl::MoveBlockContents move = vl::ReadMoveBlock(data, size, kListCount);
    if (!move.ok()) {
        Require(move.indices.empty());
        return;
    }
    for (std::size_t i = 0; i < move.indices.size(); ++i) {
        Require(move.indices[i] >= 0 && static_cast<std::size_t>(move.indices[i]) < kListCount);
        Require(i == 0 || move.indices[i] < move.indices[i - 1]);
    }
    const std::vector<std::int32_t> listOrder(move.indices.rbegin(), move.indices.rend());
    const std::vector<std::uint8_t> written = vl::WriteMoveBlock(listOrder);
    const vl::MoveBlockContents again =
        vl::ReadMoveBlock(written.data(), written.size(), kListCount);
    Require(again.ok() && again.indices == move.indices);
}

void FuzzLink(const std::uint8_t* data, std::size_t size) {
    const vl::LinkBlockContents link = vl::ReadLinkBlock(data, size);
    if (!link.ok()) {
        return;
    }
    // The reference is the four bytes after the version, whatever version was accepted.
    const std::vector<std::uint8_t> written = vl::WriteLinkBlock(link.reference);
    Require(size >= 8 && written.size() == 8 && std::memcmp(written.data() + 4, data + 4, 4) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzCopy(data, size);
    FuzzMove(data, size);
    FuzzLink(data, size);
    return 0;
}
