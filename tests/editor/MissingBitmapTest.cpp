// Artwork named in the bitmap table but not carried by the module ("back.png" of the spare
// pages) must come out as an empty bitmap that draws nothing, at 1x and at 2x.
#include "code/editor/BitmapCache.h"
#include "resources/EmbeddedResources.h"
#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"

#include <gtest/gtest.h>

#include <cairo.h>

TEST(MissingBitmap, IsEmptyAndDrawsNothing)
{
    velqa::registerEmbeddedResources();
    auto& cache = velqa::editor::CBitmapCache::shared();
    VSTGUI::CBitmap* missing = cache.get(velqa::editor::kBmpSpareBack);
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(missing->getWidth(), 0);
    EXPECT_EQ(missing->getHeight(), 0);
    cache.addDoubleSizes();

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    {
        VSTGUI::CDrawContext context(surface, 2.0);
        context.drawBitmap(missing, VSTGUI::CRect(0, 0, 8, 8));
    }
    cairo_surface_flush(surface);
    const auto* pixels = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface));
    for (int i = 0; i < 64; ++i) EXPECT_EQ(pixels[i], 0u);
    cairo_surface_destroy(surface);
}
