#include "code/soundengine/BiquadLanes.h"

#include "code/soundengine/LaneJob.h"

#include <algorithm>
#include <immintrin.h>
#include <type_traits>

namespace
{
// Frames interleaved per kernel call; small enough to stay in the first-level cache.
constexpr int kChunk = 256;

// Frame after frame, one sample of each of stride (2 or 4) channels.
void interleave(float* const* channels, int stride, float* out, int frames)
{
    int i = 0;
    if (stride == 4)
        for (; i + 4 <= frames; i += 4)
        {
            __m128 a = _mm_loadu_ps(channels[0] + i), b = _mm_loadu_ps(channels[1] + i);
            __m128 c = _mm_loadu_ps(channels[2] + i), d = _mm_loadu_ps(channels[3] + i);
            _MM_TRANSPOSE4_PS(a, b, c, d);
            _mm_store_ps(out + 4 * i, a);
            _mm_store_ps(out + 4 * i + 4, b);
            _mm_store_ps(out + 4 * i + 8, c);
            _mm_store_ps(out + 4 * i + 12, d);
        }
    else
        for (; i + 4 <= frames; i += 4)
        {
            const __m128 a = _mm_loadu_ps(channels[0] + i), b = _mm_loadu_ps(channels[1] + i);
            _mm_store_ps(out + 2 * i, _mm_unpacklo_ps(a, b));
            _mm_store_ps(out + 2 * i + 4, _mm_unpackhi_ps(a, b));
        }
    for (; i < frames; ++i)
        for (int l = 0; l < stride; ++l) out[i * stride + l] = channels[l][i];
}

void deinterleave(const float* in, int stride, float* const* channels, int frames)
{
    int i = 0;
    if (stride == 4)
        for (; i + 4 <= frames; i += 4)
        {
            __m128 a = _mm_load_ps(in + 4 * i), b = _mm_load_ps(in + 4 * i + 4);
            __m128 c = _mm_load_ps(in + 4 * i + 8), d = _mm_load_ps(in + 4 * i + 12);
            _MM_TRANSPOSE4_PS(a, b, c, d);
            _mm_storeu_ps(channels[0] + i, a);
            _mm_storeu_ps(channels[1] + i, b);
            _mm_storeu_ps(channels[2] + i, c);
            _mm_storeu_ps(channels[3] + i, d);
        }
    else
        for (; i + 4 <= frames; i += 4)
        {
            const __m128 lo = _mm_load_ps(in + 2 * i), hi = _mm_load_ps(in + 2 * i + 4);
            _mm_storeu_ps(channels[0] + i, _mm_shuffle_ps(lo, hi, _MM_SHUFFLE(2, 0, 2, 0)));
            _mm_storeu_ps(channels[1] + i, _mm_shuffle_ps(lo, hi, _MM_SHUFFLE(3, 1, 3, 1)));
        }
    for (; i < frames; ++i)
        for (int l = 0; l < stride; ++l) channels[l][i] = in[i * stride + l];
}

bool haveAvx()
{
    static const bool avx = __builtin_cpu_supports("avx");
    return avx;
}
} // namespace

template <class Filter> bool CBiquadLanes::addLane(float* samples, Filter* const* stages, int count)
{
    constexpr bool rounded = std::is_same_v<Filter, COrvFilter>;
    if (laneCount >= kMaxLanes || count < 0 || count > kMaxStages || !samples) return false;
    if (laneCount > 0 && rounded != roundedState) return false;
    roundedState = rounded;
    Lane& lane = lanesData[laneCount++];
    lane.samples = samples;
    lane.count = count;
    for (int s = 0; s < count; ++s)
    {
        Filter& f = *stages[s];
        lane.stages[s] = {&f.b0, &f.b1, &f.b2, &f.a1, &f.a2, &f.x1, &f.x2, &f.y1, &f.y2};
    }
    return true;
}

bool CBiquadLanes::add(float* samples, CBiquad* const* stages, int count)
{
    return addLane(samples, stages, count);
}

bool CBiquadLanes::add(float* samples, COrvFilter* const* stages, int count)
{
    return addLane(samples, stages, count);
}

