#include "ToolkitTestSupport.h"

#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/cgraphicspath.h"
#include "vstgui/lib/cviewcontainer.h"

#include "platform/Resources.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

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

TEST(Drawing, FrameRendersBackgroundsAndChildrenToPng)
{
    OffscreenFrame f(200, 100);
    auto* container = new CViewContainer(CRect(50, 20, 150, 80));
    container->setBackgroundColor(kBlue);
    container->addView(new ProbeView(CRect(10, 10, 30, 30), kRed));
    f.frame->addView(container);
    f.frame->idle();

    EXPECT_EQ(f.pixel(5, 5), kBlackCColor);
    EXPECT_EQ(f.pixel(55, 25), kBlue);
    EXPECT_EQ(f.pixel(65, 35), kRed); // child at (10,10) inside a container at (50,20)
    EXPECT_EQ(f.pixel(85, 55), kBlue);

    const char* path = "vstgui-frame-test.png";
    ASSERT_TRUE(f.platform->writePng(path));
    auto png = readFile(path);
    std::remove(path);
    auto* reloaded = new CBitmap(png.data(), png.size());
    EXPECT_EQ(reloaded->getWidth(), 200);
    EXPECT_EQ(reloaded->getHeight(), 100);
    reloaded->forget();
}

TEST(Drawing, OnlyDirtyViewsAreRedrawnAtIdle)
{
    OffscreenFrame f;
    auto* a = new ProbeView(CRect(0, 0, 50, 50), kRed);
    auto* b = new ProbeView(CRect(100, 0, 150, 50), kBlue);
    f.frame->addView(a);
    f.frame->addView(b);
    f.frame->idle();
    int aBefore = a->draws, bBefore = b->draws;

    f.frame->idle();
    EXPECT_EQ(a->draws, aBefore);

    b->color = kGreenCColor;
    b->setDirty(); // as from another thread: only a flag
    EXPECT_EQ(f.pixel(120, 20), kBlue);
    f.frame->idle();
    EXPECT_EQ(b->draws, bBefore + 1);
    EXPECT_EQ(a->draws, aBefore);
    EXPECT_EQ(f.pixel(120, 20), kGreenCColor);
}

TEST(Drawing, HiddenViewsAreNeitherDrawnNorHit)
{
    OffscreenFrame f;
    auto* probe = new ProbeView(CRect(0, 0, 50, 50), kRed);
    f.frame->addView(probe);
    probe->setVisible(false);
    f.frame->idle();
    EXPECT_EQ(f.pixel(10, 10), kBlackCColor);
    f.down(10, 10);
    EXPECT_EQ(probe->downs, 0);
}

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

TEST(Drawing, BitmapsDrawFromASourceOffsetWithAlpha)
{
    auto strip = stripPng(10, 10, 3, 100); // grey 0, 100, 200
    auto* bitmap = new CBitmap(strip.data(), strip.size());
    ASSERT_TRUE(bitmap->isLoaded());
    EXPECT_EQ(bitmap->getHeight(), 30);

    Canvas canvas(20, 10);
    canvas.context->drawBitmap(bitmap, CRect(0, 0, 10, 10), CPoint(0, 20));
    EXPECT_EQ(canvas.argb(5, 5), 0xFFC8C8C8u);
    canvas.context->drawBitmap(bitmap, CRect(10, 0, 20, 10), CPoint(0, 10), 0.5f);
    EXPECT_NEAR(static_cast<int>(canvas.argb(15, 5) >> 24), 0x80, 1);
    bitmap->forget();
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

TEST(Drawing, TwoTimesRepresentationIsChosenAtScaleTwo)
{
    auto oneX = solidPng(10, 10, kRed);
    auto twoX = solidPng(20, 20, kBlue);
    auto wrongSize = solidPng(15, 15, kGreenCColor);
    auto* bitmap = new CBitmap(oneX.data(), oneX.size());
    EXPECT_FALSE(bitmap->addBitmap(wrongSize.data(), wrongSize.size(), 2.0));
    ASSERT_TRUE(bitmap->addBitmap(twoX.data(), twoX.size(), 2.0));
    EXPECT_EQ(bitmap->getWidth(), 10); // layout size stays the 1x size

    Canvas plain(10, 10, 1.0);
    plain.context->drawBitmap(bitmap, CRect(0, 0, 10, 10));
    EXPECT_EQ(plain.argb(5, 5), 0xFFFF0000u);

    Canvas sharp(20, 20, 2.0);
    sharp.context->drawBitmap(bitmap, CRect(0, 0, 10, 10));
    EXPECT_EQ(sharp.argb(19, 19), 0xFF0000FFu); // fills all 20 device pixels

    // Between the two (a 125 % zoom) the sharper image is used as well.
    double chosen = 0;
    bitmap->getSurface(1.25, &chosen);
    EXPECT_EQ(chosen, 2.0);
    bitmap->forget();
}

TEST(Drawing, BitmapsAndFontsLoadFromModuleResourcesByName)
{
    auto oneX = solidPng(10, 10, kRed);
    auto twoX = solidPng(20, 20, kBlue);
    auto font = readFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    const velqa::ResourceEntry entries[] = {{"pot.png", oneX.data(), oneX.size()},
                                            {"pot_2x.png", twoX.data(), twoX.size()},
                                            {"face.ttf", font.data(), font.size()}};
    const velqa::ResourceTable table{entries, 3};
    velqa::setResourceTable(&table);

    auto* bitmap = new CBitmap("pot.png");
    EXPECT_EQ(bitmap->getWidth(), 10);
    EXPECT_TRUE(bitmap->addBitmap("pot_2x.png", 2.0));
    EXPECT_EQ(bitmap->getNumRepresentations(), 2u);
    EXPECT_FALSE(bitmap->addBitmap("missing_2x.png", 2.0));
    bitmap->forget();
    auto* missing = new CBitmap("missing.png");
    EXPECT_FALSE(missing->isLoaded()); // a missing resource leaves an empty bitmap
    missing->forget();
    EXPECT_TRUE(FontRegistry::registerFontResource("ResourceFace", "face.ttf"));
    EXPECT_FALSE(FontRegistry::registerFontResource("Nothing", "missing.ttf"));
    velqa::setResourceTable(nullptr);
}

TEST(Drawing, ZoomScalesTheWholeFrame)
{
    for (double zoom : {0.75, 1.0, 1.5, 2.0})
    {
        OffscreenFrame f(100, 50);
        f.frame->addView(new ProbeView(CRect(40, 10, 60, 30), kRed));
        ASSERT_TRUE(f.frame->setZoom(zoom));
        f.frame->idle();
        // Partial pixels round up so the edge is never cut off.
        EXPECT_EQ(f.platform->getPixelWidth(), static_cast<int>(std::ceil(100 * zoom)));
        EXPECT_EQ(f.platform->getPixelHeight(), static_cast<int>(std::ceil(50 * zoom)));
        EXPECT_EQ(f.pixel(static_cast<int>(50 * zoom), static_cast<int>(20 * zoom)), kRed);
        EXPECT_EQ(f.pixel(static_cast<int>(35 * zoom), static_cast<int>(20 * zoom)), kBlackCColor);
    }
    OffscreenFrame f;
    EXPECT_FALSE(f.frame->setZoom(0.0));
    EXPECT_FALSE(f.frame->setZoom(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(f.frame->getZoom(), 1.0);
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
