#pragma once

// Real FFT of one power-of-two size with the ordered spectrum layout the oversampler and the
// analysers are written for: [DC, Nyquist, re1, im1, re2, im2, ...], unscaled in both directions,
// so inverse(forward(x)) = N·x. Plans are made in setup, which allocates and must not run on the
// audio thread; forward and inverse do neither.
class CRealFft
{
public:
    CRealFft() = default;
    ~CRealFft();
    CRealFft(const CRealFft&) = delete;
    CRealFft& operator=(const CRealFft&) = delete;

    // False for a size that is not a power of two of at least 4, or when planning fails.
    bool setup(int size);
    void release();

    // input and output may be the same array; both hold size floats.
    void forward(const float* input, float* output);
    void inverse(const float* input, float* output);

    // The same transforms on the object's own arrays, for callers that fill and read them in place
    // of copying: transformForward turns timeData() into the ordered spectrum in spectrumData();
    // transformInverse turns spectrumData() into timeData() and leaves the spectrum undefined.
    float* timeData() { return real; }
    float* spectrumData() { return complex; }
    void transformForward();
    void transformInverse();

    int size() const { return n; }

private:
    int n = 0;
    float* real = nullptr;
    float* complex = nullptr; // n + 2 floats: n/2 + 1 interleaved bins
    void* forwardPlan = nullptr;
    void* inversePlan = nullptr;
};
