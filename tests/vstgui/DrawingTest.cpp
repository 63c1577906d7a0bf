#include "ToolkitTestSupport.h"

#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/cgraphicspath.h"
#include "vstgui/lib/cviewcontainer.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace VSTGUI;
using namespace toolkit_test;

namespace
{

const CColor kRed{255, 0, 0};
const CColor kBlue{0, 0, 255};

// Draws into a fresh image and hands back the context's target.
struct Canvas
{
    Canvas(int width, int height, double scale = 1.0)
        : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
          context(new CDrawContext(surface, scale))
    {
    }
    ~Canvas()
    {
        context->forget();
        cairo_surface_destroy(surface);
    }
    uint32_t argb(int x, int y)
    {
        cairo_surface_flush(surface);
        auto* row =
            cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
        return reinterpret_cast<uint32_t*>(row)[x];
    }
    cairo_surface_t* surface;
    CDrawContext* context;
};

} // namespace

TEST(Drawing, PrimitivesClipAndTransform)
{
    Canvas canvas(100, 100);
    CDrawContext* c = canvas.context;
    c->setFillColor(kRed);
    c->drawRect(CRect(0, 0, 100, 100), kDrawFilled);

    c->saveGlobalState();
    c->setClipRect(CRect(0, 0, 50, 50));
    c->setFillColor(kBlue);
    c->drawRect(CRect(0, 0, 100, 100), kDrawFilled);
    c->restoreGlobalState();
    EXPECT_EQ(canvas.argb(10, 10), 0xFF0000FFu);
    EXPECT_EQ(canvas.argb(60, 60), 0xFFFF0000u); // outside the clip

    {
        CDrawContext::Transform shift(*c, CGraphicsTransform().translate(60, 60));
        EXPECT_EQ(c->getClipRect(), CRect(-60, -60, 40, 40));
        c->setFillColor(kGreenCColor);
        c->drawRect(CRect(0, 0, 10, 10), kDrawFilled);
    }
    EXPECT_EQ(canvas.argb(65, 65), 0xFF00FF00u);
    EXPECT_EQ(canvas.argb(75, 75), 0xFFFF0000u);

    c->setFillColor(kWhiteCColor);
    c->drawEllipse(CRect(0, 80, 20, 100), kDrawFilled);
    EXPECT_EQ(canvas.argb(10, 90), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.argb(1, 81), 0xFFFF0000u); // the corner lies outside the ellipse

    auto* path = c->createGraphicsPath();
    path->beginSubpath(CPoint(80, 0));
    path->addLine(CPoint(100, 0));
    path->addLine(CPoint(100, 20));
    path->closeSubpath();
    c->setFillColor(kBlackCColor);
    c->drawGraphicsPath(path, CDrawContext::kPathFilled);
    EXPECT_EQ(canvas.argb(98, 2), 0xFF000000u);
    EXPECT_EQ(canvas.argb(82, 18), 0xFFFF0000u); // below the diagonal
    EXPECT_EQ(path->getBoundingBox(), CRect(80, 0, 100, 20));
    path->forget();
}

TEST(Drawing, CorruptOrMissingPngGivesAnEmptyBitmap)
{
    auto good = solidPng(4, 4, kRed);
    std::vector<unsigned char> truncated(good.begin(), good.begin() + good.size() / 2);
    for (auto* bitmap : {new CBitmap(truncated.data(), truncated.size()), new CBitmap(nullptr, 0)})
    {
        EXPECT_FALSE(bitmap->isLoaded());
        EXPECT_EQ(bitmap->getWidth(), 0);
        EXPECT_FALSE(bitmap->addBitmap(good.data(), good.size(), 2.0));
        Canvas canvas(4, 4);
        canvas.context->drawBitmap(bitmap, CRect(0, 0, 4, 4)); // draws nothing, no crash
        EXPECT_EQ(canvas.argb(1, 1), 0u);
        bitmap->forget();
    }
}

