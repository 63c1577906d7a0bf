#include "code/soundengine/Biquad.h"

#include <cmath>
#include <complex>

namespace
{
constexpr double kPi = 3.14159265358979323846;
}

void CBiquad::setPeak(float rate, float frequency, float q, float gain)
{
    sampleRate = rate;
    type = kBell;
    f1 = frequency;
    Q = q;
    const float a = std::sqrt(gain);
    const float w = 2.0f * static_cast<float>(kPi) * frequency / rate;
    A = a;
    w0 = w;
    alpha = std::sin(w) / (2.0f * q);
    cosW0 = std::cos(w);
    compute();
}

void CBiquad::set(float rate, int newType, double frequency1, double frequency2, double gain,
                  double q)
{
    sampleRate = rate;
    type = newType;
    f1 = frequency1;
    f2 = frequency2;
    Q = q;
    A = std::sqrt(gain);
    const double f = (newType == kLowShelf || newType == kLowPass) ? frequency2 : frequency1;
    w0 = 2.0 * kPi * f / rate;
    alpha = std::sin(w0) / (2.0 * q);
    cosW0 = std::cos(w0);
    compute();
}

void CBiquad::reset()
{
    x1 = x2 = x3 = y1 = y2 = 0.0;
}

void CBiquad::process(float* x, int n)
{
    for (int i = 0; i < n; ++i) x[i] = processSample(x[i]);
}

void CBiquad::compute()
{
    switch (type)
    {
    case kBell:
    {
        const double norm = A / (A + alpha);
        b0 = (1.0 + alpha * A) * norm;
        b1 = -2.0 * cosW0 * norm;
        b2 = (1.0 - alpha * A) * norm;
        a1 = b1;
        a2 = (A - alpha) / (A + alpha);
        break;
    }
    case kHighShelf:
    case kLowShelf:
    {
        const double root = 2.0 * std::sqrt(A) * alpha;
        const double plus = A + 1.0;
        const double minus = A - 1.0;
        // The low shelf is the high shelf with the sign of the cosine terms turned round.
        const double c = type == kHighShelf ? cosW0 : -cosW0;
        const double a0 = plus - minus * c + root;
        b0 = A * (plus + minus * c + root) / a0;
        b1 = (type == kHighShelf ? -2.0 : 2.0) * A * (minus + plus * c) / a0;
        b2 = A * (plus + minus * c - root) / a0;
        a1 = (type == kHighShelf ? 2.0 : -2.0) * (minus - plus * c) / a0;
        a2 = (plus - minus * c - root) / a0;
        break;
    }
    case kBandPass:
    {
        const double a0 = 1.0 + alpha;
        b0 = alpha / a0;
        b1 = 0.0;
        b2 = -b0;
        a1 = -2.0 * cosW0 / a0;
        a2 = (1.0 - alpha) / a0;
        break;
    }
    case kHighPass:
    case kLowPass:
    {
        const double a0 = 1.0 + alpha;
        const double edge = type == kHighPass ? (1.0 + cosW0) : (1.0 - cosW0);
        b0 = 0.5 * edge / a0;
        b1 = (type == kHighPass ? -edge : edge) / a0;
        b2 = b0;
        a1 = -2.0 * cosW0 / a0;
        a2 = (1.0 - alpha) / a0;
        break;
    }
    default:
        break;
    }
}

double CBiquad::magnitudeAt(double frequency) const
{
    const std::complex<double> z1 = std::polar(1.0, -2.0 * kPi * frequency / sampleRate);
    const std::complex<double> z2 = z1 * z1;
    return std::abs((b0 + b1 * z1 + b2 * z2) / (1.0 + a1 * z1 + a2 * z2));
}

CBiquad::Phase CBiquad::phaseAt(double frequency, double rate)
{
    const double w = 2.0 * kPi * frequency / rate;
    return {std::cos(w), std::cos(2.0 * w)};
}

// |B(e^jω)|² / |A(e^jω)|² with the products of conjugates written out in cosines.
double CBiquad::powerAt(const Phase& p) const
{
    const double numerator =
        b0 * b0 + b1 * b1 + b2 * b2 + 2.0 * (b0 * b1 + b1 * b2) * p.cos1 + 2.0 * b0 * b2 * p.cos2;
    const double denominator =
        1.0 + a1 * a1 + a2 * a2 + 2.0 * (a1 + a1 * a2) * p.cos1 + 2.0 * a2 * p.cos2;
    return numerator / denominator;
}
