// What the editor does when the user moves a control: the per-tag behaviours, the band actions
// and the one road by which every change reaches the effect and the host.

#include "code/editor/Gui.h"

#include "code/ParameterTable.h"
#include "code/Plug.h"
#include "code/editor/ContainerTable.h"
#include "code/editor/EditorTags.h"
#include "code/editor/ZoomChoice.h"
#include "code/editor/controls/CButtonMO.h"
#include "code/editor/displays/ParamEqView2.h"
#include "platform/SettingsStore.h"

#include <algorithm>

using namespace VSTGUI;
using namespace velqa;
using namespace velqa::editor;

namespace
{

constexpr int32 kBandFieldsCopied = 4; // state, frequency, gain, Q

bool isHostParameter(VstInt32 index)
{
    return index >= 0 && index < kHostParameterCount;
}

} // namespace

void CGui::openGesture(VstInt32 index)
{
    if (!isStored(index) || openGestures[static_cast<size_t>(index)]++ > 0) return;
    recordOpen(index);
    if (isHostParameter(index)) AEffGUIEditor::beginEdit(index);
}

void CGui::closeGesture(VstInt32 index)
{
    if (!isStored(index) || openGestures[static_cast<size_t>(index)] == 0 ||
        --openGestures[static_cast<size_t>(index)] > 0)
        return;
    if (isHostParameter(index)) AEffGUIEditor::endEdit(index);
    recordClose(index);
}

void CGui::changeParameters(std::initializer_list<Change> changes)
{
    changeParameters(changes.begin(), changes.end());
}

void CGui::changeParameters(const Change* first, const Change* last)
{
    // Marks what the effect reports back on this thread while the values move; automation from
    // the audio thread meanwhile is not ours to echo.
    touched.fill(false);
    echoThread.store(std::this_thread::get_id(), std::memory_order_relaxed);

    // One gesture for all: every parameter is open before the first value moves.
    for (const Change* c = first; c != last; ++c) openGesture(c->index);
    for (const Change* c = first; c != last; ++c)
    {
        if (isHostParameter(c->index))
            setParameterAutomated(c->index, c->value);
        else // settings and messages the host does not know
            setParameterQuietly(c->index, c->value);
    }
    echoThread.store(std::thread::id(), std::memory_order_relaxed);

    // The effect's own rules may have moved other parameters (solo rules, band activation,
    // links) or refused a value: the host hears the effect's values too, inside the gesture.
    // Setting a parameter to the value it holds changes nothing more.
    for (VstInt32 i = 0; i < kHostParameterCount; ++i)
    {
        const Change* own =
            std::find_if(first, last, [i](const Change& c) { return c.index == i; });
        if (own == last && !touched[static_cast<size_t>(i)]) continue;
        const float now = getParameter(i);
        if (own != last && now == own->value) continue;
        openGesture(i);
        setParameterAutomated(i, now);
        closeGesture(i);
    }
    for (const Change* c = first; c != last; ++c) closeGesture(c->index);
}

void CGui::beginEdit(int32 tag)
{
    openGesture(parameterOfTag(tag));
}

void CGui::endEdit(int32 tag)
{
    closeGesture(parameterOfTag(tag));
}

void CGui::controlBeginEdit(CControl* control)
{
    if (auto* display = dynamic_cast<CParamEqView2*>(control)) return displayBeginEdit(display);
    editTag = control->getTag();
}

void CGui::controlEndEdit(CControl* control)
{
    if (auto* display = dynamic_cast<CParamEqView2*>(control)) return displayEndEdit(display);
    if (editTag == control->getTag()) editTag = -1;
}

void CGui::valueChanged(CControl* control)
{
    const int32 tag = control->getTag();
    if (auto* display = dynamic_cast<CParamEqView2*>(control))
        displayValueChanged(display);
    else if (tag >= 0 && tag < kNumTags && !handleByTag(control, tag))
    {
        const VstInt32 index = parameterOfTag(tag);
        if (index >= kLink1 && index < kLink1 + kBandsPerSection && editTag >= kTagFirstLink &&
            editTag <= kTagLastLink)
            copyBand(editTag, control->getValue());
        if (index >= 0) changeParameter(index, control->getValue());
    }
    takePendingValues();
}

