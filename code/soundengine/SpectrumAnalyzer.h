#pragma once

#include "code/soundengine/AlignedBuffer.h"
#include "code/soundengine/RealFft.h"
#include "code/soundengine/TripleBuffer.h"

#include <array>
#include <atomic>
#include <vector>

// The live spectrum of one section. The audio thread sums the section into a ring and hands over a
// frame every quarter frame; a worker turns the frame into one pixel height per display column on a
// logarithmic frequency axis, with a slow fall. Frames and finished curves each pass through a
// triple buffer, so the audio thread, the worker and the editor never wait for one another and
// never touch a buffer another one is using.
class CSpectrumAnalyzer
{
public:
    static constexpr float kFullScaleMagnitude = 1504.0f;
    static constexpr float kRiseWeight = 0.275f;
    static constexpr float kFallWeight = 0.725f;

    // Allocates: setup code only, with the worker held off and no block running. The same
    // arguments again do nothing.
    void configure(int sampleRate, float minFrequency, float maxFrequency, int width, int height,
                   float range);
    // Audio thread; true when a new frame is ready for analyse.
    bool feed(float* const* channels, int frames, int numChannels);
    // Worker thread.
    void analyse();

    // Editor thread: whether a curve was finished since the last call.
    bool takeNewData() { return newData.exchange(false, std::memory_order_acq_rel); }
    // Editor thread: the newest finished curve, pixel rows from the top, one per column. The
    // pointer stays valid until the next call.
    const int* columns(int& count)
    {
        curveSlots.take();
        count = width;
        return curves[static_cast<size_t>(curveSlots.readSlot())].data();
    }

    // Any thread; the worker picks the settings up at its next analysis.
    void setTilt(bool on, float slope, float pivot);
    void setDisplayGain(float db);
    bool isTiltOn() const { return tiltOn.load(std::memory_order_relaxed); }
    float getTiltSlope() const { return tiltSlope.load(std::memory_order_relaxed); }
    float getTiltPivot() const { return tiltPivot.load(std::memory_order_relaxed); }
    float getDisplayGainDb() const { return displayGainDb.load(std::memory_order_relaxed); }

    bool isConfigured() const { return configured.load(std::memory_order_acquire); }
    int getFftSize() const { return fftSize; }
    int getLevelTableSize() const { return static_cast<int>(levelTable.size()); }
    int columnOfBin(int bin) const { return binColumn[static_cast<size_t>(bin)]; }

    // Configuration, readable by the editor.
    float parameter = 0.0f;
    int configuredRate = 0;
    float minFrequency = 0.0f;
    float maxFrequency = 0.0f;
    int width = 0;
    int height = 0;
    float range = 0.0f;

private:
    // Worker (or configure): rebuilds the weights when the requested tilt differs from theirs.
    void followTilt();

    std::atomic<bool> configured{false};
    std::atomic<bool> tiltOn{false};
    std::atomic<float> tiltSlope{3.0f};
    std::atomic<float> tiltPivot{100.0f};
    std::atomic<float> displayGainDb{0.0f};
    std::atomic<float> displayGain{1.0f};

    int fftSize = 0;
    int bins = 0;
    int hop = 0;
    int ringLength = 0;
    // Audio thread only.
    int writePosition = 0;
    int counter = 0;
    CAlignedBuffer ring;   // one channel of ringLength
    CAlignedBuffer frames; // three hand-over frames
    CTripleBufferSlots frameSlots;
    // Worker only.
    CAlignedBuffer fftInput; // one channel of fftSize
    CRealFft fft;
    std::vector<float> magnitude;
    std::vector<float> tiltWeight;
    float weightsSlope = -1.0f;
    float weightsPivot = -1.0f;
    std::vector<float> column;
    std::vector<float> previous;
    // Worker to editor.
    std::array<std::vector<int>, 3> curves;
    CTripleBufferSlots curveSlots;
    std::atomic<bool> newData{false};
    // Fixed by configure.
    std::vector<float> window;
    std::vector<float> columnFrequency;
    std::vector<int> binColumn;
    std::vector<float> levelTable;
};
