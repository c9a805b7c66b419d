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

// What the sample drawing holds, all on layer 0 of model space.
struct Drawing {
    std::vector<Line> lines;
    std::vector<Point3> points;
    std::vector<Text> texts;
};

// The drawing as an AutoCAD 2000 (AC1015) file, code page ANSI_932: file
// header with three section locators, header variables, an empty class
// section, the objects, and the object map, every part with its CRC.
[[nodiscard]] std::vector<std::uint8_t> WriteDwgR2000(const Drawing& drawing);

} // namespace vr::samples::dwg
