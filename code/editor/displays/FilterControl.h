#pragma once
// One band of an equaliser display: the values the display holds for it, its response over the
// display's columns and its handle.

#include "vstgui/lib/crect.h"

#include <cstdint>
#include <memory>

class CFilterControl
{
public:
    // Band kinds as the equaliser codes them; others keep the last response.
    enum Type
    {
        kPeak = 1,
        kHighShelf = 2,
        kLowShelf = 3,
    };

    // Allocates: setup code only.
    explicit CFilterControl(int columns);

    // The band state parameter's value for a kind (0.5 peak, 0 high shelf, 1 low shelf).
    static float stateValueOf(int type);

    // Natural logarithm of the band's magnitude per column: the curve adds them up.
    float* response() { return values.get(); }
    const float* response() const { return values.get(); }

    int type = kPeak;
    float normalisedFrequency = 0.5f;
    float normalisedGain = 0.5f;
    float width = 0.5f;

    VSTGUI::CPoint centre;
    VSTGUI::CRect handle;
    VSTGUI::CPoint grabOffset;
    VSTGUI::CPoint grabPoint;
    float widthAtGrab = 0.5f;

    bool hovered = false;
    // Set by any change of a value: the response is recomputed before the next drawing.
    bool dirty = true;

private:
    std::unique_ptr<float[]> values;
};
