#pragma once

#include "vstgui/lib/iplatformframe.h"
#include "vstgui/lib/platform/x11runloop.h"

#include <memory>

namespace VSTGUI
{
class CFrame;
}

namespace VSTGUI::X11
{

// An X11 child window (xcb, drawn with cairo through a back buffer) embedded in a parent window.
class X11Frame : public IPlatformFrame, public IEventHandler, public ITimerHandler
{
public:
    ~X11Frame() override;

    // parentWindow is the X11 window id; null when the display or the parent is unusable.
    static std::unique_ptr<X11Frame> create(CFrame* frame, uint32_t parentWindow,
                                            const FrameConfig& config);

    void invalidRect(const CRect& deviceRect) override;
    void invalidRects(const std::vector<CRect>& deviceRects) override;
    bool setSize(const CRect& deviceSize) override;
    double getContentScale() const override;
    bool setContentScale(double scale) override;

    // For hosts without a run loop interface: poll this and call processEvents when readable.
    int getFileDescriptor() const;
    uint32_t getWindowId() const;
    // Handles every queued event; returns false once the connection has failed.
    bool processEvents();

    void onEvent() override;
    void onTimer() override; // the 50 ms idle: the frame's idle

    static constexpr uint64_t kIdleIntervalMilliseconds = 50;

private:
    struct Impl;
    explicit X11Frame(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl;
};

std::unique_ptr<IPlatformFrame> createX11Frame(CFrame* frame, void* parent,
                                               const FrameConfig* config);

} // namespace VSTGUI::X11
