#include "code/editor/displays/ParamEqView2.h"

#include <algorithm>
#include <cmath>

using namespace VSTGUI;

namespace
{

constexpr double kMinFrequency = 20.0;
constexpr double kMaxFrequency = 20000.0;
constexpr CCoord kDefaultHandle = 10;

CRect innerOf(const CRect& outer, const CPoint& handle)
{
    CRect inner = outer;
    inner.inset(handle.x / 2, handle.y / 2);
    return inner;
}

CPoint usableHandle(const CPoint& size)
{
    // A missing handle image still leaves something to grab.
    return size.x > 0 && size.y > 0 ? size : CPoint(kDefaultHandle, kDefaultHandle);
}

} // namespace

CParamEqView2::CParamEqView2(const CRect& size, IControlListener* listener, int32 bandCount,
                             int32 tag, int32 first, const CPoint& handle, const CColor& back,
                             const CColor& curve)
    : CControl(size, listener, tag), firstParameter(first),
      axis(innerOf(size, usableHandle(handle)), kMinFrequency, kMaxFrequency),
      handleSize(usableHandle(handle)), background(back),
      curveColor(curve), grid{{{100, "100 Hz"},
                               {500, "500 Hz"},
                               {1000, "1 kHz"},
                               {5000, "5 kHz"},
                               {10000, "10 kHz"},
                               {20000, "20 kHz"}}}
{
    setTransparency(true);
    const int count = std::clamp(bandCount, 1, kMaxBands);
    bank.init(count, first, static_cast<float>(kMinFrequency), static_cast<float>(kMaxFrequency));
    bank.setSampleRate(static_cast<float>(sampleRate));
    bands.reserve(static_cast<size_t>(count));
    for (int b = 0; b < count; ++b)
    {
        bands.emplace_back(axis.capacity());
        CFilterControl& band = bands.back();
        bank.setParameter(first + b * kFieldsPerBand + kFieldState, band.type / 128.0f);
        bank.setParameter(first + b * kFieldsPerBand + kFieldFrequency, band.normalisedFrequency);
        bank.setParameter(first + b * kFieldsPerBand + kFieldGain, band.normalisedGain);
        bank.setParameter(first + b * kFieldsPerBand + kFieldWidth, band.width);
        placeHandle(band);
    }
    phases = std::make_unique<CBiquad::Phase[]>(static_cast<size_t>(axis.capacity()));
    totalY = std::make_unique<float[]>(static_cast<size_t>(axis.capacity()));
    groupY = std::make_unique<float[]>(static_cast<size_t>(axis.capacity()));
    points.reserve(static_cast<size_t>(axis.capacity()) + 2);
}

void CParamEqView2::setParameter(int32 index, float v)
{
    const int32 k = index - firstParameter;
    if (k < 0 || k >= getBandCount() * kFieldsPerBand || !std::isfinite(v)) return;
    if (setField(k / kFieldsPerBand, k % kFieldsPerBand, v)) setDirty();
}

bool CParamEqView2::setField(int b, int field, float v)
{
    CFilterControl& band = bands[static_cast<size_t>(b)];
    float bankValue = v;
    switch (field)
    {
    case kFieldState:
    {
        const int type = static_cast<int>(std::clamp(v * 128.0f, -1.0f, 128.0f));
        if (type == band.type) return false;
        band.type = type;
        bankValue = type / 128.0f;
        break;
    }
    case kFieldFrequency:
    case kFieldGain:
    case kFieldWidth:
    {
        float& held = field == kFieldFrequency ? band.normalisedFrequency
                      : field == kFieldGain    ? band.normalisedGain
                                               : band.width;
        bankValue = std::clamp(v, 0.0f, 1.0f);
        if (bankValue == held) return false;
        held = bankValue;
        break;
    }
    default:
        return false;
    }
    bank.setParameter(firstParameter + b * kFieldsPerBand + field, bankValue);
    band.dirty = true;
    placeHandle(band);
    return true;
}

void CParamEqView2::placeHandle(CFilterControl& band)
{
    band.centre = CPoint(axis.columnX(axis.columnOf(band.normalisedFrequency)),
                         axis.normalisedGainY(band.normalisedGain));
    band.handle = CRect(band.centre, CPoint());
    band.handle.extend(handleSize.x / 2, handleSize.y / 2);
}

void CParamEqView2::setGroupFlag(int32 band, bool flag)
{
    if (band < 0 || band >= kMaxBands || groupFlags[static_cast<size_t>(band)] == flag) return;
    groupFlags[static_cast<size_t>(band)] = flag;
    combineNeeded = true;
    setDirty();
}

