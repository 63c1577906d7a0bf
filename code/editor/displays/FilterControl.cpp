#include "code/editor/displays/FilterControl.h"

#include <algorithm>

CFilterControl::CFilterControl(int columns)
    : values(std::make_unique<float[]>(static_cast<size_t>(std::max(columns, 1))))
{
    std::fill(values.get(), values.get() + std::max(columns, 1), 0.0f);
}

float CFilterControl::stateValueOf(int type)
{
    switch (type)
    {
    case kHighShelf:
        return 0.0f;
    case kLowShelf:
        return 1.0f;
    default:
        return 0.5f;
    }
}
