// Drawing costs of an editor-sized frame: a full-window redraw (what opening or zooming costs)
// and the idle pass at rest and with one knob moving (what every 50 ms tick costs).
#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cframe.h"
#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/platform/offscreenframe.h"

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <vector>

using namespace VSTGUI;

namespace
{

std::vector<unsigned char> encodePng(cairo_surface_t* surface)
{
    std::vector<unsigned char> bytes;
    cairo_surface_write_to_png_stream(
        surface,
        [](void* closure, const unsigned char* data, unsigned int length)
        {
            auto* out = static_cast<std::vector<unsigned char>*>(closure);
            out->insert(out->end(), data, data + length);
            return CAIRO_STATUS_SUCCESS;
        },
        &bytes);
    return bytes;
}

// A noisy picture, so PNG decoding and drawing are not flattered by flat colour.
CBitmap* makeBitmap(int width, int height)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    for (int y = 0; y < height; y += 5)
    {
        cairo_set_source_rgb(cr, (y % 255) / 255.0, 0.3, 1.0 - (y % 255) / 255.0);
        cairo_rectangle(cr, 0, y, width, 5);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    auto png = encodePng(surface);
    cairo_surface_destroy(surface);
    return new CBitmap(png.data(), png.size());
}

struct EditorSizedFrame
{
    explicit EditorSizedFrame(double zoom)
    {
        frame = new CFrame(CRect(0, 0, 875, 730));
        CBitmap* back = makeBitmap(875, 730);
        frame->setBackground(back);
        back->forget();
        CBitmap* strip = makeBitmap(60, 60 * 129);
        for (int i = 0; i < 40; ++i)
        {
            CRect where(0, 0, 60, 60);
            where.offset(20 + (i % 10) * 80, 100 + (i / 10) * 130);
            auto* knob = new CAnimKnob(where, nullptr, i, strip);
            knobs.push_back(knob);
            frame->addView(knob);
        }
        strip->forget();
        frame->setZoom(zoom);
        platform = openOffscreen(frame);
        frame->idle();
    }
    ~EditorSizedFrame() { frame->close(); }

    CFrame* frame;
    COffscreenPlatformFrame* platform;
    std::vector<CAnimKnob*> knobs;
};

void fullRedraw(benchmark::State& state)
{
    EditorSizedFrame editor(static_cast<double>(state.range(0)) / 100.0);
    for (auto _ : state) editor.platform->redrawAll();
    state.SetLabel("zoom " + std::to_string(state.range(0)) + " %");
}
BENCHMARK(fullRedraw)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

void idleAtRest(benchmark::State& state)
{
    EditorSizedFrame editor(1.0);
    for (auto _ : state) editor.frame->idle();
}
BENCHMARK(idleAtRest)->Unit(benchmark::kMicrosecond);

void idleWithOneKnobMoving(benchmark::State& state)
{
    EditorSizedFrame editor(1.0);
    float value = 0.f;
    for (auto _ : state)
    {
        value = value > 1.f ? 0.f : value + 0.01f;
        editor.knobs[7]->setValue(value);
        editor.frame->idle();
    }
}
BENCHMARK(idleWithOneKnobMoving)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
