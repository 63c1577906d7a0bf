#pragma once

// IProcessContextRequirements is declared beside IAudioProcessor.
#include "pluginterfaces/vst/ivstaudioprocessor.h"
