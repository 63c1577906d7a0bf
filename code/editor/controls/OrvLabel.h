#pragma once
// Static text in the editor's look: transparent, no frame, light text. A text too wide for the
// label is drawn in a smaller size down to a minimum, then clipped.

#include "code/editor/controls/OrvControlCommon.h"
#include "vstgui/lib/controls/ctextlabel.h"

class COrvLabel : public VSTGUI::CTextLabel, public COrvControlCommon
{
public:
    COrvLabel(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
              const std::string& text = "", VSTGUI::CBitmap* background = nullptr);

    void draw(VSTGUI::CDrawContext* context) override;

    static constexpr VSTGUI::CCoord kMinimumFontSize = 8;
};
