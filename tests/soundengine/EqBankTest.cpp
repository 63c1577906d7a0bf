#include "code/soundengine/EqBank.h"
#include "tests/soundengine/Response.h"

#include <gtest/gtest.h>

namespace
{
constexpr int kBase = 43;
constexpr float kRate = 48000.0f;

struct EqBankTest : ::testing::Test
{
    void SetUp() override
    {
        bank.init(5, kBase, 20.0f, 20000.0f);
        bank.setSampleRate(kRate);
        bank.update(true);
    }
    void set(int band, int slot, float value)
    {
        ASSERT_TRUE(bank.setParameter(kBase + band * CEqBank::kSlotsPerBand + slot, value));
    }
    double gainDb(double frequency)
    {
        const auto h = impulseResponse(1 << 15, [&](float* x, int n) { bank.process(x, n); });
        return toDb(std::abs(spectrumAt(h, frequency, kRate)));
    }

    CEqBank bank;
};
} // namespace

TEST_F(EqBankTest, KindsSelectBellAndShelvesWithMappedFrequencyGainAndQ)
{
    // Bell in the middle of the range at +12.04 dB; the default Q slot gives Q 1.
    set(0, CEqBank::kSlotKind, 1.0f / 128.0f);
    set(0, CEqBank::kSlotGain, 1.0f);
    set(0, CEqBank::kSlotQ, 0.310345f);
    bank.update(false);
    const double centre = 20.0 * std::sqrt(1000.0);
    EXPECT_NEAR(bank.bandFrequency(0), centre, 0.01);
    EXPECT_NEAR(bank.getFilter(0)->Q, 1.0, 1e-4);
    EXPECT_NEAR(gainDb(centre), 12.041, 0.01);

    // Codes 2 and 3 are the high and low shelf, with their own Q mapping.
    set(0, CEqBank::kSlotKind, 2.0f / 128.0f);
    set(0, CEqBank::kSlotGain, 0.0f);
    bank.update(false);
    EXPECT_NEAR(bank.getFilter(0)->Q, 0.749, 0.001);
    EXPECT_NEAR(gainDb(18000.0), -12.04, 0.1);
    EXPECT_NEAR(gainDb(30.0), 0.0, 0.05);
    set(0, CEqBank::kSlotKind, 3.0f / 128.0f);
    bank.update(false);
    EXPECT_NEAR(gainDb(25.0), -12.04, 0.1);

    // Kind 0 switches the band off and clears its state; unknown kinds switch it off as well.
    set(0, CEqBank::kSlotKind, 0.0f);
    bank.update(false);
    EXPECT_EQ(bank.getFilter(0)->y1, 0.0);
    EXPECT_EQ(gainDb(1000.0), 0.0);
    set(0, CEqBank::kSlotKind, 9.0f / 128.0f);
    bank.update(false);
    EXPECT_EQ(bank.getFilter(0)->getType(), CBiquad::kInactive);
}

TEST_F(EqBankTest, DisabledBandsAndSwitchedOffBankLeaveSamplesUntouched)
{
    for (int band = 0; band < 5; ++band)
    {
        set(band, CEqBank::kSlotKind, 1.0f / 128.0f);
        set(band, CEqBank::kSlotGain, 0.8f);
    }
    bank.update(false);
    EXPECT_GT(gainDb(632.5), 30.0);
    bank.setOn(false);
    EXPECT_EQ(gainDb(632.5), 0.0);
    bank.setOn(true);
    for (int band = 0; band < 5; ++band) bank.setEnabled(band, false);
    bank.setEnabled(7, true); // outside the bank: ignored
    EXPECT_EQ(gainDb(632.5), 0.0);
}
