#include "code/editor/ContainerTable.h"

#include "code/editor/BitmapTable.h"

namespace velqa::editor
{

namespace
{

constexpr ContainerEntry unused{false, kFrameParent, 0, 0, 0, 0, kNoBitmap, true};
constexpr ContainerEntry spare(int32_t y, int32_t bitmap)
{
    return {true, kFrameParent, 0, y, -1, -1, bitmap, true};
}
constexpr ContainerEntry bandPanel{true, kMainPage, 175, 310, 340, 70, kNoBitmap, true};

} // namespace

// clang-format off
const std::array<ContainerEntry, kContainerCount> kContainerTable = {{
    spare(0, kBmpSpareBack),                                                //  0
    spare(0, kBmpSpareBack),                                                //  1
    {true, kFrameParent, 0, 30, 875, 700, kBmpMainPage, false},             //  2 main page
    {true, kFrameParent, 0, 0, 875, 30, kBmpHeader, false},                 //  3 header
    unused,                                                                 //  4
    unused,                                                                 //  5
    spare(0, kBmpSpareBack),                                                //  6
    bandPanel, bandPanel, bandPanel, bandPanel, bandPanel,                  //  7-11 A1..A5
    bandPanel, bandPanel, bandPanel, bandPanel, bandPanel,                  // 12-16 B1..B5
    {true, kFrameParent, 55, 40, 753, 440, kBmpBrowser, true},              // 17 browser
    {true, kBrowser, 42, 78, 650, 300, kNoBitmap, false},                   // 18 browser list
    {true, kFrameParent, 61, 32, 752, 158, kBmpSaveDialog, true},           // 19 save dialog
    {true, kFrameParent, 558, 34, 290, 215, kBmpSettings, true},            // 20 settings
    spare(30, kBmpSpareAbout),                                              // 21
}};
// clang-format on

} // namespace velqa::editor