void CBiquadLanes::process(int frames)
{
    const Lane* active[kMaxLanes];
    int activeCount = 0;
    int stages = 0;
    for (int l = 0; l < laneCount; ++l)
        if (lanesData[l].count > 0)
        {
            active[activeCount++] = &lanesData[l];
            stages = std::max(stages, lanesData[l].count);
        }
    if (activeCount == 0 || frames <= 0) return;
    if (activeCount <= StageLaneJob::kMaxChannels && stages <= StageLaneJob::kStages && haveAvx())
    {
        processStageLanes(active, activeCount, frames);
        return;
    }

    const bool avx = activeCount > 2 && haveAvx();
    const int stride = activeCount > 2 ? 4 : 2;
    LaneJob job;
    job.stride = stride;
    job.stages = stages;
    job.roundedState = roundedState;
    // Lanes with fewer stages, and the padding lanes, run through identity stages: on flushed,
    // finite samples b0 = 1 returns the input exactly.
    for (int l = 0; l < stride; ++l)
        for (int s = 0; s < stages; ++s)
        {
            const bool real = l < activeCount && s < active[l]->count;
            const Stage* stage = real ? &active[l]->stages[s] : nullptr;
            double* const fields[] = {
                job.values(l, s, 0), job.values(l, s, 1), job.values(l, s, 2),
                job.values(l, s, 3), job.values(l, s, 4), job.values(l, s, 5),
                job.values(l, s, 6), job.values(l, s, 7), job.values(l, s, 8)};
            if (!stage)
            {
                for (double* field : fields) *field = 0.0;
                *fields[0] = 1.0;
                continue;
            }
            const double* const sources[] = {stage->b0, stage->b1, stage->b2, stage->a1, stage->a2,
                                             stage->x1, stage->x2, stage->y1, stage->y2};
            for (int v = 0; v < LaneJob::kValuesPerStage; ++v) *fields[v] = *sources[v];
        }

    alignas(32) float interleaved[kChunk * LaneJob::kMaxLanes];
    // Padding lanes read silence and write into a sink.
    alignas(16) float silence[kChunk] = {};
    alignas(16) float sink[kChunk];
    job.samples = interleaved;
    for (int offset = 0; offset < frames; offset += kChunk)
    {
        const int n = std::min(kChunk, frames - offset);
        float* channels[LaneJob::kMaxLanes];
        for (int l = 0; l < stride; ++l)
            channels[l] = l < activeCount ? active[l]->samples + offset : silence;
        interleave(channels, stride, interleaved, n);
        job.frames = n;
        if (avx)
            runLaneJobAvx(job);
        else
            runLaneJobSse2(job, stride / 2);
        for (int l = activeCount; l < stride; ++l) channels[l] = sink;
        deinterleave(interleaved, stride, channels, n);
    }

    for (int l = 0; l < activeCount; ++l)
        for (int s = 0; s < active[l]->count; ++s)
        {
            const Stage& stage = active[l]->stages[s];
            *stage.x1 = *job.values(l, s, 5);
            *stage.x2 = *job.values(l, s, 6);
            *stage.y1 = *job.values(l, s, 7);
            *stage.y2 = *job.values(l, s, 8);
        }
}

void CBiquadLanes::processStageLanes(const Lane* const* active, int count, int frames)
{
    StageLaneJob job;
    job.channels = count;
    job.frames = frames;
    job.roundedState = roundedState;
    for (int c = 0; c < count; ++c)
    {
        const Lane& lane = *active[c];
        job.samples[c] = lane.samples;
        // Missing stages at the end of the cascade pass samples through unchanged.
        for (int s = 0; s < StageLaneJob::kStages; ++s)
        {
            if (s >= lane.count)
            {
                job.values[c][0][s] = 1.0;
                continue;
            }
            const Stage& stage = lane.stages[s];
            const double* const sources[] = {stage.b0, stage.b1, stage.b2, stage.a1, stage.a2,
                                             stage.x1, stage.x2, stage.y1, stage.y2};
            for (int v = 0; v < StageLaneJob::kValuesPerStage; ++v)
                job.values[c][v][s] = *sources[v];
        }
    }
    runStageLaneJobAvx(job);
    for (int c = 0; c < count; ++c)
        for (int s = 0; s < active[c]->count; ++s)
        {
            const Stage& stage = active[c]->stages[s];
            *stage.x1 = job.values[c][5][s];
            *stage.x2 = job.values[c][6][s];
            *stage.y1 = job.values[c][7][s];
            *stage.y2 = job.values[c][8][s];
        }
}
