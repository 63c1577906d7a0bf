// How the effect's values reach the views: stored from any thread, applied on the
// user-interface thread at the tick; and the tick's other duties.

#include "code/editor/Gui.h"

#include "code/ParameterTable.h"
#include "code/editor/AboutView.h"
#include "code/editor/ContainerTable.h"
#include "code/editor/EditorTags.h"
#include "code/editor/FrameCM.h"
#include "code/editor/HelpTexts.h"
#include "code/editor/TagLists.h"
#include "code/editor/controls/CButtonMO.h"
#include "code/editor/controls/OrvLabel.h"

#include <cmath>

using namespace VSTGUI;
using namespace velqa;
using namespace velqa::editor;

namespace
{

constexpr VstInt32 kSpectrumShown = kHostSpare; // the settings switch "spectrum display"

const CColor kPresetNameModified(122, 122, 122);
const CColor kPresetNameLoaded(191, 191, 191);

bool isShown(const CView* view)
{
    for (; view; view = view->getParentView())
        if (!view->isVisible()) return false;
    return true;
}

} // namespace

void CGui::setParameter(VstInt32 index, float value)
{
    // A meter fed by broken audio must not carry NaN into a view.
    if (!std::isfinite(value)) value = 0.0f;
    if (isMeterLevel(index))
    {
        gatherMeterLevel(index, value);
        return;
    }
    pending.store(index, value);
    if (index >= 0 && index < kHostParameterCount &&
        echoThread.load(std::memory_order_relaxed) == std::this_thread::get_id())
        touched[static_cast<size_t>(index)] = true;
    if (index == kStateApplied) stateReplaced.store(true);
}

void CGui::idle()
{
    if (ready.load())
    {
        takePendingValues();
        showMeterLevels();
    }
    COrvEditor::idle();
}

void CGui::takePendingValues()
{
    if (!frame) return;
    pending.take([this](int32_t index, float value) { applyValue(index, value); });
}

void CGui::applyValue(VstInt32 index, float value)
{
    if (isStored(index))
        applyParameter(index, value);
    else
        applyNotification(index, value);
}

void CGui::applyParameter(VstInt32 index, float value)
{
    const ParameterRecord& record = kParameterTable[static_cast<size_t>(index)];
    if (record.valueClass == kClassSpare) return;
    if (presetLoaded && !synchronising)
    {
        presetLoaded = false;
        if (auto* name = dynamic_cast<CTextLabel*>(getControl(kTagPresetName)))
            name->setFontColor(kPresetNameModified);
    }

    CCButtonMO* selector = bandSelector();
    if (selector && index >= kEqSoloBelow1 && index < kEqSoloBelow1 + kBandsPerSection)
        selector->setDigitSolo(kBandsPerSection + index - kEqSoloBelow1, value > 0.5f);
    else if (selector && index >= kEqSoloAbove1 && index < kEqSoloAbove1 + kBandsPerSection)
        selector->setDigitSolo(index - kEqSoloAbove1, value > 0.5f);
    else if (selector && index >= kEqMuteBelow1 && index < kEqMuteBelow1 + kBandsPerSection)
        selector->setDigitOff(kBandsPerSection + index - kEqMuteBelow1, value > 0.5f);
    else if (selector && index >= kEqMuteAbove1 && index < kEqMuteAbove1 + kBandsPerSection)
        selector->setDigitOff(index - kEqMuteAbove1, value > 0.5f);
    else if (index == kSelectedEq)
        showBandPanel(valueToIndex(value));
    else if (index == kSpectrumShown)
        for (const int32 tag : {kTagSpectrumAbove, kTagSpectrumBelow})
            if (CControl* spectrum = getControl(tag)) spectrum->setVisible(value > 0.5f);
    applyToDisplays(index, value);

    for (const int32 tag : parameterTagLists()[static_cast<size_t>(index)])
        if (CControl* control = getControl(tag))
        {
            control->setValue(value);
            control->setDirty();
        }
}

void CGui::showBandPanel(int32 band)
{
    for (int32 b = 0; b < kBandPanelCount; ++b)
        if (CViewContainer* panel = getContainer(kBandPanelAbove1 + b))
            panel->setVisible(b == band);
}

void CGui::applyNotification(VstInt32 index, float value)
{
    switch (index)
    {
    case kSideChainListen:
        if (CControl* listen = getControl(kTagSideChainListen))
        {
            listen->setValue(value);
            listen->setDirty();
        }
        break;
    case kRefreshRequest:
        redrawCountdown = kRedrawDelayTicks;
        break;
    case kStateApplied:
        stateReplaced.store(false);
        resetHistory();
        if (auto* name = dynamic_cast<CTextLabel*>(getControl(kTagPresetName))) name->setText("");
        break;
    case kHostNameKnown:
        setZoom(1.0, true);
        if (CControl* message = getControl(kTagMessage)) message->setVisible(true);
        messageCountdown = kMessageTicks;
        break;
    default:
        break;
    }
}

void CGui::markPresetLoaded()
{
    presetLoaded = true;
    resetHistory();
    if (auto* name = dynamic_cast<CTextLabel*>(getControl(kTagPresetName)))
        name->setFontColor(kPresetNameLoaded);
}

void CGui::editorTick()
{
    if (!ready.load()) return;
    if (messageCountdown > 0 && --messageCountdown == 0)
        if (CControl* message = getControl(kTagMessage)) message->setVisible(false);
    feedSpectra();

    followSampleRate();
    if (meterSilence < 2 * kMeterRestTicks && ++meterSilence == kMeterRestTicks) restMeters();

    const int32 tag = controlUnderMouse();
    if (tag != helpTag)
    {
        helpTag = tag;
        if (!showHelpText(tag)) showStatusText("");
    }

    // Ticks per second, from how long the first ten took.
    if (ticksMeasured == 0) firstTickTime = getTicks();
    if (ticksMeasured < 10 && ++ticksMeasured == 10)
    {
        const uint32_t elapsed = getTicks() - firstTickTime;
        if (elapsed > 0) ticksPerSecond = static_cast<int>(10000 / elapsed);
    }

    if (redrawCountdown > 0 && --redrawCountdown == 0) frame->invalid();
    // The host may have moved the window to a denser screen.
    useSharpBitmapsIfNeeded();
}

int32 CGui::controlUnderMouse() const
{
    CPoint where;
    if (!getFrameCM()->getMouseInLayout(where)) return -1;
    if (aboutView && aboutView->isVisible()) return -1;
    // The highest tag lies in front: overlays and the settings panel come last in the table.
    for (int32 tag = kNumTags - 1; tag >= 0; --tag)
    {
        const CControl* control = getControl(tag);
        // Panes let clicks through but still name what lies under them.
        const bool helps = kHelpTexts[static_cast<size_t>(tag)][0] != 0;
        if (control && (control->getMouseEnabled() || helps) &&
            frameRects[static_cast<size_t>(tag)].pointInside(where) && isShown(control))
            return tag;
    }
    return -1;
}

bool CGui::showHelpText(int32 tag)
{
    if (tag < 0 || tag >= kNumTags) return false;
    if (!mouseOverHelp) return true;
    showStatusText(kHelpTexts[static_cast<size_t>(tag)]);
    return true;
}

void CGui::showStatusText(const char* text)
{
    if (auto* status = dynamic_cast<CTextLabel*>(getControl(kTagStatusLine)))
        if (status->getText() != text)
        {
            status->setText(text);
            status->setDirty();
        }
}
