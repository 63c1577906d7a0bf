#include "code/editor/Gui.h"

#include "code/ParameterTable.h"
#include "code/Plug.h"
#include "code/editor/AboutView.h"
#include "code/editor/BitmapCache.h"
#include "code/editor/BitmapTable.h"
#include "code/editor/ContainerTable.h"
#include "code/editor/EditorTags.h"
#include "code/editor/FrameCM.h"
#include "code/editor/ZoomChoice.h"
#include "code/editor/controls/AnimKnobOrv.h"
#include "code/editor/controls/CButtonMO.h"
#include "code/editor/controls/DropdownLst.h"
#include "code/editor/controls/OrvLabel.h"
#include "code/editor/controls/OrvTextEd.h"
#include "code/editor/controls/OrvTextKnob.h"
#include "code/editor/controls/Pane.h"
#include "code/editor/controls/StateView.h"
#include "code/editor/controls/VSliderMO.h"
#include "code/editor/displays/ParamEqView2.h"
#include "code/editor/displays/SpectrumView.h"
#include "code/editor/displays/VuAI.h"
#include "code/editor/presets/Table.h"
#include "platform/SettingsStore.h"
#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cfont.h"

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <string>

using namespace VSTGUI;
using namespace velqa;
using namespace velqa::editor;

namespace
{

// The four displays take tags beyond the layout so their reports are told apart.
constexpr int32 kFirstDisplayTag = 192;
const CColor kDisplayBackground(192, 192, 192, 0);
const CColor kNormalCurve(140, 140, 140, 255);
const CColor kSoloCurve(255, 225, 22, 255);
constexpr CCoord kMainPageY = 30;

// Knobs, switches and sliders that move together on a right drag.
constexpr std::pair<int32, int32> kPartnerPairs[] = {
    {127, 132}, {128, 133}, {129, 134}, {130, 135}, {131, 136},
    {139, 140}, {141, 142}, {143, 144}, {137, 138},
};
constexpr int32 kFirstBandKnobRows[] = {66, 76, 86};

const LayoutEntry& layoutOf(int32 tag)
{
    return kLayoutTable[static_cast<size_t>(tag)];
}

// The module carries its typefaces, so the editor's text looks the same on every machine,
// whatever fonts the system has.
void registerEmbeddedFaces()
{
    static std::once_flag once;
    std::call_once(once,
                   []
                   {
                       for (const char* face : {"Arial", "Arial Bold", "SkiCargo"})
                           VSTGUI::FontRegistry::registerFontResource(face, face);
                   });
}

} // namespace

CGui::CGui(CPlug* plug) : COrvEditor(plug), plug(plug)
{
    registerEmbeddedFaces();
    // Selecting a band moves nothing the user would want undone.
    history.exclude(kSelectedEq);
    // The host asks for the size before the first opening: it is the user's stored zoom.
    prepareOpen();
    CBitmapCache::shared().prefetch();
}

CGui::~CGui()
{
    if (frame) close();
}

void CGui::prepareOpen()
{
    platform::CSettingsStore settings;
    std::string text;
    if (settings.get("zz", text))
        if (const auto stored = zoomFromStoredText(text)) setInitialZoom(*stored);
    mouseOverHelp = !(settings.get("mo", text) && text == "0");
    if (!settings.get("A", lastAuthor)) lastAuthor.clear();
}

CBitmap* CGui::bitmap(int32 number) const
{
    return number >= 0 && number < kBitmapCount ? bitmaps[static_cast<size_t>(number)] : nullptr;
}

void CGui::loadBitmaps()
{
    CBitmapCache& cache = CBitmapCache::shared();
    for (int32 i = 0; i < kBitmapCount; ++i)
        if ((bitmaps[static_cast<size_t>(i)] = cache.get(i)))
            bitmaps[static_cast<size_t>(i)]->remember();
}

void CGui::useSharpBitmapsIfNeeded()
{
    CBitmapCache& cache = CBitmapCache::shared();
    if (!frame || cache.hasDoubleSizes() || frame->getScaleFactor() <= 1.0) return;
    cache.addDoubleSizes();
    frame->invalid();
}

