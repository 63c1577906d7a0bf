#include "vstgui/lib/controls/ccontrol.h"
#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cframe.h"

#include <cmath>

namespace VSTGUI
{

CControl::CControl(const CRect& size, IControlListener* listener, int32 tag, CBitmap* bitmap)
    : CView(size), listener(listener), tag(tag)
{
    setBackground(bitmap);
}

CControl::~CControl()
{
    if (background) background->forget();
}

void CControl::setValue(float newValue)
{
    if (newValue == value || (std::isnan(newValue) && std::isnan(value))) return;
    // A NaN from anywhere must not reach drawing code as a frame index.
    value = std::isnan(newValue) ? vmin : newValue;
    setDirty();
}

void CControl::setValueNormalized(float normalized)
{
    if (std::isnan(normalized)) normalized = 0.f;
    normalized = std::fmin(1.f, std::fmax(0.f, normalized));
    setValue(vmin + normalized * (vmax - vmin));
}

float CControl::getValueNormalized() const
{
    float range = vmax - vmin;
    if (range == 0.f) return 0.f;
    return std::fmin(1.f, std::fmax(0.f, (value - vmin) / range));
}

void CControl::bounceValue()
{
    if (value > vmax)
        setValue(vmax);
    else if (value < vmin)
        setValue(vmin);
}

void CControl::setTag(int32 newTag)
{
    if (listener) listener->controlTagWillChange(this);
    tag = newTag;
    if (listener) listener->controlTagDidChange(this);
}

void CControl::setBackground(CBitmap* bitmap)
{
    if (bitmap) bitmap->remember();
    if (background) background->forget();
    background = bitmap;
    setDirty();
}

void CControl::beginEdit()
{
    if (editing++ > 0) return;
    // Held until endEdit so a listener that rebuilds the view tree cannot delete us mid-edit.
    remember();
    if (listener) listener->controlBeginEdit(this);
    if (CFrame* f = getFrame()) f->beginEdit(tag);
}

void CControl::endEdit()
{
    if (editing == 0 || --editing > 0) return;
    if (CFrame* f = getFrame()) f->endEdit(tag);
    if (listener) listener->controlEndEdit(this);
    forget();
}

bool CControl::removed(CView* parent)
{
    // An edit cut short by leaving the tree (the window closing mid-drag) ends silently: the
    // editor closes its own gestures, and the reference the edit took must go.
    if (editing > 0)
    {
        editing = 0;
        forget();
    }
    return CView::removed(parent);
}

void CControl::valueChanged()
{
    if (listener) listener->valueChanged(this);
}

bool CControl::checkDefaultValue(const CButtonState& buttons)
{
    return buttons.isLeftButton() && buttons.getModifierState() == kDefaultValueModifier;
}

} // namespace VSTGUI
