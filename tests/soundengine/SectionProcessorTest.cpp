#include "code/soundengine/SectionProcessor.h"
#include "tests/soundengine/Response.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
void prepare(CSectionProcessor& p, float rate = 48000.0f)
{
    p.setSampleRate(rate);
    p.setBlockSize(512);
}

// Runs copies of l and r through the processor; returns the processed pair.
std::pair<std::vector<float>, std::vector<float>> run(CSectionProcessor& p, std::vector<float> l,
                                                      std::vector<float> r, int channels = 2)
{
    float* pointers[2] = {l.data(), r.data()};
    p.process(pointers, static_cast<int>(l.size()), channels);
    return {l, r};
}

double gainDb(CSectionProcessor& p, double frequency, double rate)
{
    const auto h = impulseResponse(1 << 15,
                                   [&](float* x, int n)
                                   {
                                       float* channels[1] = {x};
                                       p.process(channels, n, 1);
                                   });
    return toDb(std::abs(spectrumAt(h, frequency, rate)));
}
} // namespace

TEST(HarmonicShaper, TubeAtFullDriveMapsUnitPeaksToThemselves)
{
    for (float character : {0.0f, 0.25f, 0.51f, 0.52f, 0.75f, 1.0f})
    {
        CHarmonicShaper shaper;
        shaper.setParameter(CHarmonicShaper::kTubeDrive, 1.0f);
        shaper.setParameter(CHarmonicShaper::kTubeCharacter, character);
        float x[4] = {1.0f, -1.0f, 0.3f, -0.3f};
        shaper.processTube(x, 4);
        EXPECT_NEAR(x[0], 1.0f, 2e-5f) << character;
        EXPECT_NEAR(x[1], -1.0f, 2e-5f) << character;
        EXPECT_FLOAT_EQ(x[2], -x[3]);
        EXPECT_NE(x[2], 0.3f);
    }
}

TEST(HarmonicShaper, TapeAddsItsPolynomialBelowTheLowPassCutoff)
{
    const double rate = 48000.0;
    CHarmonicShaper shaper;
    shaper.setSampleRate(static_cast<float>(rate));
    shaper.setParameter(CHarmonicShaper::kTapeDrive, 1.0f);
    shaper.setParameter(CHarmonicShaper::kTapeCharacter, 0.51f);
    EXPECT_NEAR(shaper.getTapeCutoff(), 3312.0f, 0.01f);

    // A tiny impulse keeps the cubic and higher terms far below the linear one.
    const float scale = 1e-3f;
    const auto h = impulseResponse(1 << 14,
                                   [&](float* x, int n)
                                   {
                                       x[0] = scale;
                                       shaper.processTape(x, n);
                                   });
    const double b = std::exp(-2.0 * kPi * 3312.0 / rate);
    const double linear = shaper.tapeCoefficients()[1];
    for (double f : {50.0, 3312.0, 18000.0})
    {
        const std::complex<double> z = std::polar(1.0, -2.0 * kPi * f / rate);
        const double expected = std::abs((1.0 + linear * (1.0 - b) / (1.0 - b * z)) / 1.11);
        EXPECT_NEAR(std::abs(spectrumAt(h, f, rate)) / scale, expected, 1e-3 * expected) << f;
    }
}

TEST(SectionProcessor, FetCurveAndSaturationTypes)
{
    CSectionProcessor p;
    prepare(p);
    p.setSaturationOn(true);
    p.setSaturationType(0.0f);
    const float drive = 0.6f;
    p.setDrive(drive);
    const std::vector<float> in = {-1.0f, -0.5f, -0.1f, 0.0f, 0.1f, 0.5f, 1.0f};
    const auto out = run(p, in, in).first;
    const float k = 30.0f * drive * drive;
    const float norm = 1.0f / (1.0f - std::exp(-k)) / (10.0f * drive * drive + 1.0f);
    for (size_t i = 0; i < in.size(); ++i)
    {
        const float x = in[i];
        EXPECT_NEAR(out[i], x > 0 ? norm * (1 - std::exp(-k * x)) : norm * (std::exp(k * x) - 1),
                    1e-5f);
    }
    EXPECT_NEAR(out.back(), 1.0f / (10.0f * drive * drive + 1.0f), 1e-5f);

    p.setSaturationType(0.5f);
    EXPECT_EQ(p.getSaturationMode(), CSectionProcessor::kTube);
    p.setSaturationType(1.0f);
    EXPECT_EQ(p.getSaturationMode(), CSectionProcessor::kTape);
}

