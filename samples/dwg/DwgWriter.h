#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vr::samples::dwg {

struct Point3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

struct Line {
    Point3 start;
    Point3 end;
};

struct Text {
    Point3 at;
    double height = 2.5;
    double rotation = 0; // radians
    std::string bytes;   // in the drawing's code page (932)
};

// How the CAD shows POINT entities (header variables PDMODE and PDSIZE).
// Mode 0 is a single dot, which a user cannot tell from nothing; size 0
// is 5 % of the drawing area's height, a size above 0 is in drawing units,
// one below 0 a percentage of the viewport's size.
struct PointStyle {
    std::int16_t mode = 0;
    double size = 0;
};

// What the sample drawing holds, all on layer 0 of model space.
struct Drawing {
    std::vector<Line> lines;
    std::vector<Point3> points;
    std::vector<Text> texts;
    PointStyle pointStyle;
};

// The drawing as an AutoCAD 2000 (AC1015) file, code page ANSI_932: file
// header with three section locators, header variables, an empty class
// section, the objects, and the object map, every part with its CRC.
[[nodiscard]] std::vector<std::uint8_t> WriteDwgR2000(const Drawing& drawing);

} // namespace vr::samples::dwg