bool CGui::handleByTag(CControl* control, int32 tag)
{
    const float value = control->getValue();
    auto* button = dynamic_cast<CCButtonMO*>(control);
    switch (tag)
    {
    case kTagAbout:
        if (value > 0.5f) showPage(kPageAbout);
        return true;
    case kTagUndo:
    case kTagRedo:
        if (value > 0.5f) undoOrRedo(tag == kTagUndo);
        return true;
    case kTagEqAboveOn:
    case kTagEqBelowOn:
        if (!button || !button->isModifierClick()) return false;
        if (button->getLastModifiers().getModifierState() == kControl)
            resetEq(tag == kTagEqAboveOn ? kSectionAbove : kSectionBelow);
        return true;
    case kTagBandSelector:
        if (!button || !button->isModifierClick()) return false;
        bandAction(button->getClickedDigit(), button->getLastModifiers().getModifierState());
        return true;
    case kTagSatAbove:
        followSaturation(kSatAbove, kSatOnAbove, value);
        return true;
    case kTagSatBelow:
        followSaturation(kSatBelow, kSatOnBelow, value);
        return true;
    case kTagWidthAbove:
    case kTagWidthBelow:
    case kTagPanAbove:
    case kTagPanBelow:
        changeParameter(parameterOfTag(tag), value);
        followCentre(tag == kTagWidthAbove   ? kWidthAboveOn
                     : tag == kTagWidthBelow ? kWidthBelowOn
                     : tag == kTagPanAbove   ? kPanAboveOn
                                             : kPanBelowOn,
                     value);
        return true;
    case kTagOpenSettings:
        if (value > 0.5f) showPage(kPageSettings);
        return true;
    case kTagCloseSettings:
        if (value > 0.5f) showPage(kPageMain);
        return true;
    case kTagMouseOverHelp:
        setMouseOverHelp(value > 0.5f);
        return true;
    case kTagZoom:
        selectZoomChoice(value);
        return true;
    default:
        return handlePresetTag(control, tag);
    }
}

// The host hears the reset like any edit, so its parameters never drift from the editor's.
void CGui::resetEq(VstInt32 section)
{
    const VstInt32 first = section == kSectionAbove ? kEqAboveBase : kEqBelowBase;
    std::array<Change, kFieldsPerSection> changes{};
    for (VstInt32 i = 0; i < kFieldsPerSection; ++i)
        changes[static_cast<size_t>(i)] = {
            first + i, kParameterTable[static_cast<size_t>(first + i)].defaultValue};
    changeParameters(changes.data(), changes.data() + changes.size());
}

void CGui::followSaturation(VstInt32 satIndex, VstInt32 onIndex, float value)
{
    const float before = getParameter(satIndex);
    changeParameter(satIndex, value);
    const bool on = getParameter(onIndex) > 0.5f;
    if (before == 0.0f && value != 0.0f && !on)
        changeParameter(onIndex, 1.0f);
    else if (before != 0.0f && value == 0.0f && on)
        changeParameter(onIndex, 0.0f);
}

// Width and pan switch themselves off exactly at the centre.
void CGui::followCentre(VstInt32 onIndex, float value)
{
    const float wanted = value == 0.5f ? 0.0f : 1.0f;
    if (getParameter(onIndex) != wanted) changeParameter(onIndex, wanted);
}

void CGui::copyBand(int32 linkTag, float linkValue)
{
    if (valueToIndex(linkValue) == 0) return; // unlinking copies nothing
    const bool fromAbove = linkTag < kTagFirstLink + kBandsPerSection;
    const int32 band = (linkTag - kTagFirstLink) % kBandsPerSection;
    const Section source = fromAbove ? kSectionAbove : kSectionBelow;
    std::array<Change, kBandFieldsCopied> copied{};
    for (int32 field = 0; field < kBandFieldsCopied; ++field)
    {
        const VstInt32 index = eqIndex(source, band, static_cast<BandField>(field));
        plug->linkToPartner(index, getParameter(index), linkValue);
        const VstInt32 partner = plug->partnerIndex(index);
        copied[static_cast<size_t>(field)] = {partner, getParameter(partner)};
    }
    // The effect copied quietly; the host hears the partner band's new values as one gesture.
    changeParameters(copied.data(), copied.data() + copied.size());
}

