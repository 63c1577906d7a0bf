#include "vstgui/lib/controls/ctextedit.h"
#include "vstgui/lib/cframe.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI
{
namespace
{

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t countCharacters(const std::string& text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !isContinuationByte(c); }));
}

std::string encodeUtf8(int32 codePoint)
{
    std::string out;
    auto c = static_cast<uint32>(codePoint);
    if (c < 0x80)
        out += static_cast<char>(c);
    else if (c < 0x800)
    {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    else if (c < 0x10000)
    {
        if (c >= 0xD800 && c <= 0xDFFF) return {};
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    else if (c < 0x110000)
    {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

} // namespace

CTextEdit::CTextEdit(const CRect& size, IControlListener* listener, int32 tag,
                     const std::string& text, CBitmap* background, int32 style)
    : CTextLabel(size, text, background, style)
{
    setListener(listener);
    setTag(tag);
    setMouseEnabled(true);
    setHoriAlign(kLeftText);
}

void CTextEdit::beginTyping()
{
    if (editing) return;
    editing = true;
    editText = text;
    anchor = 0;
    cursor = editText.size();
    setDirty();
}

void CTextEdit::commit()
{
    if (!editing) return;
    editing = false;
    dragging = false;
    text = editText;
    setDirty();
    beginEdit();
    valueChanged();
    endEdit();
}

void CTextEdit::cancel()
{
    if (!editing) return;
    editing = false;
    dragging = false;
    setDirty();
}

void CTextEdit::takeFocus()
{
    beginTyping();
}

void CTextEdit::looseFocus()
{
    commit();
}

CMouseEventResult CTextEdit::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    if (!editing)
    {
        if (CFrame* f = getFrame()) f->setFocusView(this);
        beginTyping();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    if (buttons.isDoubleClick())
    {
        anchor = 0;
        cursor = editText.size();
    }
    else
    {
        cursor = positionAt(where.x);
        if (!(buttons & kShift)) anchor = cursor;
        dragging = true;
    }
    setDirty();
    return kMouseEventHandled;
}

CMouseEventResult CTextEdit::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!editing || !dragging || !(buttons & kLButton)) return kMouseEventNotHandled;
    std::size_t position = positionAt(where.x);
    if (position != cursor)
    {
        cursor = position;
        setDirty();
    }
    return kMouseEventHandled;
}

CMouseEventResult CTextEdit::onMouseUp(CPoint&, const CButtonState&)
{
    dragging = false;
    return kMouseEventHandled;
}

int32 CTextEdit::onKeyDown(KeyCode& key)
{
    if (!editing) return -1;
    bool shift = (key.modifier & MODIFIER_SHIFT) != 0;
    bool control = (key.modifier & (MODIFIER_CONTROL | MODIFIER_COMMAND)) != 0;
    auto moveTo = [&](std::size_t position)
    {
        cursor = position;
        if (!shift) anchor = cursor;
        setDirty();
    };
    switch (key.virt)
    {
    case VKEY_RETURN:
    case VKEY_ENTER:
        commit();
        if (CFrame* f = getFrame(); f && f->getFocusView() == this) f->setFocusView(nullptr);
        return 1;
    case VKEY_ESCAPE:
        cancel();
        if (CFrame* f = getFrame(); f && f->getFocusView() == this) f->setFocusView(nullptr);
        return 1;
    case VKEY_BACK:
        if (anchor == cursor) anchor = previousBoundary(cursor);
        deleteSelection();
        return 1;
    case VKEY_DELETE:
        if (anchor == cursor) anchor = nextBoundary(cursor);
        deleteSelection();
        return 1;
    case VKEY_LEFT:
        if (!shift && anchor != cursor)
            moveTo(getSelectionStart());
        else
            moveTo(previousBoundary(cursor));
        return 1;
    case VKEY_RIGHT:
        if (!shift && anchor != cursor)
            moveTo(getSelectionEnd());
        else
            moveTo(nextBoundary(cursor));
        return 1;
    case VKEY_HOME:
        moveTo(0);
        return 1;
    case VKEY_END:
        moveTo(editText.size());
        return 1;
    case VKEY_TAB:
        return -1;
    case VKEY_SPACE:
        insertText(" ");
        return 1;
    default:
        break;
    }
    if (key.virt != 0 || key.character < 0x20 || key.character == 0x7F) return -1;
    if (control)
    {
        if (key.character == 'a' || key.character == 'A')
        {
            anchor = 0;
            cursor = editText.size();
            setDirty();
            return 1;
        }
        return -1;
    }
    insertText(encodeUtf8(key.character));
    return 1;
}

void CTextEdit::insertText(const std::string& utf8)
{
    if (utf8.empty()) return;
    std::size_t start = getSelectionStart();
    std::size_t end = getSelectionEnd();
    if (maxLength > 0)
    {
        std::size_t remaining =
            countCharacters(editText) - countCharacters(editText.substr(start, end - start));
        if (remaining + countCharacters(utf8) > maxLength) return;
    }
    editText.replace(start, end - start, utf8);
    cursor = anchor = start + utf8.size();
    setDirty();
}

void CTextEdit::deleteSelection()
{
    std::size_t start = getSelectionStart();
    std::size_t end = getSelectionEnd();
    editText.erase(start, end - start);
    cursor = anchor = start;
    setDirty();
}

std::size_t CTextEdit::previousBoundary(std::size_t position) const
{
    if (position == 0) return 0;
    --position;
    while (position > 0 && isContinuationByte(editText[position])) --position;
    return position;
}

std::size_t CTextEdit::nextBoundary(std::size_t position) const
{
    if (position >= editText.size()) return editText.size();
    ++position;
    while (position < editText.size() && isContinuationByte(editText[position])) ++position;
    return position;
}

CCoord CTextEdit::widthOf(std::size_t bytes) const
{
    return font->getStringWidth(editText.substr(0, bytes));
}

CCoord CTextEdit::textStart() const
{
    CRect rect = textRect();
    CCoord width = widthOf(editText.size());
    if (horiAlign == kCenterText) return rect.left + (rect.getWidth() - width) / 2;
    if (horiAlign == kRightText) return rect.right - width;
    return rect.left;
}

std::size_t CTextEdit::positionAt(CCoord x) const
{
    CCoord start = textStart();
    std::size_t best = 0;
    CCoord bestDistance = std::fabs(x - start);
    for (std::size_t p = nextBoundary(0); p <= editText.size(); p = nextBoundary(p))
    {
        CCoord distance = std::fabs(x - (start + widthOf(p)));
        if (distance < bestDistance)
        {
            best = p;
            bestDistance = distance;
        }
        if (p == editText.size()) break;
    }
    return best;
}

void CTextEdit::draw(CDrawContext* context)
{
    if (!editing)
    {
        CTextLabel::draw(context);
        return;
    }
    drawBack(context);
    CRect rect = textRect();
    CCoord start = textStart();
    if (anchor != cursor)
    {
        CRect selection(start + widthOf(getSelectionStart()), rect.top + 1,
                        start + widthOf(getSelectionEnd()), rect.bottom - 1);
        context->setFillColor(selectionColor);
        context->drawRect(selection, kDrawFilled);
    }
    context->setFont(font);
    context->setFontColor(fontColor);
    CRect textArea(start, rect.top, rect.right + widthOf(editText.size()), rect.bottom);
    context->drawString(editText, textArea, kLeftText);
    CCoord caret = std::round(start + widthOf(cursor)) + 0.5;
    context->setFrameColor(fontColor);
    context->setLineWidth(1);
    context->drawLine(CPoint(caret, rect.top + 2), CPoint(caret, rect.bottom - 2));
    setDirty(false);
}

} // namespace VSTGUI