void CGui::createContainers(CFrameCM* newFrame)
{
    for (int32 id = 0; id < kContainerCount; ++id)
    {
        const ContainerEntry& entry = kContainerTable[static_cast<size_t>(id)];
        if (!entry.used) continue;
        CBitmap* background = bitmap(entry.bitmap);
        const CCoord width = entry.width >= 0 ? entry.width
                             : background     ? background->getWidth()
                                              : 0;
        const CCoord height = entry.height >= 0 ? entry.height
                              : background      ? background->getHeight()
                                                : 0;
        auto* container =
            new CViewContainer(CRect(CPoint(entry.x, entry.y), CPoint(width, height)));
        container->setBackground(background);
        container->setBackgroundColor(CColor(111, 111, 111, 0));
        container->setVisible(!entry.startsHidden);
        CViewContainer* parent =
            entry.parent == kFrameParent ? newFrame : containers[static_cast<size_t>(entry.parent)];
        parent->addView(container);
        containers[static_cast<size_t>(id)] = container;
    }
}

CControl* CGui::makeControl(int32 tag, const CRect& size)
{
    const LayoutEntry& entry = layoutOf(tag);
    CBitmap* strip = bitmap(entry.bitmap);
    const bool bound = entry.parameter >= 0;
    switch (entry.kind)
    {
    case kKindSpectrum:
        return new CSpectrumView(size, this, tag);
    case kKindToggle:
    case kKindToggleModifierClick:
    case kKindMomentary:
    case kKindMomentaryModifierClick:
    {
        const bool toggle = entry.kind == kKindToggle || entry.kind == kKindToggleModifierClick;
        auto* button = new CCButtonMO(size, this, tag, strip, entry.frames,
                                      toggle ? CCButtonMO::kToggle : CCButtonMO::kMomentary);
        button->setModifierClickReporting(entry.kind == kKindToggleModifierClick ||
                                          entry.kind == kKindMomentaryModifierClick);
        button->setHasParameter(bound);
        return button;
    }
    case kKindLed:
    {
        auto* area = new CLed(size, this, tag, strip, entry.frames, CLed::kMomentary);
        area->setHasParameter(bound);
        return area;
    }
    case kKindMultiState:
    {
        if (tag == kTagSortHeader) return makeSortHeader(size);
        auto* button = new CCButtonMO(size, this, tag, strip, entry.frames, CCButtonMO::kMultiState,
                                      entry.steps);
        button->setHasParameter(bound);
        return button;
    }
    case kKindBandSelector:
    {
        auto* selector =
            new CCButtonMO(size, this, tag, strip, entry.frames, CCButtonMO::kBandSelector);
        std::array<CBitmap*, CCButtonMO::kDigits> digits{};
        for (int32 d = 0; d < CCButtonMO::kDigits; ++d)
            digits[static_cast<size_t>(d)] = bitmap(kBmpDigitAbove1 + d);
        selector->setDigitBitmaps(digits);
        return selector;
    }
    case kKindTextKnob:
    {
        auto* toggle = new COrvTextKnob(size, this, tag);
        toggle->setHasParameter(bound);
        return toggle;
    }
    case kKindTable:
        return new CTable(size, this, tag);
    case kKindStateView:
    {
        auto* view = new CStateView(size, this, tag, strip, entry.frames);
        // Link state 0 shows nothing, 1 the linked frame, 2 the inverse one.
        view->setIndexMode(true);
        view->setMinusOne(true);
        return view;
    }
    case kKindPane:
        return new CPane(size, this, tag, strip);
    case kKindBypassPane:
    {
        auto* overlay = new CPane(size, this, tag, strip);
        overlay->setDrawWhen(CPane::kDrawWhenOn);
        return overlay;
    }
    case kKindDisplayCover:
    {
        auto* cover = new CPane(size, this, tag);
        // Bound to the section's EQ switch: the display darkens while the EQ is off.
        cover->setColors(CColor(0, 0, 0, 0), CColor(0, 0, 0, 150));
        return cover;
    }
    case kKindHoverPane:
    {
        auto* area = new CPane(size, this, tag);
        area->setHoverReporting(true);
        return area;
    }
    case kKindMeter:
    case kKindSectionMeter:
    {
        auto* meter = new CVuAI(size, this, tag, strip);
        meter->setSegments(entry.steps);
        meter->setGrowsDown((entry.style & kStyleMeterGrowsDown) != 0);
        return meter;
    }
    case kKindLabel:
    case kKindMessageLabel:
        return new COrvLabel(size, this, tag, entry.text);
    case kKindTextEdit:
        return new COrvTextEd(size, this, tag, entry.text);
    case kKindDropdown:
    {
        auto* list = new CDropdownLst(size, this, tag, entry.style);
        list->setHasParameter(bound);
        return list;
    }
    case kKindKnob:
        return new CAnimKnobOrv(size, this, tag, strip, entry.frames);
    case kKindSlider:
    case kKindScrollSlider:
        return new CVSliderMO(size, this, tag, strip, entry.steps);
    default:
        return nullptr;
    }
}

