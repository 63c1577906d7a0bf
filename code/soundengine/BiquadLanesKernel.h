#pragma once

// The lane kernels' code, compiled once per instruction set: each translation unit that includes
// this file supplies its own vector traits, and everything here has internal linkage so that code
// built for AVX can never stand in for the baseline build of the same function.

#include "code/soundengine/LaneJob.h"

#include <algorithm>
#include <immintrin.h>
#include <type_traits>

namespace
{

// Scalar filters flush values whose exponent bits are zero; "not less than the smallest normal"
// keeps NaN, which the non-finite check then turns into a reset as the scalar code does.
inline __m128 flushFloats(__m128 f)
{
    const __m128 magnitude = _mm_and_ps(f, _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF)));
    return _mm_and_ps(f, _mm_cmpnlt_ps(magnitude, _mm_set1_ps(1.17549435e-38f)));
}

inline int nonFiniteLanes(__m128 f, int laneBits)
{
    const __m128 magnitude = _mm_and_ps(f, _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF)));
    return _mm_movemask_ps(_mm_cmpnle_ps(magnitude, _mm_set1_ps(3.40282347e+38f))) & laneBits;
}

// One stage of one lane group for one frame: returns the stage's output and updates its state.
template <class V, bool Rounded> inline typename V::D runStage(typename V::D* q, typename V::D x)
{
    using D = typename V::D;
    constexpr int laneBits = (1 << V::kWidth) - 1;
    D y = V::mul(q[0], x);
    y = V::add(y, V::mul(q[1], q[5]));
    y = V::add(y, V::mul(q[2], q[6]));
    y = V::sub(y, V::mul(q[3], q[7]));
    y = V::sub(y, V::mul(q[4], q[8]));
    const __m128 single = V::toFloats(y);
    const int bad = nonFiniteLanes(single, laneBits);
    D out = V::fromFloats(flushFloats(single));
    q[6] = q[5];
    q[5] = x;
    q[8] = q[7];
    q[7] =
        Rounded ? out : V::andMask(y, V::notLess(V::abs(y), V::broadcast(2.2250738585072014e-308)));
    if (bad)
    {
        // That stage starts again from silence in the lanes that broke.
        const D keep = V::keepMask(bad ^ laneBits);
        for (int v = 5; v < LaneJob::kValuesPerStage; ++v) q[v] = V::andMask(q[v], keep);
        out = V::andMask(out, keep);
    }
    return out;
}

// The cascade is skewed: at step t stage s works on frame t - 2s, taking what stage s - 1 produced
// two steps earlier. The stages of one step are then independent of each other, and the path from
// one stage to the next has two steps to complete, so the processor overlaps the whole cascade
// instead of waiting for each frame to pass it. The stage count is a compile-time constant so that
// every stage has its own instructions: the processor predicts memory dependences per
// instruction, and a loop over stages would look to it like one long chain.
template <class V, int Groups, int Stages, bool Rounded> void runStages(LaneJob& job)
{
    constexpr int kSkew = 2;
    using D = typename V::D;
    constexpr int W = V::kWidth;
    const int frames = job.frames;

    // Coefficients b0 b1 b2 a1 a2, then state x1 x2 y1 y2, per group and stage.
    D k[Groups][Stages][LaneJob::kValuesPerStage];
    for (int g = 0; g < Groups; ++g)
        for (int s = 0; s < Stages; ++s)
            for (int v = 0; v < LaneJob::kValuesPerStage; ++v)
                k[g][s][v] = V::load(job.values(g * W, s, v));
    // Each stage's output of the previous two steps, by parity of the step.
    D carry[2][Groups][Stages];

    const auto step = [&](int t, auto edge)
    {
        constexpr bool checked = decltype(edge)::value;
#pragma GCC unroll 2
        for (int g = 0; g < Groups; ++g)
        {
#pragma GCC unroll 8
            for (int s = Stages - 1; s >= 0; --s)
            {
                const int frame = t - kSkew * s;
                if (checked && (frame < 0 || frame >= frames)) continue;
                float* at = job.samples + frame * job.stride + g * W;
                D(&c)[Groups][Stages] = carry[t & 1];
                const D x =
                    s > 0 ? c[g][s > 0 ? s - 1 : 0] : V::fromFloats(flushFloats(V::loadFloats(at)));
                c[g][s] = runStage<V, Rounded>(k[g][s], x);
                if (s == Stages - 1) V::storeFloats(at, V::toFloats(c[g][s]));
            }
        }
    };
    // Stage s has a frame at step t when 0 <= t - 2s < frames; only the first and the last
    // 2 (Stages - 1) steps leave some stages idle.
    const int steps = frames + kSkew * (Stages - 1);
    const int fullFrom = std::min(kSkew * (Stages - 1), steps);
    const int fullTo = std::max(fullFrom, frames);
    for (int t = 0; t < fullFrom; ++t) step(t, std::true_type{});
    for (int t = fullFrom; t < fullTo; ++t) step(t, std::false_type{});
    for (int t = fullTo; t < steps; ++t) step(t, std::true_type{});

    for (int g = 0; g < Groups; ++g)
        for (int s = 0; s < Stages; ++s)
            for (int v = 5; v < LaneJob::kValuesPerStage; ++v)
                V::store(job.values(g * W, s, v), k[g][s][v]);
}

template <class V, int Groups, bool Rounded> void runLaneJob(LaneJob& job)
{
    if (job.frames <= 0) return;
    switch (job.stages)
    {
    case 1:
        return runStages<V, Groups, 1, Rounded>(job);
    case 2:
        return runStages<V, Groups, 2, Rounded>(job);
    case 3:
        return runStages<V, Groups, 3, Rounded>(job);
    case 4:
        return runStages<V, Groups, 4, Rounded>(job);
    case 5:
        return runStages<V, Groups, 5, Rounded>(job);
    case 6:
        return runStages<V, Groups, 6, Rounded>(job);
    case 7:
        return runStages<V, Groups, 7, Rounded>(job);
    case 8:
        return runStages<V, Groups, 8, Rounded>(job);
    default:
        return;
    }
}

template <class V, int Groups> void runLaneJob(LaneJob& job)
{
    static_assert(LaneJob::kMaxStages == 8);
    if (job.roundedState)
        runLaneJob<V, Groups, true>(job);
    else
        runLaneJob<V, Groups, false>(job);
}

} // namespace
