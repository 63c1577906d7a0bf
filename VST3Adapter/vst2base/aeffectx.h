#pragma once
// Records exchanged between effect and host, laid out as a VST 2.4 host expects them.

#include "VST3Adapter/vst2base/aeffect.h"

struct VstEvent
{
    VstInt32 type;
    VstInt32 byteSize;
    VstInt32 deltaFrames;
    VstInt32 flags;
    char data[16];
};

enum VstEventTypes : VstInt32
{
    kVstMidiType = 1,
    kVstSysExType = 6,
};

struct VstEvents
{
    VstInt32 numEvents;
    VstIntPtr reserved;
    VstEvent* events[2]; // a host may allocate room for more
};

struct VstMidiEvent
{
    VstInt32 type;
    VstInt32 byteSize;
    VstInt32 deltaFrames;
    VstInt32 flags;
    VstInt32 noteLength;
    VstInt32 noteOffset;
    char midiData[4];
    char detune;
    unsigned char noteOffVelocity;
    char reserved1;
    char reserved2;
};

enum VstMidiEventFlags : VstInt32
{
    kVstMidiEventIsRealtime = 1,
};

struct VstTimeInfo
{
    double samplePos;
    double sampleRate;
    double nanoSeconds;
    double ppqPos;
    double tempo;
    double barStartPos;
    double cycleStartPos;
    double cycleEndPos;
    VstInt32 timeSigNumerator;
    VstInt32 timeSigDenominator;
    VstInt32 smpteOffset;
    VstInt32 smpteFrameRate;
    VstInt32 samplesToNextClock;
    VstInt32 flags;
};

enum VstTimeInfoFlags : VstInt32
{
    kVstTransportChanged = 1,
    kVstTransportPlaying = 1 << 1,
    kVstTransportCycleActive = 1 << 2,
    kVstTransportRecording = 1 << 3,
    kVstAutomationWriting = 1 << 6,
    kVstAutomationReading = 1 << 7,
    kVstNanosValid = 1 << 8,
    kVstPpqPosValid = 1 << 9,
    kVstTempoValid = 1 << 10,
    kVstBarsValid = 1 << 11,
    kVstCyclePosValid = 1 << 12,
    kVstTimeSigValid = 1 << 13,
    kVstSmpteValid = 1 << 14,
    kVstClockValid = 1 << 15,
};

enum VstSmpteFrameRate : VstInt32
{
    kVstSmpte24fps = 0,
    kVstSmpte25fps = 1,
};

struct ERect
{
    int16_t top;
    int16_t left;
    int16_t bottom;
    int16_t right;
};

struct VstPinProperties
{
    char label[64];
    VstInt32 flags;
    VstInt32 arrangementType;
    char shortLabel[8];
    char future[48];
};

enum VstPinPropertiesFlags : VstInt32
{
    kVstPinIsActive = 1,
    kVstPinIsStereo = 1 << 1,
    kVstPinUseSpeaker = 1 << 2,
};

struct VstParameterProperties
{
    float stepFloat;
    float smallStepFloat;
    float largeStepFloat;
    char label[64];
    VstInt32 flags;
    VstInt32 minInteger;
    VstInt32 maxInteger;
    VstInt32 stepInteger;
    VstInt32 largeStepInteger;
    char shortLabel[8];
    int16_t displayIndex;
    int16_t category;
    int16_t numParametersInCategory;
    int16_t reserved;
    char categoryLabel[24];
    char future[16];
};

struct VstSpeakerProperties
{
    float azimuth;
    float elevation;
    float radius;
    float reserved;
    char name[64];
    VstInt32 type;
    char future[28];
};

struct VstSpeakerArrangement
{
    VstInt32 type;
    VstInt32 numChannels;
    VstSpeakerProperties speakers[8]; // allocateArrangement makes room for more
};

// Reaches speakers past the declared eight of a grown arrangement.
inline VstSpeakerProperties* speakerAt(VstSpeakerArrangement* arrangement, VstInt32 index)
{
    return arrangement->speakers + index;
}

enum VstSpeakerArrangementType : VstInt32
{
    kSpeakerArrUserDefined = -2,
    kSpeakerArrEmpty = -1,
    kSpeakerArrMono = 0,
    kSpeakerArrStereo = 1,
};

enum VstPlugCategory : VstInt32
{
    kPlugCategUnknown = 0,
    kPlugCategEffect,
    kPlugCategSynth,
    kPlugCategAnalysis,
    kPlugCategMastering,
    kPlugCategSpacializer,
    kPlugCategRoomFx,
    kPlugSurroundFx,
    kPlugCategRestoration,
    kPlugCategOfflineProcess,
    kPlugCategShell,
    kPlugCategGenerator,
};

enum VstProcessLevels : VstInt32
{
    kVstProcessLevelUnknown = 0,
    kVstProcessLevelUser,
    kVstProcessLevelRealtime,
    kVstProcessLevelPrefetch,
    kVstProcessLevelOffline,
};

enum VstAutomationStates : VstInt32
{
    kVstAutomationUnsupported = 0,
    kVstAutomationOff,
    kVstAutomationRead,
    kVstAutomationWrite,
    kVstAutomationReadWrite,
};

struct VstKeyCode
{
    VstInt32 character;
    unsigned char virt;
    unsigned char modifier;
};

struct MidiProgramName;
struct MidiProgramCategory;
struct MidiKeyName;
struct VstPatchChunkInfo;
struct VstFileSelect;
struct VstAudioFile;
struct VstOfflineTask;
struct VstVariableIo;

// Capability words the base knows; an effect or host answers canDo queries with them.
namespace HostCanDos
{
inline constexpr const char* sendVstEvents = "sendVstEvents";
inline constexpr const char* sendVstMidiEvent = "sendVstMidiEvent";
inline constexpr const char* sendVstTimeInfo = "sendVstTimeInfo";
inline constexpr const char* receiveVstEvents = "receiveVstEvents";
inline constexpr const char* receiveVstMidiEvent = "receiveVstMidiEvent";
inline constexpr const char* reportConnectionChanges = "reportConnectionChanges";
inline constexpr const char* acceptIOChanges = "acceptIOChanges";
inline constexpr const char* sizeWindow = "sizeWindow";
inline constexpr const char* offline = "offline";
inline constexpr const char* openFileSelector = "openFileSelector";
inline constexpr const char* closeFileSelector = "closeFileSelector";
inline constexpr const char* startStopProcess = "startStopProcess";
inline constexpr const char* shellCategory = "shellCategory";
inline constexpr const char* sendVstMidiEventFlagIsRealtime = "sendVstMidiEventFlagIsRealtime";
} // namespace HostCanDos

namespace PlugCanDos
{
inline constexpr const char* sendVstEvents = "sendVstEvents";
inline constexpr const char* sendVstMidiEvent = "sendVstMidiEvent";
inline constexpr const char* receiveVstEvents = "receiveVstEvents";
inline constexpr const char* receiveVstMidiEvent = "receiveVstMidiEvent";
inline constexpr const char* receiveVstTimeInfo = "receiveVstTimeInfo";
inline constexpr const char* offline = "offline";
inline constexpr const char* midiProgramNames = "midiProgramNames";
inline constexpr const char* bypass = "bypass";
} // namespace PlugCanDos
