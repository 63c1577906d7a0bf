#pragma once

// Where the editor places each bitmap control, in the editor's own coordinates (relative to its
// container), in the order the editor creates them. Captions on the pages are laid out from the
// same numbers so that they line up with the controls; the main page preview uses them too.

namespace velqa::artwork
{

enum class Container
{
    Header,    // at 0, 0 of the window
    Main,      // at 0, 30 of the window
    BandPanel, // at 175, 310 of the main page
};

struct Placement
{
    const char* bitmap;
    Container container;
    int x, y;
};

inline constexpr Placement kPlacements[] = {
    {"logo_bypass.png", Container::Main, 811, 16},
    {"LOGO_Button.png", Container::Main, 556, 16},
    {"Undo1.png", Container::Header, 0, 0},
    {"Redo1.png", Container::Header, 62, 0},
    {"Load.png", Container::Header, 547, 0},
    {"Save.png", Container::Header, 608, 0},
    {"next.png", Container::Header, 513, 0},
    {"prev.png", Container::Header, 488, 0},
    {"on_off.png", Container::Header, 839, 0},
    {"LinkView.png", Container::Main, 34, 342},
    {"LinkView.png", Container::Main, 62, 342},
    {"LinkView.png", Container::Main, 90, 342},
    {"LinkView.png", Container::Main, 118, 342},
    {"LinkView.png", Container::Main, 146, 342},
    {"SOLO.png", Container::BandPanel, 240, 19},
    {"BYPASS.png", Container::BandPanel, 290, 19},
    {"LINK.png", Container::BandPanel, 240, 42},
    {"pot.png", Container::BandPanel, 53, 0},
    {"pot.png", Container::BandPanel, -4, 0},
    {"pot.png", Container::BandPanel, 110, 0},
    {"Filter_Type_Handle.png", Container::BandPanel, 176, 17},
    {"ACTIVE.png", Container::Main, 523, 24},
    {"ACTIVE.png", Container::Main, 523, 663},
    {"BELOW.png", Container::Main, 741, 476},
    {"ABOVE.png", Container::Main, 806, 476},
    {"pot.png", Container::Main, 550, 614},
    {"ACTIVE.png", Container::Main, 549, 618},
    {"pot.png", Container::Main, 737, 614},
    {"pot.png", Container::Main, 795, 614},
    {"1.png", Container::Main, 31, 322},
    {"2.png", Container::Main, 59, 322},
    {"3.png", Container::Main, 87, 322},
    {"4.png", Container::Main, 115, 322},
    {"5.png", Container::Main, 143, 322},
    {"1.png", Container::Main, 31, 360},
    {"2.png", Container::Main, 59, 360},
    {"3.png", Container::Main, 87, 360},
    {"4.png", Container::Main, 115, 360},
    {"5.png", Container::Main, 143, 360},
    {"pot.png", Container::Main, 550, 90},
    {"pot.png", Container::Main, 621, 90},
    {"pot.png", Container::Main, 679, 90},
    {"pot.png", Container::Main, 737, 90},
    {"pot.png", Container::Main, 795, 90},
    {"pot.png", Container::Main, 550, 528},
    {"pot.png", Container::Main, 621, 528},
    {"pot.png", Container::Main, 679, 528},
    {"pot.png", Container::Main, 737, 528},
    {"pot.png", Container::Main, 795, 528},
    {"Saturation_Type_Handle.png", Container::Main, 610, 98},
    {"Saturation_Type_Handle.png", Container::Main, 610, 536},
    {"ACTIVE.png", Container::Main, 549, 95},
    {"ACTIVE.png", Container::Main, 549, 532},
    {"ACTIVE.png", Container::Main, 736, 95},
    {"ACTIVE.png", Container::Main, 736, 532},
    {"ACTIVE.png", Container::Main, 796, 95},
    {"ACTIVE.png", Container::Main, 796, 532},
    {"pot.png", Container::Main, 737, 213},
    {"pot.png", Container::Main, 795, 213},
    {"pot.png", Container::Main, 737, 295},
    {"pot.png", Container::Main, 795, 295},
    {"pot.png", Container::Main, 737, 377},
    {"pot.png", Container::Main, 795, 377},
    {"SC2.png", Container::Main, 783, 436},
    {"Fader2.png", Container::Main, 636, 193},
    {"pot.png", Container::Main, 621, 614},
    {"ACTIVE.png", Container::Main, 621, 619},
    {"ovr.png", Container::Main, 610, 610},
    {"VU_1.png", Container::Main, 598, 210},
    {"VU_2.png", Container::Main, 606, 210},
    {"VU_3.png", Container::Main, 621, 210},
    {"VU_4.png", Container::Main, 656, 210},
    {"VU_5.png", Container::Main, 675, 210},
    {"VU_6.png", Container::Main, 682, 210},
    {"Section_VU_Above.png", Container::Main, 521, 46},
    {"Section_VU_Below.png", Container::Main, 521, 396},
    {"opt.png", Container::Header, 800, 0},
};

// Page geometry the artwork is drawn around.
inline constexpr int kBandPanelX = 175, kBandPanelY = 310;
inline constexpr int kMainY = 30;
inline constexpr int kKnobSize = 60;

} // namespace velqa::artwork
