#pragma once

#include "pluginterfaces/base/funknown.h"
#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg
{
namespace Vst
{

// Given as the context of initialize: the host's name and its object factory.
class IHostApplication : public FUnknown
{
public:
    virtual tresult PLUGIN_API getName(String128 name) = 0;
    virtual tresult PLUGIN_API createInstance(TUID cid, TUID _iid, void** obj) = 0;

    static const FUID iid;
};

DECLARE_CLASS_IID(IHostApplication, 0x58E595CC, 0xDB2D4969, 0x8B6AAF8C, 0x36A664E5)

} // namespace Vst
} // namespace Steinberg
