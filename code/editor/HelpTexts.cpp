#include "code/editor/HelpTexts.h"

namespace velqa::editor
{

// clang-format off
const std::array<const char*, kTagCount> kHelpTexts = {
    "", // 0
    "", // 1
    "", // 2
    "", // 3
    "", // 4
    "", // 5
    "", // 6
    "", // 7
    "", // 8
    "", // 9
    "", // 10
    "", // 11
    "", // 12
    "", // 13
    "", // 14
    "", // 15
    "", // 16
    "", // 17
    "Bypass", // 18
    "Velqa About Page", // 19
    "Undo Last Action", // 20
    "Redo Last Action", // 21
    "Load User Preset", // 22
    "", // 23
    "Save User Preset", // 24
    "", // 25
    "", // 26
    "", // 27
    "Bypass", // 28
    "Links corresponding EQ Band in other Section", // 29
    "Links corresponding EQ Band in other Section", // 30
    "Links corresponding EQ Band in other Section", // 31
    "Links corresponding EQ Band in other Section", // 32
    "Links corresponding EQ Band in other Section", // 33
    "EQ Band 1 Solo A", // 34
    "EQ Band 2 Solo A", // 35
    "EQ Band 3 Solo A", // 36
    "EQ Band 4 Solo A", // 37
    "EQ Band 5 Solo A", // 38
    "EQ Band 1 Solo B", // 39
    "EQ Band 2 Solo B", // 40
    "EQ Band 3 Solo B", // 41
    "EQ Band 4 Solo B", // 42
    "Switch EQ Band Solo", // 43
    "EQ Band 1 on/off A", // 44
    "EQ Band 2 on/off A", // 45
    "EQ Band 3 on/off A", // 46
    "EQ Band 4 on/off A", // 47
    "EQ Band 5 on/off A", // 48
    "EQ Band 1 on/off B", // 49
    "EQ Band 2 on/off B", // 50
    "EQ Band 3 on/off B", // 51
    "EQ Band 4 on/off B", // 52
    "EQ Band On/Off", // 53
    "Links corresponding EQ Band in other Section", // 54
    "Inverse Links corresponding EQ Band in other Section", // 55
    "EQ Band 1 Link A>B", // 56
    "EQ Band 2 Link A>B", // 57
    "EQ Band 3 Link A>B", // 58
    "EQ Band 4 Link A>B", // 59
    "EQ Band 5 Link A>B", // 60
    "EQ Band 1 Link B>A", // 61
    "EQ Band 2 Link B>A", // 62
    "EQ Band 3 Link B>A", // 63
    "EQ Band 4 Link B>A", // 64
    "EQ Band 5 Link B>A", // 65
    "EQ A1 Gain", // 66
    "EQ A2 Gain", // 67
    "EQ A3 Gain", // 68
    "EQ A4 Gain", // 69
    "EQ A5 Gain", // 70
    "EQ B1 Gain", // 71
    "EQ B2 Gain", // 72
    "EQ B3 Gain", // 73
    "EQ B4 Gain", // 74
    "EQ Gain", // 75
    "EQ A1 Frequency", // 76
    "EQ A2 Frequency", // 77
    "EQ A3 Frequency", // 78
    "EQ A4 Frequency", // 79
    "EQ A5 Frequency", // 80
    "EQ B1 Frequency", // 81
    "EQ B2 Frequency", // 82
    "EQ B3 Frequency", // 83
    "EQ B4 Frequency", // 84
    "EQ Frequency", // 85
    "EQ A1 Q", // 86
    "EQ A2 Q", // 87
    "EQ A3 Q", // 88
    "EQ A4 Q", // 89
    "EQ A5 Q", // 90
    "EQ B1 Q", // 91
    "EQ B2 Q", // 92
    "EQ B3 Q", // 93
    "EQ B4 Q", // 94
    "EQ Q", // 95
    "EQ A1 Type", // 96
    "EQ A2 Type", // 97
    "EQ A3 Type", // 98
    "EQ A4 Type", // 99
    "EQ A5 Type", // 100
    "EQ B1 Type", // 101
    "EQ B2 Type", // 102
    "EQ B3 Type", // 103
    "EQ B4 Type", // 104
    "EQ Type", // 105
    "EQ A on/off. Ctrl click Resets the EQ", // 106
    "EQ B on/off. Ctrl click Resets the EQ", // 107
    "Below Section Solo", // 108
    "Above Section Solo", // 109
    "Shift = Solo, Ctrl = On/Off, Alt = Link, Shift+Alt = Inverse, Wheel = Width, Shift+W = Freq, Ctrl+W = Gain, Alt+W = Type", // 110
    "Shift = Solo, Ctrl = On/Off, Alt = Link, Shift+Alt = Inverse, Wheel = Width, Shift+W = Freq, Ctrl+W = Gain, Alt+W = Type", // 111
    "Look Ahead", // 112
    "Look Ahead on/off", // 113
    "Mix Wet/Dry", // 114
    "Output", // 115
    "", // 116
    "", // 117
    "", // 118
    "", // 119
    "", // 120
    "", // 121
    "", // 122
    "", // 123
    "", // 124
    "", // 125
    "", // 126
    "Saturation Above. Right drag to link", // 127
    "Color Above. Right drag to link", // 128
    "Mix Above. Right drag to link", // 129
    "Stereo Width Above. Right drag to link", // 130
    "Pan Above. Right drag to link", // 131
    "Saturation Below. Right drag to link", // 132
    "Color Below. Right drag to link", // 133
    "Mix Below. Right drag to link", // 134
    "Stereo Width Below. Right drag to link", // 135
    "Pan Below. Right drag to link", // 136
    "Saturation Above Mode", // 137
    "Saturation Below Mode", // 138
    "Saturation Above on/off", // 139
    "Saturation Below on/off", // 140
    "Width Above on/off", // 141
    "Width Below on/off", // 142
    "Pan Above on/off", // 143
    "Pan Below on/off", // 144
    "Ratio", // 145
    "Balance", // 146
    "Attack", // 147
    "Release", // 148
    "Side Chain LoCut", // 149
    "Side Chain HiCut", // 150
    "Side Chain Listen", // 151
    "Dyna Threshold", // 152
    "Ext/Int Side Chain Balance", // 153
    "Ext Side Chain on/off", // 154
    "", // 155
    "", // 156
    "", // 157
    "", // 158
    "", // 159
    "", // 160
    "", // 161
    "", // 162
    "", // 163
    "", // 164
    "", // 165
    "", // 166
    "", // 167
    "", // 168
    "", // 169
    "", // 170
    "", // 171
    "", // 172
    "", // 173
    "Close Preset Browser", // 174
    "", // 175
    "", // 176
    "Settings", // 177
    "", // 178
    "", // 179
    "", // 180
    "", // 181
    "", // 182
    "", // 183
    "", // 184
    "", // 185
    "", // 186
    "", // 187
    "", // 188
    "", // 189
};
// clang-format on

} // namespace velqa::editor
