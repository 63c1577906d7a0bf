#pragma once

#include "code/soundengine/Filter.h"

#include <memory>

// Second-order low-, high- or band-pass from the bilinear transform with prewarping. Two sections
// with the damping pair 1.8478 / 0.7654 make a fourth-order Butterworth.
class COrvFilter final : public IFilter
{
public:
    enum Type
    {
        kLowPass = 0,
        kHighPass = 1,
        kBandPass = 2,
    };

    static constexpr double kButterworthDamping = 1.41421;
    static constexpr double kFourthOrderDampingA = 1.8478;
    static constexpr double kFourthOrderDampingB = 0.7654;

    COrvFilter();
    explicit COrvFilter(int type, float sampleRate = 44100.0f);
    ~COrvFilter() override;

    float process(float x) override;
    void setFrequency(float frequency) override;

    void setType(int type);
    // Allocates the second section: call from setup code, never from the audio thread.
    void setFourthOrder(bool on);
    void setSampleRate(float sampleRate);
    void setBandQ(double q);
    void reset();

    bool isFourthOrder() const { return next != nullptr; }
    // The second section of a fourth-order filter; it runs before this one.
    COrvFilter* getNext() const { return next.get(); }
    double getFrequency() const { return frequency; }
    float getMaxFrequency() const { return maxFrequency; }
    int getType() const { return type; }

    double b0 = 0.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;
    double x1 = 0.0, x2 = 0.0, x3 = 0.0, y1 = 0.0, y2 = 0.0;

private:
    void recompute();

    double frequency = 1000.0;
    double k = kButterworthDamping;
    double m = 1.0;
    double bandQ = 1.0;
    float sampleRate = 44100.0f;
    float maxFrequency = 0.49f * 44100.0f;
    int type = kLowPass;
    std::unique_ptr<COrvFilter> next;
};
