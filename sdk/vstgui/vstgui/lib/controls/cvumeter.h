#pragma once

#include "vstgui/lib/controls/ccontrol.h"

namespace VSTGUI
{

// A level meter drawn from an "on" image (the lit part) and an optional "off" image, in
// nbLed segments. It falls back by at most the decrease step per redraw.
class CVuMeter : public CControl
{
public:
    enum Style
    {
        kVertical,
        kHorizontal,
    };

    CVuMeter(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, int32 nbLed,
             Style style = kVertical);
    ~CVuMeter() override;

    void draw(CDrawContext* context) override;
    void setValue(float value) override;

    void setDecreaseStepValue(float step) { decreaseValue = step; }
    float getDecreaseStepValue() const { return decreaseValue; }
    // The value drawn last, after falling back.
    float getShownValue() const { return shownValue; }

private:
    CBitmap* onBitmap;
    CBitmap* offBitmap;
    int32 nbLed;
    Style style;
    float decreaseValue = 0.1f;
    float shownValue = 0.f;
};

} // namespace VSTGUI
