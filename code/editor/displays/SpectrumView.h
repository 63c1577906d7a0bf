#pragma once
// The spectrum display of one section. For now it draws only its background; the curve comes
// with the analyser hand-over.

#include "vstgui/lib/controls/ccontrol.h"

class CSpectrumView : public VSTGUI::CControl
{
public:
    CSpectrumView(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
                  VSTGUI::CBitmap* background = nullptr);

    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;
};
