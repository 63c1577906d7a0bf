#include "ControlTable.h"

namespace velqa::test
{
namespace
{

struct Origin
{
    double x, y;
};
// Container positions in the window; the band panels sit on the main page at (175, 310).
constexpr Origin kMain{0, 30}, kHeader{0, 0}, kBand{175, 340}, kBrowser{55, 40},
    kBrowserList{97, 118}, kSaveDialog{61, 32}, kSettings{558, 34};

// Strip sizes: a frame is the strip's height over its frames.
constexpr double kKnob = 60;                   // "pot.png" 60 x 7740 / 129
constexpr double kButtonW = 47, kButtonH = 21; // "SOLO.png" and friends 47 x 84 / 4
constexpr double kSwitch = 12;                 // "ACTIVE.png" 12 x 48 / 4
constexpr double kClose = 41.0 / 2;            // "x.png" 20 x 41 / 2

const char* const kSection[] = {"Above", "Below"};

std::vector<ExpectedControl> build()
{
    std::vector<ExpectedControl> t;
    auto add = [&t](int tag, Origin o, double x, double y, double w, double h,
                    std::string parameter = {}, int band = -1) {
        t.push_back({tag, o.x + x, o.y + y, w, h, std::move(parameter), band});
    };
    auto n = [](int i) { return std::to_string(i); };

    add(14, kMain, 25, 678, 600, 16);
    add(16, kMain, 32, 49, 478, 248);
    add(17, kMain, 32, 400, 478, 248);
    add(18, kMain, 811, 16, 34, 34, "Bypass");
    add(19, kMain, 556, 16, 91, 37);
    add(20, kHeader, 0, 0, 62, 30);
    add(21, kHeader, 62, 0, 62, 30);
    add(22, kHeader, 547, 0, 62, 30);
    add(23, kHeader, 121, 0, 356, 30);
    add(24, kHeader, 608, 0, 62, 30);
    add(25, kHeader, 513, 0, 25, 30);
    add(26, kHeader, 488, 0, 25, 30);
    add(27, kHeader, 132, 0, 260, 30);
    add(28, kHeader, 839, 0, 36, 30, "Bypass");
    for (int j = 0; j < 5; ++j) add(29 + j, kMain, 34 + 28 * j, 342, 14, 16, "Link" + n(j + 1));

    // Band panels: index s * 5 + j for section s, band j.
    for (int s = 0; s < 2; ++s)
        for (int j = 0; j < 5; ++j)
        {
            const int b = s * 5 + j;
            const std::string band = std::string("EQ") + kSection[s] + n(j + 1);
            add(34 + b, kBand, 240, 19, kButtonW, kButtonH,
                std::string("EqSolo") + kSection[s] + n(j + 1), b);
            add(44 + b, kBand, 290, 19, kButtonW, kButtonH,
                std::string("EqMute") + kSection[s] + n(j + 1), b);
            add(56 + b, kBand, 240, 42, kButtonW, kButtonH, "Link" + n(j + 1), b);
            add(66 + b, kBand, 53, 0, kKnob, kKnob, band + "Gain", b);
            add(76 + b, kBand, -4, 0, kKnob, kKnob, band + "Freq", b);
            add(86 + b, kBand, 110, 0, kKnob, kKnob, band + "Q", b);
            // Slider: the handle ("Filter_Type_Handle.png" 15 x 15) plus 36 pixels of travel.
            add(96 + b, kBand, 176, 17, 15, 15 + 36, band + "State", b);
        }
    // Only band panel A1 carries the link hover areas.
    add(54, kBand, 240, 42, 50, 22, {}, 0);
    add(55, kBand, 290, 42, 50, 22, {}, 0);

    add(106, kMain, 523, 24, kSwitch, kSwitch, "OnAbove");
    add(107, kMain, 523, 663, kSwitch, kSwitch, "OnBelow");
    add(108, kMain, 741, 476, kButtonW, kButtonH, "SoloBelow");
    add(109, kMain, 806, 476, kButtonW, kButtonH, "SoloAbove");
    add(110, kMain, 32, 48, 479, 251, "OnAbove");
    add(111, kMain, 32, 398, 479, 251, "OnBelow");
    add(112, kMain, 550, 614, kKnob, kKnob, "Lookahead");
    add(113, kMain, 549, 618, kSwitch, kSwitch, "LookaheadOn");
    add(114, kMain, 737, 614, kKnob, kKnob, "Mix");
    add(115, kMain, 795, 614, kKnob, kKnob, "OutVol");
    // The selector spans its ten digits ("1.png" 20 x 240 / 12 each), five 28 pixels apart in
    // two rows 38 apart, where the hover areas 117..126 lie.
    add(116, kMain, 31, 322, 4 * 28 + 20, 38 + 20, "SelectedEq");
    for (int j = 0; j < 5; ++j)
    {
        add(117 + j, kMain, 31 + 28 * j, 360, 22, 22);
        add(122 + j, kMain, 31 + 28 * j, 322, 22, 22);
    }
    const char* const sectionKnobs[] = {"Sat", "Col", "Mix", "Width", "Pan"};
    const double sectionKnobX[] = {550, 621, 679, 737, 795};
    for (int k = 0; k < 5; ++k)
    {
        add(127 + k, kMain, sectionKnobX[k], 90, kKnob, kKnob,
            std::string(sectionKnobs[k]) + "Above");
        add(132 + k, kMain, sectionKnobX[k], 528, kKnob, kKnob,
            std::string(sectionKnobs[k]) + "Below");
    }
    // "Saturation_Type_Handle.png" 11 x 12 plus 30 pixels of travel.
    add(137, kMain, 610, 98, 11, 12 + 30, "TypeAbove");
    add(138, kMain, 610, 536, 11, 12 + 30, "TypeBelow");
    add(139, kMain, 549, 95, kSwitch, kSwitch, "SatOnAbove");
    add(140, kMain, 549, 532, kSwitch, kSwitch, "SatOnBelow");
    add(141, kMain, 736, 95, kSwitch, kSwitch, "WidthAboveOn");
    add(142, kMain, 736, 532, kSwitch, kSwitch, "WidthBelowOn");
    add(143, kMain, 796, 95, kSwitch, kSwitch, "PanAboveOn");
    add(144, kMain, 796, 532, kSwitch, kSwitch, "PanBelowOn");
    add(145, kMain, 737, 213, kKnob, kKnob, "Ratio");
    add(146, kMain, 795, 213, kKnob, kKnob, "Balance");
    add(147, kMain, 737, 295, kKnob, kKnob, "Attack");
    add(148, kMain, 795, 295, kKnob, kKnob, "Release");
    add(149, kMain, 737, 377, kKnob, kKnob, "LowCut");
    add(150, kMain, 795, 377, kKnob, kKnob, "HighCut");
    add(151, kMain, 783, 436, 26, 104.0 / 4);
    add(152, kMain, 636, 193, 18, 34 + 280, "Dyna"); // "Fader2.png" 18 x 34, 280 of travel
    add(153, kMain, 621, 614, kKnob, kKnob, "SidechainBalance");
    add(154, kMain, 621, 619, kSwitch, kSwitch, "SidechainOn");
    add(155, kMain, 610, 610, 125, 90);
    add(156, kMain, 0, 0, 875, 700, "Bypass");
    const double meterX[] = {598, 606, 621, 656, 675, 682};
    const double meterW[] = {8, 8, 11, 11, 7, 8};
    for (int m = 0; m < 6; ++m) add(157 + m, kMain, meterX[m], 210, meterW[m], 280);
    add(163, kMain, 521, 46, 16, 258);
    add(164, kMain, 521, 396, 16, 258);

    add(165, kSaveDialog, 46, 83, 248, 22);
    add(166, kSaveDialog, 309, 83, 194, 22);
    add(167, kSaveDialog, 516, 83, 194, 22);
    add(168, kSaveDialog, 36, 10, 686, 20);
    add(169, kSaveDialog, 662, 120, 62, 61.0 / 2);
    add(170, kSaveDialog, 722, 8, 20, kClose);
    add(171, kBrowser, 0, 0, 753, 440);
    add(172, kBrowser, 42, 48, 470 + 202, 67.0 / 3); // three strips, the last at 470
    add(174, kBrowser, 720, 10, 20, kClose);
    add(175, kBrowserList, 0, 0, 650, 300);   // the whole list area
    add(176, kBrowser, 707, 76, 9, 16 + 307); // "scrlf.png" 9 x 16, 307 of travel
    add(177, kHeader, 800, 0, 36, 30);

    add(178, kSettings, 0, 0, 190, 220);
    add(179, kSettings, 156, 20, 28, 14);
    add(180, kSettings, 156, 63, 28, 14, "#113");
    add(181, kSettings, 156, 179, 28, 14);
    add(182, kSettings, 156, 133, 90, 18);
    add(183, kSettings, 155, 88, 90, 18);
    // Both lists are moved from the table's 218, 18 and 90 wide: clear of the close button and
    // inside the 290-pixel panel.
    add(184, kSettings, 196, 18, 60, 18);
    add(185, kSettings, 202, 61, 84, 18);
    add(186, kSettings, 265, 10, 20, kClose);
    add(187, kSettings, 20, 149, 150, 14);
    add(188, kSettings, 10, 8, 110, 149);
    add(189, kSettings, 14, 15, 110, 30);
    return t;
}

} // namespace

const std::vector<ExpectedControl>& expectedControls()
{
    static const std::vector<ExpectedControl> table = build();
    return table;
}

} // namespace velqa::test
