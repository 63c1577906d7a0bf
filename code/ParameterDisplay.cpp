#include "code/ParameterDisplay.h"

#include "code/ParameterIndex.h"
#include "code/ParameterMapping.h"
#include "code/ParameterTable.h"

#include <cmath>
#include <cstdio>

namespace velqa
{
namespace
{

void put(char* text, const char* literal)
{
    std::snprintf(text, kParameterTextCapacity, "%s", literal);
}

template <typename First, typename... Rest>
void put(char* text, const char* format, First first, Rest... rest)
{
    std::snprintf(text, kParameterTextCapacity, format, first, rest...);
}

double decibels(double linear)
{
    return 20.0 * std::log10(linear);
}

void putFrequency(char* text, double hz, const char* kiloFormat)
{
    if (hz < 1000.0)
        put(text, "%1.0f Hz", hz);
    else
        put(text, kiloFormat, hz * 0.001);
}

void putPan(char* text, float v)
{
    if (v < 0.01f)
        put(text, "L");
    else if (v < 0.49f)
        put(text, "L%02d", truncateToInt((0.5 - v) * 200.0));
    else if (v > 0.99f)
        put(text, "R");
    else if (v <= 0.51f)
        put(text, "C");
    else
        put(text, "R%02d", truncateToInt((v - 0.5) * 200.0));
}

void putSideChainBalance(char* text, float v)
{
    if (v < 0.01f)
        put(text, "Intern");
    else if (v > 0.99f)
        put(text, "Extern");
    else
    {
        const int32_t external = truncateToInt(v * 100.0f);
        put(text, "Int %02d Ext %02d", 100 - external, external);
    }
}

void putSaturationType(char* text, float v)
{
    static const char* const kNames[] = {"FET", "TUBE", "TAPE"};
    const int32_t n = truncateToInt(2.0f * v);
    if (n >= 0 && n <= 2) put(text, kNames[n]);
}

// The left figure belongs to the Below section, the right one to the Above section.
void putBalance(char* text, float v)
{
    const double left = v < 0.5f ? 1.0 : 2.0 - 2.0 * v;
    const double right = v < 0.5f ? 2.0 * v : 1.0;
    if (left < 0.0001)
        put(text, "-oo / 0 dB");
    else if (right < 0.0001)
        put(text, "0 / -oo dB");
    else if (v == 0.5f)
        put(text, "0 / 0 dB");
    else if (v < 0.5f)
        put(text, "0 / %1.1f dB", decibels(right));
    else
        put(text, "%1.1f / 0 dB", decibels(left));
}

void putRelease(char* text, float v)
{
    const double seconds = v * 2.499 + 0.001;
    if (seconds >= 1.0)
        put(text, "%1.3f s", seconds);
    else
        put(text, "%1.1f ms", seconds * 1000.0);
}

void putRatio(char* text, float v)
{
    // The ratio the detector applies, so the text never promises more compression than it gets.
    const double ratio = 1.0 + 99.0 * double(v) * double(v);
    put(text, ratio >= 10.0 ? "%1.0f:1" : "%1.1f:1", ratio);
}

// Classes 6 and 7 leave the text to the per-index rules.
void formatByClass(int32_t valueClass, char* text, float v, double u)
{
    switch (valueClass)
    {
    case kClassFrequency:
        putFrequency(text, u, "%1.2f kHz");
        break;
    case kClassGain:
        put(text, "%1.2f dB", decibels(u));
        break;
    case kClassQ:
        put(text, "%1.2f", u);
        break;
    case kClassPan:
        putPan(text, v);
        break;
    case kClassSideChainBalance:
        putSideChainBalance(text, v);
        break;
    case kClassSaturationType:
        putSaturationType(text, v);
        break;
    default:
        break;
    }
}

void formatByIndex(int32_t index, char* text, float v, double u)
{
    switch (index)
    {
    case kDyna:
        put(text, "%1.0f dB", decibels(u));
        break;
    case kAttack:
        put(text, "%1.1f ms", (v * 0.0999 + 0.0001) * 1000.0);
        break;
    case kRelease:
        putRelease(text, v);
        break;
    case kRatio:
        putRatio(text, v);
        break;
    case kBalance:
        putBalance(text, v);
        break;
    case kLowCut:
    case kHighCut:
        putFrequency(text, u, "%1.1f kHz");
        break;
    case kOutVol:
        put(text, "%1.1f dB", decibels(u));
        break;
    case kWidthBelow:
    case kWidthAbove:
        put(text, "%03d", truncateToInt(v * 200.0f));
        break;
    case kLookahead:
        put(text, "%03d ms", truncateToInt(v * 0.1 * 1000.0));
        break;
    default:
        break;
    }
}

} // namespace

void formatParameter(int32_t index, char* text, float v)
{
    put(text, "%.3d", truncateToInt(v * 100.0f));
    const double u = valueOf(index, v);
    formatByClass(mappedClassOf(index), text, v, u);
    if (index > kLookahead) return;
    formatByIndex(index, text, v, u);
}

} // namespace velqa
