#include "PlugHarness.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace
{
std::atomic<long> allocations{0};
} // namespace

// Every allocation of this test program is counted, so the audio path's can be seen.
// GCC takes the free in the replaced operator delete for a mismatch with operator new; they are
// the pair defined here.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

using namespace velqa;

TEST(RealTime, ProcessingAndOversamplingSwitchesDoNotAllocate)
{
    Harness h;
    h.set(kSatOnAbove, 1.0f);
    h.set(eqIndex(kSectionBelow, 1, kBandGain), 0.7f);
    h.set(kMix, 0.5f);
    h.set(kLookaheadOn, 1.0f);
    std::vector<float> in(Harness::kBlock, 0.25f);
    std::vector<std::vector<float>> out(CPlug::kNumOutputs, std::vector<float>(Harness::kBlock));
    float* inputs[] = {in.data(), in.data()};
    float* outputs[CPlug::kNumOutputs];
    for (int c = 0; c < CPlug::kNumOutputs; ++c) outputs[c] = out[static_cast<size_t>(c)].data();

    const long before = allocations.load();
    for (int block = 0; block < 64; ++block)
    {
        // Parameter changes are the host's business; the switch itself happens inside the block.
        if (block % 8 == 4)
        {
            const long paused = allocations.load();
            h.set(kOversamplingFactor, static_cast<float>(block / 8 % 4) / 128.0f);
            h.set(kOversamplingOn, block % 24 == 20 ? 0.0f : 1.0f);
            allocations.store(paused);
        }
        h.plug.processReplacing(inputs, outputs, Harness::kBlock);
    }
    EXPECT_EQ(allocations.load() - before, 0);
}