void CGui::createControl(int32 tag)
{
    const LayoutEntry& entry = layoutOf(tag);
    CViewContainer* container = getContainer(entry.container);
    if (entry.kind == kKindNone || !container) return;
    const CBitmap* strip = bitmap(entry.bitmap);
    const int32 frames = std::max(1, entry.frames);
    const CCoord width = entry.width > 0 ? entry.width : strip ? strip->getWidth() : 0;
    const CCoord height = entry.height > 0 ? entry.height : strip ? strip->getHeight() / frames : 0;
    CControl* control = makeControl(tag, CRect(CPoint(entry.x, entry.y), CPoint(width, height)));
    if (!control) return;
    if (isStored(entry.parameter))
    {
        // A control's reset value is its parameter's default.
        const float defaultValue =
            kParameterTable[static_cast<size_t>(entry.parameter)].defaultValue;
        control->setDefaultValue(defaultValue);
        control->setValue(defaultValue);
    }
    if (auto* common = dynamic_cast<COrvControlCommon*>(control);
        common && (entry.style & kStyleMouseOverMask) != 0)
        common->setMouseOverOptions(entry.style & kStyleMouseOverMask);
    container->addView(control);
    controls[static_cast<size_t>(tag)] = control;
}

void CGui::createDisplays()
{
    CViewContainer* mainPage = getContainer(kMainPage);
    const CBitmap* handle = bitmap(kBmpEqHandle);
    const CPoint handleSize = handle ? CPoint(handle->getWidth(), handle->getHeight()) : CPoint();
    const CCoord grow = handleSize.x / 2;
    struct Placement
    {
        VstInt32 firstParameter;
        CCoord top, bottom;
        int32 coverTag;
    };
    // Below, then Above; each a normal and a solo display.
    constexpr Placement placements[] = {
        {kEqBelowBase, 399, 651, kTagBelowCover},
        {kEqAboveBase, 47, 299, kTagAboveCover},
    };
    size_t slot = 0;
    for (const Placement& place : placements)
        for (const bool solo : {false, true})
        {
            CRect size(31, place.top, 504, place.bottom);
            size.extend(grow, grow);
            auto* display =
                new CParamEqView2(size, this, kBandsPerSection,
                                  kFirstDisplayTag + static_cast<int32>(slot), place.firstParameter,
                                  handleSize, kDisplayBackground, solo ? kSoloCurve : kNormalCurve);
            display->setSampleRate(plug->getCurrentSampleRate());
            display->setVisible(!solo);
            // Under the section's cover, which darkens it while the EQ is off.
            mainPage->addView(display, getControl(place.coverTag));
            displays[slot++] = display;
        }
}

CParamEqView2* CGui::getDisplay(VstInt32 section, bool solo) const
{
    return displays[static_cast<size_t>((section == kSectionBelow ? 0 : 2) + (solo ? 1 : 0))];
}

void CGui::tiePartners()
{
    auto tie = [this](int32 a, int32 b, bool indicator)
    {
        auto* first = dynamic_cast<COrvControlCommon*>(getControl(a));
        auto* second = dynamic_cast<COrvControlCommon*>(getControl(b));
        if (!first || !second) return;
        first->setPartner(b);
        second->setPartner(a);
        if (indicator)
        {
            first->setLinkIndicatorTag(kLinkIndicatorTag);
            second->setLinkIndicatorTag(kLinkIndicatorTag);
        }
    };
    for (const auto& [a, b] : kPartnerPairs) tie(a, b, false);
    for (const int32 row : kFirstBandKnobRows)
        for (int32 n = row; n < row + kBandsPerSection; ++n) tie(n, n + kBandsPerSection, true);
}

void CGui::createAboutView(CFrameCM* newFrame)
{
    char version[32];
    std::snprintf(version, sizeof(version), "%d.%d.%d %s", 2, 6, 4, "");
    aboutView =
        new CAboutView(CRect(0, kMainPageY, kWidth, kHeight), bitmap(kBmpAboutPage), version);
    aboutView->setVisible(false);
    newFrame->addView(aboutView);
}

