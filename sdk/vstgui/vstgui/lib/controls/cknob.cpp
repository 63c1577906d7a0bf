#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/cframe.h"

#include <cmath>

namespace VSTGUI
{
namespace
{

constexpr double kPi = 3.14159265358979323846;

} // namespace

CKnob::CKnob(const CRect& size, IControlListener* listener, int32 tag, CBitmap* background,
             CBitmap* handleBitmap)
    : CControl(size, listener, tag, background), handle(handleBitmap)
{
    if (handle) handle->remember();
}

CKnob::~CKnob()
{
    if (handle) handle->forget();
}

int32 CKnob::getEffectiveKnobMode() const
{
    if (knobMode >= 0) return knobMode;
    if (CFrame* f = getFrame())
        if (f->getEditor()) return f->getEditor()->getKnobMode();
    return kLinearMode;
}

double CKnob::valueToAngle(float normalized) const
{
    return startAngle + normalized * rangeAngle;
}

float CKnob::angleToValue(double degrees) const
{
    if (rangeAngle <= 0) return 0.f;
    double relative = std::fmod(degrees - startAngle, 360.0);
    if (relative < 0) relative += 360.0;
    if (relative > rangeAngle)
        // In the dead zone: snap to the nearer end.
        relative = (relative - rangeAngle < 360.0 - relative) ? rangeAngle : 0.0;
    return static_cast<float>(relative / rangeAngle);
}

float CKnob::pointToCircularValue(const CPoint& where) const
{
    CPoint centre = size.getCenter();
    double degrees = std::atan2(where.y - centre.y, where.x - centre.x) * 180.0 / kPi;
    return angleToValue(degrees);
}

void CKnob::draw(CDrawContext* context)
{
    if (background) context->drawBitmap(background, size);
    drawHandle(context);
    setDirty(false);
}

void CKnob::drawHandle(CDrawContext* context)
{
    CPoint centre = size.getCenter();
    double radius = std::min(size.getWidth(), size.getHeight()) / 2 - 2;
    double radians = valueToAngle(getValueNormalized()) * kPi / 180.0;
    CPoint tip{centre.x + std::cos(radians) * radius, centre.y + std::sin(radians) * radius};
    if (handle)
    {
        CRect where(0, 0, handle->getWidth(), handle->getHeight());
        where.offset(tip.x - where.getWidth() / 2, tip.y - where.getHeight() / 2);
        context->drawBitmap(handle, where);
        return;
    }
    context->setFrameColor(handleColor);
    context->setLineWidth(2);
    context->drawLine(centre, tip);
}

void CKnob::startDrag(const CPoint& where, const CButtonState& buttons)
{
    anchor = where;
    anchorValue = value;
    dragModifiers = buttons.getModifierState();
}

CMouseEventResult CKnob::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    beginEdit();
    if (checkDefaultValue(buttons))
    {
        float before = value;
        setValue(defaultValue);
        if (value != before)
        {
            valueChanged();
            invalid();
        }
        endEdit();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    valueBeforeDrag = value;
    startDrag(where, buttons);
    if (getEffectiveKnobMode() == kCircularMode)
    {
        float before = value;
        setValueNormalized(pointToCircularValue(where));
        if (value != before)
        {
            valueChanged();
            invalid();
        }
    }
    return kMouseEventHandled;
}

CMouseEventResult CKnob::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!isEditing() || !(buttons & kLButton)) return kMouseEventNotHandled;
    float before = value;
    int32 mode = getEffectiveKnobMode();
    if (mode == kCircularMode)
        setValueNormalized(pointToCircularValue(where));
    else
    {
        // Pressing or releasing Shift mid-drag continues from here at the new speed.
        if (buttons.getModifierState() != dragModifiers) startDrag(where, buttons);
        CCoord range = linearRange > 0 ? linearRange : 200;
        if (dragModifiers & kZoomModifier) range *= zoomFactor;
        double travel = (mode == kLinearMode) ? anchor.y - where.y
                                              : (anchor.y - where.y) + (where.x - anchor.x);
        setValue(static_cast<float>(anchorValue + travel * (vmax - vmin) / range));
        bounceValue();
    }
    if (value != before)
    {
        valueChanged();
        invalid();
    }
    return kMouseEventHandled;
}

CMouseEventResult CKnob::onMouseUp(CPoint&, const CButtonState&)
{
    if (!isEditing()) return kMouseEventNotHandled;
    endEdit();
    return kMouseEventHandled;
}

CMouseEventResult CKnob::onMouseCancel()
{
    if (!isEditing()) return kMouseEventNotHandled;
    if (value != valueBeforeDrag)
    {
        setValue(valueBeforeDrag);
        valueChanged();
        invalid();
    }
    endEdit();
    return kMouseEventHandled;
}

bool CKnob::onWheel(const CPoint&, float distance, const CButtonState& buttons)
{
    if (!getMouseEnabled() || std::isnan(distance)) return false;
    float step = wheelInc * distance;
    if (buttons & kZoomModifier) step *= 0.1f;
    float before = value;
    setValueNormalized(getValueNormalized() + step);
    if (value != before)
    {
        invalid();
        beginEdit();
        valueChanged();
        endEdit();
    }
    return true;
}

CAnimKnob::CAnimKnob(const CRect& size, IControlListener* listener, int32 tag, CBitmap* background)
    : CKnob(size, listener, tag, nullptr), heightOfOneImage(size.getHeight())
{
    setBackground(background);
}

CAnimKnob::CAnimKnob(const CRect& size, IControlListener* listener, int32 tag, int32 subPixmaps,
                     CCoord heightOfOneImage, CBitmap* background)
    : CKnob(size, listener, tag, nullptr), heightOfOneImage(heightOfOneImage)
{
    CKnob::setBackground(background);
    this->subPixmaps = subPixmaps;
}

void CAnimKnob::setBackground(CBitmap* bitmap)
{
    CKnob::setBackground(bitmap);
    subPixmaps = (bitmap && heightOfOneImage > 0)
                     ? static_cast<int32>(bitmap->getHeight() / heightOfOneImage)
                     : 0;
}

int32 CAnimKnob::getFrameIndex() const
{
    if (subPixmaps <= 0) return 0;
    auto index =
        static_cast<int32>(getValueNormalized() * static_cast<float>(subPixmaps - 1) + 0.5f);
    if (inverseBitmap) index = subPixmaps - 1 - index;
    return index;
}

void CAnimKnob::draw(CDrawContext* context)
{
    if (background && subPixmaps > 0)
        context->drawBitmap(background, size, CPoint(0, getFrameIndex() * heightOfOneImage));
    setDirty(false);
}

} // namespace VSTGUI
