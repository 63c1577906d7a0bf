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
    const auto width = static_cast<size_t>(std::max<CCoord>(0, getWidth()));
    const bool comparable = dataArrived && rows.size() == width;
    previous.swap(rows);
    rows.resize(width);
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
    picture.markStale();
    if (!isVisible()) return;
    if (comparable)
        invalidChangedRows();
    else
        invalid(); // the first curve brings the frame too
}

// In each column the picture changes only between the old and the new row (and a neighbour's,
// which the outline joins); a few bands of columns each redraw just the rows their curve
// crossed, far less than everything below the highest point.
void CSpectrumView::invalidChangedRows()
{
    constexpr size_t kBands = 4;
    const size_t count = rows.size();
    const size_t bandWidth = (count + kBands - 1) / kBands;
    const auto height = static_cast<float>(getHeight());
    for (size_t start = 0; start < count; start += bandWidth)
    {
        const size_t end = std::min(count, start + bandWidth);
        if (std::equal(rows.begin() + static_cast<ptrdiff_t>(start),
                       rows.begin() + static_cast<ptrdiff_t>(end),
                       previous.begin() + static_cast<ptrdiff_t>(start)))
            continue;
        float top = height;
        float bottom = 0.0f;
        for (size_t c = start > 0 ? start - 1 : 0; c < std::min(count, end + 1); ++c)
        {
            top = std::min({top, rows[c], previous[c]});
            bottom = std::max({bottom, rows[c], previous[c]});
        }
        if (end == count) bottom = height; // the last point drops to the bottom corner
        // The outline reaches half a unit beyond its points.
        invalidRect(CRect(
            size.left + static_cast<CCoord>(start), size.top + std::max(0.0f, top - 1.0f),
            size.left + static_cast<CCoord>(end), size.top + std::min(height, bottom + 2.0f)));
    }
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

// Only the pixels whose part (clear, outline, fill) changed since the last painting are
// written: above the higher and below the lower of a column's old and new edges nothing moves.
void CSpectrumView::paintImage()
{
    picture.markPainted();
    cairo_surface_t* image = picture.surface();
    const int width = picture.width();
    const int height = picture.height();
    const double scale = picture.scale();
    const bool whole = image != paintedImage || width != static_cast<int>(fillTop.size()) ||
                       height != paintedHeight;
    paintedImage = image;
    paintedHeight = height;
    const auto deviceRow = [&](double y)
    { return std::clamp(static_cast<int>(std::lround(y * scale)), 0, height); };
    const int halfLine = std::max(1, static_cast<int>(std::lround(0.5 * scale)));
    const auto columns = static_cast<size_t>(width);
    for (auto* edges : {&fillTop, &lineTop, &lineBottom, &newFillTop, &newLineTop, &newLineBottom})
        edges->resize(columns);
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
        newFillTop[i] = deviceRow(std::min(0.5 * (atLeft + atRight), highest));
        newLineTop[i] = deviceRow(highest - 0.5);
        newLineBottom[i] = std::max(deviceRow(lowest + 0.5), newLineTop[i] + 1);
        // The closing edge up the left side.
        if (c < halfLine) newLineBottom[i] = height;
        firstPaintedRow = std::min(firstPaintedRow, newLineTop[i]);
    }

    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    const int edgeRow = height - halfLine; // the closing edge along the bottom starts here
    for (size_t c = 0; c < columns; ++c)
    {
        int from = 0;
        int to = edgeRow;
        if (!whole)
        {
            from = std::min({newLineTop[c], newFillTop[c], lineTop[c], fillTop[c]});
            to = std::min(edgeRow,
                          std::max({newLineBottom[c], newFillTop[c], lineBottom[c], fillTop[c]}));
        }
        for (int r = from; r < to; ++r)
        {
            const bool filled = r >= newFillTop[c];
            const bool line = r >= newLineTop[c] && r < newLineBottom[c];
            reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(r) * stride)[c] =
                line ? (filled ? kLineOverFillPixel : kLinePixel) : (filled ? kFillPixel : 0u);
        }
    }
    if (whole)
        for (int r = std::max(0, edgeRow); r < height; ++r)
            std::fill_n(reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(r) * stride),
                        width, kLineOverFillPixel);
    fillTop.swap(newFillTop);
    lineTop.swap(newLineTop);
    lineBottom.swap(newLineBottom);
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
