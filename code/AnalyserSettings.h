#pragma once

#include "code/soundengine/SpectrumAnalyzer.h"

namespace velqa
{

// What the parameters configure for each section's spectrum is the analyser itself.
using AnalyserSettings = CSpectrumAnalyzer;

} // namespace velqa
