#pragma once
// The About page: the artwork over the whole page with the version in its corner. A click
// anywhere on it closes it.

#include "vstgui/lib/cviewcontainer.h"

namespace VSTGUI
{
class CTextLabel;
}

class CAboutView : public VSTGUI::CViewContainer
{
public:
    CAboutView(const VSTGUI::CRect& size, VSTGUI::CBitmap* background, const char* version);

    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CTextLabel* getVersionLabel() const { return versionLabel; }

private:
    VSTGUI::CTextLabel* versionLabel;
};
