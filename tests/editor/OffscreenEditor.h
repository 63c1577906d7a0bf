#pragma once
// The built module's editor opened on an image through its view's probe, as a host without a
// screen drives it. The instance runs, so host changes reach the effect as automation does.

#include "VST3Adapter/IEditorProbe.h"
#include "host/Module.h"
#include "host/PluginInstance.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velqa::test
{

// The toolkit's button-state bits, as the probe takes them.
enum Buttons : Steinberg::int32
{
    kLeft = 0x2,
    kRight = 0x8,
    kShift = 0x10,
    kCtrl = 0x20,
    kAlt = 0x40,
};

struct Point
{
    double x, y;
};

// The value an effect holds, read from its saved state (not the host's copy); NaN if unreadable.
// Where the effect's live values start in a component state.
size_t firstValueOffset(const std::vector<uint8_t>& state);
float effectValueOf(host::PluginInstance& plugin, Steinberg::Vst::ParamID id);
// The values a new instance starts with: the parameter defaults, 0..113.
std::vector<float> defaultValues(host::Module& module);
// The host's begin, perform and end calls for one parameter since the handler was cleared.
struct EditCount
{
    size_t begun = 0, performed = 0, ended = 0;
    double last = -1; // the last performed value
};
EditCount editsOf(host::PluginInstance& plugin, Steinberg::Vst::ParamID id);

class OffscreenEditor
{
public:
    static std::unique_ptr<host::Module> loadModule();

    // Creates a running instance and its view; open() puts the editor on an image.
    explicit OffscreenEditor(host::Module& module);
    ~OffscreenEditor();

    bool valid() const { return probe_ != nullptr; }
    bool open(double contentScale = 1.0);
    void close();

    host::PluginInstance& plugin() { return *plugin_; }
    IEditorProbe& probe() { return *probe_; }

    // The host id of a parameter by its title; -1 when there is none.
    Steinberg::int32 idOf(const std::string& title) const;
    // The value the effect holds (read from its saved state, not from the host's copy).
    float effectValue(Steinberg::Vst::ParamID id);
    // Host changes, delivered with one processed block, then one editor tick.
    void hostSets(const std::vector<std::pair<Steinberg::Vst::ParamID, double>>& changes);

    std::optional<Steinberg::ViewRect> rectOf(Steinberg::int32 tag);
    bool visible(Steinberg::int32 tag);
    // NaN for a tag without a control.
    float shown(Steinberg::int32 tag);
    Point centreOf(Steinberg::int32 tag);

    // Mouse gestures at window coordinates of 100 % zoom; zoom and screen scale are applied here.
    void press(Point p, Steinberg::int32 buttons);
    void move(Point p, Steinberg::int32 buttons);
    void release(Point p, Steinberg::int32 buttons);
    void click(Point p, Steinberg::int32 buttons = kLeft);
    void drag(Point from, double dy, Steinberg::int32 buttons = kLeft);
    void tick(int count = 1);
    void setZoom(int percent);

private:
    std::unique_ptr<host::PluginInstance> plugin_;
    Steinberg::IPlugView* view_ = nullptr;
    IEditorProbe* probe_ = nullptr;
    double deviceScale() const { return zoom_ * contentScale_; }

    double contentScale_ = 1.0;
    double zoom_ = 1.0;
};

} // namespace velqa::test
