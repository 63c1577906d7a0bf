#include "code/editor/controls/DropdownLst.h"

#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/cframe.h"

#include <algorithm>

using namespace VSTGUI;

namespace
{

const CColor kTextColor(214, 219, 226);
const CColor kListBack(28, 31, 36);
const CColor kListFrame(78, 84, 94);
const CColor kHighlight(255, 164, 38);
const CColor kHighlightText(20, 20, 22);
constexpr CCoord kTextInset = 6;

} // namespace

const std::vector<std::string>& CDropdownLst::itemsOfList(int32 listNumber)
{
    static const std::vector<std::string> none;
    static const std::vector<std::string> displayGain{"0 dB", "+12 dB", "+24 dB"};
    static const std::vector<std::string> oversampling{"2x", "4x", "8x", "16x"};
    static const std::vector<std::string> tilt{"OFF", "3dB 100 Hz", "6dB 100 Hz", "3dB 1 kHz",
                                               "6dB 1 kHz"};
    static const std::vector<std::string> zoom{"75 %", "100 %", "125 %", "150 %", "175 %", "200 %"};
    switch (listNumber)
    {
    case kDisplayGainList:
        return displayGain;
    case kOversamplingList:
        return oversampling;
    case kTiltList:
        return tilt;
    case kZoomList:
        return zoom;
    default:
        return none;
    }
}

CDropdownLst::CDropdownLst(const CRect& size, IControlListener* listener, int32 tag,
                           int32 listNumber, CBitmap* background)
    : CControl(size, listener, tag, background), COrvControlCommon(static_cast<CControl&>(*this)),
      listNumber(listNumber), items(itemsOfList(listNumber))
{
    setDefaultValue(0.f);
}

CDropdownLst::~CDropdownLst()
{
    closeList();
}

int32 CDropdownLst::getSelectedIndex() const
{
    if (items.empty()) return 0;
    return std::min(valueToIndex(value), static_cast<int32>(items.size()) - 1);
}

void CDropdownLst::draw(CDrawContext* context)
{
    if (background) context->drawBitmap(background, size);
    if (!items.empty())
    {
        const bool hover = (isHovered() && showsHover()) || isListOpen();
        context->setFont("Arial", 11);
        context->setFontColor(hover ? CColor(255, 255, 255) : kTextColor);
        CRect text = size;
        text.left += kTextInset;
        text.right -= 14; // the well's arrow
        context->drawString(items[static_cast<size_t>(getSelectedIndex())], text, kLeftText);
    }
    setDirty(false);
}

