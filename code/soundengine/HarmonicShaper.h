#pragma once

#include "code/soundengine/OnePoleFilter.h"

// Polynomial saturation of one channel: an odd polynomial up to x^7 added to the signal, with a
// "TUBE" set and a "TAPE" set whose polynomial part is low-passed. Each set blends two of three
// coefficient tables by its character and scales them by its drive.
//
// The polynomials are only meant for |x| <= 1; beyond it they would grow as x^7, and floating-point
// busses do carry such levels. There each curve goes on from its value at 1 with a rising, bounded
// tail, so no input ends up more than 6 dB above its own peak.
class CHarmonicShaper
{
public:
    enum Parameter
    {
        kTubeDrive = 6,
        kTubeCharacter = 7,
        kTapeDrive = 12,
        kTapeCharacter = 13,
    };

    CHarmonicShaper();

    static constexpr int kMaxOversampling = 16;

    // Drives are normalised (gain 35^(v − 1)); characters 0..1. Other indices are ignored.
    void setParameter(int index, float value);
    // sampleRate is the host rate; the curves may run oversampled at sampleRate × oversampling.
    void setSampleRate(float sampleRate, int oversampling = 1);

    void processTube(float* x, int n);
    void processTape(float* x, int n);
    void reset();

    const float* tubeCoefficients() const { return tube; }
    const float* tapeCoefficients() const { return tape; }
    float getTapeNorm() const { return tapeNorm; }
    float getTapeCutoff() const { return tapeCutoff; }

private:
    void computeTube();
    void computeTape();

    float sampleRate = 44100.0f;
    float tubeDrive = 1.0f;
    float tubeCharacter = 0.5f;
    float tube[8] = {};
    float tubeSlopeAtOne = 0.0f; // slope of the TUBE curve at x = 1, where its tail starts
    float tapeDrive = 1.0f;
    float tapeCharacter = 0.5f;
    float tapeNorm = 1.0f;
    float tapeCutoff = 3300.0f;
    float tape[8] = {};
    // The tape low-pass is designed for the host rate. Oversampled by L, it runs as L interleaved
    // host-rate filters, y[n] = a·x[n] + b·y[n − L], whose response below the host Nyquist is
    // exactly the host-rate one: oversampling removes aliases and leaves the tone alone.
    COnePoleFilter tapeLowPass; // coefficients only
    double tapeHistory[kMaxOversampling] = {};
    int tapeInterleave = 1;
    int tapePhase = 0;
};
