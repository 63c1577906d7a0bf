#include "tools/ProgressBar.h"

#include <algorithm>
#include <unistd.h>

namespace velqa::tool
{

namespace
{
constexpr int width = 40;
}

ProgressBar::ProgressBar(std::FILE* stream, bool wanted)
    : stream_(stream), active_(wanted && isatty(fileno(stream)))
{
}

ProgressBar::~ProgressBar()
{
    finish();
}

void ProgressBar::update(double fraction)
{
    if (!active_) return;
    const int filled = static_cast<int>(std::clamp(fraction, 0.0, 1.0) * width);
    if (filled == drawn_) return;
    drawn_ = filled;
    char bar[width + 1];
    for (int i = 0; i < width; ++i) bar[i] = i < filled ? '#' : '.';
    bar[width] = '\0';
    std::fprintf(stream_, "\r[%s] %3d%%", bar, filled * 100 / width);
    std::fflush(stream_);
}

void ProgressBar::finish()
{
    if (!active_ || drawn_ < 0) return;
    std::fprintf(stream_, "\r%*s\r", width + 8, "");
    std::fflush(stream_);
    active_ = false;
}

} // namespace velqa::tool
