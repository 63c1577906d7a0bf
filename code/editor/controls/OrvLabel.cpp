#include "code/editor/controls/OrvLabel.h"

using namespace VSTGUI;

COrvLabel::COrvLabel(const CRect& size, IControlListener* listener, int32 tag,
                     const std::string& text, CBitmap* background)
    : CTextLabel(size, text, background, kNoDrawStyle),
      COrvControlCommon(static_cast<CControl&>(*this))
{
    CControl::setTag(tag);
    setListener(listener);
    setTransparency(true);
    setFontColor(CColor(214, 219, 226));
    setHoriAlign(kLeftText);
}
