#include "code/editor/displays/ParamEqView2.h"

using namespace VSTGUI;

CParamEqView2::CParamEqView2(const CRect& size, IControlListener* listener, int32 tag,
                             int32 firstParameter, bool solo)
    : CControl(size, listener, tag), firstParameter(firstParameter), solo(solo)
{
    setTransparency(true);
}

void CParamEqView2::draw(CDrawContext*)
{
    setDirty(false);
}

CMouseEventResult CParamEqView2::onMouseDown(CPoint&, const CButtonState&)
{
    return kMouseEventNotHandled;
}

bool CParamEqView2::onWheel(const CPoint&, float, const CButtonState&)
{
    return false;
}
