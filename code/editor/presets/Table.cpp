#include "code/editor/presets/Table.h"

#include "vstgui/lib/cdrawcontext.h"

#include <algorithm>
#include <cmath>

using namespace VSTGUI;

namespace
{

constexpr CCoord kCellInset = 8;
const CColor kCurrentRowFill(255, 255, 255, 55);
const CColor kOddRowFill(255, 255, 255, 6);

} // namespace

CTable::CTable(const CRect& size, IControlListener* listener, int32 tag)
    : CControl(size, listener, tag)
{
    setTransparency(true);
}

void CTable::setColumnWidths(const std::array<CCoord, kColumns>& widths)
{
    columnWidths = widths;
    setDirty();
}

CCoord CTable::getColumnWidth(int column) const
{
    return column >= 0 && column < kColumns ? columnWidths[static_cast<size_t>(column)] : 0;
}

void CTable::setRowHeight(CCoord height)
{
    rowHeight = std::max<CCoord>(1, height);
    setDirty();
}

void CTable::setTextColors(const CColor& first, const CColor& second)
{
    firstTextColor = first;
    secondTextColor = second;
    setDirty();
}

void CTable::clear()
{
    cells.clear();
    currentRow = -1;
    setScrollPosition(0.f);
}

void CTable::reserveRows(int rows)
{
    cells.reserve(static_cast<size_t>(std::max(0, rows)) * kColumns);
}

void CTable::addRow(const char* first, const char* second, const char* third)
{
    for (const char* text : {first, second, third}) cells.emplace_back(text ? text : "");
    setDirty();
}

const std::string& CTable::cellText(int row, int column) const
{
    static const std::string none;
    if (row < 0 || row >= getRowCount() || column < 0 || column >= kColumns) return none;
    return cells[static_cast<size_t>(row * kColumns + column)];
}

void CTable::setCurrentRow(int row)
{
    currentRow = row >= 0 && row < getRowCount() ? row : -1;
    setDirty();
}

CCoord CTable::scrollRange() const
{
    return std::max<CCoord>(0, getRowCount() * rowHeight - size.getHeight());
}

void CTable::setValue(float position)
{
    if (std::isnan(position)) position = 0.f;
    CControl::setValue(std::clamp(position, 0.f, 1.f));
    setDirty();
}

float CTable::getWheelStep() const
{
    const CCoord range = scrollRange();
    return range > 0 ? static_cast<float>(kRowsPerWheelStep * rowHeight / range) : 0.f;
}

CCoord CTable::getRowOffset() const
{
    return std::round(scrollRange() * value);
}

int CTable::rowAt(const CPoint& where) const
{
    if (!size.pointInside(where)) return -1;
    const auto row =
        static_cast<int>(std::floor((where.y - size.top + getRowOffset()) / rowHeight));
    return row >= 0 && row < getRowCount() ? row : -1;
}

void CTable::draw(CDrawContext* context)
{
    const int rows = getRowCount();
    const CCoord offset = getRowOffset();
    // Only the rows in sight: a list of thousands costs no more to draw than a screenful.
    const int first = std::max(0, static_cast<int>(offset / rowHeight));
    const int last = std::min(rows, static_cast<int>((offset + size.getHeight()) / rowHeight) + 1);

    context->setFont("Arial", 12);
    const CRect clipBefore = context->getClipRect();
    CRect visible = size;
    context->setClipRect(visible.bound(clipBefore));
    for (int row = first; row < last; ++row)
    {
        const CCoord top = size.top + row * rowHeight - offset;
        const CRect line(size.left, top, size.right, top + rowHeight);
        if (row == currentRow || row % 2 == 1)
        {
            context->setFillColor(row == currentRow ? kCurrentRowFill : kOddRowFill);
            context->drawRect(line, kDrawFilled);
        }
        context->setFontColor(row == currentRow ? secondTextColor : firstTextColor);
        CCoord left = size.left;
        for (int column = 0; column < kColumns; ++column)
        {
            const CCoord width = columnWidths[static_cast<size_t>(column)];
            // Inset on both sides: a long text ends short of the next column or the table's edge.
            const CCoord right = std::min(left + width, size.right) - kCellInset;
            const CRect cell(left + kCellInset, top, right, top + rowHeight);
            context->drawString(cells[static_cast<size_t>(row * kColumns + column)], cell,
                                kLeftText);
            left += width;
        }
    }
    context->setClipRect(clipBefore);
    setDirty(false);
}

CMouseEventResult CTable::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    lastAction = kRowClicked;
    clickedRow = rowAt(where);
    valueChanged();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

bool CTable::onWheel(const CPoint&, float distance, const CButtonState&)
{
    const float before = value;
    // Turning the wheel up (positive distance) moves towards the top of the list.
    setScrollPosition(value - getWheelStep() * distance);
    if (value != before)
    {
        lastAction = kScrolled;
        valueChanged();
    }
    return true;
}
