#include "code/soundengine/SpectrumAnalyzer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

void CSpectrumAnalyzer::configure(int rate, float minHz, float maxHz, int columns, int rows,
                                  float rangeDb)
{
    if (isConfigured() && rate == configuredRate && minHz == minFrequency &&
        maxHz == maxFrequency && columns == width && rows == height && rangeDb == range)
        return;
    configured.store(false, std::memory_order_release);
    if (rate <= 0 || columns < 2 || rows < 2 || !(rangeDb > 0.0f) || !(minHz > 0.0f) ||
        !(maxHz > minHz))
        return;
    configuredRate = rate;
    minFrequency = minHz;
    maxFrequency = maxHz;
    width = columns;
    height = rows;
    range = rangeDb;

    const int span = (2 * rate) / 20;
    fftSize = 4;
    while (fftSize < span) fftSize *= 2;
    bins = fftSize / 2;
    hop = fftSize / 4;
    ringLength = 2 * fftSize;
    if (!fft.setup(fftSize)) return;

    frames.resize(fftSize, 3);
    frames.clear();
    frameSlots.reset();
    ring.resize(ringLength, 1);
    ring.clear();
    fftInput.resize(fftSize, 1);
    writePosition = counter = 0;

    const auto n = static_cast<size_t>(fftSize);
    window.resize(n);
    for (size_t i = 0; i < n; ++i)
        window[i] = static_cast<float>(
            0.5 + 0.5 * std::cos(((static_cast<double>(i) + 0.5) / fftSize - 0.5) * 2.0 *
                                 std::numbers::pi));
    magnitude.assign(static_cast<size_t>(bins), 0.0f);

    const double octaves = std::log2(static_cast<double>(maxHz) / minHz);
    columnFrequency.resize(static_cast<size_t>(width) + 1);
    for (int i = 0; i <= width; ++i)
        columnFrequency[static_cast<size_t>(i)] =
            static_cast<float>(minHz * std::exp2((i - 0.5) / (width - 1) * octaves));
    binColumn.assign(static_cast<size_t>(bins), -1);
    for (int b = 0; b < bins; ++b)
    {
        const double f = static_cast<double>(b) * rate / fftSize;
        for (int i = 0; i < width; ++i)
            if (columnFrequency[static_cast<size_t>(i)] <= f &&
                f < columnFrequency[static_cast<size_t>(i) + 1])
            {
                binColumn[static_cast<size_t>(b)] = i;
                break;
            }
    }

    const double h = rows;
    const double lowest = std::pow(10.0, (1.0 - h) * rangeDb / (20.0 * h));
    const double step = std::pow(10.0, (2.0 - h) * rangeDb / (20.0 * h)) - lowest;
    const double entries = std::floor(1.0 / step) + 1.0;
    size_t tableSize = 1;
    while (static_cast<double>(tableSize) < entries) tableSize *= 2;
    levelTable.assign(tableSize, 0.0f);
    for (size_t j = 1; j < tableSize; ++j)
    {
        const double a = static_cast<double>(j) / static_cast<double>(tableSize);
        levelTable[j] =
            a < lowest ? 0.0f : static_cast<float>((20.0 * std::log10(a) / rangeDb + 1.0) * h);
    }

    column.assign(static_cast<size_t>(width), 0.0f);
    previous.assign(static_cast<size_t>(width), 0.0f);
    for (std::vector<int>& curve : curves) curve.assign(static_cast<size_t>(width), height);
    curveSlots.reset();
    newData.store(false, std::memory_order_relaxed);
    tiltWeight.assign(static_cast<size_t>(bins), 0.0f);
    // The tilt chosen before the rate was known carries over.
    weightsSlope = weightsPivot = -1.0f;
    followTilt();
    configured.store(true, std::memory_order_release);
}

void CSpectrumAnalyzer::setTilt(bool on, float slope, float pivot)
{
    tiltSlope.store(slope, std::memory_order_relaxed);
    tiltPivot.store(pivot, std::memory_order_relaxed);
    tiltOn.store(on, std::memory_order_relaxed);
}

void CSpectrumAnalyzer::followTilt()
{
    const float slope = getTiltSlope();
    const float pivot = getTiltPivot();
    if (tiltWeight.empty() || !(pivot > 0.0f) || (slope == weightsSlope && pivot == weightsPivot))
        return;
    weightsSlope = slope;
    weightsPivot = pivot;
    tiltWeight[0] = 0.0f;
    for (int b = 1; b < bins; ++b)
    {
        const double f = static_cast<double>(b) * configuredRate / fftSize;
        tiltWeight[static_cast<size_t>(b)] =
            static_cast<float>(std::pow(10.0, slope * std::log2(f / pivot) / 20.0));
    }
}

