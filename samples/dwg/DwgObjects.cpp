#include "DwgObjects.h"

#include "DwgCrc.h"

namespace vr::samples::dwg {

std::vector<std::uint8_t> ObjectStream::Finish() {
    data.PatchRL(sizeAt_, static_cast<std::uint32_t>(data.BitCount()));
    data.Append(handles);
    data.AlignToByte();
    std::vector<std::uint8_t> out;
    AppendModularShort(out, static_cast<std::uint32_t>(data.Bytes().size()));
    out.insert(out.end(), data.Bytes().begin(), data.Bytes().end());
    const std::uint16_t crc = DwgCrc(0xC0C1, out);
    out.push_back(static_cast<std::uint8_t>(crc));
    out.push_back(static_cast<std::uint8_t>(crc >> 8));
    return out;
}

ObjectStream PlainObject(std::uint16_t type, std::uint32_t handle, HandleRef owner) {
    ObjectStream object(type, handle);
    object.data.BL(0); // reactors
    object.handles.H(owner);
    object.handles.H(Null(3)); // extension dictionary
    return object;
}

ObjectStream TableRecord(std::uint16_t type, std::uint32_t handle, std::uint32_t control,
                         std::string_view name) {
    ObjectStream record = PlainObject(type, handle, SoftPointer(control));
    record.data.TV(name);
    record.data.B(false); // 64-flag
    record.data.BS(0);    // xref index
    record.data.B(false); // xref dependent
    return record;
}

ObjectStream Entity(std::uint16_t type, std::uint32_t handle, const EntityLinks& links) {
    ObjectStream entity(type, handle);
    entity.data.B(false);                     // no graphics
    entity.data.BB(links.modelSpace ? 2 : 1); // owned by model or paper space
    entity.data.BL(0);                        // reactors
    entity.data.B(false);                     // links written out
    entity.data.BS(kByLayerColor);
    entity.data.BD(1.0); // linetype scale
    entity.data.BB(0);   // linetype by layer
    entity.data.BB(0);   // plot style by layer
    entity.data.BS(0);   // visible
    entity.data.RC(kByLayerLineweight);
    entity.handles.H(Null(3)); // extension dictionary
    entity.handles.H(links.previous ? SoftPointer(links.previous) : Null(4));
    entity.handles.H(links.next ? SoftPointer(links.next) : Null(4));
    entity.handles.H(HardPointer(hLayer0));
    return entity;
}

std::map<std::uint32_t, std::uint32_t>
ObjectsBuilder::LayOut(std::uint32_t start, std::vector<std::uint8_t>& file) const {
    std::map<std::uint32_t, std::uint32_t> offsets;
    std::uint32_t at = start;
    for (const auto& [handle, bytes] : objects_) {
        offsets[handle] = at;
        file.insert(file.end(), bytes.begin(), bytes.end());
        at += static_cast<std::uint32_t>(bytes.size());
    }
    return offsets;
}

} // namespace vr::samples::dwg
