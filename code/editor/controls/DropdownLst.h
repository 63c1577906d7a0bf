#pragma once
// A settings list: shows the selected item; a click opens the items as a list over the page and
// a click on an item selects it. The value is the item index / 128.

#include "code/editor/controls/OrvControlCommon.h"
#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/cvstguitimer.h"

#include <string>
#include <vector>

class CDropdownPopup;

class CDropdownLst : public VSTGUI::CControl, public COrvControlCommon
{
public:
    enum List : VSTGUI::int32
    {
        kDisplayGainList = 0,
        kOversamplingList = 1,
        kTiltList = 2,
        kZoomList = 5,
    };

    // The items of a list number; empty for a number without a list.
    static const std::vector<std::string>& itemsOfList(VSTGUI::int32 listNumber);

    CDropdownLst(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
                 VSTGUI::int32 listNumber, VSTGUI::CBitmap* background = nullptr);
    ~CDropdownLst() override;

    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where,
                                             const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where,
                                            const VSTGUI::CButtonState& buttons) override;
    bool removed(VSTGUI::CView* parent) override;

    VSTGUI::int32 getListNumber() const { return listNumber; }
    const std::vector<std::string>& getItems() const { return items; }
    // The selected item, kept inside the list.
    VSTGUI::int32 getSelectedIndex() const;

    bool isListOpen() const { return popup != nullptr; }
    bool openList();
    void closeList();
    // The list view while open, else null.
    CDropdownPopup* getPopup() const { return popup; }
    // Selects an item as a user edit (begin, change, end) and closes the list.
    void selectItem(VSTGUI::int32 index);
    // A control bound to no parameter reports its picks without begin and end edit.
    void setHasParameter(bool state) { hasParameter = state; }

private:
    friend class CDropdownPopup;
    void popupGone();

    VSTGUI::int32 listNumber;
    const std::vector<std::string>& items;
    CDropdownPopup* popup = nullptr;
    bool hasParameter = true;
};

// The open list: a layer over the page that closes on any click outside the items.
class CDropdownPopup : public VSTGUI::CView
{
public:
    static constexpr VSTGUI::CCoord kItemHeight = 16;

    // layer: the whole area of the container it lies in; listRect: the items, in that
    // container's coordinates.
    CDropdownPopup(CDropdownLst* owner, const VSTGUI::CRect& layer, const VSTGUI::CRect& listRect);
    ~CDropdownPopup() override;

    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where,
                                           const VSTGUI::CButtonState& buttons) override;
    bool onWheel(const VSTGUI::CPoint& where, float distance,
                 const VSTGUI::CButtonState& buttons) override;
    VSTGUI::int32 onKeyDown(VSTGUI::KeyCode& key) override;
    bool wantsFocus() const override { return true; }
    bool attached(VSTGUI::CView* parent) override;
    bool removed(VSTGUI::CView* parent) override;

    // In the coordinates of the container the layer lies in.
    VSTGUI::CRect getItemRect(VSTGUI::int32 index) const;
    VSTGUI::int32 itemAt(const VSTGUI::CPoint& where) const;
    VSTGUI::int32 getHighlighted() const { return highlighted; }

private:
    void detachOwner();
    void highlightAt(const VSTGUI::CPoint& where);
    // The frame sends no moves without a button held, so the highlight follows the mouse at the
    // idle rate.
    void followMouse();

    CDropdownLst* owner;
    VSTGUI::CVSTGUITimer* tracker = nullptr;
    VSTGUI::CRect listRect;
    VSTGUI::int32 highlighted = -1;
};
