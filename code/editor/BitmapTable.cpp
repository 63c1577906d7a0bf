#include "code/editor/BitmapTable.h"

namespace velqa::editor
{

// clang-format off
const std::array<const char*, kBitmapCount> kBitmapNames = {
    "pot.png",                                                  //  0
    "1.png", "2.png", "3.png", "4.png", "5.png",                //  1-5   Above digits
    "1.png", "2.png", "3.png", "4.png", "5.png",                //  6-10  Below digits
    "ABOVE.png",                                                // 11
    "ACTIVE.png",                                               // 12
    "back2.png",                                                // 13
    "BELOW.png",                                                // 14
    "head.png",                                                 // 15
    "ovr.png",                                                  // 16
    "SOLO.png",                                                 // 17
    "BYPASS.png",                                               // 18
    "LinkView.png",                                             // 19
    "Load.png",                                                 // 20
    "Save.png",                                                 // 21
    "preset_save.png",                                          // 22
    "x.png",                                                    // 23
    "loadarr.png",                                              // 24
    "savearr.png",                                              // 25
    "next.png",                                                 // 26
    "prev.png",                                                 // 27
    "on_off.png",                                               // 28
    "LINK.png",                                                 // 29
    "INVERSE.png",                                              // 30
    "Fader2.png",                                               // 31
    "Filter_Type_Handle.png",                                   // 32
    "LOGO_Button.png",                                          // 33
    "SC2.png",                                                  // 34
    "Section_VU_Above.png",                                     // 35
    "Section_VU_Below.png",                                     // 36
    "Saturation_Type_Handle.png",                               // 37
    "Undo1.png",                                                // 38
    "Redo1.png",                                                // 39
    "VU_1.png", "VU_2.png", "VU_3.png",                         // 40-42
    "VU_4.png", "VU_5.png", "VU_6.png",                         // 43-45
    "AboutVQ.png",                                              // 46
    nullptr, nullptr, nullptr, nullptr,                         // 47-50
    nullptr, nullptr, nullptr, nullptr,                         // 51-54
    "logo_bypass.png",                                          // 55
    "bypfg.png",                                                // 56
    "browseback.png",                                           // 57
    "sortselNam.png",                                           // 58
    "sortselAut.png",                                           // 59
    "sortselCat.png",                                           // 60
    "scrlf.png",                                                // 61
    "back.png",                                                 // 62
    "about.png",                                                // 63
    "saveback.png",                                             // 64
    "settings.png",                                             // 65
    nullptr,                                                    // 66
    "undo.png",                                                 // 67
    "redo.png",                                                 // 68
    "knob.png",                                                 // 69
    "eq_handle.png",                                            // 70
    "opt.png",                                                  // 71
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,       // 72-77
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,       // 78-83
    nullptr, nullptr, nullptr, nullptr,                         // 84-87
};
// clang-format on

} // namespace velqa::editor
