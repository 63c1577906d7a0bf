#include "VST3Adapter/VST2Adapter.h"
#include "VST3Adapter/ViewAdapter.h"

#include <algorithm>
#include <cstring>

namespace Steinberg::Vst
{

IPlugView* PLUGIN_API VST2Adapter::createView(FIDString name)
{
    if (!name || std::strcmp(name, ViewType::kEditor) != 0) return nullptr;
    return new ViewAdapter(this);
}

void VST2Adapter::editorAttached(EditorView* view)
{
    auto* adapterView = FCast<ViewAdapter>(view);
    if (adapterView && std::find(views.begin(), views.end(), adapterView) == views.end())
        views.push_back(adapterView);
}

void VST2Adapter::editorRemoved(EditorView* view)
{
    std::erase(views, FCast<ViewAdapter>(view));
}

// The view is half destroyed here and no longer knows its own type: compare addresses.
void VST2Adapter::editorDestroyed(EditorView* view)
{
    std::erase_if(views, [view](ViewAdapter* known) { return known == view; });
}

void VST2Adapter::resizeViews()
{
    // A view may be removed while its host frame resizes; work from a copy.
    const std::vector<ViewAdapter*> current = views;
    for (ViewAdapter* view : current) view->resizeFromEditor();
}

} // namespace Steinberg::Vst
