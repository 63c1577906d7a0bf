#pragma once

#include <cmath>
#include <complex>
#include <vector>

// Impulse responses and their spectra, to compare filters against their analytic responses.

inline constexpr double kPi = 3.14159265358979323846;

template <typename Process> std::vector<float> impulseResponse(int length, Process process)
{
    std::vector<float> h(static_cast<size_t>(length), 0.0f);
    h[0] = 1.0f;
    process(h.data(), length);
    return h;
}

inline std::complex<double> spectrumAt(const std::vector<float>& h, double frequency,
                                       double sampleRate)
{
    const std::complex<double> step = std::polar(1.0, -2.0 * kPi * frequency / sampleRate);
    std::complex<double> z = 1.0;
    std::complex<double> sum = 0.0;
    for (float v : h)
    {
        sum += static_cast<double>(v) * z;
        z *= step;
    }
    return sum;
}

inline double toDb(double magnitude)
{
    return 20.0 * std::log10(magnitude);
}

// Frequency of the analogue prototype that the bilinear transform, prewarped at f0, maps to f.
inline double warped(double frequency, double f0, double sampleRate)
{
    return std::tan(kPi * frequency / sampleRate) / std::tan(kPi * f0 / sampleRate);
}