void CGui::userEdit(int32 tag, float value)
{
    CControl* control = getControl(tag);
    if (!control) return;
    beginEdit(tag);
    control->setValue(value);
    control->invalid();
    valueChanged(control);
    endEdit(tag);
}

void CGui::bandAction(int32 band, int32 modifiers)
{
    if (band < 0 || band >= 2 * kBandsPerSection) return;
    modifiers &= kModifierMask;
    auto toggled = [this](int32 tag)
    {
        const CControl* control = getControl(tag);
        return control && control->getValue() > 0.5f ? 0.0f : 1.0f;
    };
    if (modifiers == kShift)
        userEdit(kTagFirstSolo + band, toggled(kTagFirstSolo + band));
    else if (modifiers == kControl)
        userEdit(kTagFirstOnOff + band, toggled(kTagFirstOnOff + band));
    else if (modifiers == kAlt || modifiers == (kShift | kAlt))
    {
        const int32 tag = kTagFirstLink + band;
        const int32 state = modifiers == kAlt ? 1 : 2;
        const CControl* link = getControl(tag);
        const bool already = link && valueToIndex(link->getValue()) == state;
        // The Link button's edit copies the band to the other section.
        editTag = tag;
        userEdit(tag, indexToValue(already ? 0 : state));
        editTag = -1;
    }
}

void CGui::selectZoomChoice(float value)
{
    const double factor = zoomOfChoice(valueToIndex(value));
    if (factor != getZoom()) setZoom(factor, true);
}

bool CGui::setZoom(double factor, bool store)
{
    if (!applyZoom(factor)) return false;
    if (store) platform::CSettingsStore().set("zz", zoomStoredText(factor));
    return true;
}

// Whoever zoomed, the list shows the choice and the bitmaps are sharp enough.
void CGui::zoomChanged()
{
    if (CControl* zoomList = getControl(kTagZoom))
    {
        zoomList->setValue(
            indexToValue(zoomChoiceOfPercent(static_cast<int32>(getZoom() * 100.0 + 1e-9))));
        zoomList->setDirty();
    }
    useSharpBitmapsIfNeeded();
}

void CGui::setMouseOverHelp(bool on)
{
    mouseOverHelp = on;
    platform::CSettingsStore().set("mo", on ? "1" : "0");
    helpTag = -2;
    if (!on) showStatusText("");
}

void CGui::partnerBeginEdit(int32 partnerTag)
{
    beginEdit(partnerTag);
}

void CGui::partnerValueChanged(int32 partnerTag, float value)
{
    CControl* partner = getControl(partnerTag);
    if (!partner) return;
    partner->setValue(value);
    partner->invalid();
    valueChanged(partner);
}

void CGui::partnerEndEdit(int32 partnerTag)
{
    endEdit(partnerTag);
}

// While an EQ knob drags its partner, the effect's own band link stays out of the way.
void CGui::linkIndicatorChanged(int32 indicatorTag, float value)
{
    if (indicatorTag == kLinkIndicatorTag) setParameterQuietly(kSuspendLinks, value);
}

void CGui::hoverChanged(int32 tag, float value)
{
    int32 digit = -1;
    if (tag >= kTagFirstBelowHover && tag < kTagFirstBelowHover + kBandsPerSection)
        digit = kBandsPerSection + tag - kTagFirstBelowHover;
    else if (tag >= kTagFirstAboveHover && tag < kTagFirstAboveHover + kBandsPerSection)
        digit = tag - kTagFirstAboveHover;
    if (CCButtonMO* selector = bandSelector(); selector && digit >= 0)
        selector->setDigitHover(digit, value > 0.5f);
    highlightDisplayBand(tag, value);
}

CCButtonMO* CGui::bandSelector() const
{
    return dynamic_cast<CCButtonMO*>(getControl(kTagBandSelector));
}
