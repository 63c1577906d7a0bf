#pragma once

#include "code/soundengine/Denormal.h"

#include <cmath>
#include <initializer_list>

// Attack/release smoothing of a gain with up to two one-pole stages in series. A time t gives a
// one-pole with cutoff 1/t Hz: b = exp(−2π / (t·sampleRate)), a = 1 − b.
class CGainSmoother
{
public:
    struct Stage
    {
        double attackA = 1.0, attackB = 0.0;
        double releaseA = 1.0, releaseB = 0.0;
        double sampleRate = 44100.0;
        double y = 1.0;

        double attack(double x)
        {
            y = flushDenormal(attackB * y + attackA * x);
            return y;
        }
        double release(double x)
        {
            y = flushDenormal(releaseB * y + releaseA * x);
            return y;
        }
    };

    CGainSmoother() { recompute(); }

    void setSampleRate(double sampleRate)
    {
        stage1.sampleRate = sampleRate;
        stage2.sampleRate = sampleRate;
        recompute();
    }
    void setAttack(double seconds)
    {
        attackSeconds = seconds;
        recompute();
    }
    void setRelease(double seconds)
    {
        releaseSeconds = seconds;
        recompute();
    }

    // A falling gain follows the attack, a rising one the release.
    double process(double g)
    {
        if (g <= current)
        {
            if (twoStageAttack)
                current = stage2.attack(stage1.attack(g));
            else
            {
                current = stage2.attack(g);
                stage1.y = g;
            }
        }
        else
        {
            current = twoStageRelease ? stage2.release(stage1.release(g)) : stage2.release(g);
        }
        return current;
    }

    // Takes over the running state of a working copy but keeps this one's coefficients, which
    // another thread may have set while the copy ran.
    void takeStateFrom(const CGainSmoother& working)
    {
        stage1.y = working.stage1.y;
        stage2.y = working.stage2.y;
        current = working.current;
    }

    // Jumps to a gain without smoothing.
    void setState(double g)
    {
        stage1.y = g;
        stage2.y = g;
        current = g;
    }

    double getAttack() const { return attackSeconds; }
    double getRelease() const { return releaseSeconds; }

    Stage stage1;
    Stage stage2;
    bool twoStageAttack = false;
    bool twoStageRelease = true;
    double current = 1.0;

private:
    static void coefficients(double seconds, double sampleRate, double& a, double& b)
    {
        constexpr double twoPi = 6.283185307179586;
        b = (seconds > 0.0 && sampleRate > 0.0) ? std::exp(-twoPi / (seconds * sampleRate)) : 0.0;
        a = 1.0 - b;
    }
    void recompute()
    {
        for (Stage* stage : {&stage1, &stage2})
        {
            coefficients(attackSeconds, stage->sampleRate, stage->attackA, stage->attackB);
            coefficients(releaseSeconds, stage->sampleRate, stage->releaseA, stage->releaseB);
        }
    }

    double attackSeconds = 0.02;
    double releaseSeconds = 0.1;
};
