#pragma once

// Every bitmap the editor's controls and pages use, at 1x. The 2x image of each is exactly twice
// as large and carries the same name with "_2x" before ".png". Strips stack their frames
// vertically; where the height does not divide by the frame count, frame k starts at
// floor(k * height / frames) and the last rows are spare.

#include <cstddef>

namespace velqa::artwork
{

struct ArtworkEntry
{
    const char* name;
    int width;
    int height;
    int frames;
};

inline constexpr ArtworkEntry kArtwork[] = {
    {"back2.png", 875, 700, 1},
    {"head.png", 875, 30, 1},
    {"pot.png", 60, 7740, 129},
    {"SOLO.png", 47, 84, 4},
    {"BYPASS.png", 47, 84, 4},
    {"LINK.png", 47, 84, 4},
    {"ABOVE.png", 47, 84, 4},
    {"BELOW.png", 47, 84, 4},
    {"ACTIVE.png", 12, 48, 4},
    {"on_off.png", 36, 120, 4},
    {"logo_bypass.png", 34, 136, 4},
    {"LOGO_Button.png", 91, 148, 4},
    {"Undo1.png", 62, 90, 3},
    {"Redo1.png", 62, 90, 3},
    {"Load.png", 62, 60, 2},
    {"Save.png", 62, 60, 2},
    {"next.png", 25, 60, 2},
    {"prev.png", 25, 60, 2},
    {"opt.png", 36, 60, 2},
    {"x.png", 20, 41, 2},
    {"preset_save.png", 62, 61, 2},
    {"LinkView.png", 14, 32, 2},
    {"SC2.png", 26, 104, 4},
    {"1.png", 20, 240, 12},
    {"2.png", 20, 240, 12},
    {"3.png", 20, 240, 12},
    {"4.png", 20, 240, 12},
    {"5.png", 20, 240, 12},
    {"Filter_Type_Handle.png", 15, 15, 1},
    {"Saturation_Type_Handle.png", 11, 12, 1},
    {"Fader2.png", 18, 34, 1},
    {"scrlf.png", 9, 16, 1},
    {"eq_handle.png", 10, 10, 1},
    {"VU_1.png", 8, 280, 1},
    {"VU_2.png", 8, 280, 1},
    {"VU_3.png", 11, 280, 1},
    {"VU_4.png", 11, 280, 1},
    {"VU_5.png", 7, 280, 1},
    {"VU_6.png", 8, 280, 1},
    {"Section_VU_Above.png", 16, 258, 1},
    {"Section_VU_Below.png", 16, 258, 1},
    {"ovr.png", 125, 90, 1},
    {"bypfg.png", 875, 700, 1},
    {"browseback.png", 753, 440, 1},
    {"saveback.png", 752, 158, 1},
    {"settings.png", 290, 215, 1},
    {"sortselNam.png", 259, 67, 3},
    {"sortselAut.png", 203, 67, 3},
    {"sortselCat.png", 202, 67, 3},
    {"AboutVQ.png", 875, 700, 1},
};

inline constexpr std::size_t kArtworkCount = sizeof(kArtwork) / sizeof(kArtwork[0]);

// Face names the editor asks for, and what each one is in the bundle.
struct FontEntry
{
    const char* name;
    const char* file; // file name of the embedded face, for the licence notice
};

inline constexpr FontEntry kFonts[] = {
    {"Arial", "LiberationSans-Regular.ttf"},
    {"Arial Bold", "LiberationSans-Bold.ttf"},
    {"SkiCargo", "BebasNeue-Regular.otf"},
};

} // namespace velqa::artwork