CMouseEventResult CDropdownLst::onMouseDown(CPoint&, const CButtonState& buttons)
{
    storeMouseDown(buttons, false);
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    if (isListOpen())
        closeList();
    else
        openList();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

bool CDropdownLst::openList()
{
    CFrame* frame = getFrame();
    if (isListOpen() || items.empty() || !frame) return false;
    // The list lies on top of the modal page that holds us (it alone takes the mouse), else on
    // top of the whole frame.
    CViewContainer* host = frame;
    if (auto* modal = dynamic_cast<CViewContainer*>(frame->getModalView()))
    {
        if (!modal->isChild(this, true)) return false;
        host = modal;
    }
    CPoint hostOrigin;
    if (host != frame)
    {
        hostOrigin = host->getViewSize().getTopLeft();
        host->localToFrame(hostOrigin);
    }
    CPoint origin = size.getTopLeft();
    localToFrame(origin);
    origin.offsetInverse(hostOrigin);

    const CRect layer(0, 0, host->getWidth(), host->getHeight());
    const CCoord listHeight = CDropdownPopup::kItemHeight * static_cast<CCoord>(items.size()) + 2;
    CRect list(origin.x, origin.y + getHeight(), origin.x + getWidth(),
               origin.y + getHeight() + listHeight);
    // Below when it fits, else above, else as far up as the page allows; never beside it.
    if (list.bottom > layer.bottom) list.offset(0, -(listHeight + getHeight()));
    if (list.top < layer.top) list.offset(0, layer.top - list.top);
    if (list.right > layer.right) list.offset(layer.right - list.right, 0);
    if (list.left < layer.left) list.offset(layer.left - list.left, 0);

    popup = new CDropdownPopup(this, layer, list);
    host->addView(popup);
    frame->setFocusView(popup);
    invalid();
    return true;
}

void CDropdownLst::closeList()
{
    CDropdownPopup* open = popup;
    if (!open) return;
    popup = nullptr;
    if (auto* parent = dynamic_cast<CViewContainer*>(open->getParentView()))
        parent->removeView(open);
    if (isAttached()) invalid();
}

void CDropdownLst::popupGone()
{
    popup = nullptr;
    setDirty();
}

void CDropdownLst::selectItem(int32 index)
{
    closeList();
    if (index < 0 || index >= static_cast<int32>(items.size())) return;
    if (hasParameter)
        beginEdit();
    else
        remember(); // the listener may rebuild the page (zoom)
    setValue(indexToValue(index));
    valueChanged();
    if (hasParameter)
        endEdit();
    else
        forget();
}

bool CDropdownLst::removed(CView* parent)
{
    closeList();
    return CControl::removed(parent);
}

CMouseEventResult CDropdownLst::onMouseEntered(CPoint&, const CButtonState&)
{
    if (setHovered(true)) invalid();
    return kMouseEventHandled;
}

CMouseEventResult CDropdownLst::onMouseExited(CPoint&, const CButtonState&)
{
    if (setHovered(false)) invalid();
    return kMouseEventHandled;
}

CDropdownPopup::CDropdownPopup(CDropdownLst* owner, const CRect& layer, const CRect& listRect)
    : CView(layer), owner(owner), listRect(listRect), highlighted(owner->getSelectedIndex())
{
    owner->remember();
}

CDropdownPopup::~CDropdownPopup()
{
    if (tracker) tracker->forget();
    detachOwner();
}

bool CDropdownPopup::attached(CView* parent)
{
    if (!CView::attached(parent)) return false;
    if (!tracker) tracker = new CVSTGUITimer([this](CVSTGUITimer*) { followMouse(); }, 20);
    tracker->start();
    return true;
}

void CDropdownPopup::followMouse()
{
    CFrame* frame = getFrame();
    CPoint where;
    if (!frame || !frame->getCurrentMouseLocation(where)) return;
    highlightAt(frameToLocal(where));
}

void CDropdownPopup::highlightAt(const CPoint& where)
{
    const int32 item = itemAt(where);
    if (item < 0 || item == highlighted) return;
    highlighted = item;
    invalidRect(listRect);
}

void CDropdownPopup::detachOwner()
{
    if (!owner) return;
    CDropdownLst* was = owner;
    owner = nullptr;
    if (was->popup == this) was->popupGone();
    was->forget();
}

bool CDropdownPopup::removed(CView* parent)
{
    if (tracker) tracker->stop();
    detachOwner();
    return CView::removed(parent);
}

CRect CDropdownPopup::getItemRect(int32 index) const
{
    CRect item(listRect.left + 1, listRect.top + 1, listRect.right - 1,
               listRect.top + 1 + kItemHeight);
    return item.offset(0, kItemHeight * index);
}

int32 CDropdownPopup::itemAt(const CPoint& where) const
{
    if (!owner || !listRect.pointInside(where)) return -1;
    const auto count = static_cast<int32>(owner->getItems().size());
    for (int32 i = 0; i < count; ++i)
        if (getItemRect(i).pointInside(where)) return i;
    return -1;
}

void CDropdownPopup::draw(CDrawContext* context)
{
    if (!owner) return;
    context->setFillColor(kListBack);
    context->drawRect(listRect, kDrawFilled);
    context->setFrameColor(kListFrame);
    context->setLineWidth(1);
    CRect outline = listRect;
    context->drawRect(outline.inset(0.5, 0.5), kDrawStroked);
    context->setFont("Arial", 11);
    const auto& items = owner->getItems();
    for (int32 i = 0; i < static_cast<int32>(items.size()); ++i)
    {
        CRect item = getItemRect(i);
        if (i == highlighted)
        {
            context->setFillColor(kHighlight);
            context->drawRect(item, kDrawFilled);
        }
        context->setFontColor(i == highlighted ? kHighlightText : kTextColor);
        item.left += kTextInset - 1;
        context->drawString(items[static_cast<size_t>(i)], item, kLeftText);
    }
    setDirty(false);
}

CMouseEventResult CDropdownPopup::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!owner) return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    const int32 item = buttons.isLeftButton() ? itemAt(where) : -1;
    CDropdownLst* list = owner;
    list->remember();
    if (item >= 0)
        list->selectItem(item);
    else
        list->closeList(); // any click outside the items only closes the list
    list->forget();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

CMouseEventResult CDropdownPopup::onMouseMoved(CPoint& where, const CButtonState&)
{
    highlightAt(where);
    return kMouseEventHandled;
}

bool CDropdownPopup::onWheel(const CPoint&, float, const CButtonState&)
{
    return true; // the page under the open list does not scroll
}

int32 CDropdownPopup::onKeyDown(KeyCode& key)
{
    if (!owner) return -1;
    const auto count = static_cast<int32>(owner->getItems().size());
    CDropdownLst* list = owner;
    switch (key.virt)
    {
    case VKEY_ESCAPE:
        list->closeList();
        return 1;
    case VKEY_RETURN:
    case VKEY_ENTER:
        list->remember();
        list->selectItem(highlighted);
        list->forget();
        return 1;
    case VKEY_UP:
        highlighted = std::max(0, highlighted - 1);
        break;
    case VKEY_DOWN:
        highlighted = std::min(count - 1, highlighted + 1);
        break;
    default:
        return -1;
    }
    invalidRect(listRect);
    return 1;
}
