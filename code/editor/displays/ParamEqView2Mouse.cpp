// Editing a band on the equaliser display: clicks, drags, the wheel and hover.

#include "code/editor/displays/ParamEqView2.h"

#include "platform/Clock.h"

#include <algorithm>

using namespace VSTGUI;

namespace
{

// A press often comes with a small jolt of the hand: the handle stays put this long.
constexpr uint64_t kSettleMilliseconds = 100;
constexpr double kWidthPerPixel = 0.005;
constexpr CCoord kDragReach = 8;
constexpr float kWidthPerStep = 0.05f;
constexpr float kPositionPerStep = 0.0125f;

} // namespace

void CParamEqView2::openEdit(int band, int field)
{
    if (editOpen[static_cast<size_t>(field)]) return;
    editOpen[static_cast<size_t>(field)] = true;
    editBand = band;
    editedBand = band;
    editedParameter = firstParameter + band * kFieldsPerBand + field;
    if (listener) listener->controlBeginEdit(this);
}

void CParamEqView2::report(int band, int field, float newValue)
{
    editedBand = band;
    editedParameter = firstParameter + band * kFieldsPerBand + field;
    value = newValue;
    if (listener) listener->valueChanged(this);
}

void CParamEqView2::closeEdits()
{
    for (int field = 0; field < kFieldsPerBand; ++field)
    {
        if (!editOpen[static_cast<size_t>(field)]) continue;
        editOpen[static_cast<size_t>(field)] = false;
        editedBand = editBand;
        editedParameter = firstParameter + editBand * kFieldsPerBand + field;
        if (listener) listener->controlEndEdit(this);
    }
    editBand = -1;
}

void CParamEqView2::reportModifierClick(int band, int32 modifiers)
{
    modifierClick = modifiers;
    modifierClickPending = true;
    report(band, kFieldState, value);
    modifierClickPending = false;
}

bool CParamEqView2::hitTest(const CPoint& where, const CButtonState&)
{
    if (dragging)
    {
        // A drag keeps the display under the pointer a little beyond its edge.
        CRect reach = size;
        reach.extend(kDragReach, kDragReach);
        return reach.pointInside(where);
    }
    return size.pointInside(where) && (bandAt(where) >= 0 || wheelBand >= 0);
}

CMouseEventResult CParamEqView2::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    const int b = bandAt(where);
    if (b < 0) return kMouseEventNotHandled; // the pane below shows its help
    CFilterControl& band = bands[static_cast<size_t>(b)];
    band.grabOffset = CPoint(where.x - band.centre.x, where.y - band.centre.y);

    const int32 modifiers = buttons.getModifierState();
    if (modifierClicks && modifiers != 0)
    {
        int32 click = 0;
        if (modifiers & kAlt)
            click = (modifiers & kShift) ? (kAlt | kShift) : kAlt;
        else if (modifiers == kShift || modifiers == kControl)
            click = modifiers;
        if (click != 0)
        {
            reportModifierClick(b, click);
            return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
        }
    }

    selected = b;
    if (buttons.isRightButton())
        openEdit(b, kFieldWidth);
    else if (buttons.isLeftButton())
    {
        openEdit(b, kFieldFrequency);
        openEdit(b, kFieldGain);
        report(b, kFieldFrequency, band.normalisedFrequency);
        report(b, kFieldGain, band.normalisedGain);
    }
    focused = b;
    band.widthAtGrab = band.width;
    band.grabPoint = where;
    dragging = true;
    mouseDownTime = velqa::platform::millisecondClock();
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CParamEqView2::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons.getModifierState() & (kShift | kControl))) wheelBand = -1;
    updateHover(where);
    if (velqa::platform::millisecondClock() - mouseDownTime < kSettleMilliseconds)
        return kMouseEventHandled;
    if (selected < 0) return kMouseEventHandled;
    const int b = selected;
    CFilterControl& band = bands[static_cast<size_t>(b)];
    if (buttons.isRightButton() && editOpen[kFieldWidth])
    {
        const double moved = (where.x - band.grabPoint.x) - (where.y - band.grabPoint.y);
        const auto w =
            static_cast<float>(std::clamp(band.widthAtGrab - moved * kWidthPerPixel, 0.0, 1.0));
        if (setField(b, kFieldWidth, w)) report(b, kFieldWidth, band.width);
    }
    else if (buttons.isLeftButton() && editOpen[kFieldFrequency])
    {
        const CPoint target(where.x - band.grabOffset.x, where.y - band.grabOffset.y);
        const bool frequencyMoved =
            setField(b, kFieldFrequency, axis.normalisedFrequencyAt(target.x));
        const bool gainMoved = setField(b, kFieldGain, axis.normalisedGainAt(target.y));
        if (frequencyMoved || gainMoved)
        {
            report(b, kFieldFrequency, band.normalisedFrequency);
            report(b, kFieldGain, band.normalisedGain);
        }
    }
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CParamEqView2::onMouseUp(CPoint&, const CButtonState&)
{
    return onMouseCancel();
}

