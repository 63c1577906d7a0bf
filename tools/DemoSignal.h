#pragma once

#include "host/AudioFile.h"

namespace velqa::tool
{

// A few bars of drums and bass, synthesised so a first render needs no audio file. Loud kicks
// and snares against a quieter bass and hats make the split between the sections audible.
host::AudioData demoSignal(double sampleRate = 48000.0, double seconds = 8.0);

} // namespace velqa::tool
