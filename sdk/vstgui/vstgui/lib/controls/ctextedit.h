#pragma once

#include "vstgui/lib/controls/ctextlabel.h"

namespace VSTGUI
{

// A one-line text entry. A click gives it the keyboard focus with all text selected; typing
// replaces the selection; Enter (or losing the focus) commits and reports the change, Escape
// restores the text it had before. Positions are byte offsets on UTF-8 character boundaries.
class CTextEdit : public CTextLabel
{
public:
    CTextEdit(const CRect& size, IControlListener* listener, int32 tag,
              const std::string& text = "", CBitmap* background = nullptr, int32 style = 0);

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    int32 onKeyDown(KeyCode& key) override;
    void draw(CDrawContext* context) override;

    bool wantsFocus() const override { return true; }
    void takeFocus() override;
    void looseFocus() override;

    bool isEditing() const { return editing; }
    // While editing, the text being typed; else the committed text.
    const std::string& getEditText() const { return editing ? editText : text; }
    std::size_t getCursorPosition() const { return cursor; }
    std::size_t getSelectionStart() const { return std::min(anchor, cursor); }
    std::size_t getSelectionEnd() const { return std::max(anchor, cursor); }
    // Characters (not bytes); 0 is unlimited.
    void setMaxLength(std::size_t characters) { maxLength = characters; }
    void setSelectionColor(const CColor& color) { selectionColor = color; }

private:
    void beginTyping();
    void commit();
    void cancel();
    void insertText(const std::string& utf8);
    void deleteSelection();
    std::size_t previousBoundary(std::size_t position) const;
    std::size_t nextBoundary(std::size_t position) const;
    std::size_t positionAt(CCoord x) const;
    CCoord textStart() const;
    CCoord widthOf(std::size_t bytes) const;

    bool editing = false;
    bool dragging = false;
    std::string editText;
    std::size_t cursor = 0;
    std::size_t anchor = 0;
    std::size_t maxLength = 0;
    CColor selectionColor{70, 110, 200};
};

} // namespace VSTGUI
