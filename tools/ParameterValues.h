#pragma once

#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <optional>
#include <string>

namespace velqa::tool
{

struct ParameterMatch
{
    Steinberg::Vst::ParamID id = 0;
    std::string title;
};

// Finds a parameter by its host-visible title, ignoring ASCII case.
std::optional<ParameterMatch> findParameter(Steinberg::Vst::IEditController* controller,
                                            const std::string& title);

// The display text the plug-in gives for a normalised value.
std::string displayText(Steinberg::Vst::IEditController* controller, Steinberg::Vst::ParamID id,
                        double normalised);

// A value as the user writes it: a bare number in 0..1 is normalised; anything else is matched
// against the parameter's own display texts ("-24dB", "1.5 kHz", "20ms", "TUBE", "L50", "50%").
std::optional<double> parseParameterValue(Steinberg::Vst::IEditController* controller,
                                          Steinberg::Vst::ParamID id, const std::string& text);

} // namespace velqa::tool
