#pragma once

#include "vstgui/lib/vstguibase.h"

#include <cstddef>
#include <string>

typedef struct _cairo_font_face cairo_font_face_t;

namespace VSTGUI
{

enum CTxtFace : int32
{
    kNormalFace = 0,
    kBoldFace = 1 << 1,
    kItalicFace = 1 << 2,
};

// A font by face name, size in points of the 100 % layout, and style.
class CFontDesc : public CBaseObject
{
public:
    CFontDesc(const std::string& name = "Arial", CCoord size = 12, int32 style = kNormalFace)
        : name(name), size(size), style(style)
    {
    }

    const std::string& getName() const { return name; }
    CCoord getSize() const { return size; }
    int32 getStyle() const { return style; }
    void setName(const std::string& newName) { name = newName; }
    void setSize(CCoord newSize) { size = newSize; }
    void setStyle(int32 newStyle) { style = newStyle; }

    // Width of a UTF-8 text at 100 %, for layout outside of drawing (text cursors).
    CCoord getStringWidth(const std::string& utf8) const;

private:
    std::string name;
    CCoord size;
    int32 style;
};

// Faces registered from font file data in memory, looked up by name before the system's fonts.
namespace FontRegistry
{
// Copies the data; a later registration under the same name replaces the earlier one.
// False when FreeType cannot read the data.
bool registerFont(const std::string& name, const void* data, std::size_t size);
// The same from the module's font resource of that name.
bool registerFontResource(const std::string& name, const char* resourceName);
bool isRegistered(const std::string& name);
void unregisterAll();
// A new reference to the face for name: the face registered under it, else the one registered
// as "Arial" (or any registered face), else the system's default face. Never null.
cairo_font_face_t* createFace(const std::string& name, int32 style);
} // namespace FontRegistry

} // namespace VSTGUI
