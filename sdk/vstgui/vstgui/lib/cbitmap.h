#pragma once

#include "vstgui/lib/cpoint.h"

#include <cstddef>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace VSTGUI
{

// An image with one or more pixel representations of the same picture: the 1x image defines the
// size in layout units; sharper ones (scale 2.0) are picked when drawing at a higher scale.
class CBitmap : public CBaseObject
{
public:
    // Decodes PNG data; a bitmap whose data is missing or corrupt is empty (0 x 0).
    CBitmap(const void* pngData, std::size_t size);
    // Decodes the module's PNG resource of that name; empty when there is none.
    explicit CBitmap(const char* resourceName);
    // An empty image of the given size, filled transparent.
    CBitmap(CCoord width, CCoord height);
    ~CBitmap() override;

    CCoord getWidth() const { return size.x; }
    CCoord getHeight() const { return size.y; }
    bool isLoaded() const { return !representations.empty(); }
    // Every pixel of every representation covers what lies under it.
    bool isOpaque() const;

    // Adds a representation for a scale factor; the image must be the 1x size times scale
    // (within a pixel), else it is refused.
    bool addBitmap(const void* pngData, std::size_t size, double scale);
    bool addBitmap(const char* resourceName, double scale);

    // The representation to draw at a drawing scale: the smallest one at least as sharp, else the
    // sharpest there is. Null for an empty bitmap.
    cairo_surface_t* getSurface(double drawScale, double* representationScale = nullptr) const;
    std::size_t getNumRepresentations() const { return representations.size(); }

private:
    struct Representation
    {
        cairo_surface_t* surface;
        double scale;
    };
    std::vector<Representation> representations;
    CPoint size;
};

// Decodes PNG data into a new image surface; null when the data is not a readable PNG.
cairo_surface_t* decodePng(const void* data, std::size_t size);

} // namespace VSTGUI
