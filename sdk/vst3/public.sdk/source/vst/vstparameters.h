#pragma once

#include "base/source/fobject.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <map>
#include <vector>

namespace Steinberg
{
namespace Vst
{

// One parameter of an edit controller: its description and its normalised value.
class Parameter : public FObject
{
public:
    Parameter();
    explicit Parameter(const ParameterInfo& info);
    Parameter(const TChar* title, ParamID tag, const TChar* units = nullptr,
              ParamValue defaultValueNormalized = 0., int32 stepCount = 0,
              int32 flags = ParameterInfo::kCanAutomate, UnitID unitID = kRootUnitId,
              const TChar* shortTitle = nullptr);

    virtual const ParameterInfo& getInfo() const { return info; }
    virtual ParameterInfo& getInfo() { return info; }

    virtual void setUnitID(UnitID id) { info.unitId = id; }
    virtual UnitID getUnitID() { return info.unitId; }

    virtual ParamValue getNormalized() const { return valueNormalized; }
    // Clamps to 0..1; returns whether the stored value changed.
    virtual bool setNormalized(ParamValue value);

    // Continuous: the normalised value with `precision` decimals; one step: "On"/"Off";
    // more steps: the step number.
    virtual void toString(ParamValue valueNormalized, String128 string) const;
    virtual bool fromString(const TChar* string, ParamValue& valueNormalized) const;

    virtual ParamValue toPlain(ParamValue valueNormalized) const;
    virtual ParamValue toNormalized(ParamValue plainValue) const;

    int32 getPrecision() const { return precision; }
    void setPrecision(int32 digits) { precision = digits; }

    OBJ_METHODS(Parameter, FObject)

protected:
    ParameterInfo info;
    ParamValue valueNormalized = 0.;
    int32 precision = 4;
};

// A parameter whose plain value spans minPlain..maxPlain.
class RangeParameter : public Parameter
{
public:
    RangeParameter(const TChar* title, ParamID tag, const TChar* units = nullptr,
                   ParamValue minPlain = 0., ParamValue maxPlain = 1.,
                   ParamValue defaultValuePlain = 0., int32 stepCount = 0,
                   int32 flags = ParameterInfo::kCanAutomate, UnitID unitID = kRootUnitId,
                   const TChar* shortTitle = nullptr);

    ParamValue getMin() const { return minPlain; }
    ParamValue getMax() const { return maxPlain; }

    void toString(ParamValue valueNormalized, String128 string) const override;
    bool fromString(const TChar* string, ParamValue& valueNormalized) const override;
    ParamValue toPlain(ParamValue valueNormalized) const override;
    ParamValue toNormalized(ParamValue plainValue) const override;

    OBJ_METHODS(RangeParameter, Parameter)

protected:
    ParamValue minPlain;
    ParamValue maxPlain;
};

// The controller's parameters in the order they were added, found by index or by id.
class ParameterContainer
{
public:
    ParameterContainer() = default;
    ParameterContainer(const ParameterContainer&) = delete;
    ParameterContainer& operator=(const ParameterContainer&) = delete;

    void init(int32 initialSize = 10, int32 resizeDelta = 100);

    // Takes over the caller's reference. A parameter whose id is already present is
    // refused: it is released and null is returned.
    Parameter* addParameter(Parameter* p);
    Parameter* addParameter(const ParameterInfo& info);
    // tag < 0 uses the current count as the id.
    Parameter* addParameter(const TChar* title, const TChar* units = nullptr, int32 stepCount = 0,
                            ParamValue defaultValueNormalized = 0.,
                            int32 flags = ParameterInfo::kCanAutomate, int32 tag = -1,
                            UnitID unitID = kRootUnitId, const TChar* shortTitle = nullptr);

    Parameter* getParameter(ParamID tag) const;
    Parameter* getParameterByIndex(int32 index) const;
    int32 getParameterCount() const { return static_cast<int32>(params.size()); }

    void removeAll();

private:
    std::vector<IPtr<Parameter>> params;
    std::map<ParamID, size_t> indexOfId;
};

} // namespace Vst
} // namespace Steinberg
