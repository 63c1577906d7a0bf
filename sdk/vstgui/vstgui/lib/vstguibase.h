#pragma once

#include <cstdint>

namespace VSTGUI
{

using CCoord = double;
using int32 = int32_t;
using uint32 = uint32_t;
using int16 = int16_t;
using uint8 = uint8_t;

// Reference-counted base: an object starts with one reference owned by its creator; whoever keeps
// a pointer beyond the creator's scope calls remember(), and every owner calls forget() once.
class CBaseObject
{
public:
    CBaseObject() = default;
    CBaseObject(const CBaseObject&) = delete;
    CBaseObject& operator=(const CBaseObject&) = delete;
    virtual ~CBaseObject() = default;

    void remember() { ++references; }
    void forget()
    {
        if (--references == 0) delete this;
    }
    int32 getNbReference() const { return references; }

private:
    int32 references = 1;
};

class CView;
class CViewContainer;
class CFrame;
class CControl;
class CBitmap;
class CDrawContext;
class CGraphicsPath;

} // namespace VSTGUI
