#pragma once

#include "ToolkitTestSupport.h"
#include "code/editor/controls/IOrvControlHost.h"

#include <string>
#include <vector>

namespace controls_test
{

using namespace VSTGUI;

// Records the listener calls and the editor-only notifications in one sequence.
class HostSpy : public toolkit_test::RecordingListener, public IOrvControlHost
{
public:
    void partnerBeginEdit(int32 tag) override
    {
        calls.push_back("partner begin " + std::to_string(tag));
    }
    void partnerValueChanged(int32 tag, float value) override
    {
        calls.push_back("partner " + std::to_string(tag));
        partnerValues.push_back(value);
    }
    void partnerEndEdit(int32 tag) override
    {
        calls.push_back("partner end " + std::to_string(tag));
    }
    void linkIndicatorChanged(int32 tag, float value) override
    {
        calls.push_back("indicator " + std::to_string(tag) + " " + std::to_string(int(value)));
    }
    void hoverChanged(int32 tag, float value) override
    {
        calls.push_back("hover " + std::to_string(tag) + " " + std::to_string(int(value)));
    }

    int count(const std::string& call) const;
    void clear()
    {
        calls.clear();
        values.clear();
        partnerValues.clear();
    }

    std::vector<float> partnerValues;
};

// A strip bitmap with frame k filled grey k * step (released by the caller with forget()).
CBitmap* makeStrip(int width, int frameHeight, int frames, int step = 20);

} // namespace controls_test
