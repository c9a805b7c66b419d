// The building blocks of the sample writers, against the formats' own
// examples: the DWG bit codes and CRC, the VBA compression, the compound
// file's name order and the project-data encryption.
#include "BinaryFile.h"
#include "BitWriter.h"
#include "CompoundFile.h"
#include "Cp932Text.h"
#include "DwgCrc.h"
#include "DwgWriter.h"
#include "OvbaCompression.h"
#include "VbaProject.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace vr::samples {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Bits(const dwg::BitWriter& writer) {
    std::string bits;
    for (std::size_t i = 0; i < writer.BitCount(); ++i) {
        bits += (writer.Bytes()[i / 8] >> (7 - i % 8)) & 1U ? '1' : '0';
    }
    return bits;
}

TEST(DwgBitWriter, WritesTheBitCodes) {
    struct Case {
        const char* name;
        std::function<void(dwg::BitWriter&)> write;
        std::string bits;
    };
    const Case cases[] = {
        {"BS 0", [](auto& w) { w.BS(0); }, "10"},
        {"BS 256", [](auto& w) { w.BS(256); }, "11"},
        {"BS 5", [](auto& w) { w.BS(5); },
         "01"
         "00000101"},
        {"BS 0x1234", [](auto& w) { w.BS(0x1234); },
         "00"
         "00110100"
         "00010010"},
        {"BL 0", [](auto& w) { w.BL(0); }, "10"},
        {"BL 200", [](auto& w) { w.BL(200); },
         "01"
         "11001000"},
        {"BL 0x10000", [](auto& w) { w.BL(0x10000); },
         "00"
         "00000000"
         "00000000"
         "00000001"
         "00000000"},
        {"BD 1.0", [](auto& w) { w.BD(1.0); }, "01"},
        {"BD 0.0", [](auto& w) { w.BD(0.0); }, "10"},
        {"BD 2.0", [](auto& w) { w.BD(2.0); },
         "00" + std::string(48, '0') +
             "00000000"
             "01000000"},
        {"DD same", [](auto& w) { w.DD(3.5, 3.5); }, "00"},
        {"BE usual", [](auto& w) { w.BE(0, 0, 1); }, "1"},
        {"BT zero", [](auto& w) { w.BT(0.0); }, "1"},
        {"BT one", [](auto& w) { w.BT(1.0); },
         "0"
         "01"},
        // A handle: code and byte count in one byte, the value big-endian.
        {"H 3.5",
         [](auto& w) {
             w.H({3, 5});
         },
         "0011"
         "0001"
         "00000101"},
        {"H 4.0x1234",
         [](auto& w) {
             w.H({4, 0x1234});
         },
         "0100"
         "0010"
         "00010010"
         "00110100"},
        {"H 5.null",
         [](auto& w) {
             w.H({5, 0});
         },
         "0101"
         "0000"},
        {"TV", [](auto& w) { w.TV("A"); },
         "01"
         "00000010"
         "01000001"
         "00000000"},
        {"TV empty", [](auto& w) { w.TV(""); }, "10"},
    };
    for (const Case& c : cases) {
        dwg::BitWriter writer;
        c.write(writer);
        EXPECT_EQ(Bits(writer), c.bits) << c.name;
    }
}

TEST(DwgBitWriter, PatchesAndAppendsAcrossByteBoundaries) {
    dwg::BitWriter writer;
    writer.B(true);
    writer.RL(0);
    writer.PatchRL(1, 0x01020304);
    EXPECT_EQ(Bits(writer), "1"
                            "00000100"
                            "00000011"
                            "00000010"
                            "00000001");
    dwg::BitWriter tail;
    tail.BB(2);
    writer.Append(tail);
    writer.AlignToByte();
    EXPECT_EQ(writer.BitCount(), 40u);
    EXPECT_EQ(writer.Bytes().back(), 0xC0); // the last bit of 0x01, then 10, then padding
}

TEST(DwgModularNumbers, MatchTheWorkedExamples) {
    const std::pair<std::uint64_t, Bytes> unsignedCases[] = {
        {4610, {0x82, 0x24}},
        {112823273, {0xE9, 0x97, 0xE6, 0x35}},
        {0x7F, {0x7F}},
        {0x80, {0x80, 0x01}},
    };
    for (const auto& [value, bytes] : unsignedCases) {
        Bytes out;
        dwg::AppendModularChar(out, value);
        EXPECT_EQ(out, bytes) << value;
    }
    const std::pair<std::int64_t, Bytes> signedCases[] = {
        {0x3F, {0x3F}},
        {0x40, {0xC0, 0x00}}, // the sign bit would be set: one more byte
        {-1, {0x41}},
        {-200, {0xC8, 0x41}},
    };
    for (const auto& [value, bytes] : signedCases) {
        Bytes out;
        dwg::AppendSignedModularChar(out, value);
        EXPECT_EQ(out, bytes) << value;
    }
    Bytes shorts;
    dwg::AppendModularShort(shorts, 0x12);
    dwg::AppendModularShort(shorts, 0x8000);
    EXPECT_EQ(shorts, (Bytes{0x12, 0x00, 0x00, 0x80, 0x01, 0x00}));
}

