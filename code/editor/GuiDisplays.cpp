// The equaliser displays on the editor's side: the effect's values drive them, and their edits
// reach the effect and the host like any other control's.

#include "code/editor/Gui.h"

#include "code/ParameterMapping.h"
#include "code/ParameterTable.h"
#include "code/Plug.h"
#include "code/editor/EditorTags.h"
#include "code/editor/controls/CButtonMO.h"
#include "code/editor/displays/ParamEqView2.h"

using namespace VSTGUI;
using namespace velqa;
using namespace velqa::editor;

namespace
{

bool inBandRow(VstInt32 index, VstInt32 first)
{
    return index >= first && index < first + kBandsPerSection;
}

} // namespace

void CGui::applyToDisplays(VstInt32 index, float value)
{
    if (!displays[0]) return;
    if (inBandRow(index, kEqSoloBelow1) || inBandRow(index, kEqSoloAbove1))
    {
        const Section section = inBandRow(index, kEqSoloBelow1) ? kSectionBelow : kSectionAbove;
        const VstInt32 first = section == kSectionBelow ? kEqSoloBelow1 : kEqSoloAbove1;
        CParamEqView2* solo = getDisplay(section, true);
        solo->setGroupFlag(index - first, value > 0.5f);
        // While any band of the section is soloed, its display shows only the soloed bands.
        const bool soloed = solo->anyGroupFlag();
        solo->setVisible(soloed);
        getDisplay(section, false)->setVisible(!soloed);
    }
    else if (inBandRow(index, kEqMuteBelow1))
        getDisplay(kSectionBelow, false)->setGroupFlag(index - kEqMuteBelow1, value <= 0.5f);
    else if (inBandRow(index, kEqMuteAbove1))
        getDisplay(kSectionAbove, false)->setGroupFlag(index - kEqMuteAbove1, value <= 0.5f);
    else if (index == kLowCut || index == kHighCut)
    {
        // The side chain's own filter frequency, as the splitter is given it.
        const float hz = velqa::valueOf(index, value);
        for (CParamEqView2* display : displays)
            index == kLowCut ? display->setLowCut(hz) : display->setHighCut(hz);
    }
    else if (index == kSelectedEq)
    {
        const int32 k = valueToIndex(value);
        for (const bool solo : {false, true})
        {
            getDisplay(kSectionAbove, solo)->selectBand(k < kBandsPerSection ? k : -1);
            getDisplay(kSectionBelow, solo)
                ->selectBand(k >= kBandsPerSection ? k - kBandsPerSection : -1);
        }
    }
    const bool bandType = kParameterTable[static_cast<size_t>(index)].valueClass == kClassBandType;
    for (CParamEqView2* display : displays)
        display->setParameter(index, bandType ? bandTypeCode(value) : value);
}

void CGui::displayValueChanged(CParamEqView2* display)
{
    // Band numbers as the band actions count them: Above 0-4, Below 5-9.
    const int32 band = display->getEditedBand() +
                       (display->getFirstParameter() == kEqBelowBase ? kBandsPerSection : 0);
    if (display->isModifierClickPending())
        bandAction(band, display->getModifierClick());
    else if (display->isHoverChange())
    {
        if (CCButtonMO* selector = bandSelector())
            selector->setDigitHover(band, display->getValue() > 0.5f);
    }
    else
        changeParameter(display->getEditedParameter(), display->getValue());
}

void CGui::displayBeginEdit(CParamEqView2* display)
{
    const VstInt32 index = display->getEditedParameter();
    // Editing a band on a display selects it: Above bands are 0-4, Below bands 5-9.
    const int32 band = (index - kEqBelowBase) / kFieldsPerBand;
    const float selection =
        indexToValue(band < kBandsPerSection ? band + kBandsPerSection : band - kBandsPerSection);
    if (getParameter(kSelectedEq) != selection) changeParameter(kSelectedEq, selection);
    openGesture(index);
}

void CGui::displayEndEdit(CParamEqView2* display)
{
    closeGesture(display->getEditedParameter());
}

void CGui::highlightDisplayBand(int32 hoverTag, float value)
{
    if (!displays[0]) return;
    const bool below =
        hoverTag >= kTagFirstBelowHover && hoverTag < kTagFirstBelowHover + kBandsPerSection;
    const bool above =
        hoverTag >= kTagFirstAboveHover && hoverTag < kTagFirstAboveHover + kBandsPerSection;
    if (!below && !above) return;
    const int32 band = hoverTag - (below ? kTagFirstBelowHover : kTagFirstAboveHover);
    for (const bool solo : {false, true})
        getDisplay(below ? kSectionBelow : kSectionAbove, solo)
            ->setHoverHighlight(band, value > 0.5f);
}

void CGui::followSampleRate()
{
    if (!displays[0]) return;
    const double rate = plug->getCurrentSampleRate();
    for (CParamEqView2* display : displays) display->setSampleRate(rate);
}
