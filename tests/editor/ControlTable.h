#pragma once
// Where every control of the editor must be, written by hand from the control table and on
// purpose not shared with the editor's own layout data.

#include <string>
#include <vector>

namespace velqa::test
{

struct ExpectedControl
{
    int tag;
    double left, top; // window coordinates at 100 %: container origin plus x, y
    double width, height;
    // The bound parameter's host title, "#N" for host id N (no title), empty for none.
    std::string parameter;
    int bandPanel; // 0..9 (Above 1..5, Below 1..5) for a band panel's control, else -1
};

const std::vector<ExpectedControl>& expectedControls();

} // namespace velqa::test
