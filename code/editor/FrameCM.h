#pragma once
// The editor's frame: it keeps the zoom the editor chose and answers where the mouse is in the
// coordinates of the tables.

#include "vstgui/lib/cframe.h"

class CFrameCM : public VSTGUI::CFrame
{
public:
    static constexpr double kMinZoom = 0.5;
    static constexpr double kMaxZoom = 2.0;

    CFrameCM(const VSTGUI::CRect& size, VSTGUI::VSTGUIEditorInterface* editor);

    // Scales all drawing and mouse coordinates; the views keep their 100 % sizes.
    bool setEditorZoom(double zoom);
    double getEditorZoom() const { return editorZoom; }

    // False while the mouse is outside the window.
    bool getMouseInLayout(VSTGUI::CPoint& where) const { return getCurrentMouseLocation(where); }

private:
    double editorZoom = 1.0;
};
