#include "vstgui/lib/cfont.h"

#include "platform/Resources.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace VSTGUI
{
namespace
{

struct FaceData
{
    std::vector<unsigned char> bytes;
    FT_Face ftFace = nullptr;
};

struct Registry
{
    std::mutex mutex;
    FT_Library library = nullptr;
    std::map<std::string, cairo_font_face_t*> faces;

    ~Registry() { clear(); }

    void clear()
    {
        for (auto& entry : faces) cairo_font_face_destroy(entry.second);
        faces.clear();
        // FreeType faces die with their cairo faces; the library can go once none is left.
    }
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

cairo_user_data_key_t faceDataKey;

void releaseFaceData(void* pointer)
{
    auto* data = static_cast<FaceData*>(pointer);
    FT_Done_Face(data->ftFace);
    delete data;
}

std::string lowerAscii(std::string text)
{
    for (auto& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

} // namespace

bool FontRegistry::registerFont(const std::string& name, const void* data, std::size_t size)
{
    if (!data || size == 0 || name.empty()) return false;
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (!r.library && FT_Init_FreeType(&r.library) != 0)
    {
        r.library = nullptr;
        return false;
    }
    auto faceData = std::make_unique<FaceData>();
    faceData->bytes.assign(static_cast<const unsigned char*>(data),
                           static_cast<const unsigned char*>(data) + size);
    if (FT_New_Memory_Face(r.library, faceData->bytes.data(),
                           static_cast<FT_Long>(faceData->bytes.size()), 0, &faceData->ftFace) != 0)
        return false;
    cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(faceData->ftFace, 0);
    if (cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS ||
        cairo_font_face_set_user_data(face, &faceDataKey, faceData.get(), releaseFaceData) !=
            CAIRO_STATUS_SUCCESS)
    {
        cairo_font_face_destroy(face);
        FT_Done_Face(faceData->ftFace);
        return false;
    }
    faceData.release();
    auto key = lowerAscii(name);
    auto found = r.faces.find(key);
    if (found != r.faces.end()) cairo_font_face_destroy(found->second);
    r.faces[key] = face;
    return true;
}

bool FontRegistry::registerFontResource(const std::string& name, const char* resourceName)
{
    velqa::ResourceData resource = velqa::findResource(resourceName);
    return registerFont(name, resource.data, resource.size);
}

bool FontRegistry::isRegistered(const std::string& name)
{
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.faces.count(lowerAscii(name)) != 0;
}

void FontRegistry::unregisterAll()
{
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.clear();
}

cairo_font_face_t* FontRegistry::createFace(const std::string& name, int32 style)
{
    Registry& r = registry();
    {
        std::lock_guard<std::mutex> lock(r.mutex);
        auto found = r.faces.find(lowerAscii(name));
        // Unknown names take the registered default face, so text looks the same on every
        // machine; the system's fonts are the last resort.
        if (found == r.faces.end()) found = r.faces.find("arial");
        if (found == r.faces.end()) found = r.faces.begin();
        if (found != r.faces.end()) return cairo_font_face_reference(found->second);
    }
    return cairo_toy_font_face_create(
        name.empty() ? "sans-serif" : name.c_str(),
        (style & kItalicFace) ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
        (style & kBoldFace) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
}

CCoord CFontDesc::getStringWidth(const std::string& utf8) const
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cr = cairo_create(surface);
    cairo_font_face_t* face = FontRegistry::createFace(name, style);
    cairo_set_font_face(cr, face);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents{};
    cairo_text_extents(cr, utf8.c_str(), &extents);
    cairo_font_face_destroy(face);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return extents.x_advance;
}

} // namespace VSTGUI
