#include "ControlsTestSupport.h"

#include <algorithm>

namespace controls_test
{

int HostSpy::count(const std::string& call) const
{
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

CBitmap* makeStrip(int width, int frameHeight, int frames, int step)
{
    auto png = toolkit_test::stripPng(width, frameHeight, frames, step);
    return new CBitmap(png.data(), png.size());
}

} // namespace controls_test
