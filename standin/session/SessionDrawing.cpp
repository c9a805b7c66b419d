// The drawing: entities added and journaled, DXFOUT, and the end of the
// program, which saves it.
#include "session/CommandSession.h"

#include "cad/MTextFormat.h"
#include "session/SessionFiles.h"

namespace standin {
namespace {

JsonLine EntityEvent(const Entity& entity) {
    JsonLine line("entity");
    line.Add("type", EntityTypeName(entity.type))
        .Add("number", static_cast<long long>(entity.number))
        .Add("layer", TextView(entity.layer))
        .Add("x", entity.start.x)
        .Add("y", entity.start.y)
        .Add("z", entity.start.z);
    if (entity.type == EntityType::Line) {
        line.Add("x2", entity.end.x).Add("y2", entity.end.y).Add("z2", entity.end.z);
    }
    if (entity.type == EntityType::SingleLineText) {
        line.Add("height", entity.height)
            .Add("rotation", entity.rotation)
            .Add("text", TextView(entity.text));
    }
    if (entity.type == EntityType::MText) {
        line.Add("height", entity.height)
            .Add("rotation", entity.rotation)
            .Add("attachment", static_cast<long long>(entity.attachment))
            .Add("text", TextView(entity.text))
            .Add("plain", TextView(PlainMText(entity.text)));
    }
    if (entity.type == EntityType::Dimension) {
        line.Add("textX", entity.end.x)
            .Add("textY", entity.end.y)
            .Add("x13", entity.extension1.x)
            .Add("y13", entity.extension1.y)
            .Add("x14", entity.extension2.x)
            .Add("y14", entity.extension2.y)
            .Add("dimensionType", static_cast<long long>(entity.dimensionType))
            .Add("rotation", entity.rotation)
            .Add("style", TextView(entity.style))
            .Add("measurement", entity.measurement)
            .Add("override", TextView(entity.text));
    }
    return line;
}

} // namespace

void CommandSession::AddEntity(const Entity& entity) {
    entities_.push_back(entity);
    entities_.back().number = static_cast<std::int32_t>(entities_.size());
    journal_.Write(EntityEvent(entities_.back()));
    windows_.ShowDrawing();
}

void CommandSession::SaveDxf() {
    if (options_.dxf.empty()) {
        Print(u"DXFOUT: no file given (--dxf).\n");
        return;
    }
    const bool saved = SaveDxfFile(files_, options_.dxf, entities_);
    journal_.Write(JsonLine("dxf")
                       .Add("file", TextView(options_.dxf))
                       .Add("entities", static_cast<long long>(entities_.size()))
                       .AddBool("saved", saved));
}

void CommandSession::Exit() {
    if (!options_.dxf.empty()) {
        SaveDxf();
    }
    JournalExcelCells();
    journal_.Write(JsonLine("exit"));
}

} // namespace standin
