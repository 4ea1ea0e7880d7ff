#include "tools/peimage/pe_image.h"

#include <gtest/gtest.h>

#include "tests/peimage/test_image.h"

namespace vl::pe {
namespace {

using testing::MakeTestImage;
using testing::Put32;
using testing::TestImageOptions;

TestImageOptions Options(bool is64, bool withReloc = false) {
    TestImageOptions options;
    options.is64 = is64;
    options.withReloc = withReloc;
    return options;
}

class PeLayoutTest : public ::testing::TestWithParam<bool> {};

TEST_P(PeLayoutTest, ReadsHeadersAndSections) {
    const bool is64 = GetParam();
    const Bytes image = MakeTestImage(Options(is64, true));
    std::string error;
    auto layout = ParseLayout(image, &error);
    ASSERT_TRUE(layout) << error;
    EXPECT_EQ(layout->is64, is64);
    EXPECT_EQ(layout->optionalHeaderOffset, 0x58u);
    EXPECT_EQ(layout->fileAlignment, 0x200u);
    EXPECT_EQ(layout->sectionAlignment, 0x1000u);
    EXPECT_EQ(layout->sizeOfImage, 0x4000u);
    EXPECT_EQ(layout->CheckSumOffset(), 0x58u + 64);
    ASSERT_EQ(layout->sections.size(), 3u);
    EXPECT_EQ(layout->sections[0].name, ".text");
    EXPECT_EQ(layout->sections[1].name, ".rsrc");
    EXPECT_EQ(layout->sections[1].virtualAddress, 0x2000u);
    EXPECT_EQ(layout->sections[1].virtualSize, 0xD4u);
    EXPECT_EQ(layout->sections[1].pointerToRawData, 0x400u);
    EXPECT_EQ(layout->sections[1].headerOffset, testing::RsrcHeader(is64));
    EXPECT_EQ(layout->sections[2].name, ".reloc");
    ASSERT_EQ(layout->directories.size(), 16u);
    EXPECT_EQ(layout->Directory(kResourceDirectory).virtualAddress, 0x2000u);
    EXPECT_EQ(layout->Directory(kRelocationDirectory).size, 0x0Cu);
    EXPECT_EQ(layout->DirectoryOffset(kResourceDirectory), testing::DirectoryAt(is64, 2));
}

TEST_P(PeLayoutTest, MapsAddressesToFileOffsets) {
    const Bytes image = MakeTestImage(Options(GetParam()));
    std::string error;
    auto layout = ParseLayout(image, &error);
    ASSERT_TRUE(layout) << error;
    EXPECT_EQ(layout->RvaToOffset(0x1000), 0x200u);
    EXPECT_EQ(layout->RvaToOffset(0x20A0), 0x4A0u);
    EXPECT_EQ(layout->RvaToOffset(0x20D3), 0x4D3u);  // last byte of .rsrc's content
    EXPECT_FALSE(layout->RvaToOffset(0x20D4));       // past VirtualSize
    EXPECT_FALSE(layout->RvaToOffset(0x0FFF));       // between headers and .text
    EXPECT_EQ(layout->RangeToOffset(0x20C8, 12), 0x4C8u);
    EXPECT_FALSE(layout->RangeToOffset(0x20C8, 13));  // runs past the content
    EXPECT_EQ(layout->SectionOfRva(0x2FFF), -1);      // VirtualSize 0xD4 < raw 0x200
    EXPECT_EQ(layout->SectionOfRva(0x21FF), 1);       // raw data reaches further
}

INSTANTIATE_TEST_SUITE_P(Kinds, PeLayoutTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Pe32Plus" : "Pe32"; });

TEST(PeLayoutRejects, MalformedImages) {
    std::string error;
    Bytes image = MakeTestImage();
    image[0] = 'X';
    EXPECT_FALSE(ParseLayout(image, &error));
    EXPECT_NE(error.find("MZ"), std::string::npos);

    image = MakeTestImage();
    image[0x41] = 'F';
    EXPECT_FALSE(ParseLayout(image, &error));
    EXPECT_NE(error.find("PE signature"), std::string::npos);

    image = MakeTestImage();
    Put32(image, 0x3C, 0xFFFFFFF0u);  // e_lfanew far past the end
    EXPECT_FALSE(ParseLayout(image, &error));

    image = MakeTestImage();
    image[0x58] = 0x07;  // unknown optional header magic
    EXPECT_FALSE(ParseLayout(image, &error));

    image = MakeTestImage();
    image.resize(0x200);  // section table intact, but the sections' data is gone
    EXPECT_FALSE(ParseLayout(image, &error));
    EXPECT_NE(error.find(".text"), std::string::npos);

    image = MakeTestImage();
    testing::Put16(image, 0x46, 2000);  // more sections than the file holds
    EXPECT_FALSE(ParseLayout(image, &error));

    image = MakeTestImage();
    Put32(image, 0x58 + 36, 0x300);  // FileAlignment not a power of two
    EXPECT_FALSE(ParseLayout(image, &error));

    EXPECT_FALSE(ParseLayout(Bytes(10, 0), &error));
}

TEST(ResourceTree, ListsLeavesWithTheirDataEntries) {
    const Bytes image = MakeTestImage();
    std::string error;
    auto layout = ParseLayout(image, &error);
    ASSERT_TRUE(layout) << error;
    auto tree = ParseResources(image, *layout, &error);
    ASSERT_TRUE(tree) << error;
    ASSERT_EQ(tree->leaves.size(), 2u);
    const ResourceLeaf& bitmap = tree->leaves[0];
    EXPECT_EQ(bitmap.type, 2u);
    EXPECT_EQ(bitmap.name, 144u);
    EXPECT_EQ(bitmap.language, 0x409u);
    EXPECT_EQ(bitmap.dataEntryRva, 0x2080u);
    EXPECT_EQ(bitmap.dataRva, 0x20A0u);
    EXPECT_EQ(bitmap.dataSize, 40u);
    const ResourceLeaf& manifest = tree->leaves[1];
    EXPECT_EQ(manifest.type, 24u);
    EXPECT_EQ(manifest.name, 1u);
    EXPECT_EQ(manifest.dataEntryRva, 0x2090u);
    EXPECT_EQ(manifest.dataRva, 0x20C8u);
    EXPECT_EQ(manifest.dataSize, 12u);
    EXPECT_EQ(tree->structureEnd, 0x20A0u);
}

TEST(ResourceTree, RejectsMalformedTrees) {
    std::string error;
    auto parse = [&](const Bytes& image) {
        auto layout = ParseLayout(image, &error);
        return layout && ParseResources(image, *layout, &error).has_value();
    };
    Bytes image = MakeTestImage();
    Put32(image, testing::kRsrcFile + 0x64, 0x80000000u);  // language level points at the root
    EXPECT_FALSE(parse(image));
    EXPECT_NE(error.find("deeper"), std::string::npos);

    image = MakeTestImage();
    Put32(image, testing::kRsrcFile + 0x14, 0x80u);  // data right under a type
    EXPECT_FALSE(parse(image));

    image = MakeTestImage();
    Put32(image, testing::kRsrcFile + 0x64, 0x7FFFFF00u);  // data entry far outside
    EXPECT_FALSE(parse(image));

    image = MakeTestImage();
    testing::Put16(image, testing::kRsrcFile + 0x0E, 0xFFFF);  // entry count past the section
    EXPECT_FALSE(parse(image));

    image = MakeTestImage();
    Put32(image, testing::DirectoryAt(false, 2), 0);
    EXPECT_FALSE(parse(image));
    EXPECT_NE(error.find("no resources"), std::string::npos);
}

TEST(CheckSum, FoldsWordsSkipsTheFieldAndAddsTheLength) {
    // Words 0x0001 + 0xFFFF fold to 0x0001; + 0x0002 = 3; the field (bytes 6..9) counts as
    // zero; the odd last byte 0x03 is a word of its own: 6; plus the length 11: 17.
    const Bytes bytes = {0x01, 0x00, 0xFF, 0xFF, 0x02, 0x00, 0xAA, 0xBB, 0xCC, 0xDD, 0x03};
    EXPECT_EQ(ComputeCheckSum(bytes, 6), 17u);
    // Without skipping, the field's words join: 3 + 0xBBAA + 0xDDCC = 0x19979, folded 0x997A,
    // + 3 = 0x997D, + 11 = 0x9988.
    EXPECT_EQ(ComputeCheckSum(bytes, 100), 0x9988u);
    EXPECT_EQ(ComputeCheckSum({}, 0), 0u);
}

}  // namespace
}  // namespace vl::pe
