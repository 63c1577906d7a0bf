#include "code/editor/presets/Table.h"

using namespace VSTGUI;

CTable::CTable(const CRect& size, IControlListener* listener, int32 tag)
    : CControl(size, listener, tag)
{
    setTransparency(true);
}

void CTable::draw(CDrawContext*)
{
    setDirty(false);
}

CMouseEventResult CTable::onMouseDown(CPoint&, const CButtonState&)
{
    return kMouseEventNotHandled;
}