void CSpectrumAnalyzer::setDisplayGain(float db)
{
    displayGainDb.store(db, std::memory_order_relaxed);
    displayGain.store(std::pow(10.0f, db / 20.0f), std::memory_order_relaxed);
}

bool CSpectrumAnalyzer::feed(float* const* channels, int count, int numChannels)
{
    if (!isConfigured() || count <= 0 || !channels || !channels[0]) return false;
    const bool stereo = numChannels >= 2 && channels[1];
    float* data = ring.channel0;
    int done = 0;
    while (done < count)
    {
        const int chunk = std::min(count - done, ringLength - writePosition);
        const float* left = channels[0] + done;
        float* target = data + writePosition;
        if (stereo)
        {
            const float* right = channels[1] + done;
            for (int i = 0; i < chunk; ++i) target[i] = left[i] + right[i];
        }
        else
            std::memcpy(target, left, sizeof(float) * static_cast<size_t>(chunk));
        done += chunk;
        writePosition = (writePosition + chunk) % ringLength;
    }

    counter += count;
    if (counter < hop) return false;
    counter -= hop;
    // The latest fftSize samples end at the write position, possibly across the wrap.
    float* frame = frames.channels[frameSlots.writeSlot()];
    const int start = (writePosition - fftSize + ringLength) % ringLength;
    const int firstPart = std::min(fftSize, ringLength - start);
    std::memcpy(frame, data + start, sizeof(float) * static_cast<size_t>(firstPart));
    std::memcpy(frame + firstPart, data, sizeof(float) * static_cast<size_t>(fftSize - firstPart));
    frameSlots.publish();
    return true;
}

void CSpectrumAnalyzer::analyse()
{
    if (!isConfigured() || !frameSlots.take()) return;

    const float* frame = frames.channels[frameSlots.readSlot()];
    float* spectrum = fftInput.channel0;
    for (int i = 0; i < fftSize; ++i) spectrum[i] = frame[i] * window[static_cast<size_t>(i)];
    fft.forward(spectrum, spectrum);
    // One reading of the settings per analysis, so a curve never mixes two of them.
    const float gain = displayGain.load(std::memory_order_relaxed);
    const bool tilted = isTiltOn();
    if (tilted) followTilt();
    for (int b = 0; b < bins; ++b)
    {
        float m = std::sqrt(spectrum[2 * b] * spectrum[2 * b] +
                            spectrum[2 * b + 1] * spectrum[2 * b + 1]);
        if (gain != 1.0f) m *= gain;
        if (tilted) m *= tiltWeight[static_cast<size_t>(b)];
        magnitude[static_cast<size_t>(b)] = m;
    }

    std::fill(column.begin(), column.end(), 0.0f);
    int filled = 0;
    for (int b = 0; b < bins - 1; ++b)
    {
        const int c = binColumn[static_cast<size_t>(b)];
        if (c < 0 || c >= width) continue;
        column[static_cast<size_t>(c)] =
            std::max(column[static_cast<size_t>(c)], magnitude[static_cast<size_t>(b)]);
        // Low frequencies have fewer bins than columns; the gaps are bridged linearly.
        if (c > filled + 1)
        {
            const float from = column[static_cast<size_t>(filled)];
            const float to = column[static_cast<size_t>(c)];
            for (int j = filled + 1; j < c; ++j)
                column[static_cast<size_t>(j)] = from + (to - from) *
                                                            static_cast<float>(j - filled) /
                                                            static_cast<float>(c - filled);
        }
        filled = c;
    }

    const int tableSize = static_cast<int>(levelTable.size());
    std::vector<int>& result = curves[static_cast<size_t>(curveSlots.writeSlot())];
    for (int c = 0; c < width; ++c)
    {
        const float a = std::min(column[static_cast<size_t>(c)] / kFullScaleMagnitude, 1.0f);
        // A NaN from a broken input must not become an index.
        const float clamped = a >= 0.0f ? a : 0.0f;
        const int entry =
            std::min(static_cast<int>(clamped * static_cast<float>(tableSize)), tableSize - 1);
        const float level = levelTable[static_cast<size_t>(entry)];
        float& shown = previous[static_cast<size_t>(c)];
        shown = level >= shown ? level : kRiseWeight * level + kFallWeight * shown;
        result[static_cast<size_t>(c)] = static_cast<int>(static_cast<float>(height) - shown);
    }
    curveSlots.publish();
    newData.store(true, std::memory_order_release);
}
