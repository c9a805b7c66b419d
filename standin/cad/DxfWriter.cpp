#include "cad/DxfWriter.h"

#include "cad/EntityPick.h"
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

void Integer(DxfOutput& out, int code, std::int32_t value) {
    out.Group(code, std::to_string(value));
}

// A linear dimension with the groups of its kind; the measurement (42) too,
// which readers of later releases take instead of measuring again.
void WriteDimension(DxfOutput& out, const Entity& dimension) {
    out.Text(0, u"DIMENSION");
    out.Text(8, dimension.layer);
    out.Text(3, dimension.style);
    out.Point(10, dimension.start);
    out.Point(11, dimension.end);
    Integer(out, 70, dimension.dimensionType | dimension.dimensionFlags);
    out.Text(1, dimension.text);
    out.Group(42, dimension.measurement);
    out.Point(13, dimension.extension1);
    out.Point(14, dimension.extension2);
    if (dimension.dimensionType == 0) {
        out.Group(50, dimension.rotation);
    }
}

// Release 12 has no MTEXT: as the CAD does when it saves in that format, each
// line of its plain text becomes a TEXT, placed where the line shows.
void WriteMTextAsTexts(DxfOutput& out, const Entity& mtext) {
    for (const PlacedText& line : PlacedTexts(mtext)) {
        out.Text(0, u"TEXT");
        out.Text(8, mtext.layer);
        out.Point(10, line.start);
        out.Group(40, line.height);
        out.Text(1, line.text);
        if (line.rotation != 0) {
            out.Group(50, line.rotation);
        }
    }
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
    Table(out, "DIMSTYLE", "DIMSTYLE", [&] {
        out.Group(2, "STANDARD");
        out.Group(70, "0");
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
        if (entity.type == EntityType::Dimension) {
            WriteDimension(out, entity);
            continue;
        }
        if (entity.type == EntityType::MText) {
            WriteMTextAsTexts(out, entity);
            continue;
        }
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