TEST(SectionProcessor, ColourTiltsAroundOneKilohertz)
{
    const double rate = 96000.0;
    for (float colour : {0.0f, 0.5f, 1.0f})
    {
        CSectionProcessor p;
        prepare(p, static_cast<float>(rate));
        p.setSaturationOn(true); // drive 0: colour only
        p.setColour(colour);
        const double full = colour == 0.5f ? 0.0 : (colour > 0.5f ? 8.943 : -8.943);
        EXPECT_NEAR(gainDb(p, 15.0, rate), -full, 0.05) << colour;
        EXPECT_NEAR(gainDb(p, 40000.0, rate), full, 0.05) << colour;
        EXPECT_NEAR(gainDb(p, 1000.0, rate), 0.0, 0.01) << colour;
    }
}

TEST(SectionProcessor, SwitchesMixAndWidth)
{
    std::vector<float> l(512), r(512);
    for (int i = 0; i < 512; ++i)
    {
        l[i] = 0.7f * std::sin(0.03f * static_cast<float>(i));
        r[i] = 0.4f * std::cos(0.11f * static_cast<float>(i));
    }
    // Saturation off: drive, colour and mix do nothing. On with mix 0: the dry copy comes back.
    for (bool on : {false, true})
    {
        CSectionProcessor p;
        prepare(p);
        p.setSaturationOn(on);
        p.setDrive(1.0f);
        p.setColour(1.0f);
        p.setMix(on ? 0.0f : 0.5f);
        EXPECT_EQ(run(p, l, r).first, l);
    }

    // Width works without saturation; mono ignores it.
    CSectionProcessor wide;
    prepare(wide);
    wide.setWidthOn(true);
    // Width 0 is mono, 0.5 leaves the image alone, 1 doubles the side signal.
    const float cases[3][3] = {{0.0f, 0.5f, 0.5f}, {0.5f, 1.0f, 0.0f}, {1.0f, 1.5f, -0.5f}};
    for (const auto& [width, a, b] : cases)
    {
        wide.setWidth(width);
        const auto [wl, wr] = run(wide, l, r);
        for (int i = 0; i < 512; ++i)
        {
            ASSERT_FLOAT_EQ(wl[i], a * l[i] + b * r[i]) << width;
            ASSERT_FLOAT_EQ(wr[i], a * r[i] + b * l[i]) << width;
        }
    }
    wide.setWidth(0.0f);
    EXPECT_EQ(run(wide, l, r, 1).first, l);
}

TEST(SectionProcessor, HotInputStaysWithinSixDecibelsOfItsPeakAndRisesMonotonically)
{
    // A settled level per step, so that the tape low-pass shows the static curve.
    const auto settledOutput = [](CSectionProcessor& p, float level)
    {
        std::vector<float> x(256, level);
        return run(p, x, x, 1).first.back();
    };
    for (float type : {0.0f, 0.5f, 1.0f})
        for (float drive : {0.01f, 0.1f, 0.35f, 0.7f, 1.0f})
        {
            CSectionProcessor p;
            prepare(p);
            p.setSaturationOn(true);
            p.setSaturationType(type);
            p.setDrive(drive);
            for (double db = 0.0; db <= 60.0; db += 2.0)
            {
                const auto peak = static_cast<float>(std::pow(10.0, db / 20.0));
                std::vector<float> l(2048);
                for (size_t i = 0; i < l.size(); ++i)
                    l[i] = peak * std::sin(0.05f * static_cast<float>(i));
                float out = 0.0f;
                for (float y : run(p, l, l).first) out = std::max(out, std::fabs(y));
                ASSERT_LE(out, 2.0f * peak) << type << " " << drive << " " << db;
            }
            float previous = settledOutput(p, 1.0f);
            for (float level = 1.0f; level < 1e4f; level *= 1.25f)
            {
                const float y = settledOutput(p, level);
                ASSERT_GE(y, previous - 1e-6f) << type << " " << drive << " " << level;
                ASSERT_FLOAT_EQ(settledOutput(p, -level), -y);
                previous = y;
            }
        }
}
