#pragma once

// A per-sample processor with a sample rate. The last two operations do nothing unless a processor
// gives them a meaning (a delay takes its length in seconds through setTime).
class IApCore
{
public:
    virtual ~IApCore() = default;
    virtual float process(float x) = 0;
    virtual void setSampleRate(float sampleRate) = 0;
    virtual void setTime(float /*seconds*/) {}
    virtual void setAmount(float /*amount*/) {}
};

// A per-sample filter with one characteristic frequency.
class IFilter
{
public:
    virtual ~IFilter() = default;
    virtual float process(float x) = 0;
    virtual void setFrequency(float frequency) = 0;
};
