#include "OffscreenEditor.h"

#include "host/MemoryStream.h"
#include "host/Utf16.h"

#include <cmath>
#include <cstring>
#include <limits>

using namespace Steinberg;

namespace velqa::test
{
namespace
{
constexpr double kSampleRate = 48000.0;
constexpr int32 kBlock = 256;
} // namespace

std::unique_ptr<host::Module> OffscreenEditor::loadModule()
{
    return host::Module::load(VELQA_BUNDLE).module;
}

OffscreenEditor::OffscreenEditor(host::Module& module)
{
    plugin_ = host::PluginInstance::create(module).instance;
    if (!plugin_ || plugin_->initialize() != kResultOk) return;
    plugin_->setupProcessing(kSampleRate, kBlock);
    plugin_->setActive(true);
    plugin_->setProcessing(true);
    view_ = plugin_->controller()->createView(Vst::ViewType::kEditor);
    if (view_ &&
        view_->queryInterface(IEditorProbe::iid, reinterpret_cast<void**>(&probe_)) != kResultOk)
        probe_ = nullptr;
}

OffscreenEditor::~OffscreenEditor()
{
    if (probe_)
    {
        probe_->closeOffscreen();
        probe_->release();
    }
    if (view_) view_->release();
    if (plugin_)
    {
        plugin_->setProcessing(false);
        plugin_->setActive(false);
    }
}

bool OffscreenEditor::open(double contentScale)
{
    contentScale_ = contentScale;
    return probe_ && probe_->openOffscreen(contentScale) == kResultOk;
}

void OffscreenEditor::close()
{
    if (probe_) probe_->closeOffscreen();
}

int32 OffscreenEditor::idOf(const std::string& title) const
{
    Vst::IEditController* controller = plugin_->controller();
    for (int32 i = 0; i < controller->getParameterCount(); ++i)
    {
        Vst::ParameterInfo info{};
        if (controller->getParameterInfo(i, info) == kResultOk &&
            host::toUtf8(info.title, 128) == title)
            return static_cast<int32>(info.id);
    }
    return -1;
}

size_t firstValueOffset(const std::vector<uint8_t>& state)
{
    // Program index, the host-bypass record when present, the chunk's 16-byte header, then the
    // live values as native floats.
    const bool bypassRecord = state.size() >= 8 && std::memcmp(&state[4], "VqBp", 4) == 0;
    return 4 + (bypassRecord ? 8 : 0) + 16;
}

float effectValueOf(host::PluginInstance& plugin, Vst::ParamID id)
{
    host::MemoryStream state;
    plugin.getState(state);
    const size_t offset = firstValueOffset(state.bytes()) + 4 * static_cast<size_t>(id);
    float value = std::numeric_limits<float>::quiet_NaN();
    if (state.bytes().size() >= offset + 4) std::memcpy(&value, &state.bytes()[offset], 4);
    return value;
}

std::vector<float> defaultValues(host::Module& module)
{
    std::vector<float> values;
    auto fresh = host::PluginInstance::create(module).instance;
    if (!fresh || fresh->initialize() != kResultOk) return values;
    for (Vst::ParamID id = 0; id < 114; ++id) values.push_back(effectValueOf(*fresh, id));
    return values;
}

EditCount editsOf(host::PluginInstance& plugin, Vst::ParamID id)
{
    using Kind = host::ComponentHandlerRecorder::Kind;
    EditCount count;
    for (const auto& call : plugin.handler().calls())
    {
        if (call.id != id || call.kind == Kind::restartComponent) continue;
        count.begun += call.kind == Kind::beginEdit;
        count.ended += call.kind == Kind::endEdit;
        if (call.kind == Kind::performEdit)
        {
            ++count.performed;
            count.last = call.value;
        }
    }
    return count;
}

float OffscreenEditor::effectValue(Vst::ParamID id)
{
    return effectValueOf(*plugin_, id);
}

void OffscreenEditor::hostSets(const std::vector<std::pair<Vst::ParamID, double>>& changes)
{
    for (const auto& [id, value] : changes) plugin_->inputChanges().add(id, 0, value);
    plugin_->process(kBlock);
    plugin_->inputChanges().clear();
    tick();
}

std::optional<ViewRect> OffscreenEditor::rectOf(int32 tag)
{
    ViewRect rect;
    if (probe_->findTag(tag, &rect, nullptr) != kResultOk) return std::nullopt;
    return rect;
}

bool OffscreenEditor::visible(int32 tag)
{
    TBool shownNow = false;
    return probe_->findTag(tag, nullptr, &shownNow) == kResultOk && shownNow;
}

float OffscreenEditor::shown(int32 tag)
{
    float value = 0;
    if (probe_->getTagValue(tag, &value) != kResultOk)
        return std::numeric_limits<float>::quiet_NaN();
    return value;
}

Point OffscreenEditor::centreOf(int32 tag)
{
    const auto rect = rectOf(tag);
    if (!rect) return {-1, -1};
    return {(rect->left + rect->right) / 2.0, (rect->top + rect->bottom) / 2.0};
}

void OffscreenEditor::press(Point p, int32 buttons)
{
    probe_->mouse(IEditorProbe::kMouseDown, p.x * deviceScale(), p.y * deviceScale(), buttons, 0);
}

void OffscreenEditor::move(Point p, int32 buttons)
{
    probe_->mouse(IEditorProbe::kMouseMoved, p.x * deviceScale(), p.y * deviceScale(), buttons, 0);
}

void OffscreenEditor::release(Point p, int32 buttons)
{
    probe_->mouse(IEditorProbe::kMouseUp, p.x * deviceScale(), p.y * deviceScale(), buttons, 0);
}

void OffscreenEditor::click(Point p, int32 buttons)
{
    press(p, buttons);
    release(p, buttons);
}

void OffscreenEditor::drag(Point from, double dy, int32 buttons)
{
    press(from, buttons);
    // In steps, as a hand moves: controls see several moves.
    for (int step = 1; step <= 4; ++step) move({from.x, from.y + dy * step / 4}, buttons);
    release({from.x, from.y + dy}, buttons);
}

void OffscreenEditor::tick(int count)
{
    for (int i = 0; i < count; ++i) probe_->tick();
}

void OffscreenEditor::setZoom(int percent)
{
    probe_->setZoomPercent(percent);
    zoom_ = percent / 100.0;
}

} // namespace velqa::test
