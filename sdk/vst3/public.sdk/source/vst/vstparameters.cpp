#include "public.sdk/source/vst/vstparameters.h"
#include "base/source/fstring.h"

#include <algorithm>
#include <cmath>

namespace Steinberg
{
namespace Vst
{

namespace
{
void copyTitle(String128 dest, const TChar* source)
{
    strncpy16(dest, source, 128);
}

bool readNumber(const TChar* string, double& value)
{
    return string && String(string).scanFloat(value);
}
} // namespace

Parameter::Parameter() : info{} {}

Parameter::Parameter(const ParameterInfo& description)
    : info(description), valueNormalized(std::clamp(description.defaultNormalizedValue, 0., 1.))
{
}

Parameter::Parameter(const TChar* title, ParamID tag, const TChar* units,
                     ParamValue defaultValueNormalized, int32 stepCount, int32 flags, UnitID unitID,
                     const TChar* shortTitle)
    : info{}
{
    info.id = tag;
    copyTitle(info.title, title);
    copyTitle(info.units, units);
    copyTitle(info.shortTitle, shortTitle);
    info.stepCount = stepCount;
    info.defaultNormalizedValue = valueNormalized = std::clamp(defaultValueNormalized, 0., 1.);
    info.flags = flags;
    info.unitId = unitID;
}

bool Parameter::setNormalized(ParamValue value)
{
    // NaN from a host must not poison the stored value.
    if (std::isnan(value)) return false;
    value = std::clamp(value, 0., 1.);
    if (value == valueNormalized) return false;
    valueNormalized = value;
    return true;
}

void Parameter::toString(ParamValue value, String128 string) const
{
    String text;
    if (info.stepCount == 1)
        text = value > 0.5 ? "On" : "Off";
    else if (info.stepCount > 1)
        text.printInt64(static_cast<int64>(toPlain(value)));
    else
        text.printFloat(value, precision);
    text.copyTo16(string, 0, 127);
}

bool Parameter::fromString(const TChar* string, ParamValue& value) const
{
    if (info.stepCount == 1 && string)
    {
        const String text(string);
        if (text.compare("on", String::kCaseInsensitive) == 0)
        {
            value = 1.;
            return true;
        }
        if (text.compare("off", String::kCaseInsensitive) == 0)
        {
            value = 0.;
            return true;
        }
    }
    double number = 0.;
    if (!readNumber(string, number)) return false;
    value = info.stepCount > 0 ? toNormalized(number) : std::clamp(number, 0., 1.);
    return true;
}

ParamValue Parameter::toPlain(ParamValue value) const
{
    if (info.stepCount <= 0) return value;
    return std::min<ParamValue>(info.stepCount, std::floor(value * (info.stepCount + 1)));
}

ParamValue Parameter::toNormalized(ParamValue plainValue) const
{
    if (info.stepCount <= 0) return plainValue;
    return std::clamp(plainValue / info.stepCount, 0., 1.);
}

RangeParameter::RangeParameter(const TChar* title, ParamID tag, const TChar* units,
                               ParamValue minValue, ParamValue maxValue,
                               ParamValue defaultValuePlain, int32 stepCount, int32 flags,
                               UnitID unitID, const TChar* shortTitle)
    : Parameter(title, tag, units, 0., stepCount, flags, unitID, shortTitle), minPlain(minValue),
      maxPlain(maxValue)
{
    info.defaultNormalizedValue = valueNormalized = toNormalized(defaultValuePlain);
}

void RangeParameter::toString(ParamValue value, String128 string) const
{
    String text;
    if (info.stepCount > 0)
        text.printInt64(static_cast<int64>(std::llround(toPlain(value))));
    else
        text.printFloat(toPlain(value), precision);
    text.copyTo16(string, 0, 127);
}

bool RangeParameter::fromString(const TChar* string, ParamValue& value) const
{
    double number = 0.;
    if (!readNumber(string, number)) return false;
    value = toNormalized(number);
    return true;
}

ParamValue RangeParameter::toPlain(ParamValue value) const
{
    if (info.stepCount > 0)
        return minPlain +
               std::min<ParamValue>(info.stepCount, std::floor(value * (info.stepCount + 1))) *
                   (maxPlain - minPlain) / info.stepCount;
    return minPlain + value * (maxPlain - minPlain);
}

ParamValue RangeParameter::toNormalized(ParamValue plainValue) const
{
    if (maxPlain == minPlain) return 0.;
    return std::clamp((plainValue - minPlain) / (maxPlain - minPlain), 0., 1.);
}

void ParameterContainer::init(int32 initialSize, int32 /*resizeDelta*/)
{
    if (initialSize > 0) params.reserve(static_cast<size_t>(initialSize));
}

Parameter* ParameterContainer::addParameter(Parameter* p)
{
    if (!p) return nullptr;
    IPtr<Parameter> owned(p, false);
    const ParamID id = p->getInfo().id;
    if (!indexOfId.emplace(id, params.size()).second) return nullptr;
    params.push_back(std::move(owned));
    return p;
}

Parameter* ParameterContainer::addParameter(const ParameterInfo& info)
{
    return addParameter(new Parameter(info));
}

Parameter* ParameterContainer::addParameter(const TChar* title, const TChar* units, int32 stepCount,
                                            ParamValue defaultValueNormalized, int32 flags,
                                            int32 tag, UnitID unitID, const TChar* shortTitle)
{
    const ParamID id =
        tag < 0 ? static_cast<ParamID>(getParameterCount()) : static_cast<ParamID>(tag);
    return addParameter(new Parameter(title, id, units, defaultValueNormalized, stepCount, flags,
                                      unitID, shortTitle));
}

Parameter* ParameterContainer::getParameter(ParamID tag) const
{
    const auto found = indexOfId.find(tag);
    return found == indexOfId.end() ? nullptr : params[found->second].get();
}

Parameter* ParameterContainer::getParameterByIndex(int32 index) const
{
    if (index < 0 || index >= getParameterCount()) return nullptr;
    return params[static_cast<size_t>(index)].get();
}

void ParameterContainer::removeAll()
{
    params.clear();
    indexOfId.clear();
}

} // namespace Vst
} // namespace Steinberg
