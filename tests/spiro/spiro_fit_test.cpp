#include "spiro/spiro_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "spiro/spiro_walk.h"

namespace quorrel {
namespace {

TEST(SpiroFit, SquareIsNinetyPercentOfTheSmallerSideInTheMiddle) {
    struct Case {
        int width, height;
        int16_t side, centre_x, centre_y;
    };
    const Case cases[] = {
        {678, 578, 520, 339, 289},  // 0.9 x 578 = 520.2
        {800, 400, 360, 400, 200},  // wider than high
        {400, 800, 360, 200, 400},
        {101, 200, 91, 50, 100},  // 90.9 -> 91; centre 50.5 rounds to even
        {103, 200, 93, 52, 100},  // 51.5 rounds to even, upwards
        {5, 5, 4, 2, 2},          // 4.5 -> 4
        {0, 0, 0, 0, 0},          // a minimised window has no inner area
    };
    for (const Case& c : cases) {
        SpiroWalk w;
        SetUpSpiroSquare(w, c.width, c.height);
        EXPECT_EQ((std::vector<int>{w.SpiroSizeX, w.SpiroSizeY, w.SpiroCenterX, w.SpiroCenterY}),
                  (std::vector<int>{c.side, c.side, c.centre_x, c.centre_y}))
            << c.width << "x" << c.height;
    }
}

TEST(SpiroFit, BoundingBoxFillsTheSquareOnEachAxis) {
    GameState gs;
    SpiroWalk& w = gs.spiro_drawing.walk;
    SetUpSpiroSquare(w, 678, 578);
    MeasureSpiro(gs, {4, 45, 1});
    FitSpiro(w);
    EXPECT_NEAR(w.SpiroScaleX, 117.80, 0.005);
    EXPECT_NEAR(w.SpiroScaleY, 160.36, 0.005);
    EXPECT_NEAR(w.SpiroOffsetX, 412.19, 0.005);
    EXPECT_NEAR(w.SpiroOffsetY, 95.42, 0.005);
    // The box's corners land on the square's corners.
    EXPECT_NEAR(w.SpiroScaleX * w.SpiroMinX + w.SpiroOffsetX, 339 - 260, 0.01);
    EXPECT_NEAR(w.SpiroScaleY * w.SpiroMaxY + w.SpiroOffsetY, 289 + 260, 0.01);
}

TEST(SpiroFit, PassesAndPensByWindowAndThickness) {
    struct Case {
        bool normal;
        int16_t thickness;
        std::vector<int> pens;
    };
    const Case cases[] = {{true, 0, {2}},        {true, 2, {2}},  {false, 0, {7, 5, 1}},
                          {false, 1, {5, 2}},    {false, 2, {3}}, {false, 3, {7, 5, 1}},
                          {false, -1, {7, 5, 1}}};
    for (const Case& c : cases)
        EXPECT_EQ(SpiroPenWidths(c.normal, c.thickness), c.pens) << c.normal << " " << c.thickness;
}

}  // namespace
}  // namespace quorrel
