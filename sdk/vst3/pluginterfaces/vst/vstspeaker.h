#pragma once

#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg
{
namespace Vst
{

// One bit per speaker position.
inline constexpr Speaker kSpeakerL = 1ull << 0;
inline constexpr Speaker kSpeakerR = 1ull << 1;
inline constexpr Speaker kSpeakerC = 1ull << 2;
inline constexpr Speaker kSpeakerLfe = 1ull << 3;
inline constexpr Speaker kSpeakerLs = 1ull << 4;
inline constexpr Speaker kSpeakerRs = 1ull << 5;
inline constexpr Speaker kSpeakerLc = 1ull << 6;
inline constexpr Speaker kSpeakerRc = 1ull << 7;
inline constexpr Speaker kSpeakerS = 1ull << 8;
inline constexpr Speaker kSpeakerCs = kSpeakerS;
inline constexpr Speaker kSpeakerSl = 1ull << 9;
inline constexpr Speaker kSpeakerSr = 1ull << 10;
inline constexpr Speaker kSpeakerTc = 1ull << 11;
inline constexpr Speaker kSpeakerTfl = 1ull << 12;
inline constexpr Speaker kSpeakerTfc = 1ull << 13;
inline constexpr Speaker kSpeakerTfr = 1ull << 14;
inline constexpr Speaker kSpeakerTrl = 1ull << 15;
inline constexpr Speaker kSpeakerTrc = 1ull << 16;
inline constexpr Speaker kSpeakerTrr = 1ull << 17;
inline constexpr Speaker kSpeakerLfe2 = 1ull << 18;
inline constexpr Speaker kSpeakerM = 1ull << 19;

namespace SpeakerArr
{

inline constexpr SpeakerArrangement kEmpty = 0;
inline constexpr SpeakerArrangement kMono = kSpeakerM;
inline constexpr SpeakerArrangement kStereo = kSpeakerL | kSpeakerR;
inline constexpr SpeakerArrangement kStereoSurround = kSpeakerLs | kSpeakerRs;
inline constexpr SpeakerArrangement kStereoCenter = kSpeakerLc | kSpeakerRc;
inline constexpr SpeakerArrangement k30Cine = kSpeakerL | kSpeakerR | kSpeakerC;
inline constexpr SpeakerArrangement k40Music = kSpeakerL | kSpeakerR | kSpeakerLs | kSpeakerRs;
inline constexpr SpeakerArrangement k50 =
    kSpeakerL | kSpeakerR | kSpeakerC | kSpeakerLs | kSpeakerRs;
inline constexpr SpeakerArrangement k51 = k50 | kSpeakerLfe;
inline constexpr SpeakerArrangement k71Cine = k51 | kSpeakerLc | kSpeakerRc;
inline constexpr SpeakerArrangement k71Music = k51 | kSpeakerSl | kSpeakerSr;

inline constexpr int32 getChannelCount(SpeakerArrangement arr)
{
    int32 count = 0;
    for (; arr; arr &= arr - 1) ++count;
    return count;
}

// Position of a speaker among the arrangement's channels, or -1 if it is not part of it.
inline constexpr int32 getSpeakerIndex(Speaker speaker, SpeakerArrangement arr)
{
    if (speaker == 0 || (speaker & (speaker - 1)) != 0 || (arr & speaker) == 0) return -1;
    return getChannelCount(arr & (speaker - 1));
}

// The speaker carried by the given channel, or 0 if the arrangement has fewer channels.
inline constexpr Speaker getSpeaker(SpeakerArrangement arr, int32 index)
{
    for (int32 i = 0; arr; ++i, arr &= arr - 1)
        if (i == index) return arr & (~arr + 1);
    return 0;
}

inline constexpr bool hasSpeaker(SpeakerArrangement arr, Speaker speaker)
{
    return (arr & speaker) != 0;
}

} // namespace SpeakerArr
} // namespace Vst
} // namespace Steinberg
