#include "code/editor/Gui.h"

#include "code/ParameterIndex.h"
#include "code/ParameterTable.h"
#include "code/Plug.h"
#include "code/editor/OnOffButton.h"
#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/controls/cvumeter.h"

#include <string>

using namespace VSTGUI;
using namespace velqa;

namespace
{

constexpr int kKnobFrames = 129;
constexpr int kMeterSegments = 43;

enum class Kind
{
    knob,
    toggle,
    meter,
};

enum class Page
{
    header,
    main,
};

struct LayoutEntry
{
    int32 tag;
    Kind kind;
    const char* bitmap;
    int32 parameter; // -1 for none
    Page page;
    CCoord x, y, width, height;
};

constexpr LayoutEntry kLayout[] = {
    {CGui::kTagHeaderBypass, Kind::toggle, "on_off.png", kBypass, Page::header, 839, 0, 36, 30},
    {CGui::kTagMix, Kind::knob, "pot.png", kMix, Page::main, 737, 614, 60, 60},
    {CGui::kTagOutVol, Kind::knob, "pot.png", kOutVol, Page::main, 795, 614, 60, 60},
    {CGui::kTagSatAbove, Kind::knob, "pot.png", kSatAbove, Page::main, 550, 90, 60, 60},
    {CGui::kTagSatOnAbove, Kind::toggle, "ACTIVE.png", kSatOnAbove, Page::main, 549, 95, 12, 12},
    {CGui::kTagSectionMeterAbove, Kind::meter, "Section_VU_Above.png", -1, Page::main, 521, 46, 16,
     258},
    {CGui::kTagSectionMeterBelow, Kind::meter, "Section_VU_Below.png", -1, Page::main, 521, 396, 16,
     258},
};

// The 2x image of "name.png" is "name_2x.png".
std::string doubleSizeName(const char* name)
{
    std::string text = name;
    const auto dot = text.rfind(".png");
    return dot == std::string::npos ? text : text.substr(0, dot) + "_2x.png";
}

} // namespace

CGui::CGui(CPlug* plug) : COrvEditor(plug)
{
    tagParameter.fill(-1);
    for (const auto& entry : kLayout)
        tagParameter[static_cast<size_t>(entry.tag)] = entry.parameter;
}

CGui::~CGui()
{
    if (frame) close();
}

CBitmap* CGui::loadBitmap(const char* name)
{
    auto* bitmap = new CBitmap(name);
    bitmap->addBitmap(doubleSizeName(name).c_str(), 2.0);
    bitmaps.push_back(bitmap);
    return bitmap;
}

void CGui::addControl(CViewContainer* container, CControl* control, VstInt32 parameter)
{
    if (isStored(parameter))
    {
        const float defaultValue = kParameterTable[static_cast<size_t>(parameter)].defaultValue;
        control->setDefaultValue(defaultValue);
        control->setValue(defaultValue);
    }
    controls[static_cast<size_t>(control->getTag())] = control;
    container->addView(control);
}

void CGui::buildFrame(CFrame* newFrame)
{
    header = new CViewContainer(CRect(0, 0, kWidth, 30));
    header->setBackground(loadBitmap("head.png"));
    mainPage = new CViewContainer(CRect(0, 30, kWidth, kHeight));
    mainPage->setBackground(loadBitmap("back2.png"));
    newFrame->addView(mainPage);
    newFrame->addView(header);

    for (const auto& entry : kLayout)
    {
        CViewContainer* container = entry.page == Page::header ? header : mainPage;
        const CRect size(CPoint(entry.x, entry.y), CPoint(entry.width, entry.height));
        CBitmap* bitmap = loadBitmap(entry.bitmap);
        switch (entry.kind)
        {
        case Kind::knob:
            addControl(container,
                       new CAnimKnob(size, this, entry.tag, kKnobFrames, entry.height, bitmap),
                       entry.parameter);
            break;
        case Kind::toggle:
            addControl(container, new COnOffButton(size, this, entry.tag, bitmap), entry.parameter);
            break;
        case Kind::meter:
        {
            auto* meter = new CVuMeter(size, bitmap, nullptr, kMeterSegments);
            meter->setTag(entry.tag);
            addControl(container, meter, entry.parameter);
            break;
        }
        }
    }
}

void CGui::forgetViews()
{
    controls.fill(nullptr);
    header = nullptr;
    mainPage = nullptr;
    for (CBitmap* bitmap : bitmaps) bitmap->forget();
    bitmaps.clear();
}

CControl* CGui::getControl(int32 tag) const
{
    return tag >= 0 && tag < kNumTags ? controls[static_cast<size_t>(tag)] : nullptr;
}

VstInt32 CGui::parameterOfTag(int32 tag) const
{
    return tag >= 0 && tag < kNumTags ? tagParameter[static_cast<size_t>(tag)] : -1;
}

void CGui::showParameter(VstInt32 index, float value)
{
    if (index == kMeterAbove || index == kMeterBelow)
    {
        const int32 tag = index == kMeterAbove ? kTagSectionMeterAbove : kTagSectionMeterBelow;
        if (CControl* meter = controls[static_cast<size_t>(tag)]) meter->setValue(value);
        return;
    }
    if (!isStored(index)) return;
    for (const auto& entry : kLayout)
        if (entry.parameter == index)
            if (CControl* control = controls[static_cast<size_t>(entry.tag)])
                control->setValue(value);
}