void CGui::buildFrame(CFrameCM* newFrame)
{
    loadBitmaps();
    createContainers(newFrame);
    for (int32 tag = 0; tag < kNumTags; ++tag) createControl(tag);
    if (CControl* message = getControl(kTagMessage)) message->setVisible(false);
    refreshUndoButtons();
    if (auto* status = dynamic_cast<CTextLabel*>(getControl(kTagStatusLine)))
        status->setHoriAlign(kLeftText);
    if (auto* name = dynamic_cast<CTextLabel*>(getControl(kTagPresetName)))
        name->setHoriAlign(kLeftText);
    if (auto* author = dynamic_cast<CTextLabel*>(getControl(kTagAuthor)))
        author->setText(lastAuthor);
    if (CControl* help = getControl(kTagMouseOverHelp)) help->setValue(mouseOverHelp ? 1.0f : 0.0f);
    setUpPresetViews();
    createDisplays();
    tiePartners();
    createAboutView(newFrame);
}

void CGui::finishOpen()
{
    for (int32 tag = 0; tag < kNumTags; ++tag)
        if (const CControl* control = getControl(tag))
        {
            CPoint topLeft = control->getViewSize().getTopLeft();
            control->localToFrame(topLeft);
            frameRects[static_cast<size_t>(tag)] = CRect(topLeft, control->getViewSize().getSize());
        }
    // Every control starts at the effect's value; what was waiting is older than that.
    pending.clear();
    // The state may have been replaced while the window was closed.
    if (stateReplaced.exchange(false)) resetHistory();
    meterLevels.clear();
    restMeters();
    synchronising = true;
    for (VstInt32 i = 0; i < kStoredParameterCount; ++i) applyParameter(i, getParameter(i));
    synchronising = false;
    helpTag = -2;
    messageCountdown = 0;
    meterSilence = 0;
    redrawCountdown = 0;
    ticksMeasured = 0;
    // The window opened at the zoom; the host hears the size it has and the list shows it.
    applyZoom(getZoom());
    frame->enableTooltips(true);
    plug->editorOpened(true);
}

void CGui::forgetViews()
{
    plug->editorOpened(false);
    // A drag cut short by closing the window still ends its gesture towards the host, and is
    // recorded as it stands.
    for (VstInt32 i = 0; i < kStoredParameterCount; ++i)
        if (openGestures[static_cast<size_t>(i)] > 0)
        {
            openGestures[static_cast<size_t>(i)] = 1;
            closeGesture(i);
        }
    editTag = -1;
    controls.fill(nullptr);
    containers.fill(nullptr);
    displays.fill(nullptr);
    aboutView = nullptr;
    for (CBitmap*& loaded : bitmaps)
        if (loaded)
        {
            loaded->forget();
            loaded = nullptr;
        }
}

CControl* CGui::getControl(int32 tag) const
{
    return tag >= 0 && tag < kNumTags ? controls[static_cast<size_t>(tag)] : nullptr;
}

CView* CGui::viewOfTag(int tag) const
{
    if (tag >= kFirstDisplayTag && tag < kFirstDisplayTag + static_cast<int>(displays.size()))
        return displays[static_cast<size_t>(tag - kFirstDisplayTag)];
    return getControl(tag);
}

CViewContainer* CGui::getContainer(int32 id) const
{
    return id >= 0 && id < kContainerCount ? containers[static_cast<size_t>(id)] : nullptr;
}

VstInt32 CGui::parameterOfTag(int32 tag) const
{
    return tag >= 0 && tag < kNumTags ? layoutOf(tag).parameter : -1;
}

bool CGui::showPage(int page)
{
    if (!frame) return false;
    CViewContainer* settings = getContainer(kSettings);
    switch (page)
    {
    case kPageMain:
        closePresetPages();
        frame->setModalView(nullptr);
        if (settings) settings->setVisible(false);
        if (aboutView) aboutView->setVisible(false);
        return true;
    case kPageSettings:
        if (!settings) return false;
        if (aboutView) aboutView->setVisible(false);
        settings->setVisible(true);
        return frame->getModalView() == settings || frame->setModalView(settings);
    case kPageAbout:
        if (!aboutView) return false;
        showPage(kPageMain);
        aboutView->setVisible(true);
        return true;
    case kPageBrowser:
        return openBrowser();
    case kPageSaveDialog:
        return openSaveDialog();
    default:
        return false;
    }
}
