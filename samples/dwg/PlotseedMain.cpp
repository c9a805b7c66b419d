// Writes the sample drawing plotseed.dwg: the side view of a three-span
// bridge in lines, survey points on its deck, and Japanese labels, all on
// layer 0 in model space, in metres.
#include "BinaryFile.h"
#include "Cp932Text.h"
#include "DwgWriter.h"

#include <cstdio>
#include <string>

namespace {

using vr::samples::dwg::Drawing;
using vr::samples::dwg::Point3;

Drawing SampleBridge() {
    Drawing drawing;
    // Deck and the three spans' girder line, from abutment A1 to A2.
    const Point3 deck[] = {{0, 10, 0}, {30, 10, 0}, {70, 10, 0}, {100, 10, 0}};
    for (std::size_t i = 0; i + 1 < std::size(deck); ++i) {
        drawing.lines.push_back({deck[i], deck[i + 1]});
    }
    drawing.lines.push_back({{0, 8, 0}, {100, 8, 0}});
    // Abutments and piers.
    const double supports[] = {0, 30, 70, 100};
    for (const double x : supports) {
        drawing.lines.push_back({{x, 8, 0}, {x, 0, 0}});
    }
    drawing.lines.push_back({{-5, 0, 0}, {105, 0, 0}}); // ground
    // Survey points along the deck every 10 m.
    for (int x = 0; x <= 100; x += 10) {
        drawing.points.push_back({static_cast<double>(x), 10, 0});
    }
    // A cross in a circle, 1 m across: the points show at once where the
    // default single dot would hide them in the deck line.
    drawing.pointStyle = {35, 1.0};
    const std::pair<Point3, const char*> labels[] = {
        // 能 (0x94 0x5C) ends in the byte of a backslash: a reader that
        // takes the text byte by byte breaks the title.
        {{30, 20, 0}, "能見橋 側面図"},
        {{-2, -4, 0}, "A1橋台"},
        {{28, -4, 0}, "P1橋脚"},
        {{68, -4, 0}, "P2橋脚"},
        {{98, -4, 0}, "A2橋台"},
        {{40, 12, 0}, "中央径間 L=40m"},
        // The side spans' lengths, for the dimension routines to pick.
        {{8, 12, 0}, "側径間 L=30m"},
        {{78, 12, 0}, "側径間 L=30m"},
    };
    for (const auto& [at, label] : labels) {
        drawing.texts.push_back(
            {at, at.y == 20 ? 3.5 : 2.0, 0.0, vr::samples::Cp932FromUtf8(label)});
    }
    return drawing;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: plotseed_writer OUTPUT.dwg\n");
        return 2;
    }
    try {
        vr::samples::WriteBinaryFile(argv[1], vr::samples::dwg::WriteDwgR2000(SampleBridge()));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "plotseed_writer: %s\n", error.what());
        return 1;
    }
    return 0;
}