TEST(Drawing, TwoTimesRepresentationMustBeTwiceTheSizeAndServesFromScaleOneAndAQuarter)
{
    auto oneX = solidPng(10, 10, kRed);
    auto twoX = solidPng(20, 20, kBlue);
    auto wrongSize = solidPng(15, 15, kGreenCColor);
    auto* bitmap = new CBitmap(oneX.data(), oneX.size());
    EXPECT_FALSE(bitmap->addBitmap(wrongSize.data(), wrongSize.size(), 2.0));
    ASSERT_TRUE(bitmap->addBitmap(twoX.data(), twoX.size(), 2.0));
    EXPECT_EQ(bitmap->getWidth(), 10); // layout size stays the 1x size
    // Drawing at 2x is the content-scale test's part; a 125 % zoom takes the sharper image too.
    double chosen = 0;
    bitmap->getSurface(1.25, &chosen);
    EXPECT_EQ(chosen, 2.0);
    bitmap->forget();
}

TEST(Drawing, ContentScaleDoublesPixelsAndPicksSharpBitmaps)
{
    auto oneX = solidPng(10, 10, kRed);
    auto twoX = solidPng(20, 20, kBlue);
    auto* bitmap = new CBitmap(oneX.data(), oneX.size());
    bitmap->addBitmap(twoX.data(), twoX.size(), 2.0);
    OffscreenFrame f(40, 20, 2.0);
    auto* container = new CViewContainer(CRect(0, 0, 10, 10));
    container->setBackground(bitmap);
    bitmap->forget();
    f.frame->addView(container);
    f.frame->idle();
    EXPECT_EQ(f.platform->getPixelWidth(), 80);
    EXPECT_EQ(f.pixel(10, 10), kBlue);

    // The host may change the scale while open (the window moved to another screen).
    ASSERT_TRUE(f.frame->setContentScale(1.0));
    f.frame->idle();
    EXPECT_EQ(f.platform->getPixelWidth(), 40);
    EXPECT_EQ(f.pixel(5, 5), kRedCColor);
    EXPECT_FALSE(f.frame->setContentScale(0.0));
}

TEST(Fonts, RegisteredFacesAreUsedByNameAndUnknownFacesFallBack)
{
    auto liberation = readFile("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf");
    auto dejavu = readFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    ASSERT_FALSE(liberation.empty());
    ASSERT_FALSE(dejavu.empty());
    ASSERT_TRUE(FontRegistry::registerFont("Arial", liberation.data(), liberation.size()));
    ASSERT_TRUE(FontRegistry::registerFont("SkiCargo", dejavu.data(), dejavu.size()));
    EXPECT_TRUE(FontRegistry::isRegistered("skicargo"));

    const std::string text = "Mix Wet/Dry 100 %";
    CCoord arial = CFontDesc("Arial", 12).getStringWidth(text);
    CCoord ski = CFontDesc("SkiCargo", 12).getStringWidth(text);
    EXPECT_GT(arial, 40);
    EXPECT_NE(arial, ski); // two different faces, not one fallback
    EXPECT_NEAR(CFontDesc("Arial", 24).getStringWidth(text), 2 * arial, 2.0);
    EXPECT_EQ(CFontDesc("NoSuchFace", 12).getStringWidth(text), arial);

    std::vector<unsigned char> garbage(1000, 0x5A);
    EXPECT_FALSE(FontRegistry::registerFont("Broken", garbage.data(), garbage.size()));
    EXPECT_FALSE(FontRegistry::isRegistered("Broken"));

    Canvas canvas(120, 20);
    canvas.context->setFont("SkiCargo", 14);
    canvas.context->setFontColor(kWhiteCColor);
    canvas.context->drawString("HHHH", CRect(0, 0, 120, 20), kLeftText);
    bool inked = false;
    for (int x = 0; x < 40; ++x) inked = inked || (canvas.argb(x, 10) >> 24) > 0x80;
    EXPECT_TRUE(inked);
    EXPECT_EQ(canvas.argb(100, 10), 0u); // left aligned: the right end stays empty
}
