#include "code/editor/displays/SpectrumView.h"

#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

using namespace VSTGUI;

namespace
{
const CColor kFrameColor(222, 222, 222, 111);
const CColor kCurveFill(111, 158, 206, 99);
const CColor kCurveLine(111, 158, 206, 144);

// Premultiplied ARGB, as the image stores its pixels.
struct Premultiplied
{
    double a, r, g, b;
    explicit Premultiplied(const CColor& c)
        : a(c.alpha / 255.0), r(c.red / 255.0 * a), g(c.green / 255.0 * a), b(c.blue / 255.0 * a)
    {
    }
    Premultiplied over(const Premultiplied& under) const
    {
        Premultiplied out = *this;
        out.a += under.a * (1 - a);
        out.r += under.r * (1 - a);
        out.g += under.g * (1 - a);
        out.b += under.b * (1 - a);
        return out;
    }
    uint32_t pixel() const
    {
        auto byte = [](double v) { return static_cast<uint32_t>(std::lround(v * 255.0)); };
        return byte(a) << 24 | byte(r) << 16 | byte(g) << 8 | byte(b);
    }
};

const uint32_t kFillPixel = Premultiplied(kCurveFill).pixel();
const uint32_t kLinePixel = Premultiplied(kCurveLine).pixel();
const uint32_t kLineOverFillPixel =
    Premultiplied(kCurveLine).over(Premultiplied(kCurveFill)).pixel();
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
    float highest = bottom;
    for (size_t i = 0; i < rows.size(); ++i)
    {
        if (i >= given)
        {
            rows[i] = 0.0f;
            highest = 0.0f;
            continue;
        }
        const auto row = static_cast<float>(source[i]);
        // Broken data shows as silence, never as a spike across the display.
        rows[i] = std::isnan(row) ? bottom : std::clamp(row, 0.0f, bottom);
        highest = std::min(highest, rows[i]);
    }
    // Only the rows the old or the new curve reaches change (the outline reaches half a unit
    // above); the first curve brings the frame too.
    const float changedFrom = dataArrived ? std::min(highest, curveTop) - 1.0f : 0.0f;
    curveTop = highest;
    dataArrived = true;
    picture.markStale();
    if (isVisible())
        invalidRect(
            CRect(size.left, size.top + std::max(0.0f, changedFrom), size.right, size.bottom));
}

void CSpectrumView::setData(const float* source, int32 count)
{
    store(source, count);
}

void CSpectrumView::setData(const int* source, int32 count)
{
    store(source, count);
}

// The curve is the closed shape through (left + i, top + row i) for every column, then down to
// the bottom right corner and along the bottom: filled, then outlined one unit wide.
double CSpectrumView::curveAt(double x) const
{
    const auto last = static_cast<double>(rows.size() - 1);
    if (x >= last) // the last point drops straight to the bottom right corner
        return rows.back() + (std::min(x, last + 1) - last) * (getHeight() - rows.back());
    x = std::max(x, 0.0);
    const auto i = static_cast<size_t>(x);
    return rows[i] + (x - static_cast<double>(i)) * (rows[i + 1] - rows[i]);
}

// Pixels are written row by row; rows above the highest outline are never shown, so they are
// neither cleared nor painted.
void CSpectrumView::paintImage()
{
    picture.markPainted();
    cairo_surface_t* image = picture.surface();
    const int width = picture.width();
    const int height = picture.height();
    const double scale = picture.scale();
    const auto deviceRow = [&](double y)
    { return std::clamp(static_cast<int>(std::lround(y * scale)), 0, height); };
    const int halfLine = std::max(1, static_cast<int>(std::lround(0.5 * scale)));
    fillTop.resize(static_cast<size_t>(width));
    lineTop.resize(static_cast<size_t>(width));
    lineBottom.resize(static_cast<size_t>(width));
    firstPaintedRow = height;
    for (int c = 0; c < width; ++c)
    {
        const double atLeft = curveAt(c / scale);
        const double atRight = curveAt((c + 1) / scale);
        // Below 100 % a pixel spans several points: a narrow peak among them still shows.
        double highest = std::min(atLeft, atRight);
        double lowest = std::max(atLeft, atRight);
        for (auto k = static_cast<size_t>(std::ceil(c / scale));
             k < rows.size() && static_cast<double>(k) < (c + 1) / scale; ++k)
        {
            highest = std::min<double>(highest, rows[k]);
            lowest = std::max<double>(lowest, rows[k]);
        }
        const auto i = static_cast<size_t>(c);
        fillTop[i] = deviceRow(std::min(0.5 * (atLeft + atRight), highest));
        lineTop[i] = deviceRow(highest - 0.5);
        lineBottom[i] = std::max(deviceRow(lowest + 0.5), lineTop[i] + 1);
        // The closing edge up the left side.
        if (c < halfLine) lineBottom[i] = height;
        firstPaintedRow = std::min(firstPaintedRow, lineTop[i]);
    }

    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int r = firstPaintedRow; r < height; ++r)
    {
        auto* pixel = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(r) * stride);
        if (r >= height - halfLine) // the closing edge along the bottom
        {
            std::fill_n(pixel, width, kLineOverFillPixel);
            continue;
        }
        // Masks instead of branches, so the compiler can paint many pixels at once.
        for (size_t c = 0; c < static_cast<size_t>(width); ++c)
        {
            const uint32_t filled = 0u - static_cast<uint32_t>(r >= fillTop[c]);
            const uint32_t line =
                0u - static_cast<uint32_t>((r >= lineTop[c]) & (r < lineBottom[c]));
            pixel[c] = (line & ((filled & kLineOverFillPixel) | (~filled & kLinePixel))) |
                       (~line & filled & kFillPixel);
        }
    }
    cairo_surface_mark_dirty(image);
}

void CSpectrumView::draw(CDrawContext* context)
{
    if (background) context->drawBitmap(background, size);
    setDirty(false);
    if (!dataArrived || rows.empty()) return;

    context->setLineWidth(1);
    context->setFrameColor(kFrameColor);
    context->drawRect(size, kDrawStroked);

    if (!picture.place(context, size)) return;
    if (picture.isStale()) paintImage();
    picture.composite(context, firstPaintedRow);
}

CMouseEventResult CSpectrumView::onMouseDown(CPoint&, const CButtonState&)
{
    return kMouseEventNotHandled;
}
