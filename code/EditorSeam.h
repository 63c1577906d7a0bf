#pragma once

#include <cstdint>

namespace velqa
{

// What the core tells its editor. The editor may be closed: it ignores what it cannot show.
class IEditorSink
{
public:
    virtual void setParameter(int32_t index, float value) = 0;
    virtual void setSoloFlags(bool /*belowSoloActive*/, bool /*aboveSoloActive*/) {}

protected:
    ~IEditorSink() = default;
};

// Every call from the core into its editor passes here. Until an editor is attached the seam
// answers "no editor" and swallows the calls, so the core's rules run unchanged without it.
class CEditorSeam
{
public:
    // The editor is owned by the effect (it registered itself); the seam only points at it.
    void attach(IEditorSink* editor) { sink = editor; }
    bool hasEditor() const { return sink != nullptr; }
    void setParameter(int32_t index, float value)
    {
        if (sink) sink->setParameter(index, value);
    }
    void setSoloFlags(bool belowSoloActive, bool aboveSoloActive)
    {
        if (sink) sink->setSoloFlags(belowSoloActive, aboveSoloActive);
    }

private:
    IEditorSink* sink = nullptr;
};

} // namespace velqa
