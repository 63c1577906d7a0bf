// Draws every bitmap of the editor at 1x and 2x into one folder and lists them in a manifest
// ("name<TAB>path" per line) for the embedder. With --sheet it also writes the contact sheet and
// the composed main page for judging the look; --sheet-only writes just those two from the
// images already in the folder.

#include "ArtworkTable.h"
#include "Canvas.h"
#include "Recipes.h"
#include "Render.h"
#include "Sheet.h"

#include <cstdio>
#include <cstring>
#include <string>

using namespace velqa::artwork;

namespace
{

// Draws every image at 1x and 2x and lists them in the manifest; returns the number of failures.
int drawAll(const std::string& out)
{
    RecipeBook book;
    addKnobRecipes(book);
    addButtonRecipes(book);
    addHandleRecipes(book);
    addMeterRecipes(book);
    addPageRecipes(book);
    addDialogRecipes(book);

    const std::string manifestPath = out + "/manifest.txt";
    FILE* manifest = std::fopen(manifestPath.c_str(), "w");
    if (!manifest)
    {
        std::fprintf(stderr, "cannot write %s\n", manifestPath.c_str());
        return 1;
    }
    int failures = 0;
    for (const ArtworkEntry& entry : kArtwork)
    {
        const auto recipe = book.find(entry.name);
        if (recipe == book.end())
        {
            std::fprintf(stderr, "no drawing for %s\n", entry.name);
            ++failures;
            continue;
        }
        for (int scale : {1, 2})
        {
            const std::string name = scaledName(entry.name, scale);
            const std::string path = out + "/" + name;
            cairo_surface_t* surface = renderImage(entry, scale, recipe->second);
            if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
            {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                ++failures;
            }
            cairo_surface_destroy(surface);
            std::fprintf(manifest, "%s\t%s\n", name.c_str(), path.c_str());
        }
    }
    std::fclose(manifest);

    return failures;
}

} // namespace

int main(int argc, char** argv)
{
    std::string out, sans, sansBold, display;
    bool sheet = false, sheetOnly = false;
    for (int i = 1; i < argc; ++i)
    {
        auto next = [&](std::string& dst)
        {
            if (i + 1 < argc) dst = argv[++i];
        };
        if (!std::strcmp(argv[i], "--out"))
            next(out);
        else if (!std::strcmp(argv[i], "--sans"))
            next(sans);
        else if (!std::strcmp(argv[i], "--sans-bold"))
            next(sansBold);
        else if (!std::strcmp(argv[i], "--display"))
            next(display);
        else if (!std::strcmp(argv[i], "--sheet"))
            sheet = true;
        else if (!std::strcmp(argv[i], "--sheet-only"))
            sheet = sheetOnly = true;
    }
    if (out.empty() || sans.empty() || sansBold.empty() || display.empty())
    {
        std::fprintf(stderr,
                     "usage: %s --out DIR --sans TTF --sans-bold TTF --display OTF "
                     "[--sheet | --sheet-only]\n",
                     argv[0]);
        return 2;
    }
    if (!loadFaces(sans, sansBold, display))
    {
        std::fprintf(stderr, "cannot load the font files\n");
        return 1;
    }

    int failures = 0;
    if (!sheetOnly) failures = drawAll(out);
    if (sheet && failures == 0)
    {
        if (!writeContactSheet(out, out + "/contact-sheet.png")) ++failures;
        if (!writeMainPage(out, out + "/main-page.png")) ++failures;
    }
    releaseFaces();
    return failures == 0 ? 0 : 1;
}
