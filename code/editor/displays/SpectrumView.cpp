#include "code/editor/displays/SpectrumView.h"

#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"

#include <algorithm>
#include <cmath>

using namespace VSTGUI;

namespace
{
const CColor kFrameColor(222, 222, 222, 111);
const CColor kCurveFill(111, 158, 206, 99);
const CColor kCurveLine(111, 158, 206, 144);
} // namespace

CSpectrumView::CSpectrumView(const CRect& size, IControlListener* listener, int32 tag,
                             CBitmap* background)
    : CControl(size, listener, tag, background),
      rows(static_cast<size_t>(std::max<CCoord>(0, size.getWidth())), 0.0f)
{
    setMouseEnabled(false);
}

template <typename Row> void CSpectrumView::store(const Row* source, int32 count)
{
    rows.resize(static_cast<size_t>(std::max<CCoord>(0, getWidth())));
    const auto bottom = static_cast<float>(getHeight());
    const size_t given = source ? static_cast<size_t>(std::max(0, count)) : 0;
    for (size_t i = 0; i < rows.size(); ++i)
    {
        if (i >= given)
        {
            rows[i] = 0.0f;
            continue;
        }
        const auto row = static_cast<float>(source[i]);
        // Broken data shows as silence, never as a spike across the display.
        rows[i] = std::isnan(row) ? bottom : std::clamp(row, 0.0f, bottom);
    }
    dataArrived = true;
    setDirty();
}

void CSpectrumView::setData(const float* source, int32 count)
{
    store(source, count);
}

void CSpectrumView::setData(const int* source, int32 count)
{
    store(source, count);
}

void CSpectrumView::draw(CDrawContext* context)
{
    if (background) context->drawBitmap(background, size);
    setDirty(false);
    if (!dataArrived || rows.empty()) return;

    context->setLineWidth(1);
    context->setFrameColor(kFrameColor);
    context->drawRect(size, kDrawStroked);

    curve.clear();
    curve.beginSubpath(CPoint(size.left, size.top + rows[0]));
    for (size_t i = 1; i < rows.size(); ++i)
        curve.addLine(CPoint(size.left + static_cast<CCoord>(i), size.top + rows[i]));
    curve.addLine(CPoint(size.right, size.bottom));
    curve.addLine(CPoint(size.left, size.bottom));
    curve.closeSubpath();
    context->setFillColor(kCurveFill);
    context->drawGraphicsPath(&curve, CDrawContext::kPathFilled);
    context->setFrameColor(kCurveLine);
    context->drawGraphicsPath(&curve, CDrawContext::kPathStroked);
}

CMouseEventResult CSpectrumView::onMouseDown(CPoint&, const CButtonState&)
{
    return kMouseEventNotHandled;
}
