#pragma once
// The live spectrum of one section, drawn behind its equaliser display: one curve point per
// pixel column, each the row counted from the view's top, as the analyser hands it over.

#include "vstgui/lib/cgraphicspath.h"
#include "vstgui/lib/controls/ccontrol.h"

#include <vector>

class CSpectrumView : public VSTGUI::CControl
{
public:
    CSpectrumView(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
                  VSTGUI::CBitmap* background = nullptr);

    // Takes the first count rows (as many as the view has columns); columns without a row sit
    // at the top edge. Rows outside the view are held to its edges.
    void setData(const float* rows, VSTGUI::int32 count);
    void setData(const int* rows, VSTGUI::int32 count);
    bool hasData() const { return dataArrived; }
    // One row per column, as drawn.
    const std::vector<float>& getData() const { return rows; }

    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;

private:
    template <typename Row> void store(const Row* source, VSTGUI::int32 count);

    std::vector<float> rows;
    bool dataArrived = false;
    // Kept between draws so redrawing allocates nothing once the path has its size.
    VSTGUI::CGraphicsPath curve;
};
