#include "tools/DemoSignal.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace velqa::tool
{

namespace
{
constexpr double tempo = 112.0;
constexpr double twoPi = 2.0 * std::numbers::pi;

// A fixed generator so every demo render is the same.
class Noise
{
public:
    float next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<float>(state) / 2147483648.0f - 1.0f;
    }

private:
    std::uint32_t state = 0x2545F491u;
};

void addKick(host::AudioData& out, std::int64_t at, double rate)
{
    double phase = 0.0;
    const auto length = static_cast<std::int64_t>(0.35 * rate);
    for (std::int64_t i = 0; i < length && at + i < out.frames(); ++i)
    {
        const double t = i / rate;
        phase += twoPi * (45.0 + 110.0 * std::exp(-t * 28.0)) / rate;
        const float s = static_cast<float>(0.9 * std::sin(phase) * std::exp(-t * 9.0));
        for (auto& channel : out.channels) channel[size_t(at + i)] += s;
    }
}

void addSnare(host::AudioData& out, std::int64_t at, double rate, Noise& noise)
{
    const auto length = static_cast<std::int64_t>(0.25 * rate);
    for (std::int64_t i = 0; i < length && at + i < out.frames(); ++i)
    {
        const double t = i / rate;
        const double body = 0.35 * std::sin(twoPi * 185.0 * t) * std::exp(-t * 30.0);
        const double rattle = 0.45 * noise.next() * std::exp(-t * 16.0);
        const float s = static_cast<float>(body + rattle);
        out.channels[0][size_t(at + i)] += s;
        out.channels[1][size_t(at + i)] += 0.9f * s;
    }
}

void addHat(host::AudioData& out, std::int64_t at, double rate, Noise& noise, float pan)
{
    const auto length = static_cast<std::int64_t>(0.05 * rate);
    float previous = 0.0f;
    for (std::int64_t i = 0; i < length && at + i < out.frames(); ++i)
    {
        // First difference of noise: only the top of the spectrum is left.
        const float white = noise.next();
        const float bright = 0.5f * (white - previous);
        previous = white;
        const float s = bright * static_cast<float>(0.25 * std::exp(-(i / rate) * 70.0));
        out.channels[0][size_t(at + i)] += s * (1.0f - pan);
        out.channels[1][size_t(at + i)] += s * (1.0f + pan);
    }
}

void addBassNote(host::AudioData& out, std::int64_t at, std::int64_t length, double frequency,
                 double rate)
{
    double phase = 0.0, low = 0.0;
    const double smoothing = 1.0 - std::exp(-twoPi * 700.0 / rate);
    for (std::int64_t i = 0; i < length && at + i < out.frames(); ++i)
    {
        phase += frequency / rate;
        phase -= std::floor(phase);
        const double saw = 2.0 * phase - 1.0;
        low += smoothing * (saw - low);
        const double t = i / rate;
        const double envelope = std::min(1.0, t * 200.0) * std::exp(-t * 2.5);
        const float s = static_cast<float>(0.3 * low * envelope);
        for (auto& channel : out.channels) channel[size_t(at + i)] += s;
    }
}
} // namespace

host::AudioData demoSignal(double sampleRate, double seconds)
{
    host::AudioData out;
    out.sampleRate = sampleRate;
    out.resize(2, static_cast<std::int64_t>(seconds * sampleRate));
    Noise noise;
    const double sixteenth = 60.0 / tempo / 4.0 * sampleRate;
    const auto steps = static_cast<int>(out.frames() / sixteenth);
    // E1, G1, A1, D2 over the bars.
    static const double bassRoots[] = {41.2, 41.2, 49.0, 55.0, 41.2, 41.2, 73.4, 55.0};
    for (int step = 0; step < steps; ++step)
    {
        const auto at = static_cast<std::int64_t>(step * sixteenth);
        const int inBar = step % 16;
        if (inBar == 0 || inBar == 6 || inBar == 10) addKick(out, at, sampleRate);
        if (inBar == 4 || inBar == 12) addSnare(out, at, sampleRate, noise);
        if (step % 2 == 0) addHat(out, at, sampleRate, noise, (step % 4 == 0) ? -0.4f : 0.4f);
        if (inBar % 4 == 0 || inBar == 7 || inBar == 14)
        {
            const double root = bassRoots[(step / 8) % 8];
            addBassNote(out, at, static_cast<std::int64_t>(sixteenth * 1.8),
                        inBar == 14 ? root * 2.0 : root, sampleRate);
        }
    }
    // Leave headroom for the effect's gains.
    const float peak = out.peak();
    if (peak > 0.0f)
        for (auto& channel : out.channels)
            for (float& s : channel) s *= 0.7f / peak;
    return out;
}

} // namespace velqa::tool
