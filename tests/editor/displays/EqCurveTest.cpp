// The display's curve is the equaliser's real response: the reference here is evaluated from the
// coefficients of the filters the effect runs after an audio block, with this file's own complex
// arithmetic.
#include "code/ParameterIndex.h"
#include "code/ParameterMapping.h"
#include "code/ParameterTable.h"
#include "code/Plug.h"
#include "code/editor/displays/ParamEqView2.h"
#include "resources/EmbeddedResources.h"
#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/cfont.h"

#include <gtest/gtest.h>

#include <array>
#include <cairo.h>
#include <cmath>
#include <complex>
#include <limits>
#include <vector>

using namespace velqa;
using VSTGUI::CColor;
using VSTGUI::CPoint;
using VSTGUI::CRect;

namespace
{

// The product's own faces for the grid labels, there before the first effect makes its editor.
const bool kResources = (velqa::registerEmbeddedResources(),
                         VSTGUI::FontRegistry::registerFontResource("Arial", "Arial"), true);
constexpr double kPi = 3.14159265358979323846;
// The editor's Below display: plot area grown by half the 10 × 10 handle.
const CRect kOuter(26, 394, 509, 656);
const CRect kInner(31, 399, 504, 651);

struct Band
{
    float state, frequency, gain, q; // normalised parameter values; state 0 HS, 0.5 bell, 1 LS
};
using Bands = std::array<Band, kBandsPerSection>;

double magnitude(const CBiquad& f, double hz, double rate)
{
    const std::complex<double> z = std::exp(std::complex<double>(0.0, -2.0 * kPi * hz / rate));
    return std::abs((f.b0 + f.b1 * z + f.b2 * z * z) / (1.0 + f.a1 * z + f.a2 * z * z));
}

double yOf(double gain)
{
    return kInner.bottom - (std::log(gain) / std::log(4.0) + 1.0) * kInner.getHeight() / 2;
}

// The effect with the bands set, after one block has brought its filters up to date.
class Effect
{
public:
    Effect(Section section, const Bands& bands, float rate)
    {
        plug.setSampleRate(rate);
        plug.setBlockSize(kFrames);
        plug.resume();
        for (int b = 0; b < kBandsPerSection; ++b)
        {
            plug.setParameter(eqIndex(section, b, kBandState), bands[b].state);
            plug.setParameter(eqIndex(section, b, kBandFreq), bands[b].frequency);
            plug.setParameter(eqIndex(section, b, kBandGain), bands[b].gain);
            plug.setParameter(eqIndex(section, b, kBandQ), bands[b].q);
        }
        std::array<float*, CPlug::kNumInputs> in{};
        std::array<float*, CPlug::kNumOutputs> out{};
        for (float*& p : in) p = silence.data();
        for (size_t c = 0; c < out.size(); ++c) out[c] = outputs[c].data();
        plug.processReplacing(in.data(), out.data(), kFrames);
    }
    static constexpr int kFrames = 64;
    CPlug plug{nullptr};
    std::array<float, kFrames> silence{};
    std::array<std::array<float, kFrames>, CPlug::kNumOutputs> outputs{};
};

// The display fed as the editor feeds it.
void feed(CParamEqView2& display, CPlug& plug, Section section)
{
    display.setSampleRate(plug.getCurrentSampleRate());
    const VstInt32 first = section == kSectionBelow ? kEqBelowBase : kEqAboveBase;
    for (VstInt32 i = first; i < first + kFieldsPerSection; ++i)
    {
        const float v = plug.getParameter(i);
        const bool type = kParameterTable[static_cast<size_t>(i)].valueClass == kClassBandType;
        display.setParameter(i, type ? bandTypeCode(v) : v);
    }
    const VstInt32 mute = section == kSectionBelow ? kEqMuteBelow1 : kEqMuteAbove1;
    for (int b = 0; b < kBandsPerSection; ++b)
        display.setGroupFlag(b, plug.getParameter(mute + b) <= 0.5f);
}

void expectCurveIsTheFilters(Section section, const Bands& bands, float rate, double resolution)
{
    Effect effect(section, bands, rate);
    const CEqBank& bank =
        effect.plug.getEqBank(section == kSectionBelow ? CPlug::kBankBelowL : CPlug::kBankAboveL);
    CParamEqView2 display(kOuter, nullptr, kBandsPerSection, 1, bank.getBaseIndex(), CPoint(10, 10),
                          CColor(), CColor());
    display.setResolution(resolution);
    feed(display, effect.plug, section);
    display.updateCurve();

    const int n = display.getAxis().columns();
    ASSERT_EQ(n, static_cast<int>(std::lround(kInner.getWidth() * resolution)));
    for (int i = 0; i < n; ++i)
    {
        const double hz = 20.0 * std::pow(1000.0, i / double(n - 1));
        double total = 1.0, sounding = 1.0;
        for (int b = 0; b < kBandsPerSection; ++b)
        {
            const double m = magnitude(*bank.getFilter(b), hz, rate);
            total *= m;
            if (bank.isEnabled(b)) sounding *= m;
        }
        ASSERT_NEAR(display.curveY(i), yOf(total), 0.5) << "column " << i << ", " << hz << " Hz";
        ASSERT_NEAR(display.groupCurveY(i), yOf(sounding), 0.5) << "column " << i;
    }
    // Each handle stands on the column of its band's frequency.
    for (int b = 0; b < kBandsPerSection; ++b)
    {
        const double column = std::round(bands[b].frequency * (n - 1));
        EXPECT_NEAR(display.getBand(b).centre.x,
                    kInner.left + column * (kInner.getWidth() - 1) / (n - 1), 1e-9);
    }
}

// Extreme gains and widths, every kind, a band at the top of the range.
const Bands kBelowBands{{{1.0f, 0.15f, 1.0f, 0.0f},
                         {0.5f, 0.35f, 1.0f, 1.0f},
                         {0.5f, 0.55f, 0.0f, 0.0f},
                         {0.5f, 0.995f, 0.9f, 0.3f},
                         {0.0f, 0.8f, 0.0f, 1.0f}}};
const Bands kAboveBands{{{0.0f, 0.1f, 0.8f, 0.5f},
                         {0.5f, 0.5f, 0.2f, 0.5f},
                         {1.0f, 0.9f, 1.0f, 0.0f},
                         {0.5f, 1.0f, 1.0f, 0.0f},
                         {0.5f, 0.25f, 0.5f, 1.0f}}};

TEST(EqCurve, FollowsTheEqualisersFiltersAtEveryColumn)
{
    for (const float rate : {44100.0f, 96000.0f})
        for (const double resolution : {1.0, 2.0})
        {
            SCOPED_TRACE(testing::Message() << rate << " Hz, " << resolution << "x");
            expectCurveIsTheFilters(kSectionBelow, kBelowBands, rate, resolution);
            expectCurveIsTheFilters(kSectionAbove, kAboveBands, rate, resolution);
        }
}

void expectDrawable(CParamEqView2& display)
{
    display.updateCurve();
    for (int i = 0; i < display.getAxis().columns(); ++i)
    {
        ASSERT_TRUE(std::isfinite(display.curveY(i))) << i;
        ASSERT_TRUE(std::isfinite(display.groupCurveY(i))) << i;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 600, 700);
    {
        VSTGUI::CDrawContext context(surface, 2.0);
        display.draw(&context);
    }
    cairo_surface_destroy(surface);
}

TEST(EqCurve, RoughInputDrawsAFiniteCurve)
{
    CParamEqView2 tiny(CRect(10, 10, 11, 300), nullptr, kBandsPerSection, 1, kEqBelowBase,
                       CPoint(10, 10), CColor(), CColor(255, 225, 22));
    tiny.setParameter(eqIndex(kSectionBelow, 0, kBandGain), 1.0f);
    expectDrawable(tiny);
    EXPECT_EQ(tiny.getAxis().columns(), 2) << "one pixel, two columns at 2x";

    CParamEqView2 many(kOuter, nullptr, 12, 1, kEqBelowBase, CPoint(), CColor(), CColor());
    EXPECT_EQ(many.getBandCount(), CParamEqView2::kMaxBands);
    for (int b = 0; b < many.getBandCount(); ++b)
    {
        many.setParameter(kEqBelowBase + b * kFieldsPerBand + kBandFreq, 1.0f);
        many.setParameter(kEqBelowBase + b * kFieldsPerBand + kBandGain, b % 2 ? 1.0f : 0.0f);
        many.setGroupFlag(b, b % 3 == 0);
    }
    for (const double rate : {8000.0, 384000.0})
    {
        many.setSampleRate(rate);
        expectDrawable(many);
    }

    const float bad[] = {std::numeric_limits<float>::quiet_NaN(),
                         std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity(), 1e30f, -1e30f};
    for (const float v : bad)
        for (VstInt32 i = kEqBelowBase; i < kEqBelowBase + kFieldsPerSection; ++i)
            many.setParameter(i, v);
    many.setSampleRate(std::numeric_limits<double>::quiet_NaN());
    many.setLowCut(std::numeric_limits<float>::infinity());
    expectDrawable(many);
}

} // namespace
