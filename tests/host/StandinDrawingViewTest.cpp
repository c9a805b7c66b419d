// How the stand-in's drawing area maps the drawing to pixels and back.
#include "TestText.h"
#include "view/DrawingView.h"

#include <gtest/gtest.h>

namespace standin {
namespace {

Entity PointAt(double x, double y) {
    Entity e;
    e.type = EntityType::Point;
    e.start = {x, y, 0};
    e.end = {-1000, -1000, 0}; // not part of a point: must not widen the view
    return e;
}

Entity LineFrom(Point3 a, Point3 b) {
    Entity e;
    e.type = EntityType::Line;
    e.start = a;
    e.end = b;
    return e;
}

Entity TextAt(double x, double y, double height) {
    Entity e;
    e.type = EntityType::SingleLineText;
    e.start = {x, y, 0};
    e.height = height;
    e.end = {5000, 5000, 0}; // not part of a text either
    return e;
}

TEST(StandinDrawingView, FitsTheDrawingCentredWithAMargin) {
    struct Case {
        const char* name;
        std::vector<Entity> entities;
        std::int32_t width, height;
        // The world points that land at the centre and on the edges of the
        // drawn extents, in pixels.
        Point3 centre;
        ClientPoint centrePixel;
        double scale;
    };
    const Case cases[] = {
        // 0..100 both ways in 600 x 600: 600 / 120 = 5 pixels a unit.
        {"empty drawing", {}, 600, 600, {50, 50, 0}, {300, 300}, 5.0},
        // Wider than high: the height decides.
        {"empty, wide area", {}, 1200, 600, {50, 50, 0}, {600, 300}, 5.0},
        {"one line", {LineFrom({0, 0, 0}, {120, 60, 0})}, 720, 720, {60, 30, 0}, {360, 360}, 5.0},
        // A single point spans nothing: at least one unit.
        {"a single point", {PointAt(10, 10)}, 120, 120, {10, 10, 0}, {60, 60}, 100.0},
        // The text's height is above its start point.
        {"a text", {TextAt(0, 0, 12), PointAt(12, 0)}, 144, 144, {6, 6, 0}, {72, 72}, 10.0},
        // A zero-sized area counts as one pixel.
        {"no area", {}, 0, 0, {-10, -10, 0}, {0, 1}, 1.0 / 120},
    };
    for (const Case& c : cases) {
        const DrawingView view = FitDrawing(c.entities, c.width, c.height);
        EXPECT_DOUBLE_EQ(view.scale, c.scale) << c.name;
        EXPECT_EQ(ToClient(view, c.centre), c.centrePixel) << c.name;
        EXPECT_EQ(view.height, std::max<std::int32_t>(1, c.height)) << c.name;
    }
}

TEST(StandinDrawingView, MapsWorldAndPixelsBothWaysWithYUpwards) {
    // 0..100 in a 600 x 600 area: 5 pixels a unit, the square centred, so
    // world 0,0 is 50 pixels in from the bottom left.
    const DrawingView view = FitDrawing({}, 600, 600);
    struct Case {
        Point3 world;
        ClientPoint pixel;
    };
    const Case cases[] = {
        {{0, 0, 0}, {50, 550}},  {{100, 100, 0}, {550, 50}},    {{0, 100, 0}, {50, 50}},
        {{-10, 0, 0}, {0, 550}}, {{10.5, 20.5, 0}, {103, 448}}, // 102.5 and 447.5, rounded half
                                                                // away from zero
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToClient(view, c.world), c.pixel) << c.world.x << "," << c.world.y;
        const Point3 back = ToWorld(view, c.pixel);
        const double halfPixel = 0.5 / view.scale + 1e-9;
        EXPECT_NEAR(back.x, c.world.x, halfPixel) << c.world.x;
        EXPECT_NEAR(back.y, c.world.y, halfPixel) << c.world.y;
        EXPECT_EQ(back.z, 0);
    }
    EXPECT_EQ(ToWorld(view, {50, 550}), (Point3{0, 0, 0}));
    EXPECT_EQ(ToWorld(view, {300, 300}), (Point3{50, 50, 0}));
}

TEST(StandinDrawingView, TextsAreAtLeastEightPixelsHigh) {
    const DrawingView view = FitDrawing({}, 600, 600); // 5 pixels a unit
    const std::pair<double, std::int32_t> cases[] = {
        {2.5, 13}, {3.5, 18}, {10, 50}, {1.6, 8}, {1, 8}, {0, 8},
    };
    for (const auto& [height, pixels] : cases) {
        EXPECT_EQ(TextPixels(view, height), pixels) << height;
    }
}

} // namespace
} // namespace standin
