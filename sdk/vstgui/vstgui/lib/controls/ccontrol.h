#pragma once

#include "vstgui/lib/controls/icontrollistener.h"
#include "vstgui/lib/cview.h"

namespace VSTGUI
{

// A view with a value between a minimum and a maximum, reporting user edits to its listener as
// begin edit, value changed, end edit.
class CControl : public CView
{
public:
    CControl(const CRect& size, IControlListener* listener = nullptr, int32 tag = -1,
             CBitmap* background = nullptr);
    ~CControl() override;

    virtual void setValue(float value);
    float getValue() const { return value; }
    virtual void setValueNormalized(float normalized);
    float getValueNormalized() const;
    virtual void setMin(float minimum) { vmin = minimum; }
    float getMin() const { return vmin; }
    virtual void setMax(float maximum) { vmax = maximum; }
    float getMax() const { return vmax; }
    virtual void setDefaultValue(float value) { defaultValue = value; }
    float getDefaultValue() const { return defaultValue; }
    virtual void setWheelInc(float increment) { wheelInc = increment; }
    float getWheelInc() const { return wheelInc; }
    // Keeps the value between minimum and maximum.
    virtual void bounceValue();

    virtual void setTag(int32 newTag);
    int32 getTag() const { return tag; }
    virtual void setListener(IControlListener* newListener) { listener = newListener; }
    IControlListener* getListener() const { return listener; }

    // Remembers the background bitmap; null removes it.
    virtual void setBackground(CBitmap* bitmap);
    CBitmap* getBackground() const { return background; }

    // Nested calls are counted; only the outermost pair reaches the listener and the editor.
    virtual void beginEdit();
    virtual void endEdit();
    bool isEditing() const { return editing > 0; }
    virtual void valueChanged();

    bool removed(CView* parent) override;

    // A left click with Ctrl alone.
    static bool checkDefaultValue(const CButtonState& buttons);

protected:
    IControlListener* listener;
    int32 tag;
    float value = 0.f;
    float vmin = 0.f;
    float vmax = 1.f;
    float defaultValue = 0.5f;
    float wheelInc = 0.1f;
    CBitmap* background = nullptr;

private:
    int32 editing = 0;
};

} // namespace VSTGUI
