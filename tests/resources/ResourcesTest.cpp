#include "platform/Resources.h"
#include "DecodedImage.h"
#include "resources/EmbeddedResources.h"
#include "resources/generator/ArtworkTable.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

namespace
{

// A wrong size in the generator's table shows as a control away from its rectangle in the
// editor layout test; here every image must match the table it was made from.
using velqa::artwork::kArtwork;
using Expected = velqa::artwork::ArtworkEntry;

// The table gives these strips a height that the frame count does not divide.
bool oddStrip(const std::string& name)
{
    return name == "x.png" || name == "preset_save.png" || name.rfind("sortsel", 0) == 0;
}

std::string twoX(const std::string& name)
{
    return name.substr(0, name.size() - 4) + "_2x.png";
}

// A 2x image that was only pixel-doubled from the 1x one has every 2 x 2 block uniform.
bool hasOwnDetail(cairo_surface_t* s)
{
    cairo_surface_flush(s);
    const unsigned char* d = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    for (int y = 0; y + 1 < h; y += 2)
    {
        const auto* top = reinterpret_cast<const std::uint32_t*>(d + y * stride);
        const auto* bottom = reinterpret_cast<const std::uint32_t*>(d + (y + 1) * stride);
        for (int x = 0; x + 1 < w; x += 2)
            if (top[x] != top[x + 1] || top[x] != bottom[x] || top[x] != bottom[x + 1]) return true;
    }
    return false;
}

bool framesEqual(cairo_surface_t* s, int rowA, int rowB, int rows)
{
    cairo_surface_flush(s);
    const unsigned char* d = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    const int bytes = cairo_image_surface_get_width(s) * 4;
    for (int y = 0; y < rows; ++y)
        if (std::memcmp(d + (rowA + y) * stride, d + (rowB + y) * stride, bytes) != 0) return false;
    return true;
}

class Resources : public ::testing::Test
{
protected:
    void SetUp() override { velqa::registerEmbeddedResources(); }
};

TEST_F(Resources, EveryBitmapDecodesAtTableSizeAndTwiceThatAt2x)
{
    for (const Expected& e : kArtwork)
    {
        SCOPED_TRACE(e.name);
        const velqa::test::DecodedImage one(e.name), two(twoX(e.name));
        ASSERT_TRUE(one.ok());
        ASSERT_TRUE(two.ok());
        EXPECT_EQ(one.width(), e.width);
        EXPECT_EQ(one.height(), e.height);
        EXPECT_EQ(two.width(), 2 * e.width);
        EXPECT_EQ(two.height(), 2 * e.height);
        EXPECT_TRUE(hasOwnDetail(two.get()));
        if (!oddStrip(e.name))
            EXPECT_EQ(e.height % e.frames, 0);
        else
            EXPECT_GE(e.height / e.frames * e.frames, e.height - e.frames + 1);
    }
}

// Two alike frames would leave a control state invisible. The sort header images are the one
// exception: each is lit only in the frame of its own column.
TEST_F(Resources, EveryFrameOfAStripShowsADifferentState)
{
    for (const Expected& e : kArtwork)
    {
        if (e.frames < 2) continue;
        SCOPED_TRACE(e.name);
        const velqa::test::DecodedImage image(e.name);
        ASSERT_TRUE(image.ok());
        cairo_surface_t* s = image.get();
        const int fh = e.height / e.frames;
        const std::string name = e.name;
        const bool sortHeader = name.rfind("sortsel", 0) == 0;
        const int lit = name == "sortselNam.png" ? 0 : (name == "sortselAut.png" ? 1 : 2);
        for (int a = 0; a < e.frames; ++a)
            for (int b = a + 1; b < e.frames; ++b)
            {
                if (sortHeader && a != lit && b != lit) continue;
                EXPECT_FALSE(framesEqual(s, a * e.height / e.frames, b * e.height / e.frames, fh))
                    << "frames " << a << " and " << b;
            }
    }
}

TEST_F(Resources, FontsAreFoundByFaceNameAndLoad)
{
    FT_Library library;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    const struct
    {
        const char* name;
        const char* family;
    } faces[] = {{"Arial", "Liberation Sans"},
                 {"Arial Bold", "Liberation Sans"},
                 {"SkiCargo", "Bebas Neue"}};
    for (const auto& f : faces)
    {
        SCOPED_TRACE(f.name);
        const velqa::ResourceData found = velqa::findResource(f.name);
        ASSERT_FALSE(found.empty());
        FT_Face face = nullptr;
        ASSERT_EQ(
            FT_New_Memory_Face(library, found.data, static_cast<FT_Long>(found.size), 0, &face), 0);
        EXPECT_STREQ(face->family_name, f.family);
        EXPECT_EQ((face->style_flags & FT_STYLE_FLAG_BOLD) != 0,
                  std::string(f.name) == "Arial Bold");
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
}

TEST_F(Resources, UnknownNamesGiveEmptyResultsAndCaseIsIgnored)
{
    for (const char* name : {"back.png", "about.png", "", "pot", "pot.png.png", "nothing_2x.png"})
        EXPECT_TRUE(velqa::findResource(name).empty()) << name;
    EXPECT_TRUE(velqa::findResource(nullptr).empty());
    EXPECT_FALSE(velqa::findResource("POT.PNG").empty());

    velqa::setResourceTable(nullptr);
    EXPECT_TRUE(velqa::findResource("pot.png").empty());
}

TEST_F(Resources, FontLicencesLieInTheBundle)
{
    const std::filesystem::path dir = VELQA_BUNDLE_RESOURCES;
    for (const char* file : {"LICENSE-LiberationSans.txt", "LICENSE-BebasNeue.txt"})
    {
        SCOPED_TRACE(file);
        ASSERT_TRUE(std::filesystem::exists(dir / file));
        EXPECT_GT(std::filesystem::file_size(dir / file), 1000u);
    }
}

} // namespace