TEST(DwgCrc, IsTheReflectedCrc16) {
    const std::string check = "123456789";
    const Bytes bytes(check.begin(), check.end());
    EXPECT_EQ(dwg::DwgCrc(0, bytes), 0xBB3D);    // the CRC-16/ARC check value
    EXPECT_EQ(dwg::DwgCrc(0, Bytes{1}), 0xC0C1); // table entry 1
    EXPECT_EQ(dwg::DwgCrc(0xC0C1, Bytes{}), 0xC0C1);
}

TEST(DwgFile, StartsWithTheVersionAndSentinels) {
    dwg::Drawing drawing;
    drawing.lines.push_back({{0, 0, 0}, {10, 0, 0}});
    const Bytes file = dwg::WriteDwgR2000(drawing);
    ASSERT_GT(file.size(), 0x60u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 6), "AC1015");
    EXPECT_EQ(file[0x13] | (file[0x14] << 8), 38); // ANSI_932
    EXPECT_EQ(file[0x15], 3);                      // section locators
    // The file header's CRC, XORed with the value for three locators.
    const Bytes head(file.begin(), file.begin() + 0x19 + 27);
    const auto stored = static_cast<std::uint16_t>(file[0x34] | (file[0x35] << 8));
    EXPECT_EQ(stored, dwg::DwgCrc(0, head) ^ 0xA598);
    EXPECT_EQ(file[0x36], 0x95);
    EXPECT_EQ(file[0x45], 0x00);
}

Bytes Of(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(OvbaCompression, ReproducesThePublishedExamples) {
    const Bytes literal = {0x01, 0x19, 0xB0, 0x00, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66,
                           0x67, 0x68, 0x00, 0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x6F,
                           0x70, 0x00, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x2E};
    EXPECT_EQ(workbook::CompressContainer(Of("abcdefghijklmnopqrstuv.")), literal);
    const Bytes maximum = {0x01, 0x03, 0xB0, 0x02, 0x61, 0x45, 0x00};
    EXPECT_EQ(workbook::CompressContainer(Of(std::string(73, 'a'))), maximum);

    // The normal example as Office wrote it: where copies of equal length
    // are possible, Office picked other offsets than the described search,
    // so the bytes differ in three tokens; both expand to the same text in
    // the same number of bytes.
    const Bytes normal = {0x01, 0x2F, 0xB0, 0x00, 0x23, 0x61, 0x61, 0x61, 0x62, 0x63, 0x64,
                          0x65, 0x82, 0x66, 0x00, 0x70, 0x61, 0x67, 0x68, 0x69, 0x6A, 0x01,
                          0x38, 0x08, 0x61, 0x6B, 0x6C, 0x00, 0x30, 0x6D, 0x6E, 0x6F, 0x70,
                          0x06, 0x71, 0x02, 0x70, 0x04, 0x10, 0x72, 0x73, 0x74, 0x75, 0x76,
                          0x10, 0x77, 0x78, 0x79, 0x7A, 0x00, 0x3C};
    const std::string text = "#aaabcdefaaaaghijaaaaaklaaamnopqaaaaaaaaaaaarstuvwxyzaaa";
    Bytes expanded;
    ASSERT_TRUE(workbook::DecompressContainer(normal, expanded));
    EXPECT_EQ(expanded, Of(text));
    const Bytes ours = workbook::CompressContainer(Of(text));
    EXPECT_EQ(ours.size(), normal.size());
    ASSERT_TRUE(workbook::DecompressContainer(ours, expanded));
    EXPECT_EQ(expanded, Of(text));
}

TEST(OvbaCompression, StoresIncompressibleChunksRawAndSplitsAt4096) {
    Bytes noise(4096);
    std::uint32_t state = 12345;
    for (auto& byte : noise) {
        state = state * 1103515245 + 12345;
        byte = static_cast<std::uint8_t>(state >> 16);
    }
    const Bytes raw = workbook::CompressContainer(noise);
    ASSERT_EQ(raw.size(), 1u + 2u + 4096u);
    EXPECT_EQ(raw[1] | (raw[2] << 8), 0x3FFF);
    Bytes back;
    ASSERT_TRUE(workbook::DecompressContainer(raw, back));
    EXPECT_EQ(back, noise);

    const Bytes longText = Of(std::string(5000, 'x') + "end");
    const Bytes twoChunks = workbook::CompressContainer(longText);
    ASSERT_TRUE(workbook::DecompressContainer(twoChunks, back));
    EXPECT_EQ(back, longText);
    EXPECT_FALSE(workbook::DecompressContainer(Bytes{0x02}, back));
}

TEST(Cp932Text, KeepsDoubleByteCharactersWhole) {
    EXPECT_EQ(Cp932FromUtf8("表ソ A"), "\x95\x5C\x83\x5C A");
    EXPECT_EQ(Cp932FromUtf8(""), "");
    EXPECT_THROW((void)Cp932FromUtf8("\xF0\x9F\x98\x80"), std::runtime_error); // an emoji
}

// The writers' output: replaced whole (a longer old file leaves nothing
// behind), and a failure said instead of an empty sample.
TEST(BinaryFile, ReplacesTheFileWholeAndThrowsWhenItCannotWrite) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "vr-samples-binary-file";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "out.bin").string();
    for (const Bytes& bytes : {Bytes{1, 2, 3, 0, 0xFF, 4}, Bytes{0x0D, 0x0A}, Bytes{}}) {
        WriteBinaryFile(path, bytes);
        std::ifstream file(path, std::ios::binary);
        const Bytes back{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        EXPECT_EQ(back, bytes);
    }
    EXPECT_THROW(WriteBinaryFile((folder / "missing" / "out.bin").string(), Bytes{1}),
                 std::runtime_error);
    std::filesystem::remove_all(folder);
}

