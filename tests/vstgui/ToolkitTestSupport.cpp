#include "ToolkitTestSupport.h"

#include "vstgui/lib/cdrawcontext.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace toolkit_test
{

std::vector<unsigned char> readFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

namespace
{

// The product registers its embedded faces at start-up; tests do the same with Debian's
// metric-compatible face, so no test falls through to the system's font lookup.
struct RegisterFonts : ::testing::Environment
{
    void SetUp() override
    {
        auto data = readFile("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf");
        FontRegistry::registerFont("Arial", data.data(), data.size());
    }
};

[[maybe_unused]] auto* const fonts = ::testing::AddGlobalTestEnvironment(new RegisterFonts);

} // namespace

void ProbeView::draw(CDrawContext* context)
{
    ++draws;
    context->setFillColor(color);
    context->drawRect(getViewSize(), kDrawFilled);
    setDirty(false);
}

} // namespace toolkit_test
