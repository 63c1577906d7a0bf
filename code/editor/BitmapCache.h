#pragma once
// The editor's bitmaps, decoded once per process and shared by every editor: decoding the artwork
// takes far longer than building a window from it. The 1x images are decoded on a worker thread
// as soon as the first editor object exists; the 2x images when a window first draws above 1x.

#include "code/editor/BitmapTable.h"

#include <array>
#include <mutex>
#include <thread>

namespace VSTGUI
{
class CBitmap;
}

namespace velqa::editor
{

class CBitmapCache
{
public:
    static CBitmapCache& shared();
    ~CBitmapCache();

    // Starts decoding in the background; later calls do nothing.
    void prefetch();
    // The bitmap of a table number (empty when its resource is missing), null for a number
    // without a name. Waits for the worker if it is still decoding. User-interface thread.
    VSTGUI::CBitmap* get(int32_t number);
    // Attaches the 2x images to every bitmap, once. User-interface thread.
    void addDoubleSizes();
    bool hasDoubleSizes() const { return doubleSizes; }

private:
    CBitmapCache() = default;
    void decodeAll();
    void waitForDecoding();

    std::mutex mutex;
    std::thread worker;
    bool started = false;
    bool decoded = false;
    bool doubleSizes = false;
    std::array<VSTGUI::CBitmap*, kBitmapCount> bitmaps{};
};

} // namespace velqa::editor
