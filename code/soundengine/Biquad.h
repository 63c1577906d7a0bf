#pragma once

#include "code/soundengine/Denormal.h"

// Audio-EQ-cookbook biquad, direct form I with double-precision state. A new filter is an identity.
class CBiquad
{
public:
    enum Type
    {
        kUnset = -2,
        kInactive = 0,
        kBell = 1,
        kHighShelf = 2,
        kLowShelf = 3,
        kBandPass = 4,
        kHighPass = 5,
        kLowPass = 6,
    };

    // Bell with its intermediate values in single precision. gain is linear; the centre gain equals
    // it.
    void setPeak(float sampleRate, float frequency, float q, float gain);
    // Any type with double-precision intermediates. Shelves and passes take f1 (high shelf, high
    // pass) or f2 (low shelf, low pass); bell and band pass take f1. gain is linear.
    void set(float sampleRate, int type, double f1, double f2, double gain, double q);
    void reset();

    void process(float* x, int n);

    float processSample(float x)
    {
        x = flushDenormal(x);
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        const float out = flushDenormal(static_cast<float>(y));
        if (isNonFinite(out))
        {
            // A NaN or infinity would stay in the state for ever; start again from silence.
            reset();
            return 0.0f;
        }
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = flushDenormal(y);
        return out;
    }

    // Magnitude of the transfer function at a frequency, for curve displays.
    double magnitudeAt(double frequency) const;
    // The same squared, at a frequency given as cos ω and cos 2ω: displays that evaluate the same
    // frequencies over and over keep these and spare the trigonometry.
    struct Phase
    {
        double cos1 = 1.0, cos2 = 1.0;
    };
    static Phase phaseAt(double frequency, double sampleRate);
    double powerAt(const Phase& phase) const;

    int getType() const { return type; }

    double b0 = 1.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;
    double x1 = 0.0, x2 = 0.0, x3 = 0.0, y1 = 0.0, y2 = 0.0;
    float sampleRate = 44100.0f;
    int type = kUnset;
    double w0 = 0.0, Q = 0.0, f1 = 0.0, f2 = 0.0, A = 1.0, alpha = 0.0, cosW0 = 1.0;

private:
    void compute();
};
