#include "code/Plug.h"

#include "code/editor/Gui.h"

// The editor registers itself with the effect, which owns and deletes it.
void CPlug::createEditor()
{
    editorSeam.attach(new CGui(this));
}
