#include "code/editor/controls/CButtonMO.h"

#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"

#include <algorithm>

using namespace VSTGUI;

namespace
{

constexpr int32 kDigitFrames = 12;

} // namespace

CCButtonMO::CCButtonMO(const CRect& size, IControlListener* listener, int32 tag, CBitmap* strip,
                       int32 frames, int32 mode, int32 states)
    : CLed(size, listener, tag, strip, frames, mode),
      states(states > 0 ? states : std::max(frames, 1))
{
    if (mode == kBandSelector)
    {
        digitWidth = size.getWidth();
        digitHeight = size.getHeight();
        this->states = kDigits;
        this->size.setWidth((kDigits / 2 - 1) * kDigitPitchX + digitWidth);
        this->size.setHeight(kDigitPitchY + digitHeight);
        // A digit clicked with modifiers is a band action for the editor.
        modifierClickReporting = true;
    }
}

CCButtonMO::~CCButtonMO()
{
    for (CBitmap* bitmap : digitBitmaps)
        if (bitmap) bitmap->forget();
}

int32 CCButtonMO::getState() const
{
    return std::min(valueToIndex(value), states - 1);
}

void CCButtonMO::setDisabled(bool state)
{
    if (disabled == state) return;
    disabled = state;
    setMouseEnabled(!state);
    setDirty();
}

bool CCButtonMO::isModifierClickOf(const CButtonState& buttons) const
{
    return modifierClickReporting && buttons.isLeftButton() &&
           (buttons & (kShift | kControl | kAlt)) != 0;
}

float CCButtonMO::clickedValue(const CPoint& where) const
{
    if (mode == kBandSelector) return indexToValue(std::max(0, digitAt(where)));
    if (mode == kMultiState) return indexToValue((getState() + 1) % states);
    return CLed::clickedValue(where);
}

CMouseEventResult CCButtonMO::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (disabled) return kMouseEventNotHandled;
    if (mode == kBandSelector)
    {
        const int32 digit = digitAt(where);
        if (digit < 0 || !buttons.isLeftButton()) return kMouseEventNotHandled;
        clickedDigit = digit;
    }
    if (isModifierClickOf(buttons))
    {
        // The editor decides what the modifiers mean; the button itself does not change.
        storeMouseDown(buttons, true);
        remember();
        valueChanged();
        forget();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    return CLed::onMouseDown(where, buttons);
}

bool CCButtonMO::hitTest(const CPoint& where, const CButtonState& buttons)
{
    if (mode == kBandSelector) return digitAt(where) >= 0;
    return CLed::hitTest(where, buttons);
}

int32 CCButtonMO::frameIndex() const
{
    if (disabled) return frames >= 3 ? 2 : 0;
    if (mode == kMultiState)
    {
        // A strip with a frame beyond the states has a hover look for the first state.
        const int32 state = getState();
        if (state == 0 && frames > states && isHovered() && showsHover()) return frames - 1;
        return state;
    }
    if (mode == CLed::kMomentary && frames == 3) return pressed && pressedInside ? 1 : 0;
    return CLed::frameIndex();
}

void CCButtonMO::draw(CDrawContext* context)
{
    if (mode != kBandSelector) return CLed::draw(context);
    for (int32 digit = 0; digit < kDigits; ++digit)
    {
        CBitmap* bitmap = digitBitmaps[static_cast<size_t>(digit)];
        drawStripFrame(context, bitmap ? bitmap : background, getDigitRect(digit),
                       digitFrame(digit), kDigitFrames);
    }
    setDirty(false);
}

void CCButtonMO::setDigitBitmaps(const std::array<CBitmap*, kDigits>& bitmaps)
{
    for (size_t i = 0; i < bitmaps.size(); ++i)
    {
        if (bitmaps[i]) bitmaps[i]->remember();
        if (digitBitmaps[i]) digitBitmaps[i]->forget();
        digitBitmaps[i] = bitmaps[i];
    }
    setDirty();
}

void CCButtonMO::setDigitMark(int32 digit, bool DigitMarks::*mark, bool state)
{
    if (digit < 0 || digit >= kDigits) return;
    bool& current = digitMarks[static_cast<size_t>(digit)].*mark;
    if (current == state) return;
    current = state;
    setDirty();
}

void CCButtonMO::setDigitSolo(int32 digit, bool state)
{
    setDigitMark(digit, &DigitMarks::solo, state);
}

void CCButtonMO::setDigitOff(int32 digit, bool state)
{
    setDigitMark(digit, &DigitMarks::off, state);
}

void CCButtonMO::setDigitHover(int32 digit, bool state)
{
    setDigitMark(digit, &DigitMarks::hover, state);
}

bool CCButtonMO::getDigitSolo(int32 digit) const
{
    return digit >= 0 && digit < kDigits && digitMarks[static_cast<size_t>(digit)].solo;
}

bool CCButtonMO::getDigitOff(int32 digit) const
{
    return digit >= 0 && digit < kDigits && digitMarks[static_cast<size_t>(digit)].off;
}

bool CCButtonMO::getDigitHover(int32 digit) const
{
    return digit >= 0 && digit < kDigits && digitMarks[static_cast<size_t>(digit)].hover;
}

CRect CCButtonMO::getDigitRect(int32 digit) const
{
    const int32 column = digit % (kDigits / 2);
    const int32 row = digit / (kDigits / 2);
    CRect rect(0, 0, digitWidth, digitHeight);
    rect.offset(size.left + column * kDigitPitchX, size.top + row * kDigitPitchY);
    return rect;
}

int32 CCButtonMO::digitAt(const CPoint& where) const
{
    if (mode != kBandSelector) return -1;
    for (int32 digit = 0; digit < kDigits; ++digit)
        if (getDigitRect(digit).pointInside(where)) return digit;
    return -1;
}

int32 CCButtonMO::digitFrame(int32 digit) const
{
    if (digit < 0 || digit >= kDigits) return 0;
    const DigitMarks& marks = digitMarks[static_cast<size_t>(digit)];
    // A switched-off band is silent even when soloed, so "off" wins.
    const int32 mark = marks.off ? 2 : (marks.solo ? 1 : 0);
    const bool selected = getState() == digit;
    const bool hover = marks.hover && showsHover();
    return 4 * mark + (selected ? 2 : 0) + (hover ? 1 : 0);
}
