#include "cad/DxfWriter.h"

#include "cad/JsonLine.h"
#include "text/AnsiText.h"

namespace standin {
namespace {

class DxfOutput {
  public:
    void Group(int code, std::string_view value) {
        char codeText[16];
        std::snprintf(codeText, sizeof codeText, "%3d\r\n", code);
        bytes_ += codeText;
        bytes_ += value;
        bytes_ += "\r\n";
    }
    void Group(int code, double value) { Group(code, JsonNumber(value)); }
    void Text(int code, TextView value) { Group(code, vr::EncodeAnsi(value)); }
    void Point(int baseCode, const Point3& point) {
        Group(baseCode, point.x);
        Group(baseCode + 10, point.y);
        Group(baseCode + 20, point.z);
    }
    [[nodiscard]] const vr::Bytes& Bytes() const { return bytes_; }

  private:
    vr::Bytes bytes_;
};

void Table(DxfOutput& out, std::string_view name, std::string_view entry,
           const std::function<void()>& fields) {
    out.Group(0, "TABLE");
    out.Group(2, name);
    out.Group(70, "1");
    out.Group(0, entry);
    fields();
    out.Group(0, "ENDTAB");
}

} // namespace

vr::Bytes WriteDxf(const std::vector<Entity>& entities) {
    DxfOutput out;
    out.Group(0, "SECTION");
    out.Group(2, "HEADER");
    out.Group(9, "$ACADVER");
    out.Group(1, "AC1009");
    out.Group(9, "$DWGCODEPAGE");
    out.Group(3, "ANSI_932");
    out.Group(0, "ENDSEC");

    out.Group(0, "SECTION");
    out.Group(2, "TABLES");
    Table(out, "LTYPE", "LTYPE", [&] {
        out.Group(2, "CONTINUOUS");
        out.Group(70, "0");
        out.Group(3, "Solid line");
        out.Group(72, "65");
        out.Group(73, "0");
        out.Group(40, "0.0");
    });
    Table(out, "LAYER", "LAYER", [&] {
        out.Group(2, "0");
        out.Group(70, "0");
        out.Group(62, "7");
        out.Group(6, "CONTINUOUS");
    });
    Table(out, "STYLE", "STYLE", [&] {
        out.Group(2, "STANDARD");
        out.Group(70, "0");
        out.Group(40, "0.0");
        out.Group(41, "1.0");
        out.Group(50, "0.0");
        out.Group(71, "0");
        out.Group(42, "2.5");
        out.Group(3, "txt");
        out.Group(4, "");
    });
    out.Group(0, "ENDSEC");

    out.Group(0, "SECTION");
    out.Group(2, "ENTITIES");
    for (const Entity& entity : entities) {
        out.Text(0, EntityTypeName(entity.type));
        out.Text(8, entity.layer);
        out.Point(10, entity.start);
        if (entity.type == EntityType::Line) {
            out.Point(11, entity.end);
        }
        if (entity.type == EntityType::SingleLineText) {
            out.Group(40, entity.height);
            out.Text(1, entity.text);
            if (entity.rotation != 0) {
                out.Group(50, entity.rotation);
            }
        }
    }
    out.Group(0, "ENDSEC");
    out.Group(0, "EOF");
    return out.Bytes();
}

} // namespace standin
