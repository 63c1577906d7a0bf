// The live views: both spectra pulled from the analysers at the tick, and the meters fed by
// the levels the effect reports with every block.

#include "code/editor/Gui.h"

#include "code/ParameterMapping.h"
#include "code/Plug.h"
#include "code/editor/EditorTags.h"
#include "code/editor/displays/SpectrumView.h"
#include "code/editor/displays/VuAI.h"

#include <algorithm>

using namespace VSTGUI;
using namespace velqa;
using namespace velqa::editor;

namespace
{

constexpr VstInt32 kFirstMeterLevel = kMeterDetectorLevel;

// The meter of each level 163 to 174; -1 for the indices between that are no levels.
constexpr int32 kMeterOfLevel[] = {159, 157, 158, 161, 162, 160, -1, -1, -1, -1, 164, 163};
constexpr int32 kMeterTags[] = {157, 158, 159, 160, 161, 162, 163, 164};

} // namespace

bool CGui::isMeterLevel(VstInt32 index)
{
    const VstInt32 slot = index - kFirstMeterLevel;
    return slot >= 0 && slot < static_cast<VstInt32>(std::size(kMeterOfLevel)) &&
           kMeterOfLevel[slot] >= 0;
}

// Audio thread: only gathers. The gain meter shows the deepest reduction since the last tick,
// the others the highest level.
void CGui::gatherMeterLevel(VstInt32 index, float level)
{
    meterLevels.gather(index - kFirstMeterLevel, level, index == kMeterMinimumGain);
}

// Ballistics: a meter jumps up to a new peak and falls at a steady rate, so a short transient
// stays readable; the gain meter mirrors that, dipping at once and recovering steadily.
void CGui::showMeterLevels()
{
    meterLevels.take(
        [this](int32_t slot, float level)
        {
            const VstInt32 index = kFirstMeterLevel + slot;
            // The dynamics levels say the audio runs; the section levels ride along with them.
            if (index <= kMeterMinimumGain) meterSilence = 0;
            CControl* meter = getControl(kMeterOfLevel[slot]);
            if (!meter) return;
            // The meters share the threshold fader's scale, so a level lines up with the fader.
            const float target = std::min(thresholdToNormalised(level), 1.0f);
            const float shown = meter->getValue();
            const float next = index == kMeterMinimumGain
                                   ? std::min(target, shown + kMeterFallPerTick)
                                   : std::max(target, shown - kMeterFallPerTick);
            if (next != shown) meter->setValue(next);
        });
}

void CGui::restMeters()
{
    for (const int32 tag : kMeterTags)
        if (CControl* meter = getControl(tag)) meter->setValue(tag == kTagGainMeter ? 1.0f : 0.0f);
}

// The views take a curve whether shown or not, so switching the display on shows the latest.
void CGui::feedSpectra()
{
    constexpr std::pair<Section, int32> kFeeds[] = {{kSectionAbove, kTagSpectrumAbove},
                                                    {kSectionBelow, kTagSpectrumBelow}};
    for (const auto& [section, tag] : kFeeds)
    {
        CSpectrumAnalyzer& analyser = plug->getAnalyserForEditor(section);
        if (!analyser.takeNewData()) continue;
        int count = 0;
        const int* rows = analyser.columns(count);
        if (auto* view = dynamic_cast<CSpectrumView*>(getControl(tag))) view->setData(rows, count);
    }
}

int CGui::readLiveView(int tag, float* values, int capacity) const
{
    const CControl* control = getControl(tag);
    if (const auto* spectrum = dynamic_cast<const CSpectrumView*>(control))
    {
        if (!spectrum->hasData()) return 0;
        const std::vector<float>& rows = spectrum->getData();
        const int count = std::min(capacity, static_cast<int>(rows.size()));
        std::copy_n(rows.begin(), std::max(0, count), values);
        return static_cast<int>(rows.size());
    }
    if (const auto* meter = dynamic_cast<const CVuAI*>(control))
    {
        if (capacity > 0) values[0] = static_cast<float>(meter->litHeight());
        return 1;
    }
    return -1;
}
