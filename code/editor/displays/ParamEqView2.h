#pragma once
// The equaliser display of one section: the combined response of its bands over a logarithmic
// frequency axis, one handle per band, and direct editing of a band with the mouse and wheel.
// Each band's response is the magnitude of the very filter the equaliser runs, built by an
// equaliser bank of the display's own from the same parameter values at the effect's rate.

#include "code/editor/displays/EqAxis.h"
#include "code/editor/displays/FilterControl.h"
#include "code/editor/displays/ViewImage.h"
#include "code/soundengine/EqBank.h"
#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/controls/ccontrol.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CParamEqView2 : public VSTGUI::CControl
{
public:
    static constexpr int kMaxBands = 10;
    static constexpr int kFieldsPerBand = CEqBank::kSlotsPerBand;
    enum Field
    {
        kFieldState = 0,
        kFieldFrequency = 1,
        kFieldGain = 2,
        kFieldWidth = 3,
        kFieldSpare = 4,
    };

    // bandCount is clamped to 1…kMaxBands; handleSize is the handle image's size.
    CParamEqView2(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener,
                  VSTGUI::int32 bandCount, VSTGUI::int32 tag, VSTGUI::int32 firstParameter,
                  const VSTGUI::CPoint& handleSize, const VSTGUI::CColor& background,
                  const VSTGUI::CColor& curve);

    // Effect parameter index and value; band kinds arrive as kind/128. Others are ignored.
    void setParameter(VSTGUI::int32 index, float value);
    // Normal display: the band sounds; solo display: the band is soloed. Filled under the curve.
    void setGroupFlag(VSTGUI::int32 band, bool flag);
    bool anyGroupFlag() const;
    void selectBand(VSTGUI::int32 band);
    // One band at most carries the highlight of the band selector's hover.
    void setHoverHighlight(VSTGUI::int32 band, bool on);
    void setLowCut(float hz);
    void setHighCut(float hz);
    void setFill(const VSTGUI::CColor& color, bool on);
    void setModifierClicks(bool on) { modifierClicks = on; }
    void setSampleRate(double rate);
    // Curve points per layout pixel (1 to 2), following the zoom.
    void setResolution(double columnsPerPixel);

    // Recomputes what changed; drawing calls it, tests and benchmarks may too.
    void updateCurve();
    // y of the outline of all bands and of the filled group, per column.
    float curveY(int column) const { return totalY[static_cast<size_t>(column)]; }
    float groupCurveY(int column) const { return groupY[static_cast<size_t>(column)]; }
    const CEqAxis& getAxis() const { return axis; }
    const CFilterControl& getBand(int band) const { return bands[static_cast<size_t>(band)]; }
    int getBandCount() const { return static_cast<int>(bands.size()); }
    double getSampleRate() const { return sampleRate; }

    // What the listener reads in valueChanged.
    VSTGUI::int32 getFirstParameter() const { return firstParameter; }
    VSTGUI::int32 getEditedParameter() const { return editedParameter; }
    VSTGUI::int32 getEditedBand() const { return editedBand; }
    bool isModifierClickPending() const { return modifierClickPending; }
    VSTGUI::int32 getModifierClick() const { return modifierClick; }
    bool isHoverChange() const { return hoverChange; }
    VSTGUI::int32 getSelectedBand() const { return selected; }
    VSTGUI::int32 getFocusedBand() const { return focused; }
    bool isMouseInside() const { return mouseInside; }

    void draw(VSTGUI::CDrawContext* context) override;
    // Every change that is drawn comes through these: the image is painted again.
    void setDirty(bool state = true) override;
    void invalidRect(const VSTGUI::CRect& rect) override;
    bool hitTest(const VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons = {}) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where,
                                        const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where,
                                           const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where,
                                             const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where,
                                            const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseCancel() override;
    bool onWheel(const VSTGUI::CPoint& where, float distance,
                 const VSTGUI::CButtonState& buttons) override;

private:
    // Stores a field of a band and hands it to the bank; false when nothing changed.
    bool setField(int band, int field, float value);
    void placeHandle(CFilterControl& band);
    void computePhases();
    void computeResponse(int band);
    void combine();
    int bandAt(const VSTGUI::CPoint& where, bool last = false) const;

    // Edits towards the listener; every notification names the edited parameter.
    void openEdit(int band, int field);
    void report(int band, int field, float newValue);
    void closeEdits();
    void reportModifierClick(int band, VSTGUI::int32 modifiers);
    void updateHover(const VSTGUI::CPoint& where);
    void wheelEdit(int band, int field, float newValue);

    void drawContent(VSTGUI::CDrawContext* context);
    void drawShading(VSTGUI::CDrawContext* context);
    void drawGrid(VSTGUI::CDrawContext* context);
    void drawCurve(VSTGUI::CDrawContext* context);
    void drawHandles(VSTGUI::CDrawContext* context);
    void tracePoints(const std::unique_ptr<float[]>& y, bool closeAtZero);

    VSTGUI::int32 firstParameter;
    CEqAxis axis;
    CEqBank bank;
    std::vector<CFilterControl> bands;
    std::array<bool, kMaxBands> groupFlags{};
    double sampleRate = 44100.0;
    bool rateChanged = false;
    // cos ω and cos 2ω of every column at the sample rate, kept while neither changes.
    std::unique_ptr<CBiquad::Phase[]> phases;
    bool phasesStale = true;
    bool combineNeeded = true;
    std::unique_ptr<float[]> totalY, groupY;
    // Reused by every drawing: sized for the most columns at construction.
    std::vector<VSTGUI::CPoint> points;

    VSTGUI::CPoint handleSize;
    VSTGUI::CColor background, curveColor;
    VSTGUI::CColor fillColor{177, 177, 177, 77};
    bool fillOn = true;
    bool modifierClicks = true;
    float lowCutHz = 20.0f, highCutHz = 20000.0f;

    struct GridLine
    {
        double frequency;
        std::string label;
    };
    std::array<GridLine, 6> grid;

    VSTGUI::int32 selected = -1;
    VSTGUI::int32 focused = -1;
    VSTGUI::int32 highlighted = -1;
    VSTGUI::int32 wheelBand = -1;
    bool mouseInside = false;
    bool dragging = false;
    uint64_t mouseDownTime = 0;

    VSTGUI::int32 editedParameter = -1;
    VSTGUI::int32 editedBand = -1;
    VSTGUI::int32 editBand = -1;
    std::array<bool, kFieldsPerBand> editOpen{};
    VSTGUI::int32 modifierClick = 0;
    bool modifierClickPending = false;
    bool hoverChange = false;
    // The display changes only with its bands, marks and the mouse; the spectrum under it
    // redraws it every tick.
    CViewImage picture;
};
