#pragma once

#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg
{
namespace Vst
{

// MIDI controller numbers; the last three are pseudo controllers for channel messages.
enum ControllerNumbers
{
    kCtrlBankSelectMSB = 0,
    kCtrlModWheel = 1,
    kCtrlBreath = 2,
    kCtrlFoot = 4,
    kCtrlPortaTime = 5,
    kCtrlDataEntryMSB = 6,
    kCtrlVolume = 7,
    kCtrlBalance = 8,
    kCtrlPan = 10,
    kCtrlExpression = 11,
    kCtrlEffect1 = 12,
    kCtrlEffect2 = 13,
    kCtrlBankSelectLSB = 32,
    kCtrlSustainOnOff = 64,
    kCtrlPortaOnOff = 65,
    kCtrlSustenutoOnOff = 66,
    kCtrlSoftPedalOnOff = 67,
    kCtrlLegatoFootSwOnOff = 68,
    kCtrlHold2OnOff = 69,
    kCtrlAllSoundsOff = 120,
    kCtrlResetAllCtrlers = 121,
    kCtrlLocalCtrlOnOff = 122,
    kCtrlAllNotesOff = 123,
    kCtrlOmniModeOff = 124,
    kCtrlOmniModeOn = 125,
    kCtrlPolyModeOnOff = 126,
    kCtrlPolyModeOn = 127,

    kAfterTouch = 128,
    kPitchBend = 129,
    kCountCtrlNumber,
    kCtrlProgramChange = 130,
    kCtrlPolyPressure = 131,
    kCtrlQuarterFrame = 132
};

} // namespace Vst
} // namespace Steinberg
