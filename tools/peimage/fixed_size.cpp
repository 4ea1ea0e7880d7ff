#include "tools/peimage/fixed_size.h"

#include <algorithm>

namespace vl::pe {

namespace {

constexpr std::uint32_t kInitialisedData = 0x00000040;  // IMAGE_SCN_CNT_INITIALIZED_DATA

std::uint32_t AlignUp(std::uint32_t value, std::uint32_t alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

std::string Number(std::uint64_t value) {
    return std::to_string(value);
}

FixedSizeResult Failure(std::string why) {
    FixedSizeResult result;
    result.error = std::move(why);
    return result;
}

FixedSizeResult Overflow(std::uint32_t used, std::uint32_t limit, const std::string& what) {
    FixedSizeResult result;
    result.used = used;
    result.limit = limit;
    result.overflow = used - limit;
    result.error = "does not fit: " + what + " by " + Number(result.overflow) +
                   (result.overflow == 1 ? " byte" : " bytes");
    return result;
}

void FinishCheckSum(const PeLayout& layout, Bytes& image) {
    WriteU32(image, layout.CheckSumOffset(), ComputeCheckSum(image, layout.CheckSumOffset()));
}

FixedSizeResult PadOnly(const Bytes& image, const PeLayout& layout, std::uint32_t size) {
    if (image.size() > size) {
        return Overflow(static_cast<std::uint32_t>(image.size()), size,
                        "the image of " + Number(image.size()) +
                            " bytes exceeds the fixed size of " + Number(size));
    }
    FixedSizeResult result;
    result.image = image;
    result.image.resize(size, 0);
    result.used = static_cast<std::uint32_t>(image.size());
    result.limit = size;
    FinishCheckSum(layout, result.image);
    return result;
}

// The old copy of the slot's data can be cut out of the resource section when only resource
// data (no directory structure) follows it; that leaves the room to the program's code. The
// shift keeps the 8-byte alignment of the data behind it.
std::uint32_t CompactionShift(const ResourceTree& tree, const ResourceLeaf& slotLeaf,
                              const Section& rsrc) {
    if (tree.structureEnd > slotLeaf.dataRva) {
        return 0;
    }
    const std::uint64_t holeEnd = std::uint64_t{slotLeaf.dataRva} + slotLeaf.dataSize;
    const std::uint64_t sectionEnd = std::uint64_t{rsrc.virtualAddress} + rsrc.UsedRawSize();
    for (const ResourceLeaf& leaf : tree.leaves) {
        if (&leaf == &slotLeaf) {
            continue;
        }
        const std::uint64_t end = std::uint64_t{leaf.dataRva} + leaf.dataSize;
        const bool before = end <= slotLeaf.dataRva;
        const bool after = leaf.dataRva >= holeEnd && end <= sectionEnd;
        if (!before && !after) {
            return 0;
        }
    }
    return slotLeaf.dataSize & ~7u;
}

}  // namespace

FixedSizeResult MakeFixedSize(const Bytes& image, const FixedSizeRequest& request) {
    std::string error;
    auto layout = ParseLayout(image, &error);
    if (!layout) {
        return Failure(error);
    }
    if (layout->Directory(kCertificateDirectory).virtualAddress != 0) {
        return Failure("the image is signed; a signature must be added after fixing its size");
    }
    if (!request.slot) {
        return PadOnly(image, *layout, request.size);
    }
    const BitmapSlot& slot = *request.slot;
    const std::string slotName = "bitmap resource " + Number(slot.resourceId);

    auto tree = ParseResources(image, *layout, &error);
    if (!tree) {
        return Failure(error);
    }
    const ResourceLeaf* slotLeaf = nullptr;
    for (const ResourceLeaf& leaf : tree->leaves) {
        if (leaf.type == kBitmapType && leaf.name == slot.resourceId) {
            if (slotLeaf) {
                return Failure(slotName + " exists in more than one language; the slot holds one");
            }
            slotLeaf = &leaf;
        }
    }
    if (!slotLeaf) {
        return Failure(slotName + " not found");
    }

    const int rsrcIndex =
        layout->SectionOfRva(layout->Directory(kResourceDirectory).virtualAddress);
    if (rsrcIndex < 0) {
        return Failure("the resource directory lies outside every section");
    }
    const Section& rsrc = layout->sections[static_cast<std::size_t>(rsrcIndex)];
    for (const Section& s : layout->sections) {
        if (&s == &rsrc) {
            continue;
        }
        const bool behindInFile =
            s.sizeOfRawData != 0 && s.pointerToRawData >= rsrc.pointerToRawData;
        if (s.virtualAddress >= rsrc.virtualAddress || behindInFile) {
            return Failure("section " + s.name + " lies behind the resource section " + rsrc.name +
                           ", which must come last (link without a relocation section)");
        }
    }
    const std::uint64_t fileEnd = std::uint64_t{rsrc.pointerToRawData} + rsrc.sizeOfRawData;
    if (image.size() != fileEnd) {
        return Failure(Number(image.size() - fileEnd) +
                       " bytes follow the last section (symbols or a signature?); link stripped");
    }
    auto dataOffset = layout->RangeToOffset(slotLeaf->dataRva, slotLeaf->dataSize);
    if (!dataOffset || layout->SectionOfRva(slotLeaf->dataRva) != rsrcIndex) {
        return Failure("the data of " + slotName + " lies outside the resource section");
    }

    // Everything but the slot: the image up to the resource section, then that section's
    // content with the old copy of the slot data cut out when that is safe.
    const std::uint32_t shift = CompactionShift(*tree, *slotLeaf, rsrc);
    const std::uint32_t holeStart = *dataOffset;
    const std::uint32_t usedEnd = rsrc.pointerToRawData + rsrc.UsedRawSize();
    const std::uint32_t contentEnd = usedEnd - shift;
    if (contentEnd > slot.offset) {
        return Overflow(contentEnd, slot.offset,
                        "the image reaches offset " + Number(contentEnd) + ", past the " +
                            slotName + " slot at " + Number(slot.offset));
    }
    const std::uint32_t slotEnd = slot.offset + slotLeaf->dataSize;
    const std::uint32_t newVirtualSize = slotEnd - rsrc.pointerToRawData;
    const std::uint32_t newRawSize = AlignUp(newVirtualSize, layout->fileAlignment);
    const std::uint32_t newFileEnd = rsrc.pointerToRawData + newRawSize;
    if (newFileEnd > request.size) {
        return Overflow(newFileEnd, request.size,
                        "the " + slotName + " slot ends at " + Number(newFileEnd) +
                            " after alignment, past the fixed size of " + Number(request.size));
    }
    const std::uint32_t slotRva = rsrc.virtualAddress + (slot.offset - rsrc.pointerToRawData);
    if (slotRva % 4 != 0) {
        return Failure("the slot offset " + Number(slot.offset) +
                       " is not 4-byte aligned within the resource section");
    }

    FixedSizeResult result;
    result.used = contentEnd;
    result.limit = slot.offset;
    Bytes& out = result.image;
    out.assign(request.size, 0);
    std::copy(image.begin(), image.begin() + holeStart, out.begin());
    std::copy(image.begin() + holeStart + shift, image.begin() + usedEnd, out.begin() + holeStart);
    std::copy_n(image.begin() + *dataOffset, slotLeaf->dataSize, out.begin() + slot.offset);

    // Structures all lie before the cut, so their file offsets are unchanged.
    const std::uint32_t holeEndRva = slotLeaf->dataRva + slotLeaf->dataSize;
    for (const ResourceLeaf& leaf : tree->leaves) {
        const std::uint32_t entry = *layout->RangeToOffset(leaf.dataEntryRva, 16);
        if (&leaf == slotLeaf) {
            WriteU32(out, entry, slotRva);
        } else if (shift != 0 && leaf.dataRva >= holeEndRva) {
            WriteU32(out, entry, leaf.dataRva - shift);
        }
    }
    WriteU32(out, rsrc.headerOffset + 8, newVirtualSize);
    WriteU32(out, rsrc.headerOffset + 16, newRawSize);
    if (rsrc.characteristics & kInitialisedData) {
        const std::uint32_t at = layout->SizeOfInitializedDataOffset();
        WriteU32(out, at, ReadU32(out, at) + (newRawSize - rsrc.sizeOfRawData));
    }
    WriteU32(out, layout->SizeOfImageOffset(),
             AlignUp(rsrc.virtualAddress + newVirtualSize, layout->sectionAlignment));
    const std::uint32_t directoryRva = layout->Directory(kResourceDirectory).virtualAddress;
    WriteU32(out, layout->DirectoryOffset(kResourceDirectory) + 4,
             rsrc.virtualAddress + newVirtualSize - directoryRva);
    FinishCheckSum(*layout, out);
    return result;
}

}  // namespace vl::pe
