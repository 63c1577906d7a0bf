#pragma once

#include "pluginterfaces/base/funknown.h"

namespace Steinberg
{

// A byte stream given by the host for state and presets.
class IBStream : public FUnknown
{
public:
    enum IStreamSeekMode
    {
        kIBSeekSet = 0,
        kIBSeekCur,
        kIBSeekEnd
    };

    virtual tresult PLUGIN_API read(void* buffer, int32 numBytes,
                                    int32* numBytesRead = nullptr) = 0;
    virtual tresult PLUGIN_API write(void* buffer, int32 numBytes,
                                     int32* numBytesWritten = nullptr) = 0;
    virtual tresult PLUGIN_API seek(int64 pos, int32 mode, int64* result = nullptr) = 0;
    virtual tresult PLUGIN_API tell(int64* pos) = 0;

    static const FUID iid;
};

DECLARE_CLASS_IID(IBStream, 0xC3BF6EA2, 0x30994752, 0x9B6BF990, 0x1EE33E9B)

} // namespace Steinberg
