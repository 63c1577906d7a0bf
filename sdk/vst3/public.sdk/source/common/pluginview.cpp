#include "public.sdk/source/common/pluginview.h"

#include <cstring>

namespace Steinberg
{

CPluginView::CPluginView(const ViewRect* initialRect)
{
    if (initialRect) rect = *initialRect;
}

tresult PLUGIN_API CPluginView::isPlatformTypeSupported(FIDString type)
{
    return type && std::strcmp(type, kPlatformTypeX11EmbedWindowID) == 0 ? kResultTrue
                                                                         : kResultFalse;
}

tresult PLUGIN_API CPluginView::attached(void* parent, FIDString type)
{
    if (!parent) return kInvalidArgument;
    if (isPlatformTypeSupported(type) != kResultTrue) return kResultFalse;
    if (systemWindow) return kResultFalse;
    systemWindow = parent;
    attachedToParent();
    return kResultOk;
}

tresult PLUGIN_API CPluginView::removed()
{
    if (!systemWindow) return kResultFalse;
    removedFromParent();
    systemWindow = nullptr;
    return kResultOk;
}

tresult PLUGIN_API CPluginView::getSize(ViewRect* size)
{
    if (!size) return kInvalidArgument;
    *size = rect;
    return kResultTrue;
}

tresult PLUGIN_API CPluginView::onSize(ViewRect* newSize)
{
    if (!newSize) return kInvalidArgument;
    rect = *newSize;
    return kResultTrue;
}

tresult PLUGIN_API CPluginView::setFrame(IPlugFrame* frame)
{
    plugFrame = frame;
    return kResultTrue;
}

} // namespace Steinberg
