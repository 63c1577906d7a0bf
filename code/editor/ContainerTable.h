#pragma once
// The editor's page containers by id, as the layout table places its controls in them.

#include <array>
#include <cstdint>

namespace velqa::editor
{

constexpr int32_t kContainerCount = 22;
constexpr int32_t kFrameParent = -1;
constexpr int32_t kBandPanelCount = 10;

enum ContainerId : int32_t
{
    kMainPage = 2,
    kHeader = 3,
    kBandPanelAbove1 = 7, // Above bands 1..5 at 7..11, Below bands 1..5 at 12..16
    kBandPanelBelow1 = 12,
    kBrowser = 17,
    kBrowserList = 18,
    kSaveDialog = 19,
    kSettings = 20,
};

struct ContainerEntry
{
    bool used;
    int32_t parent; // container id, or kFrameParent
    int32_t x, y;
    int32_t width, height; // -1: the background bitmap's size
    int32_t bitmap;        // kNoBitmap: transparent
    bool startsHidden;
};

extern const std::array<ContainerEntry, kContainerCount> kContainerTable;

} // namespace velqa::editor
