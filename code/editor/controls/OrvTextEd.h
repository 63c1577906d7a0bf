#pragma once
// An editable text field in the editor's look.

#include "code/editor/controls/OrvControlCommon.h"
#include "vstgui/lib/controls/ctextedit.h"

class COrvTextEd : public VSTGUI::CTextEdit, public COrvControlCommon
{
public:
    COrvTextEd(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
               const std::string& text = "", VSTGUI::CBitmap* background = nullptr);

    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where,
                                             const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where,
                                            const VSTGUI::CButtonState& buttons) override;
    void draw(VSTGUI::CDrawContext* context) override;
};
