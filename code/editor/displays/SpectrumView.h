#pragma once
// The live spectrum of one section, drawn behind its equaliser display: one curve point per
// pixel column, each the row counted from the view's top, as the analyser hands it over.

#include "code/editor/displays/ViewImage.h"
#include "vstgui/lib/controls/ccontrol.h"

#include <cstdint>
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
    // The curve's height in view units at x view units from the left edge.
    double curveAt(double x) const;
    void invalidChangedRows();
    void paintImage();

    std::vector<float> rows;
    std::vector<float> previous; // the curve before the newest data
    bool dataArrived = false;
    // The curve painted at the device's resolution, repainted only when the data or the scale
    // change; per device column, where the fill and the outline begin and end.
    CViewImage picture;
    int firstPaintedRow = 0;
    // The edges as painted, and as the newest data put them; a new image is painted whole.
    std::vector<int> fillTop, lineTop, lineBottom;
    std::vector<int> newFillTop, newLineTop, newLineBottom;
    const void* paintedImage = nullptr;
    int paintedHeight = 0;
};
