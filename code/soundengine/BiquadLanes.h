#pragma once

#include "code/soundengine/Biquad.h"
#include "code/soundengine/OrvFilter.h"

// Runs several channels, each through its own cascade of biquad stages, side by side in the lanes
// of vector registers: up to four channels in AVX registers, else pairs in SSE2 registers. One
// filter's recursion is a chain of dependent operations; lanes and the stages of a cascade give
// the processor independent chains to overlap. The results equal the scalar filters' bit for bit
// (same operations in the same order, no fused multiply-add), including the denormal flush and the
// reset of a stage whose output turns non-finite. The state is read from the filter objects at the
// start and written back at the end, so scalar and lane processing can alternate.
class CBiquadLanes
{
public:
    static constexpr int kMaxLanes = 4;
    static constexpr int kMaxStages = 8;

    // Forgets the lanes of the previous run.
    void clear() { laneCount = 0; }
    // A channel processed in place through the stages in order; false when there is no room, the
    // stage list is too long or the filter kind differs from the lanes already added. A lane
    // without stages is accepted and left alone.
    bool add(float* samples, CBiquad* const* stages, int count);
    bool add(float* samples, COrvFilter* const* stages, int count);
    int lanes() const { return laneCount; }

    void process(int frames);

private:
    struct Stage
    {
        double* b0;
        double* b1;
        double* b2;
        double* a1;
        double* a2;
        double* x1;
        double* x2;
        double* y1;
        double* y2;
    };
    struct Lane
    {
        float* samples = nullptr;
        Stage stages[kMaxStages] = {};
        int count = 0;
    };

    template <class Filter> bool addLane(float* samples, Filter* const* stages, int count);
    // One or two short cascades: their stages, rather than the channels, share a register.
    void processStageLanes(const Lane* const* active, int count, int frames);

    Lane lanesData[kMaxLanes];
    int laneCount = 0;
    // COrvFilter keeps its single-precision output as state, CBiquad the double result.
    bool roundedState = false;
};
