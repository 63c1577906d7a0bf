#include "code/editor/FrameCM.h"

using namespace VSTGUI;

CFrameCM::CFrameCM(const CRect& size, VSTGUIEditorInterface* editor) : CFrame(size, editor) {}

bool CFrameCM::setEditorZoom(double zoom)
{
    if (!(zoom >= kMinZoom && zoom <= kMaxZoom)) return false;
    if (!setZoom(zoom)) return false;
    editorZoom = zoom;
    return true;
}
