#include "code/editor/BitmapCache.h"

#include "vstgui/lib/cbitmap.h"

#include <cstring>
#include <string>

namespace velqa::editor
{

namespace
{

std::string doubleSizeName(const char* name)
{
    std::string text = name;
    const auto dot = text.rfind(".png");
    return dot == std::string::npos ? text : text.substr(0, dot) + "_2x.png";
}

} // namespace

CBitmapCache& CBitmapCache::shared()
{
    static CBitmapCache cache;
    return cache;
}

CBitmapCache::~CBitmapCache()
{
    waitForDecoding();
    for (VSTGUI::CBitmap* bitmap : bitmaps)
        if (bitmap) bitmap->forget();
}

void CBitmapCache::prefetch()
{
    std::lock_guard<std::mutex> guard(mutex);
    if (started) return;
    started = true;
    worker = std::thread([this] { decodeAll(); });
}

// Runs on the worker, or on the caller when nothing was prefetched; nothing else touches the
// bitmaps until it is joined.
void CBitmapCache::decodeAll()
{
    for (int32_t i = 0; i < kBitmapCount; ++i)
    {
        const char* name = kBitmapNames[static_cast<size_t>(i)];
        if (!name) continue;
        // Numbers sharing a name share the image.
        for (int32_t j = 0; j < i && !bitmaps[static_cast<size_t>(i)]; ++j)
            if (const char* other = kBitmapNames[static_cast<size_t>(j)];
                other && std::strcmp(other, name) == 0)
            {
                bitmaps[static_cast<size_t>(i)] = bitmaps[static_cast<size_t>(j)];
                bitmaps[static_cast<size_t>(i)]->remember();
            }
        if (!bitmaps[static_cast<size_t>(i)])
            bitmaps[static_cast<size_t>(i)] = new VSTGUI::CBitmap(name);
    }
}

void CBitmapCache::waitForDecoding()
{
    if (worker.joinable()) worker.join();
    if (!decoded && !started) decodeAll();
    decoded = true;
}

VSTGUI::CBitmap* CBitmapCache::get(int32_t number)
{
    std::lock_guard<std::mutex> guard(mutex);
    waitForDecoding();
    return number >= 0 && number < kBitmapCount ? bitmaps[static_cast<size_t>(number)] : nullptr;
}

void CBitmapCache::addDoubleSizes()
{
    std::lock_guard<std::mutex> guard(mutex);
    waitForDecoding();
    if (doubleSizes) return;
    doubleSizes = true;
    for (int32_t i = 0; i < kBitmapCount; ++i)
    {
        VSTGUI::CBitmap* bitmap = bitmaps[static_cast<size_t>(i)];
        const char* name = kBitmapNames[static_cast<size_t>(i)];
        // A shared image gets its 2x once; a refused or missing one keeps drawing at 1x.
        if (bitmap && bitmap->getNumRepresentations() == 1)
            bitmap->addBitmap(doubleSizeName(name).c_str(), 2.0);
    }
}

} // namespace velqa::editor
