#pragma once

#include "cad/Entity.h"

#include <cstdint>
#include <vector>

namespace standin {

// A pixel of the drawing area, from its top left corner, y downwards.
struct ClientPoint {
    std::int32_t x = 0, y = 0;
    friend bool operator==(const ClientPoint&, const ClientPoint&) = default;
};

// How the drawing area shows the drawing: world units to pixels, y upwards,
// with the world point `origin` at the bottom left corner.
struct DrawingView {
    double scale = 1;
    double originX = 0, originY = 0;
    std::int32_t height = 1; // of the drawing area, in pixels
};

// The whole drawing centred in a drawing area of the given size with a
// margin; an empty drawing shows the square from 0,0 to 100,100. The
// extents take the start of every entity, the end of a line, the top of a
// text, the box of an MTEXT and a dimension's points and text.
[[nodiscard]] DrawingView FitDrawing(const std::vector<Entity>& entities, std::int32_t width,
                                     std::int32_t height);

[[nodiscard]] ClientPoint ToClient(const DrawingView& view, const Point3& world);

// The world point under a pixel, on the plane z = 0.
[[nodiscard]] Point3 ToWorld(const DrawingView& view, ClientPoint client);

// The height in pixels of a text of the given height, at least 8 to stay
// readable.
[[nodiscard]] std::int32_t TextPixels(const DrawingView& view, double textHeight);

} // namespace standin
