#pragma once

// What the lane kernels receive: interleaved samples and, per lane, the coefficients and state of
// every stage. Plain data, so the per-instruction-set kernels share no code with each other.
struct LaneJob
{
    static constexpr int kMaxLanes = 4;
    static constexpr int kMaxStages = 8;
    // b0, b1, b2, a1, a2, x1, x2, y1, y2
    static constexpr int kValuesPerStage = 9;

    double* values(int lane, int stage, int value)
    {
        return &table[(stage * kValuesPerStage + value) * kMaxLanes + lane];
    }

    float* samples = nullptr; // frame after frame, stride floats each, one per lane
    int stride = 0;
    int frames = 0;
    int stages = 0;
    bool roundedState = false;
    alignas(32) double table[kMaxStages * kValuesPerStage * kMaxLanes] = {};
};

// Two lanes per SSE2 register; groups is 1 or 2.
void runLaneJobSse2(LaneJob& job, int groups);
// Four lanes in one AVX register. Only call when the processor has AVX.
void runLaneJobAvx(LaneJob& job);

// One or two channels whose cascades of at most four stages run with the stages side by side in
// the lanes of one AVX register. Samples stay in the channels' own buffers.
struct StageLaneJob
{
    static constexpr int kMaxChannels = 2;
    static constexpr int kStages = 4;
    // b0, b1, b2, a1, a2, x1, x2, y1, y2
    static constexpr int kValuesPerStage = 9;

    float* samples[kMaxChannels] = {};
    int channels = 0;
    int frames = 0;
    bool roundedState = false;
    // Per channel and value, one entry per stage.
    alignas(32) double values[kMaxChannels][kValuesPerStage][kStages] = {};
};

// Only call when the processor has AVX.
void runStageLaneJobAvx(StageLaneJob& job);
