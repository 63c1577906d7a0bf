#include "Recipes.h"
#include "Theme.h"

#include <cmath>

namespace velqa::artwork
{

namespace
{

using namespace theme;

void dialogPanel(cairo_t* cr, double w, double h, const char* title, double titleY)
{
    fillRounded(cr, 0, 0, w, h, 8, rgb(8, 9, 11));
    roundedRect(cr, 1, 1, w - 2, h - 2, 7);
    verticalGradient(cr, 0, h, rgb(46, 50, 57), rgb(28, 31, 35));
    cairo_fill(cr);
    addGrain(cairo_get_target(cr), 2, 5);
    strokeRounded(cr, 1, 1, w - 2, h - 2, 7, rgb(255, 255, 255, 0.1));
    if (title)
    {
        fillRounded(cr, 22, titleY - 6, 3, 12, 1.5, kAccent);
        useFont(cr, Face::Display, 19);
        textLeft(cr, title, 31, titleY, kText, 2.0);
    }
}

void fieldWell(cairo_t* cr, double x, double y, double w, double h)
{
    insetWell(cr, x, y, w, h, 3, rgb(12, 14, 16));
}

void dropdownWell(cairo_t* cr, double x, double y, double w, double h)
{
    fieldWell(cr, x, y, w, h);
    const double ax = x + w - 8, ay = y + h / 2;
    cairo_move_to(cr, ax - 3.5, ay - 1.5);
    cairo_line_to(cr, ax + 3.5, ay - 1.5);
    cairo_line_to(cr, ax, ay + 2.5);
    cairo_close_path(cr);
    setColour(cr, kTextDim);
    cairo_fill(cr);
}

void fieldCaption(cairo_t* cr, const char* text, double x, double cy)
{
    useFont(cr, Face::Display, 12.5);
    textLeft(cr, text, x, cy, kTextDim, 1.2);
}

// Browser geometry: sort header at 42, 48 with column boundaries 263 and 470 pixels into it;
// list area 42, 78, 650 x 300; scroll bar at x 707 with 307 pixels of travel from y 76.
void browser(cairo_t* cr, int, double w, double h)
{
    dialogPanel(cr, w, h, "PRESET BROWSER", 28);
    insetWell(cr, 42, 48, 672, 22, 3, rgb(20, 22, 26));
    useFont(cr, Face::Display, 12.5);
    textLeft(cr, "NAME", 50, 59, kTextDim, 1.2);
    textLeft(cr, "AUTHOR", 42 + 263 + 8, 59, kTextDim, 1.2);
    textLeft(cr, "CATEGORY", 42 + 470 + 8, 59, kTextDim, 1.2);
    line(cr, 42 + 263 + 0.5, 51, 42 + 263 + 0.5, 67, rgb(0, 0, 0, 0.7));
    line(cr, 42 + 470 + 0.5, 51, 42 + 470 + 0.5, 67, rgb(0, 0, 0, 0.7));
    insetWell(cr, 40, 76, 654, 304, 3, rgb(14, 16, 19));
    line(cr, 42 + 263 + 0.5, 80, 42 + 263 + 0.5, 376, rgb(255, 255, 255, 0.04));
    line(cr, 42 + 470 + 0.5, 80, 42 + 470 + 0.5, 376, rgb(255, 255, 255, 0.04));
    insetWell(cr, 709, 76, 5, 323, 2.5, rgb(8, 9, 11));
    useFont(cr, Face::Sans, 11);
    textLeft(cr, "Factory and user presets. Click a row to load it; click a column title to sort.",
             42, 408, kTextFaint);
}

// Sort header strips: image c (0 name, 1 author, 2 category) is lit in frame c and plain in the
// other two, so a three-state header shows the sorted column whichever image it draws.
FrameDraw sortHeader(const char* title, int column)
{
    return [title, column](cairo_t* cr, int frame, double w, double h)
    {
        const bool lit = frame == column;
        roundedRect(cr, 0.5, 0.5, w - 1, h - 1, 3);
        if (lit)
            verticalGradient(cr, 0, h, rgb(70, 62, 48), rgb(48, 44, 38));
        else
            verticalGradient(cr, 0, h, rgb(34, 37, 42), rgb(26, 28, 32));
        cairo_fill(cr);
        useFont(cr, Face::Display, 12.5);
        textLeft(cr, title, 8, h / 2, lit ? kAccent : kTextDim, 1.2);
        if (lit)
        {
            line(cr, 3, h - 1.5, w - 3, h - 1.5, kAccent, 1.5);
            const double ax = w - 12, ay = h / 2;
            cairo_move_to(cr, ax - 4, ay - 2);
            cairo_line_to(cr, ax + 4, ay - 2);
            cairo_line_to(cr, ax, ay + 3);
            cairo_close_path(cr);
            setColour(cr, kAccent);
            cairo_fill(cr);
        }
    };
}

// Save dialog: message line at 36, 10; fields name 46, 83 (248 wide), author 309, 83 and
// category 516, 83 (194 wide), 22 high; the save button sits at 662, 120.
void saveDialog(cairo_t* cr, int, double w, double h)
{
    dialogPanel(cr, w, h, "SAVE USER PRESET", 50);
    fieldCaption(cr, "PRESET NAME", 46, 73);
    fieldCaption(cr, "AUTHOR", 309, 73);
    fieldCaption(cr, "CATEGORY", 516, 73);
    fieldWell(cr, 44, 81, 252, 26);
    fieldWell(cr, 307, 81, 198, 26);
    fieldWell(cr, 514, 81, 198, 26);
    useFont(cr, Face::Sans, 11);
    textLeft(cr, "User presets are kept in Documents/Kestrune/Velqa.", 46, 135, kTextFaint);
}

// Settings panel rows follow the switches and lists placed on it.
void settingsPanel(cairo_t* cr, int, double w, double h)
{
    dialogPanel(cr, w, h, nullptr, 0);
    fieldCaption(cr, "OVERSAMPLING", 20, 27);
    fieldCaption(cr, "SPECTRUM", 20, 70);
    fieldCaption(cr, "ANALYSER TILT", 20, 97);
    fieldCaption(cr, "ZOOM", 20, 142);
    fieldCaption(cr, "MOUSE-OVER HELP", 20, 186);
    fieldWell(cr, 153, 18, 34, 18);
    fieldWell(cr, 153, 61, 34, 18);
    fieldWell(cr, 153, 177, 34, 18);
    dropdownWell(cr, 196, 18, 60, 18);
    dropdownWell(cr, 202, 61, 84, 18);
    dropdownWell(cr, 155, 88, 90, 18);
    dropdownWell(cr, 156, 133, 90, 18);
    for (double y : {50.5, 121.5, 166.5}) line(cr, 14, y, w - 14, y, rgb(0, 0, 0, 0.35));
}

} // namespace

void addDialogRecipes(RecipeBook& book)
{
    book["browseback.png"] = browser;
    book["sortselNam.png"] = sortHeader("NAME", 0);
    book["sortselAut.png"] = sortHeader("AUTHOR", 1);
    book["sortselCat.png"] = sortHeader("CATEGORY", 2);
    book["saveback.png"] = saveDialog;
    book["settings.png"] = settingsPanel;
}

} // namespace velqa::artwork
