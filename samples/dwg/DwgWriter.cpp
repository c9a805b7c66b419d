#include "DwgWriter.h"

#include "BitWriter.h"
#include "DwgCrc.h"
#include "DwgEntities.h"
#include "DwgHeader.h"
#include "DwgObjects.h"
#include "DwgTables.h"

#include <array>
#include <map>

namespace vr::samples::dwg {
namespace {

constexpr std::array<std::uint8_t, 16> kFileHeaderEnd = {
    0x95, 0xA0, 0x4E, 0x28, 0x99, 0x82, 0x1A, 0xE5, 0x5E, 0x41, 0xE0, 0x5F, 0x9D, 0x3A, 0x4D, 0x00};
constexpr std::array<std::uint8_t, 16> kHeaderStart = {
    0xCF, 0x7B, 0x1F, 0x23, 0xFD, 0xDE, 0x38, 0xA9, 0x5F, 0x7C, 0x68, 0xB8, 0x4E, 0x6D, 0x33, 0x5F};
constexpr std::array<std::uint8_t, 16> kHeaderEnd = {
    0x30, 0x84, 0xE0, 0xDC, 0x02, 0x21, 0xC7, 0x56, 0xA0, 0x83, 0x97, 0x47, 0xB1, 0x92, 0xCC, 0xA0};
constexpr std::array<std::uint8_t, 16> kClassesStart = {
    0x8D, 0xA1, 0xC4, 0xB8, 0xC4, 0xA9, 0xF8, 0xC5, 0xC0, 0xDC, 0xF4, 0x5F, 0xE7, 0xCF, 0xB6, 0x8A};
constexpr std::array<std::uint8_t, 16> kClassesEnd = {
    0x72, 0x5E, 0x3B, 0x47, 0x3B, 0x56, 0x07, 0x3A, 0x3F, 0x23, 0x0B, 0xA0, 0x18, 0x30, 0x49, 0x75};

constexpr std::uint16_t kCodePageAnsi932 = 38;

// A section of the file: its start sentinel, the size of its bytes, the
// bytes and their CRC, and its end sentinel.
std::vector<std::uint8_t> Section(const std::array<std::uint8_t, 16>& start, const BitWriter& body,
                                  const std::array<std::uint8_t, 16>& end) {
    BitWriter aligned = body;
    aligned.AlignToByte();
    std::vector<std::uint8_t> sized;
    const auto size = static_cast<std::uint32_t>(aligned.Bytes().size());
    for (int i = 0; i < 4; ++i) {
        sized.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
    }
    sized.insert(sized.end(), aligned.Bytes().begin(), aligned.Bytes().end());
    const std::uint16_t crc = DwgCrc(0xC0C1, sized);
    std::vector<std::uint8_t> out(start.begin(), start.end());
    out.insert(out.end(), sized.begin(), sized.end());
    out.push_back(static_cast<std::uint8_t>(crc));
    out.push_back(static_cast<std::uint8_t>(crc >> 8));
    out.insert(out.end(), end.begin(), end.end());
    return out;
}

// The object map: handle and file offset of every object, as deltas, in
// sections of at most 2032 bytes, each with a big-endian size and CRC.
std::vector<std::uint8_t> ObjectMap(const std::map<std::uint32_t, std::uint32_t>& offsets) {
    std::vector<std::uint8_t> out;
    auto close = [&out](std::vector<std::uint8_t>& body) {
        const auto size = static_cast<std::uint16_t>(body.size() + 2);
        std::vector<std::uint8_t> section = {static_cast<std::uint8_t>(size >> 8),
                                             static_cast<std::uint8_t>(size)};
        section.insert(section.end(), body.begin(), body.end());
        const std::uint16_t crc = DwgCrc(0xC0C1, section);
        section.push_back(static_cast<std::uint8_t>(crc >> 8));
        section.push_back(static_cast<std::uint8_t>(crc));
        out.insert(out.end(), section.begin(), section.end());
        body.clear();
    };
    std::vector<std::uint8_t> body;
    std::uint32_t lastHandle = 0;
    std::int64_t lastOffset = 0;
    for (const auto& [handle, offset] : offsets) {
        if (body.size() > 2032 - 10) {
            close(body);
            lastHandle = 0;
            lastOffset = 0;
        }
        AppendModularChar(body, handle - lastHandle);
        AppendSignedModularChar(body, static_cast<std::int64_t>(offset) - lastOffset);
        lastHandle = handle;
        lastOffset = offset;
    }
    close(body);
    close(body); // the empty last section
    return out;
}

} // namespace

std::vector<std::uint8_t> WriteDwgR2000(const Drawing& drawing) {
    ObjectsBuilder objects;
    AddTables(objects);

    Extents extents;
    const std::size_t count = drawing.lines.size() + drawing.points.size() + drawing.texts.size();
    const std::uint32_t first = count ? std::uint32_t{kFirstEntity} : 0;
    const std::uint32_t last = count ? kFirstEntity + static_cast<std::uint32_t>(count) - 1 : 0;
    std::uint32_t handle = kFirstEntity;
    auto links = [&]() {
        return EntityLinks{true, handle > first ? handle - 1 : 0, handle < last ? handle + 1 : 0};
    };
    for (const Line& line : drawing.lines) {
        extents.Add(line.start);
        extents.Add(line.end);
        objects.Add(handle, LineEntity(line, handle, links()));
        ++handle;
    }
    for (const Point3& point : drawing.points) {
        extents.Add(point);
        objects.Add(handle, PointEntity(point, handle, links()));
        ++handle;
    }
    for (const Text& text : drawing.texts) {
        extents.Add(text.at);
        objects.Add(handle, TextEntity(text, handle, links()));
        ++handle;
    }
    if (count == 0) {
        extents = Extents{};
        extents.Add({0, 0, 0});
    }
    const std::uint32_t handseed = handle;

    objects.Add(hModelSpace,
                BlockHeader(hModelSpace, "*Model_Space", hModelBlock, hModelEndblk, first, last));
    objects.Add(hPaperSpace,
                BlockHeader(hPaperSpace, "*Paper_Space", hPaperBlock, hPaperEndblk, 0, 0));
    objects.Add(hModelBlock, BlockBoundary(kBlock, hModelBlock, true, "*Model_Space"));
    objects.Add(hModelEndblk, BlockBoundary(kEndblk, hModelEndblk, true, ""));
    objects.Add(hPaperBlock, BlockBoundary(kBlock, hPaperBlock, false, "*Paper_Space"));
    objects.Add(hPaperEndblk, BlockBoundary(kEndblk, hPaperEndblk, false, ""));

    const std::vector<std::uint8_t> header =
        Section(kHeaderStart, HeaderVariables(extents, drawing.pointStyle, handseed), kHeaderEnd);
    const std::vector<std::uint8_t> classes = Section(kClassesStart, BitWriter{}, kClassesEnd);

    constexpr std::uint32_t kRecords = 3;
    constexpr std::uint32_t kFileHeaderSize = 0x19 + 9 * kRecords + 2 + 16;
    const std::uint32_t headerAt = kFileHeaderSize;
    const std::uint32_t classesAt = headerAt + static_cast<std::uint32_t>(header.size());
    const std::uint32_t objectsAt = classesAt + static_cast<std::uint32_t>(classes.size());

    std::vector<std::uint8_t> body;
    const auto offsets = objects.LayOut(objectsAt, body);
    const std::uint32_t mapAt = objectsAt + static_cast<std::uint32_t>(body.size());
    const std::vector<std::uint8_t> map = ObjectMap(offsets);

    std::vector<std::uint8_t> file = {'A', 'C', '1', '0', '1', '5', 0, 0, 0, 0, 0, 0, 1};
    auto raw = [&file](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    };
    raw(0, 4); // no preview image
    raw(0, 2);
    raw(kCodePageAnsi932, 2);
    raw(kRecords, 4);
    const std::uint32_t records[kRecords][2] = {
        {headerAt, static_cast<std::uint32_t>(header.size())},
        {classesAt, static_cast<std::uint32_t>(classes.size())},
        {mapAt, static_cast<std::uint32_t>(map.size())},
    };
    for (std::uint32_t i = 0; i < kRecords; ++i) {
        file.push_back(static_cast<std::uint8_t>(i));
        raw(records[i][0], 4);
        raw(records[i][1], 4);
    }
    const std::uint16_t crc = DwgCrc(0, file) ^ 0xA598;
    raw(crc, 2);
    file.insert(file.end(), kFileHeaderEnd.begin(), kFileHeaderEnd.end());
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), classes.begin(), classes.end());
    file.insert(file.end(), body.begin(), body.end());
    file.insert(file.end(), map.begin(), map.end());
    return file;
}

} // namespace vr::samples::dwg
