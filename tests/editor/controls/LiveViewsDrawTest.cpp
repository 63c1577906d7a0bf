// The spectrum view and the meters draw only inside themselves, whatever data they are given.

#include "ControlsTestSupport.h"
#include "code/editor/displays/SpectrumView.h"
#include "code/editor/displays/VuAI.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace VSTGUI;
using toolkit_test::OffscreenFrame;

namespace
{

// The frames below are black: whatever a view paints shows.
bool isBlank(const CColor& c)
{
    return c.red == 0 && c.green == 0 && c.blue == 0;
}

TEST(SpectrumView, DrawsNothingBeforeDataThenHoldsBrokenRowsToItsEdges)
{
    OffscreenFrame f(120, 60);
    f.frame->setBackgroundColor(kBlackCColor);
    auto* view = new CSpectrumView(CRect(10, 10, 110, 50), nullptr, 16); // 100 x 40
    f.frame->addView(view);
    f.platform->redrawAll();
    EXPECT_TRUE(isBlank(f.pixel(60, 45))) << "no curve and no frame before the first data";

    constexpr float inf = std::numeric_limits<float>::infinity();
    std::vector<float> rows(60, 20.0f); // fewer rows than columns
    rows[0] = std::nanf("");
    rows[1] = inf;
    rows[2] = -inf;
    rows[3] = -5.0f;
    rows[4] = 1e9f;
    view->setData(rows.data(), static_cast<int32>(rows.size()));
    const std::vector<float>& held = view->getData();
    ASSERT_EQ(held.size(), 100u);
    EXPECT_EQ(held[0], 40.0f) << "NaN shows as silence";
    EXPECT_EQ(held[1], 40.0f);
    EXPECT_EQ(held[2], 0.0f);
    EXPECT_EQ(held[3], 0.0f);
    EXPECT_EQ(held[4], 40.0f);
    EXPECT_EQ(held[30], 20.0f);
    EXPECT_EQ(held[80], 0.0f) << "columns without a row sit at the top edge";

    f.platform->redrawAll();
    EXPECT_FALSE(isBlank(f.pixel(40, 45))) << "filled below the curve";
    EXPECT_TRUE(isBlank(f.pixel(40, 20))) << "open above it";
    EXPECT_FALSE(isBlank(f.pixel(40, 10))) << "the frame's top edge";
    for (const CPoint outside : {CPoint(5, 5), CPoint(115, 30), CPoint(60, 55), CPoint(9, 30)})
        EXPECT_TRUE(isBlank(f.pixel(int(outside.x), int(outside.y))))
            << outside.x << "," << outside.y;

    // More rows than columns, and a view one pixel wide: the surplus is dropped.
    std::vector<float> many(500, 10.0f);
    view->setData(many.data(), 500);
    EXPECT_EQ(view->getData().size(), 100u);
    auto* narrow = new CSpectrumView(CRect(0, 0, 1, 40), nullptr, 17);
    f.frame->addView(narrow);
    narrow->setData(many.data(), 500);
    EXPECT_EQ(narrow->getData().size(), 1u);
    f.platform->redrawAll();
}

TEST(VuAI, LightsWholeSegmentsFromItsGrowingEdgeWithValuesHeldToTheScale)
{
    OffscreenFrame f(40, 260);
    f.frame->setBackgroundColor(kBlackCColor);
    const auto png = toolkit_test::solidPng(10, 240, CColor(255, 255, 255));
    auto* lit = new CBitmap(png.data(), png.size());
    auto* meter = new CVuAI(CRect(10, 10, 20, 250), nullptr, 157, lit); // 24 segments of 10
    lit->forget();
    meter->setSegments(24);
    f.frame->addView(meter);
    const struct
    {
        float value;
        bool growsDown;
        int litRows;
    } cases[] = {
        {0.52f, false, 120}, // 12.48 segments: the nearest is 12
        {0.5f + 0.75f / 24, false, 130},
        {-0.5f, false, 0},
        {1.7f, false, 240},
        {std::nanf(""), false, 0},
        {0.25f, true, 60},
        {1.0f, true, 240},
    };
    for (const auto& c : cases)
    {
        meter->setGrowsDown(c.growsDown);
        meter->setValue(c.value);
        f.platform->redrawAll();
        EXPECT_EQ(meter->litHeight(), c.litRows) << c.value;
        // The first and last lit row and the unlit row beyond, from the growing edge.
        auto rowFromEdge = [&](int k) { return c.growsDown ? 10 + k : 249 - k; };
        if (c.litRows > 0)
        {
            EXPECT_FALSE(isBlank(f.pixel(15, rowFromEdge(0)))) << c.value;
            EXPECT_FALSE(isBlank(f.pixel(15, rowFromEdge(c.litRows - 1)))) << c.value;
        }
        if (c.litRows < 240)
        {
            EXPECT_TRUE(isBlank(f.pixel(15, rowFromEdge(c.litRows)))) << c.value;
        }
    }
}

} // namespace
