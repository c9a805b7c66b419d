#include "view/DrawingView.h"

#include "cad/DimensionGeometry.h"
#include "cad/EntityPick.h"

#include <algorithm>
#include <cmath>

namespace standin {
namespace {

constexpr double kMargin = 1.2; // the drawing takes 1/1.2 of the area
constexpr double kMinimumSpan = 1.0;

} // namespace

DrawingView FitDrawing(const std::vector<Entity>& entities, std::int32_t width,
                       std::int32_t height) {
    double minX = 0, minY = 0, maxX = 100, maxY = 100;
    if (!entities.empty()) {
        minX = minY = 1e300;
        maxX = maxY = -1e300;
        auto extend = [&](const Point3& p, double above) {
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y + above);
        };
        for (const Entity& e : entities) {
            const bool text = e.type == EntityType::SingleLineText;
            extend(e.start, text ? e.height : 0);
            if (e.type == EntityType::Line) {
                extend(e.end, 0);
            }
            if (e.type == EntityType::Dimension) {
                extend(e.end, kDimensionTextHeight);
                extend(e.extension1, 0);
                extend(e.extension2, 0);
            }
            if (const auto box = EntityTextBox(e); box && e.type == EntityType::MText) {
                extend(box->corner, box->height);
                extend(Point3{box->corner.x + box->width, box->corner.y, 0}, box->height);
            }
        }
    }
    const double spanX = std::max(maxX - minX, kMinimumSpan);
    const double spanY = std::max(maxY - minY, kMinimumSpan);
    const double pixelsX = std::max<std::int32_t>(1, width);
    const double pixelsY = std::max<std::int32_t>(1, height);
    DrawingView view;
    view.scale = std::min(pixelsX / (spanX * kMargin), pixelsY / (spanY * kMargin));
    view.originX = (minX + maxX) / 2 - pixelsX / 2 / view.scale;
    view.originY = (minY + maxY) / 2 - pixelsY / 2 / view.scale;
    view.height = static_cast<std::int32_t>(pixelsY);
    return view;
}

ClientPoint ToClient(const DrawingView& view, const Point3& world) {
    return ClientPoint{
        static_cast<std::int32_t>(std::lround((world.x - view.originX) * view.scale)),
        static_cast<std::int32_t>(
            std::lround(view.height - (world.y - view.originY) * view.scale))};
}

Point3 ToWorld(const DrawingView& view, ClientPoint client) {
    return Point3{view.originX + client.x / view.scale,
                  view.originY + (view.height - client.y) / view.scale, 0};
}

std::int32_t TextPixels(const DrawingView& view, double textHeight) {
    return std::max(8, static_cast<std::int32_t>(std::lround(textHeight * view.scale)));
}

} // namespace standin
