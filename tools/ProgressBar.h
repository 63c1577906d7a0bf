#pragma once

#include <cstdio>

namespace velqa::tool
{

// A bar on the terminal, redrawn only when its width in characters changes. Silent when the
// stream is not a terminal, so logs and pipes get only the summary.
class ProgressBar
{
public:
    explicit ProgressBar(std::FILE* stream, bool wanted);
    ~ProgressBar();

    void update(double fraction);
    void finish();

private:
    std::FILE* stream_;
    bool active_;
    int drawn_ = -1;
};

} // namespace velqa::tool
