#include "DwgEntities.h"

namespace vr::samples::dwg {

std::vector<std::uint8_t> LineEntity(const Line& line, std::uint32_t handle,
                                     const EntityLinks& links) {
    ObjectStream entity = Entity(kLine, handle, links);
    const bool flat = line.start.z == 0.0 && line.end.z == 0.0;
    entity.data.B(flat);
    entity.data.RD(line.start.x);
    entity.data.DD(line.end.x, line.start.x);
    entity.data.RD(line.start.y);
    entity.data.DD(line.end.y, line.start.y);
    if (!flat) {
        entity.data.RD(line.start.z);
        entity.data.DD(line.end.z, line.start.z);
    }
    entity.data.BT(0.0);
    entity.data.BE(0, 0, 1);
    return entity.Finish();
}

std::vector<std::uint8_t> PointEntity(const Point3& point, std::uint32_t handle,
                                      const EntityLinks& links) {
    ObjectStream entity = Entity(kPoint, handle, links);
    entity.data.BD3(point.x, point.y, point.z);
    entity.data.BT(0.0);
    entity.data.BE(0, 0, 1);
    entity.data.BD(0.0); // x axis angle
    return entity.Finish();
}

std::vector<std::uint8_t> TextEntity(const Text& text, std::uint32_t handle,
                                     const EntityLinks& links) {
    ObjectStream entity = Entity(kText, handle, links);
    std::uint8_t flags = 0x02 | 0x04 | 0x10 | 0x20 | 0x40 | 0x80;
    if (text.at.z == 0.0) {
        flags |= 0x01;
    }
    if (text.rotation == 0.0) {
        flags |= 0x08;
    }
    entity.data.RC(flags);
    if (!(flags & 0x01)) {
        entity.data.RD(text.at.z);
    }
    entity.data.RD2(text.at.x, text.at.y);
    entity.data.BE(0, 0, 1);
    entity.data.BT(0.0);
    if (!(flags & 0x08)) {
        entity.data.RD(text.rotation);
    }
    entity.data.RD(text.height);
    entity.data.TV(text.bytes);
    entity.handles.H(HardPointer(hStandardStyle));
    return entity.Finish();
}

std::vector<std::uint8_t> BlockBoundary(std::uint16_t type, std::uint32_t handle, bool modelSpace,
                                        std::string_view name) {
    ObjectStream entity = Entity(type, handle, {modelSpace, 0, 0});
    if (type == kBlock) {
        entity.data.TV(name);
    }
    return entity.Finish();
}

} // namespace vr::samples::dwg
