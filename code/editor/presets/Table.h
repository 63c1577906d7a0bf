#pragma once
// The preset table of the browser: rows of three text cells in fixed columns, scrolled by a
// position from 0 (top) to 1 (end), which is also the control's value. A click or a wheel turn
// is reported as a value change; the listener asks which of the two it was.

#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/controls/ccontrol.h"

#include <array>
#include <string>
#include <vector>

class CTable : public VSTGUI::CControl
{
public:
    static constexpr int kColumns = 3;
    static constexpr VSTGUI::CCoord kDefaultRowHeight = 20;
    static constexpr int kRowsPerWheelStep = 3;

    enum Action
    {
        kNoAction,
        kRowClicked,
        kScrolled,
    };

    CTable(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag);

    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;
    bool onWheel(const VSTGUI::CPoint& where, float distance,
                 const VSTGUI::CButtonState& buttons) override;

    void setColumnWidths(const std::array<VSTGUI::CCoord, kColumns>& widths);
    VSTGUI::CCoord getColumnWidth(int column) const;
    void setRowHeight(VSTGUI::CCoord height);
    VSTGUI::CCoord getRowHeight() const { return rowHeight; }
    // First colour for the rows, second for the current row's text.
    void setTextColors(const VSTGUI::CColor& first, const VSTGUI::CColor& second);

    // Keeps the storage, so refilling a list of the same size allocates nothing new.
    void clear();
    void reserveRows(int rows);
    // Texts are shown as given; invalid UTF-8 is the caller's to repair.
    void addRow(const char* first, const char* second, const char* third);
    int getRowCount() const { return static_cast<int>(cells.size() / kColumns); }
    const std::string& cellText(int row, int column) const;

    // -1 highlights nothing.
    void setCurrentRow(int row);
    int getCurrentRow() const { return currentRow; }

    void setValue(float position) override;
    void setScrollPosition(float position) { setValue(position); }
    float getScrollPosition() const { return value; }
    // Position change per unit of wheel distance.
    float getWheelStep() const;
    // How far the rows are moved up: the part of the content below the visible area, times
    // the position, so the last row ends at the bottom at position 1.
    VSTGUI::CCoord getRowOffset() const;
    // The row under a point in the parent's coordinates, -1 outside every row.
    int rowAt(const VSTGUI::CPoint& where) const;

    Action getLastAction() const { return lastAction; }
    // The row of the last click, -1 when it hit no row.
    int getClickedRow() const { return clickedRow; }

private:
    VSTGUI::CCoord scrollRange() const;

    std::vector<std::string> cells; // kColumns per row
    std::array<VSTGUI::CCoord, kColumns> columnWidths{263, 207, 190};
    VSTGUI::CCoord rowHeight = kDefaultRowHeight;
    VSTGUI::CColor firstTextColor{178, 184, 194};
    VSTGUI::CColor secondTextColor{255, 255, 255};
    int currentRow = -1;
    Action lastAction = kNoAction;
    int clickedRow = -1;
};
