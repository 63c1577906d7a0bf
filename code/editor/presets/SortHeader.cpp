#include "code/editor/presets/SortHeader.h"

#include "vstgui/lib/cbitmap.h"

#include <algorithm>

using namespace VSTGUI;

CSortHeader::CSortHeader(const CRect& size, IControlListener* listener, int32 tag,
                         const std::array<CBitmap*, kColumns>& strips)
    : CCButtonMO(size, listener, tag, strips[0], kColumns, kMultiState, kColumns), strips(strips)
{
    for (CBitmap* strip : strips)
        if (strip) strip->remember();
}

CSortHeader::~CSortHeader()
{
    for (CBitmap* strip : strips)
        if (strip) strip->forget();
}

CCoord CSortHeader::stripWidth(int32 column) const
{
    const CBitmap* strip = strips[static_cast<size_t>(column)];
    return strip ? strip->getWidth() : 0;
}

void CSortHeader::setSegmentBoundaries(CCoord author, CCoord category)
{
    starts = {0, author, category};
    CRect wider = size;
    wider.setWidth(category + stripWidth(kColumns - 1));
    setViewSize(wider);
}

int32 CSortHeader::columnAt(const CPoint& where) const
{
    const CCoord x = where.x - size.left;
    int32 column = 0;
    while (column + 1 < kColumns && x >= starts[static_cast<size_t>(column + 1)]) ++column;
    return column;
}

float CSortHeader::clickedValue(const CPoint& where) const
{
    return indexToValue(columnAt(where));
}

void CSortHeader::draw(CDrawContext* context)
{
    for (int32 column = 0; column < kColumns; ++column)
    {
        const CCoord left = size.left + starts[static_cast<size_t>(column)];
        const CRect dest(left, size.top, left + stripWidth(column), size.bottom);
        drawStripFrame(context, strips[static_cast<size_t>(column)], dest, getState(), kColumns);
    }
    setDirty(false);
}