TEST(CompoundFile, OrdersNamesByLengthThenUpperCase) {
    EXPECT_TRUE(workbook::CompoundNameLess("dir", "Sheet1"));
    EXPECT_TRUE(workbook::CompoundNameLess("Sheet1", "sheet2"));
    EXPECT_TRUE(workbook::CompoundNameLess("ThisWorkbook", "_VBA_PROJECT"));
    EXPECT_FALSE(workbook::CompoundNameLess("VBA", "vba"));

    const Bytes file = workbook::WriteCompoundFile(
        {{"PROJECT", Of("ID=\"{x}\"\r\n")}, {"VBA/dir", Bytes(5000, 7)}});
    ASSERT_EQ(file.size() % 512, 0u);
    EXPECT_EQ(file[0], 0xD0);
    EXPECT_EQ(file[7], 0xE1);
    EXPECT_EQ(file[0x1E], 9); // 512-byte sectors
}

TEST(VbaProjectData, EncryptsAndDecryptsTheProtectionState) {
    const std::string id = "{5B1E2C4D-7A3F-4E19-9C2B-6D8E0F1A2B3C}";
    for (const std::uint8_t seed : {0x00, 0x0D, 0x0F, 0x11, 0xFE}) {
        const Bytes data = {0xFF, 0x00, 0x41};
        const std::string hex = workbook::EncryptProjectData(id, seed, data);
        EXPECT_EQ(hex.size(), 2u * (3 + (seed & 6) / 2 + 4 + data.size()));
        Bytes back;
        ASSERT_TRUE(workbook::DecryptProjectData(hex, back)) << int(seed);
        EXPECT_EQ(back, data);
    }
    Bytes back;
    EXPECT_FALSE(workbook::DecryptProjectData("0D", back));
}

TEST(VbaProjectStreams, HoldTheProjectAndOneCompressedStreamPerModule) {
    const auto streams = workbook::VbaProjectStreams(
        "{5B1E2C4D-7A3F-4E19-9C2B-6D8E0F1A2B3C}",
        {{"ThisWorkbook", true, "Attribute VB_Name = \"ThisWorkbook\"\r\n"},
         {"Module1", false, "Attribute VB_Name = \"Module1\"\r\nSub A()\r\nEnd Sub\r\n"}});
    std::vector<std::string> paths;
    for (const auto& stream : streams) {
        paths.push_back(stream.path);
    }
    EXPECT_EQ(paths, (std::vector<std::string>{"PROJECT", "PROJECTwm", "VBA/_VBA_PROJECT",
                                               "VBA/dir", "VBA/ThisWorkbook", "VBA/Module1"}));
    EXPECT_EQ(streams[2].bytes, (Bytes{0xCC, 0x61, 0xFF, 0xFF, 0x00, 0x00, 0x00}));
    const std::string project(streams[0].bytes.begin(), streams[0].bytes.end());
    EXPECT_NE(project.find("Document=ThisWorkbook/&H00000000\r\nModule=Module1\r\n"),
              std::string::npos);
    Bytes source;
    ASSERT_TRUE(workbook::DecompressContainer(streams[5].bytes, source));
    EXPECT_EQ(std::string(source.begin(), source.end()),
              "Attribute VB_Name = \"Module1\"\r\nSub A()\r\nEnd Sub\r\n");
    Bytes dir;
    ASSERT_TRUE(workbook::DecompressContainer(streams[3].bytes, dir));
    EXPECT_EQ(dir[0], 0x01);              // PROJECTSYSKIND first
    EXPECT_EQ(dir[dir.size() - 6], 0x10); // the terminator last
}

} // namespace
} // namespace vr::samples
