#include "code/soundengine/SpectrumAnalyzer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace
{

constexpr int kRate = 48000;
constexpr int kWidth = 478;
constexpr int kHeight = 248;

class Analyser : public ::testing::Test
{
protected:
    void SetUp() override { analyser.configure(kRate, 20.0f, 22000.0f, kWidth, kHeight, 48.0f); }

    // Feeds until a frame is handed over and analyses it. The handed-over frame is one hop old
    // and a frame spans four hops, so the fifth analysis is the first to see only the new signal.
    void settle(double amplitude, double frequency)
    {
        for (int frame = 0; frame < 5; ++frame) analyseSignal(amplitude, frequency);
    }

    void analyseSignal(double amplitude, double frequency)
    {
        std::vector<float> block(256);
        float* channels[] = {block.data()};
        for (;;)
        {
            for (float& x : block)
                x = static_cast<float>(
                    amplitude * std::sin(2.0 * std::numbers::pi * frequency * phase++ / kRate));
            if (analyser.feed(channels, 256, 1)) break;
        }
        analyser.analyse();
    }

    int resultAt(int column)
    {
        int count = 0;
        const int* curve = analyser.columns(count);
        EXPECT_EQ(count, kWidth);
        return curve[column];
    }

    int columnOf(double frequency)
    {
        return analyser.columnOfBin(
            static_cast<int>(std::lround(frequency * analyser.getFftSize() / kRate)));
    }

    CSpectrumAnalyzer analyser;
    long phase = 0;
};

} // namespace

TEST_F(Analyser, SilenceIsTheBottomLineAndAFullScaleSineTheTop)
{
    analyseSignal(0.0, 1000.0);
    EXPECT_TRUE(analyser.takeNewData());
    EXPECT_FALSE(analyser.takeNewData());
    for (int c = 0; c < kWidth; ++c) ASSERT_EQ(resultAt(c), kHeight);

    settle(1.0, 1000.0);
    EXPECT_EQ(resultAt(columnOf(1000.0)), 0);
    EXPECT_GT(resultAt(columnOf(100.0)), kHeight / 2.0f);
}

TEST_F(Analyser, ColumnsFallByTheSmoothingRule)
{
    settle(1.0, 2000.0);
    const int column = columnOf(2000.0);
    ASSERT_EQ(resultAt(column), 0);
    // Once the frames hold silence only, each analysis keeps 0.725 of the height.
    settle(0.0, 2000.0);
    float height = kHeight - resultAt(column);
    for (int frame = 0; frame < 5; ++frame)
    {
        analyseSignal(0.0, 2000.0);
        const float next = kHeight - resultAt(column);
        // Whole pixels: each reading is off by less than one.
        EXPECT_NEAR(next, 0.725f * height, 1.8f);
        height = next;
    }
}

TEST_F(Analyser, DisplayGainLiftsAQuietSineToTheTop)
{
    const double minus24dB = std::pow(10.0, -24.0 / 20.0);
    settle(minus24dB, 1000.0);
    EXPECT_GT(resultAt(columnOf(1000.0)), 0);

    analyser.setDisplayGain(24.0f);
    analyseSignal(minus24dB, 1000.0);
    EXPECT_EQ(resultAt(columnOf(1000.0)), 0);
}

// A tilt of s dB per octave around the pivot shows a sine n octaves away as a sine n·s dB louder
// shows without tilt.
TEST(AnalyserTilt, LiftsEachOctaveAboveThePivotBySlopeDecibels)
{
    // Settled height of a sine in its column, on a fresh analyser so that no fall is left over.
    const auto heightOf = [](bool tilt, float slope, float pivot, double db, double frequency)
    {
        CSpectrumAnalyzer a;
        a.configure(kRate, 20.0f, 22000.0f, kWidth, kHeight, 48.0f);
        a.setTilt(tilt, slope, pivot);
        std::vector<float> block(256);
        float* channels[] = {block.data()};
        long phase = 0;
        for (int frame = 0; frame < 6; ++frame)
        {
            do
                for (float& x : block)
                    x = static_cast<float>(
                        std::pow(10.0, db / 20.0) *
                        std::sin(2.0 * std::numbers::pi * frequency * phase++ / kRate));
            while (!a.feed(channels, 256, 1));
            a.analyse();
        }
        int count = 0;
        return a.columns(count)[a.columnOfBin(
            static_cast<int>(std::lround(frequency * a.getFftSize() / kRate)))];
    };
    struct Case
    {
        float slope, pivot;
        double frequency, liftDb;
    };
    for (const Case& t : {Case{6.0f, 100.0f, 1600.0, 24.0}, Case{3.0f, 100.0f, 400.0, 6.0},
                          Case{3.0f, 1000.0f, 250.0, -6.0}, Case{6.0f, 1000.0f, 1000.0, 0.0}})
    {
        SCOPED_TRACE(t.frequency);
        EXPECT_NEAR(heightOf(true, t.slope, t.pivot, -30.0, t.frequency),
                    heightOf(false, t.slope, t.pivot, -30.0 + t.liftDb, t.frequency), 1);
    }
}