// A drag ends alike whether the button went up or the toolkit took the mouse away.
CMouseEventResult CParamEqView2::onMouseCancel()
{
    closeEdits();
    selected = -1;
    dragging = false;
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CParamEqView2::onMouseEntered(CPoint& where, const CButtonState&)
{
    mouseInside = true;
    updateHover(where);
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CParamEqView2::onMouseExited(CPoint&, const CButtonState&)
{
    mouseInside = false;
    wheelBand = -1;
    updateHover(CPoint(size.left - 1e6, size.top - 1e6));
    invalid();
    return kMouseEventHandled;
}

void CParamEqView2::updateHover(const CPoint& where)
{
    for (int b = 0; b < getBandCount(); ++b)
    {
        CFilterControl& band = bands[static_cast<size_t>(b)];
        const bool hovered = band.handle.pointInside(where) || b == selected;
        if (hovered == band.hovered) continue;
        band.hovered = hovered;
        hoverChange = true;
        report(b, kFieldState, hovered ? 1.0f : 0.0f);
        hoverChange = false;
        invalid();
    }
}

bool CParamEqView2::onWheel(const CPoint& where, float distance, const CButtonState& buttons)
{
    int b = bandAt(where, true);
    if (b < 0) b = wheelBand;
    if (b < 0 || b >= getBandCount()) return false;
    CFilterControl& band = bands[static_cast<size_t>(b)];
    switch (buttons.getModifierState())
    {
    case 0:
        wheelBand = -1;
        wheelEdit(b, kFieldWidth, std::clamp(band.width + kWidthPerStep * distance, 0.0f, 1.0f));
        break;
    case kAlt:
    {
        int type = distance >= 0 ? band.type + 1 : band.type - 1;
        if (type <= 0) type = CFilterControl::kLowShelf;
        if (type > CFilterControl::kLowShelf) type = CFilterControl::kPeak;
        setField(b, kFieldState, type / 128.0f);
        wheelEdit(b, kFieldState, CFilterControl::stateValueOf(type));
        break;
    }
    case kControl:
        wheelBand = b;
        wheelEdit(b, kFieldGain,
                  std::clamp(band.normalisedGain + kPositionPerStep * distance, 0.0f, 1.0f));
        break;
    case kShift:
        wheelBand = b;
        wheelEdit(b, kFieldFrequency,
                  std::clamp(band.normalisedFrequency + kPositionPerStep * distance, 0.0f, 1.0f));
        break;
    default:
        return false;
    }
    selected = -1;
    invalid();
    return true;
}

// One wheel step is a whole edit of one field.
void CParamEqView2::wheelEdit(int b, int field, float newValue)
{
    if (field != kFieldState) setField(b, field, newValue);
    openEdit(b, field);
    report(b, field, newValue);
    closeEdits();
}
