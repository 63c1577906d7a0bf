#pragma once
// What every control of the library shares: mouse-over options and hover flag, the last click's
// buttons, and the partner of the other section that a linked gesture moves along.

#include "code/editor/controls/IOrvControlHost.h"
#include "vstgui/lib/controls/ccontrol.h"

// Options from the high nibble of a layout style: no hover look at all, or the hover frame one
// (mode 1) or three (mode 3) frames after the plain one instead of two.
enum OrvMouseOverOption : VSTGUI::int32
{
    kMouseOverOff = 0x10,
    kMouseOverMode1 = 0x20,
    kMouseOverMode3 = 0x80,
};

class COrvControlCommon
{
public:
    virtual ~COrvControlCommon() = default;

    void setMouseOverOptions(int options) { mouseOverOptions = options; }
    int getMouseOverOptions() const { return mouseOverOptions; }
    // Hover frames are drawn unless the options switch them off.
    bool showsHover() const { return (mouseOverOptions & kMouseOverOff) == 0; }
    bool isHovered() const { return hovered; }
    // How many frames after the plain frame a strip keeps its hover look.
    VSTGUI::int32 hoverFrameOffset() const;

    // The complete button state of the last mouse-down, and whether it was a modifier click.
    VSTGUI::CButtonState getLastModifiers() const { return lastModifiers; }
    bool isModifierClick() const { return modifierClick; }

    // -1 for none. With inverse, the partner receives 1 - value.
    void setPartner(VSTGUI::int32 tag, bool inverse = false);
    VSTGUI::int32 getPartnerTag() const { return partnerTag; }
    bool isPartnerInverse() const { return partnerInverse; }
    // Told 1.0 when a linked drag starts and 0.0 when it ends; -1 for none.
    void setLinkIndicatorTag(VSTGUI::int32 tag) { linkIndicatorTag = tag; }
    VSTGUI::int32 getLinkIndicatorTag() const { return linkIndicatorTag; }

protected:
    explicit COrvControlCommon(VSTGUI::CControl& control) : control(control) {}

    void storeMouseDown(const VSTGUI::CButtonState& buttons, bool isModifierClick);
    // True when the redraw is wanted.
    bool setHovered(bool state);
    IOrvControlHost* host() const;

    // A right press, or a left press with Shift and Alt, links the gesture when there is a
    // partner: buttons then become a plain left press. True when linked.
    bool takeLinkedGesture(VSTGUI::CButtonState& buttons) const;
    void partnerBeginEdit() const;
    void partnerFollow(float value) const;
    void partnerEndEdit() const;
    void notifyLinkIndicator(float value) const;

    VSTGUI::CControl& control;

private:
    int mouseOverOptions = 0;
    bool hovered = false;
    VSTGUI::CButtonState lastModifiers;
    bool modifierClick = false;
    VSTGUI::int32 partnerTag = -1;
    bool partnerInverse = false;
    VSTGUI::int32 linkIndicatorTag = -1;
};

// Hands the options to every control inside container, however deep.
void passMouseOverOptions(VSTGUI::CViewContainer* container, int options);

// Frame k of a vertical strip of frames, drawn into dest; nothing for an empty bitmap or a frame
// outside the strip.
void drawStripFrame(VSTGUI::CDrawContext* context, VSTGUI::CBitmap* strip,
                    const VSTGUI::CRect& dest, VSTGUI::int32 frame, VSTGUI::int32 frames);

// The same frame drawn again additively, lightening the image within its own shape: the hover
// look of strips without hover frames.
void drawStripHighlight(VSTGUI::CDrawContext* context, VSTGUI::CBitmap* strip,
                        const VSTGUI::CRect& dest, VSTGUI::int32 frame, VSTGUI::int32 frames,
                        float amount = 0.25f);

// Discrete choices travel as index / 128.
inline float indexToValue(VSTGUI::int32 index)
{
    return static_cast<float>(index) / 128.f;
}
VSTGUI::int32 valueToIndex(float value);