bool CParamEqView2::anyGroupFlag() const
{
    for (int b = 0; b < getBandCount(); ++b)
        if (groupFlags[static_cast<size_t>(b)]) return true;
    return false;
}

void CParamEqView2::selectBand(int32 band)
{
    if (band < -1 || band >= getBandCount()) band = -1;
    if (band == selected) return;
    selected = band;
    setDirty();
}

void CParamEqView2::setHoverHighlight(int32 band, bool on)
{
    const int32 now = on ? band : (band == highlighted ? -1 : highlighted);
    if (now == highlighted) return;
    highlighted = now;
    setDirty();
}

void CParamEqView2::setLowCut(float hz)
{
    if (!std::isfinite(hz) || hz == lowCutHz) return;
    lowCutHz = hz;
    setDirty();
}

void CParamEqView2::setHighCut(float hz)
{
    if (!std::isfinite(hz) || hz == highCutHz) return;
    highCutHz = hz;
    setDirty();
}

void CParamEqView2::setFill(const CColor& color, bool on)
{
    fillColor = color;
    fillOn = on;
    setDirty();
}

void CParamEqView2::setSampleRate(double rate)
{
    if (!(rate > 0.0 && std::isfinite(rate)) || rate == sampleRate) return;
    sampleRate = rate;
    bank.setSampleRate(static_cast<float>(rate));
    rateChanged = true;
    phasesStale = true;
    for (CFilterControl& band : bands) band.dirty = true;
    setDirty();
}

void CParamEqView2::setResolution(double columnsPerPixel)
{
    if (!axis.setResolution(columnsPerPixel)) return;
    phasesStale = true;
    for (CFilterControl& band : bands)
    {
        band.dirty = true;
        placeHandle(band);
    }
    setDirty();
}

void CParamEqView2::updateCurve()
{
    bank.update(rateChanged);
    rateChanged = false;
    if (phasesStale) computePhases();
    for (int b = 0; b < getBandCount(); ++b)
        if (bands[static_cast<size_t>(b)].dirty)
        {
            computeResponse(b);
            bands[static_cast<size_t>(b)].dirty = false;
            combineNeeded = true;
        }
    if (combineNeeded) combine();
    combineNeeded = false;
}

void CParamEqView2::computePhases()
{
    // The digital filter has no response beyond Nyquist: the curve holds its value there.
    const double nyquist = 0.5 * sampleRate;
    for (int i = 0; i < axis.columns(); ++i)
        phases[static_cast<size_t>(i)] =
            CBiquad::phaseAt(std::min(axis.frequency(i), nyquist), sampleRate);
    phasesStale = false;
}

void CParamEqView2::computeResponse(int b)
{
    const CBiquad* filter = bank.getFilter(b);
    const int type = filter->getType();
    if (type != CBiquad::kBell && type != CBiquad::kHighShelf && type != CBiquad::kLowShelf) return;
    float* response = bands[static_cast<size_t>(b)].response();
    for (int i = 0; i < axis.columns(); ++i)
    {
        const double power = filter->powerAt(phases[static_cast<size_t>(i)]);
        response[i] =
            power > 0.0 && std::isfinite(power) ? static_cast<float>(0.5 * std::log(power)) : 0.0f;
    }
}

void CParamEqView2::combine()
{
    const int n = axis.columns();
    std::fill(groupY.get(), groupY.get() + n, 0.0f);
    std::fill(totalY.get(), totalY.get() + n, 0.0f);
    for (int b = 0; b < getBandCount(); ++b)
    {
        const float* r = bands[static_cast<size_t>(b)].response();
        const bool inGroup = groupFlags[static_cast<size_t>(b)];
        for (int i = 0; i < n; ++i)
        {
            totalY[static_cast<size_t>(i)] += r[i];
            if (inGroup) groupY[static_cast<size_t>(i)] += r[i];
        }
    }
    // Products of magnitudes are sums of their logarithms; then onto the gain axis.
    for (int i = 0; i < n; ++i)
    {
        groupY[static_cast<size_t>(i)] =
            static_cast<float>(axis.logGainY(groupY[static_cast<size_t>(i)]));
        totalY[static_cast<size_t>(i)] =
            static_cast<float>(axis.logGainY(totalY[static_cast<size_t>(i)]));
    }
}

int CParamEqView2::bandAt(const CPoint& where, bool last) const
{
    int found = -1;
    for (int b = 0; b < getBandCount(); ++b)
        if (bands[static_cast<size_t>(b)].handle.pointInside(where))
        {
            found = b;
            if (!last) break;
        }
    return found;
}
