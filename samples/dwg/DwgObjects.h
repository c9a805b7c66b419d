#pragma once

// The building blocks of the objects section: type codes, the handles of the
// fixed objects, handle references, and one object's two bit streams.
#include "BitWriter.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace vr::samples::dwg {

// Object types of the format.
enum Type : std::uint16_t {
    kText = 1,
    kBlock = 4,
    kEndblk = 5,
    kLine = 19,
    kPoint = 27,
    kDictionary = 42,
    kBlockControl = 48,
    kBlockHeader = 49,
    kLayerControl = 50,
    kLayer = 51,
    kStyleControl = 52,
    kStyle = 53,
    kLtypeControl = 56,
    kLtype = 57,
    kViewControl = 60,
    kUcsControl = 62,
    kVportControl = 64,
    kVport = 65,
    kAppidControl = 66,
    kAppid = 67,
    kDimstyleControl = 68,
    kDimstyle = 69,
    kVpEntHdrControl = 70,
};

// The handles of the fixed objects; entities follow from kFirstEntity.
enum Handle : std::uint32_t {
    hBlockControl = 0x1,
    hLayerControl = 0x2,
    hStyleControl = 0x3,
    hLtypeControl = 0x5,
    hViewControl = 0x6,
    hUcsControl = 0x7,
    hVportControl = 0x8,
    hAppidControl = 0x9,
    hDimstyleControl = 0xA,
    hVpEntHdrControl = 0xB,
    hNamedObjects = 0xC,
    hGroupDictionary = 0xD,
    hMlineStyleDictionary = 0xE,
    hLayer0 = 0xF,
    hStandardStyle = 0x10,
    hByLayer = 0x11,
    hByBlock = 0x12,
    hContinuous = 0x13,
    hActiveVport = 0x14,
    hAcadAppid = 0x15,
    hStandardDimstyle = 0x16,
    hModelSpace = 0x17,
    hPaperSpace = 0x18,
    hModelBlock = 0x19,
    hModelEndblk = 0x1A,
    hPaperBlock = 0x1B,
    hPaperEndblk = 0x1C,
    kFirstEntity = 0x20,
};

constexpr HandleRef Null(std::uint8_t code) {
    return {code, 0};
}
constexpr HandleRef SoftOwner(std::uint32_t h) {
    return {2, h};
}
constexpr HandleRef HardOwner(std::uint32_t h) {
    return {3, h};
}
constexpr HandleRef SoftPointer(std::uint32_t h) {
    return {4, h};
}
constexpr HandleRef HardPointer(std::uint32_t h) {
    return {5, h};
}

constexpr std::uint16_t kByLayerColor = 256;
constexpr std::uint8_t kByLayerLineweight = 29;

// One object: the data stream from its type on, and its handle stream.
class ObjectStream {
  public:
    ObjectStream(std::uint16_t type, std::uint32_t handle) {
        data.BS(type);
        sizeAt_ = data.BitCount();
        data.RL(0); // bits before the handle stream, set on Finish
        data.H({0, handle});
        data.BS(0); // no extended data
    }

    // Size, bytes and CRC, as the object stands in the file.
    [[nodiscard]] std::vector<std::uint8_t> Finish();

    BitWriter data;
    BitWriter handles;

  private:
    std::size_t sizeAt_ = 0;
};

// A non-graphical object: no reactors; its owner and an empty extension
// dictionary lead the handle stream.
ObjectStream PlainObject(std::uint16_t type, std::uint32_t handle, HandleRef owner);

// A table record: name and the flags of an entry that is not from an xref.
ObjectStream TableRecord(std::uint16_t type, std::uint32_t handle, std::uint32_t control,
                         std::string_view name);

// Placement of an entity in the chain of its block.
struct EntityLinks {
    bool modelSpace = true;
    std::uint32_t previous = 0;
    std::uint32_t next = 0;
};

// An entity: the common data of every entity on layer 0, by layer, and its
// place in the chain.
ObjectStream Entity(std::uint16_t type, std::uint32_t handle, const EntityLinks& links);

// The objects by handle, laid out in handle order.
class ObjectsBuilder {
  public:
    void Add(std::uint32_t handle, std::vector<std::uint8_t> bytes) {
        objects_.emplace(handle, std::move(bytes));
    }
    // Lays the objects out from a file offset, in handle order; returns their
    // offsets.
    std::map<std::uint32_t, std::uint32_t> LayOut(std::uint32_t start,
                                                  std::vector<std::uint8_t>& file) const;

  private:
    std::map<std::uint32_t, std::vector<std::uint8_t>> objects_;
};

} // namespace vr::samples::dwg
