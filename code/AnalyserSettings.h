#pragma once

#include <cmath>

namespace velqa
{

// Holds what a section's spectrum analyser is told until the analyser itself exists.
struct AnalyserSettings
{
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

    void configure(int rate, float minHz, float maxHz, int columns, int rows, float rangeDb)
    {
        configuredRate = rate;
        minFrequency = minHz;
        maxFrequency = maxHz;
        width = columns;
        height = rows;
        range = rangeDb;
    }
    void setTilt(bool on, float slope, float pivot)
    {
        tiltOn = on;
        tiltSlope = slope;
        tiltPivot = pivot;
    }
    void setDisplayGain(float db)
    {
        displayGainDb = db;
        displayGain = std::pow(10.0f, db / 20.0f);
    }
};

} // namespace velqa
