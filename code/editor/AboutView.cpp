#include "code/editor/AboutView.h"

#include "vstgui/lib/controls/ctextlabel.h"

using namespace VSTGUI;

CAboutView::CAboutView(const CRect& size, CBitmap* background, const char* version)
    : CViewContainer(size)
{
    setBackground(background);
    versionLabel = new CTextLabel(CRect(808, 658, 910, 675), version, nullptr, kNoFrame);
    versionLabel->setTransparency(true);
    versionLabel->setFontColor(kWhiteCColor);
    versionLabel->setHoriAlign(kLeftText);
    versionLabel->setMouseEnabled(false);
    addView(versionLabel);
}

CMouseEventResult CAboutView::onMouseDown(CPoint&, const CButtonState&)
{
    setVisible(false);
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}
