#pragma once
// The editor's buttons: switches, momentary buttons, multi-state buttons and the band selector,
// with mouse-over frames and optional modifier-click reporting.

#include "code/editor/controls/Led.h"

#include <array>

class CCButtonMO : public CLed
{
public:
    enum Mode : VSTGUI::int32
    {
        kToggle = 2,
        kMomentary = 4,
        kMultiState = 11,
        kBandSelector = 12,
    };

    static constexpr VSTGUI::int32 kDigits = 10;
    // Digits 0-4 (Above bands) in the top row, 5-9 (Below bands) in the row below.
    static constexpr VSTGUI::CCoord kDigitPitchX = 28;
    static constexpr VSTGUI::CCoord kDigitPitchY = 38;

    // states: positions of a multi-state button (0: one per frame). A band selector is given the
    // rectangle of its first digit and grows to cover both rows.
    CCButtonMO(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
               VSTGUI::CBitmap* strip, VSTGUI::int32 frames, VSTGUI::int32 mode,
               VSTGUI::int32 states = 0);
    ~CCButtonMO() override;

    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;
    bool hitTest(const VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons = {}) override;

    // A left click with Shift, Ctrl or Alt then does not operate the button: the buttons are
    // stored, the click is marked as a modifier click and reported as a value change with the
    // value unchanged.
    void setModifierClickReporting(bool state) { modifierClickReporting = state; }
    bool getModifierClickReporting() const { return modifierClickReporting; }

    // The three-frame look of undo and redo: enabled, pressed, disabled. A disabled button takes
    // no mouse.
    void setDisabled(bool state);
    bool isDisabled() const { return disabled; }

    VSTGUI::int32 getNumStates() const { return states; }
    VSTGUI::int32 getState() const;

    // Band selector: one bitmap per digit (remembered), marks set by the editor.
    void setDigitBitmaps(const std::array<VSTGUI::CBitmap*, kDigits>& bitmaps);
    void setDigitSolo(VSTGUI::int32 digit, bool state);
    void setDigitOff(VSTGUI::int32 digit, bool state);
    void setDigitHover(VSTGUI::int32 digit, bool state);
    bool getDigitSolo(VSTGUI::int32 digit) const;
    bool getDigitOff(VSTGUI::int32 digit) const;
    bool getDigitHover(VSTGUI::int32 digit) const;
    // The digit under a point in the parent's coordinates, -1 for none.
    VSTGUI::int32 digitAt(const VSTGUI::CPoint& where) const;
    // In the parent's coordinates.
    VSTGUI::CRect getDigitRect(VSTGUI::int32 digit) const;
    // The digit of the last click, plain or modifier, -1 before any.
    VSTGUI::int32 getClickedDigit() const { return clickedDigit; }
    // The frame a digit shows: 4 * mark + 2 * selected + hover (mark 0 sounding, 1 solo, 2 off).
    VSTGUI::int32 digitFrame(VSTGUI::int32 digit) const;

protected:
    float clickedValue(const VSTGUI::CPoint& where) const override;
    VSTGUI::int32 frameIndex() const override;

private:
    struct DigitMarks
    {
        bool solo = false;
        bool off = false;
        bool hover = false;
    };

    bool isModifierClickOf(const VSTGUI::CButtonState& buttons) const;
    void setDigitMark(VSTGUI::int32 digit, bool DigitMarks::*mark, bool state);

    VSTGUI::int32 states;
    bool modifierClickReporting = false;
    bool disabled = false;
    std::array<VSTGUI::CBitmap*, kDigits> digitBitmaps{};
    std::array<DigitMarks, kDigits> digitMarks{};
    VSTGUI::CCoord digitWidth = 0;
    VSTGUI::CCoord digitHeight = 0;
    VSTGUI::int32 clickedDigit = -1;
};
