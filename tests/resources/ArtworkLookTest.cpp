// Properties of the artwork that the editor relies on beyond names and sizes.

#include "DecodedImage.h"
#include "resources/EmbeddedResources.h"
#include "resources/generator/Render.h"

#include <gtest/gtest.h>

namespace
{

using velqa::test::DecodedImage;
using velqa::test::Pixel;

bool warm(Pixel p)
{
    return p.a > 200 && p.r > 200 && p.g > 100 && p.g < 200 && p.b < 100;
}

class Artwork : public ::testing::Test
{
protected:
    void SetUp() override { velqa::registerEmbeddedResources(); }
};

// Each frame is drawn inside its own rows, also where the height does not divide evenly.
TEST(ArtworkStrips, FramesStayInsideTheirRows)
{
    const velqa::artwork::ArtworkEntry strips[] = {
        {"t", 4, 41, 2}, {"t", 4, 67, 3}, {"t", 4, 84, 4}};
    for (const auto& e : strips)
        for (int scale : {1, 2})
        {
            SCOPED_TRACE(testing::Message() << e.height << "/" << e.frames << " at " << scale);
            cairo_surface_t* s =
                velqa::artwork::renderImage(e, scale,
                                            [](cairo_t* cr, int frame, double, double)
                                            {
                                                cairo_set_source_rgb(cr, frame / 8.0, 0, 0);
                                                cairo_paint(cr);
                                            });
            cairo_surface_flush(s);
            const unsigned char* d = cairo_image_surface_get_data(s);
            const int stride = cairo_image_surface_get_stride(s);
            for (int k = 0; k < e.frames; ++k)
            {
                const int top = velqa::artwork::frameTop(e.height, e.frames, k, scale);
                const int rows = velqa::artwork::frameHeight(e.height, e.frames, scale);
                const int expectedRed = static_cast<int>(k / 8.0 * 255 + 0.5);
                EXPECT_EQ(d[top * stride + 2], expectedRed) << "first row of frame " << k;
                EXPECT_EQ(d[(top + rows - 1) * stride + 2], expectedRed) << "last row of " << k;
            }
            cairo_surface_destroy(s);
        }
}

// The lit arc grows with the value, so the knob reads the same way at every position.
TEST_F(Artwork, KnobArcGrowsWithEveryStep)
{
    const DecodedImage pot("pot.png");
    ASSERT_TRUE(pot.ok());
    int previous = -1;
    for (int k = 0; k < 129; k += 8)
    {
        int lit = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x) lit += warm(pot.at(x, k * 60 + y));
        if (k == 0)
            EXPECT_EQ(lit, 0);
        else
            EXPECT_GT(lit, previous) << "frame " << k;
        previous = lit;
    }
}

// Bottom-up meters are hot at the top; the Below section meter grows from the top edge, so
// its hot end is at the bottom.
TEST_F(Artwork, MetersRunFromCoolToHotInTheirFillDirection)
{
    const auto redness = [](const DecodedImage& m, int y)
    {
        const Pixel p = m.at(m.width() / 2, y);
        return p.r - p.b;
    };
    for (const char* name : {"VU_1.png", "VU_2.png", "VU_5.png", "VU_6.png"})
    {
        const DecodedImage m(name);
        ASSERT_TRUE(m.ok()) << name;
        EXPECT_GT(m.at(m.width() / 2, 5).r, 200) << name;
        EXPECT_LT(m.at(m.width() / 2, 274).r, 120) << name;
    }
    const DecodedImage above("Section_VU_Above.png"), below("Section_VU_Below.png");
    ASSERT_TRUE(above.ok());
    ASSERT_TRUE(below.ok());
    int aboveTop = 0, aboveBottom = 0, belowTop = 0, belowBottom = 0;
    for (int y = 0; y < 20; ++y)
    {
        aboveTop += redness(above, y) + above.at(8, y).g;
        aboveBottom += redness(above, 257 - y) + above.at(8, 257 - y).g;
        belowTop += below.at(8, y).b;
        belowBottom += below.at(8, 257 - y).b;
    }
    EXPECT_GT(aboveTop, aboveBottom);
    EXPECT_GT(belowBottom, belowTop);
}

// Overlays must let the page show through: the side-chain overlay sits on a knob, and the
// bypass veil keeps the logo bypass switch (811, 16, 34 x 34) clear.
TEST_F(Artwork, OverlaysLeaveWhatLiesBelowVisible)
{
    const DecodedImage ovr("ovr.png"), veil("bypfg.png");
    ASSERT_TRUE(ovr.ok());
    ASSERT_TRUE(veil.ok());
    // The balance knob's centre is at 41, 34 of the overlay; its arc reaches 25.5 pixels out.
    for (int y = 0; y < ovr.height(); ++y)
        for (int x = 0; x < ovr.width(); ++x)
        {
            if ((x - 41) * (x - 41) + (y - 34) * (y - 34) >= 26 * 26) continue;
            ASSERT_EQ(ovr.at(x, y).a, 0) << x << ", " << y;
        }
    EXPECT_EQ(veil.at(828, 33).a, 0);
    EXPECT_EQ(veil.at(815, 20).a, 0);
    const Pixel middle = veil.at(100, 600);
    EXPECT_GT(middle.a, 60);
    EXPECT_LT(middle.a, 230);
}

} // namespace
