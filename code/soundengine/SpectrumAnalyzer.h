#pragma once

#include "code/soundengine/AlignedBuffer.h"
#include "code/soundengine/RealFft.h"

#include <atomic>
#include <vector>

// The live spectrum of one section. The audio thread sums the section into a ring and hands over a
// frame every quarter frame; a worker turns the frame into one pixel height per display column on a
// logarithmic frequency axis, with a slow fall. The editor reads the finished curve without a lock.
class CSpectrumAnalyzer
{
public:
    static constexpr float kFullScaleMagnitude = 1504.0f;
    static constexpr float kRiseWeight = 0.275f;
    static constexpr float kFallWeight = 0.725f;

    // Allocates: setup code only, with the worker held off. The same arguments again do nothing.
    void configure(int sampleRate, float minFrequency, float maxFrequency, int width, int height,
                   float range);
    // Audio thread; true when a new frame is ready for analyse.
    bool feed(float* const* channels, int frames, int numChannels);
    // Worker thread.
    void analyse();

    bool takeNewData() { return newData.exchange(false); }
    // Pixel rows from the top, one per column.
    const int* columns(int& count) const
    {
        count = width;
        return result.data();
    }

    void setTilt(bool on, float slope, float pivot);
    void setDisplayGain(float db);

    bool isConfigured() const { return configured.load(std::memory_order_acquire); }
    int getFftSize() const { return fftSize; }
    int getLevelTableSize() const { return static_cast<int>(levelTable.size()); }
    int columnOfBin(int bin) const { return binColumn[static_cast<size_t>(bin)]; }

    // Display settings, readable by the editor.
    bool tiltOn = false;
    float tiltSlope = 3.0f;
    float tiltPivot = 100.0f;
    float displayGainDb = 0.0f;
    float displayGain = 1.0f;
    float parameter = 0.0f;
    int configuredRate = 0;
    float minFrequency = 0.0f;
    float maxFrequency = 0.0f;
    int width = 0;
    int height = 0;
    float range = 0.0f;

private:
    void buildTiltWeights();

    std::atomic<bool> configured{false};
    int fftSize = 0;
    int bins = 0;
    int hop = 0;
    int ringLength = 0;
    int writePosition = 0;
    int counter = 0;
    int currentFrame = 0;
    std::atomic<bool> ready[2] = {false, false};
    CAlignedBuffer frames;   // the two hand-over frames
    CAlignedBuffer ring;     // one channel of ringLength
    CAlignedBuffer fftInput; // one channel of fftSize
    CRealFft fft;
    std::vector<float> window;
    std::vector<float> magnitude;
    std::vector<float> tiltWeight;
    std::vector<float> columnFrequency;
    std::vector<int> binColumn;
    std::vector<float> levelTable;
    std::vector<float> column;
    std::vector<float> previous;
    std::vector<int> result;
    std::atomic<bool> newData{false};
    float weightsSlope = -1.0f;
    float weightsPivot = -1.0f;
};
