#include "vstgui/lib/platform/x11keys.h"
#include "vstgui/lib/cbuttonstate.h"

#include <xcb/xproto.h>

namespace VSTGUI::X11
{
namespace
{

struct NamedKey
{
    uint32_t keysym;
    uint8 virt;
};

// Keysym values are X11's (keysymdef.h).
constexpr NamedKey kNamedKeys[] = {
    {0xff08, VKEY_BACK},     {0xff09, VKEY_TAB},     {0xff0b, VKEY_CLEAR},
    {0xff0d, VKEY_RETURN},   {0xff13, VKEY_PAUSE},   {0xff1b, VKEY_ESCAPE},
    {0xff50, VKEY_HOME},     {0xff51, VKEY_LEFT},    {0xff52, VKEY_UP},
    {0xff53, VKEY_RIGHT},    {0xff54, VKEY_DOWN},    {0xff55, VKEY_PAGEUP},
    {0xff56, VKEY_PAGEDOWN}, {0xff57, VKEY_END},     {0xff60, VKEY_SELECT},
    {0xff61, VKEY_PRINT},    {0xff63, VKEY_INSERT},  {0xff6a, VKEY_HELP},
    {0xff7f, VKEY_NUMLOCK},  {0xff8d, VKEY_ENTER},   {0xff14, VKEY_SCROLL},
    {0xffaa, VKEY_MULTIPLY}, {0xffab, VKEY_ADD},     {0xffac, VKEY_SEPARATOR},
    {0xffad, VKEY_SUBTRACT}, {0xffae, VKEY_DECIMAL}, {0xffaf, VKEY_DIVIDE},
    {0xffbd, VKEY_EQUALS},   {0xffe1, VKEY_SHIFT},   {0xffe2, VKEY_SHIFT},
    {0xffe3, VKEY_CONTROL},  {0xffe4, VKEY_CONTROL}, {0xffe9, VKEY_ALT},
    {0xffea, VKEY_ALT},      {0xffff, VKEY_DELETE},
};

uint8 keyModifiers(uint16_t xState)
{
    uint8 modifiers = 0;
    if (xState & XCB_MOD_MASK_SHIFT) modifiers |= MODIFIER_SHIFT;
    if (xState & XCB_MOD_MASK_CONTROL) modifiers |= MODIFIER_CONTROL;
    if (xState & XCB_MOD_MASK_1) modifiers |= MODIFIER_ALTERNATE;
    return modifiers;
}

} // namespace

bool keysymToKeyCode(uint32_t keysym, uint16_t xState, KeyCode& key)
{
    key = KeyCode{};
    key.modifier = keyModifiers(xState);
    if (keysym == 0x20)
    {
        key.virt = VKEY_SPACE;
        key.character = ' ';
        return true;
    }
    if (keysym >= 0xffb0 && keysym <= 0xffb9)
    {
        key.virt = static_cast<uint8>(VKEY_NUMPAD0 + (keysym - 0xffb0));
        key.character = static_cast<int32>('0' + (keysym - 0xffb0));
        return true;
    }
    if (keysym >= 0xffbe && keysym <= 0xffc9)
    {
        key.virt = static_cast<uint8>(VKEY_F1 + (keysym - 0xffbe));
        return true;
    }
    for (const auto& named : kNamedKeys)
    {
        if (named.keysym == keysym)
        {
            key.virt = named.virt;
            return true;
        }
    }
    if ((keysym >= 0x21 && keysym <= 0x7e) || (keysym >= 0xa0 && keysym <= 0xff))
    {
        key.character = static_cast<int32>(keysym);
        return true;
    }
    if ((keysym & 0xff000000) == 0x01000000)
    {
        key.character = static_cast<int32>(keysym & 0x00ffffff);
        return true;
    }
    return false;
}

int32 buttonStateFromX(uint16_t xState)
{
    int32 state = 0;
    if (xState & XCB_BUTTON_MASK_1) state |= kLButton;
    if (xState & XCB_BUTTON_MASK_2) state |= kMButton;
    if (xState & XCB_BUTTON_MASK_3) state |= kRButton;
    if (xState & XCB_MOD_MASK_SHIFT) state |= kShift;
    if (xState & XCB_MOD_MASK_CONTROL) state |= kControl;
    if (xState & XCB_MOD_MASK_1) state |= kAlt;
    return state;
}

} // namespace VSTGUI::X11
