#pragma once
// The browser's sort header: one strip per column, each placed at its column boundary. Strip c
// lights its column in frame c, so drawing every strip in the frame of the sorted column shows
// which column the list follows. A click picks the column under the mouse (index / 128).

#include "code/editor/controls/CButtonMO.h"

#include <array>

class CSortHeader : public CCButtonMO
{
public:
    static constexpr VSTGUI::int32 kColumns = 3;

    // strips: name, author and category (remembered); each with one frame per column.
    CSortHeader(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
                const std::array<VSTGUI::CBitmap*, kColumns>& strips);
    ~CSortHeader() override;

    // Where the second and third column begin, from the header's left edge; the header grows
    // to the end of the last strip.
    void setSegmentBoundaries(VSTGUI::CCoord author, VSTGUI::CCoord category);
    VSTGUI::int32 columnAt(const VSTGUI::CPoint& where) const;

    void draw(VSTGUI::CDrawContext* context) override;

protected:
    float clickedValue(const VSTGUI::CPoint& where) const override;

private:
    VSTGUI::CCoord stripWidth(VSTGUI::int32 column) const;

    std::array<VSTGUI::CBitmap*, kColumns> strips{};
    std::array<VSTGUI::CCoord, kColumns> starts{};
};
