// Built with -mavx; reached only after the processor has been checked for AVX.
//
// Lane s holds stage s of one channel's cascade. With the stages skewed by two frames (stage s
// works on frame t - 2s at step t), each stage's input was produced two steps earlier, so the
// path from one stage to the next only has to fit into two steps, and the whole cascade advances
// one frame per step. Each step is one runStage, as in the channel lanes.
#include "code/soundengine/AvxLanes.h"

namespace
{
constexpr int kSkew = 2;
constexpr int kStages = StageLaneJob::kStages;
constexpr int kAllLanes = (1 << kStages) - 1;

// [x0, v0, v1, v2]: every stage receives what the stage before it produced.
__m256d shiftIn(__m256d v, __m256d x)
{
    const __m256d low = _mm256_permute2f128_pd(v, v, 0x08); // [0, 0, v0, v1]
    return _mm256_blend_pd(_mm256_shuffle_pd(low, v, 0x4), x, 0x1);
}

struct Channel
{
    float* samples;
    // Per value b0 b1 b2 a1 a2 x1 x2 y1 y2, one lane per stage.
    __m256d q[StageLaneJob::kValuesPerStage];
    __m256d out[2]; // the stages' outputs of the last two steps, by parity of the step
};

// Edge steps leave the stages without a frame untouched.
template <bool Rounded, bool Edge> void step(Channel& c, int t, int frames)
{
    int valid = kAllLanes;
    if (Edge)
    {
        valid = 0;
        for (int s = 0; s < kStages; ++s)
            if (t - kSkew * s >= 0 && t - kSkew * s < frames) valid |= 1 << s;
    }
    const float sample = !Edge || t < frames ? c.samples[t] : 0.0f;
    const __m256d first = _mm256_cvtps_pd(flushFloats(_mm_set_ss(sample)));
    const __m256d x = shiftIn(c.out[t & 1], first);

    if (!Edge)
    {
        c.out[t & 1] = runStage<AvxLanes, Rounded>(c.q, x);
    }
    else
    {
        // Stages without a frame keep their state; what they produce is never used, as the next
        // stage has no frame two steps later either.
        __m256d kept[4];
        for (int v = 0; v < 4; ++v) kept[v] = c.q[5 + v];
        c.out[t & 1] = runStage<AvxLanes, Rounded>(c.q, x);
        const __m256d m = AvxLanes::keepMask(valid);
        for (int v = 0; v < 4; ++v) c.q[5 + v] = _mm256_blendv_pd(kept[v], c.q[5 + v], m);
    }

    const int frame = t - kSkew * (kStages - 1);
    if (!Edge || (frame >= 0 && frame < frames))
    {
        const __m128d top = _mm256_extractf128_pd(c.out[t & 1], 1);
        c.samples[frame] = _mm_cvtss_f32(_mm_cvtpd_ps(_mm_unpackhi_pd(top, top)));
    }
}

template <bool Rounded, int Channels> void run(StageLaneJob& job)
{
    Channel channels[Channels];
    for (int n = 0; n < Channels; ++n)
    {
        Channel& c = channels[n];
        const auto& v = job.values[n];
        c.samples = job.samples[n];
        for (int f = 0; f < StageLaneJob::kValuesPerStage; ++f) c.q[f] = _mm256_load_pd(v[f]);
        c.out[0] = c.out[1] = _mm256_setzero_pd();
    }

    const int frames = job.frames;
    const int steps = frames + kSkew * (kStages - 1);
    const int fullFrom = kSkew * (kStages - 1) < steps ? kSkew * (kStages - 1) : steps;
    const int fullTo = frames > fullFrom ? frames : fullFrom;
    for (int t = 0; t < fullFrom; ++t)
        for (Channel& c : channels) step<Rounded, true>(c, t, frames);
    for (int t = fullFrom; t < fullTo; ++t)
        for (Channel& c : channels) step<Rounded, false>(c, t, frames);
    for (int t = fullTo; t < steps; ++t)
        for (Channel& c : channels) step<Rounded, true>(c, t, frames);

    for (int n = 0; n < Channels; ++n)
    {
        const Channel& c = channels[n];
        auto& v = job.values[n];
        for (int f = 5; f < StageLaneJob::kValuesPerStage; ++f) _mm256_store_pd(v[f], c.q[f]);
    }
}
} // namespace

void runStageLaneJobAvx(StageLaneJob& job)
{
    if (job.frames <= 0) return;
    if (job.channels == 2)
        job.roundedState ? run<true, 2>(job) : run<false, 2>(job);
    else if (job.channels == 1)
        job.roundedState ? run<true, 1>(job) : run<false, 1>(job);
}
