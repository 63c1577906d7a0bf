#include "code/CompareStore.h"

void CCompAB::pushLoading()
{
    savedState = state;
    state = kStateLoading;
}

void CCompAB::pop()
{
    state = savedState;
}

void CCompAB::select(State which)
{
    if (which != kStateA && which != kStateB) return;
    state = which;
    const auto& values = which == kStateA ? valuesA : valuesB;
    for (int32_t i = 0; i < parameterCount; ++i) client.setCompareParameter(i, values[i]);
}
