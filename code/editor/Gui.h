#pragma once
// The editor: builds its window from the static tables, keeps every control in step with the
// effect and turns user edits into parameter changes the host hears about.

#include "code/ParameterIndex.h"
#include "code/editor/BitmapTable.h"
#include "code/editor/ContainerTable.h"
#include "code/editor/LayoutTable.h"
#include "code/editor/OrvEditor.h"
#include "code/editor/ValueSlots.h"
#include "code/editor/controls/IOrvControlHost.h"
#include "code/editor/undo/UndoHistory.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <thread>

class CPlug;
class CAboutView;
class CTable;
class CCButtonMO;
class CParamEqView2;
namespace velqa
{
struct PresetEntry;
}
namespace VSTGUI
{
class CBitmap;
class CControl;
class CTextLabel;
class CViewContainer;
} // namespace VSTGUI

class CGui : public COrvEditor, public IOrvControlHost
{
public:
    static constexpr VSTGUI::int32 kNumTags = velqa::editor::kTagCount;
    // Told by the EQ knobs while a linked drag lasts.
    static constexpr VSTGUI::int32 kLinkIndicatorTag = 191;
    static constexpr int kMessageTicks = 200;
    static constexpr int kMeterRestTicks = 25;
    static constexpr int kRedrawDelayTicks = 3;
    // How far a meter falls per tick once its level has dropped.
    static constexpr float kMeterFallPerTick = 0.04f;

    enum Page
    {
        kPageMain = 0,
        kPageSettings = 1,
        kPageAbout = 2,
        kPageBrowser = 3,
        kPageSaveDialog = 4,
    };

    explicit CGui(CPlug* plug);
    ~CGui() override;

    // The effect reports a value or a notification, from any thread: it is only stored here and
    // reaches the views at the next tick on the user-interface thread.
    void setParameter(VstInt32 index, float value) override;
    void idle() override;

    // Probes for tests and the command line.
    VSTGUI::CView* viewOfTag(int tag) const override;
    int readLiveView(int tag, float* values, int capacity) const override;
    bool showPage(int page) override;
    VSTGUI::CControl* getControl(VSTGUI::int32 tag) const;
    VSTGUI::CViewContainer* getContainer(VSTGUI::int32 id) const;
    CAboutView* getAboutView() const { return aboutView; }
    CParamEqView2* getDisplay(VstInt32 section, bool solo) const;
    bool isMouseOverHelpOn() const { return mouseOverHelp; }
    int getTicksPerSecond() const { return ticksPerSecond; }

    // User edits.
    void valueChanged(VSTGUI::CControl* control) override;
    void controlBeginEdit(VSTGUI::CControl* control) override;
    void controlEndEdit(VSTGUI::CControl* control) override;
    void beginEdit(VSTGUI::int32 tag) override;
    void endEdit(VSTGUI::int32 tag) override;
    // A modifier click on band b (0-4 Above, 5-9 Below) with VSTGUI's button state bits.
    void bandAction(VSTGUI::int32 band, VSTGUI::int32 modifiers);
    // Zoom factor 0.5 to 2; stored as the user's zoom when store is set.
    bool setZoom(double factor, bool store);
    bool showHelpText(VSTGUI::int32 tag) override;
    // The preset browser marks a fresh load; the first change after it greys the name.
    void markPresetLoaded();

    // What the controls tell beyond the listener.
    void partnerBeginEdit(VSTGUI::int32 partnerTag) override;
    void partnerValueChanged(VSTGUI::int32 partnerTag, float value) override;
    void partnerEndEdit(VSTGUI::int32 partnerTag) override;
    void linkIndicatorChanged(VSTGUI::int32 indicatorTag, float value) override;
    void hoverChanged(VSTGUI::int32 tag, float value) override;

protected:
    void prepareOpen() override;
    void buildFrame(CFrameCM* newFrame) override;
    void finishOpen() override;
    void forgetViews() override;
    void editorTick() override;
    void zoomChanged() override;

private:
    struct Change
    {
        VstInt32 index;
        float value;
    };

    // Opening.
    void loadBitmaps();
    void useSharpBitmapsIfNeeded();
    void createContainers(CFrameCM* newFrame);
    void createControl(VSTGUI::int32 tag);
    VSTGUI::CControl* makeControl(VSTGUI::int32 tag, const VSTGUI::CRect& size);
    void createDisplays();
    void tiePartners();
    void createAboutView(CFrameCM* newFrame);
    VSTGUI::CBitmap* bitmap(VSTGUI::int32 number) const;

    // The one road of every parameter change the editor makes: the effect sets the value and
    // the host hears begin, perform and end, unless a gesture of the user is already open.
    void changeParameters(std::initializer_list<Change> changes);
    void changeParameters(const Change* first, const Change* last);
    void changeParameter(VstInt32 index, float value) { changeParameters({{index, value}}); }
    void openGesture(VstInt32 index);
    void closeGesture(VstInt32 index);
    VstInt32 parameterOfTag(VSTGUI::int32 tag) const;

    // Behaviours of valueChanged.
    bool handleByTag(VSTGUI::CControl* control, VSTGUI::int32 tag);
    void resetEq(VstInt32 section);
    void followSaturation(VstInt32 satIndex, VstInt32 onIndex, float value);
    void followCentre(VstInt32 onIndex, float value);
    void copyBand(VSTGUI::int32 linkTag, float linkValue);
    void userEdit(VSTGUI::int32 tag, float value);
    void selectZoomChoice(float value);
    void setMouseOverHelp(bool on);

    // Effect values reaching the views (user-interface thread).
    void takePendingValues();
    void applyValue(VstInt32 index, float value);
    void applyParameter(VstInt32 index, float value);
    void applyNotification(VstInt32 index, float value);
    void showBandPanel(VSTGUI::int32 band);
    void showStatusText(const char* text);
    VSTGUI::int32 controlUnderMouse() const;
    CCButtonMO* bandSelector() const;

    // Preset browser, save dialog and the header's preset buttons.
    VSTGUI::CControl* makeSortHeader(const VSTGUI::CRect& size);
    void setUpPresetViews();
    bool handlePresetTag(VSTGUI::CControl* control, VSTGUI::int32 tag);
    bool openBrowser();
    bool openSaveDialog();
    void closePresetPages();
    void refreshPresetList(bool rescan);
    void sortPresetList(float value);
    void presetTableAction(const CTable& table);
    void loadPresetOfRow(int row);
    void stepPresets(bool forward);
    void showPresetName(const velqa::PresetEntry* entry, const std::string& attempted);
    void savePreset();
    void showSaveMessage(const char* text);
    CTable* presetTable() const;
    // The name that got the "exists" answer (empty for none): saving it again overwrites.
    std::string overwriteConfirmedFor;

    // EQ displays: the effect's values drive them, their edits reach the effect and the host.
    void applyToDisplays(VstInt32 index, float value);
    void displayValueChanged(CParamEqView2* display);
    void displayBeginEdit(CParamEqView2* display);
    void displayEndEdit(CParamEqView2* display);
    void highlightDisplayBand(VSTGUI::int32 hoverTag, float value);
    void followSampleRate();

    CPlug* plug;
    std::array<VSTGUI::CBitmap*, velqa::editor::kBitmapCount> bitmaps{};
    std::array<VSTGUI::CViewContainer*, velqa::editor::kContainerCount> containers{};
    std::array<VSTGUI::CControl*, kNumTags> controls{};
    std::array<VSTGUI::CRect, kNumTags> frameRects{};
    std::array<CParamEqView2*, 4> displays{};
    CAboutView* aboutView = nullptr;

    // Values and notifications from the effect, indices 0 to 187.
    velqa::editor::CValueSlots<kNumTags> pending;
    // While the editor changes parameters: its thread, and the host parameters the effect
    // reported back meanwhile.
    std::atomic<std::thread::id> echoThread{};
    std::array<bool, velqa::kHostParameterCount> touched{};
    // Gestures open, per parameter (the host hears those of its parameters).
    std::array<int, velqa::kStoredParameterCount> openGestures{};
    // The control whose edit began last (the Link buttons copy their band on it).
    VSTGUI::int32 editTag = -1;
    bool mouseOverHelp = true;
    // The save dialog offers the author typed last time.
    std::string lastAuthor;
    bool presetLoaded = false;
    // Set while the controls take the effect's values at opening: that changes no preset.
    bool synchronising = false;
    VSTGUI::int32 helpTag = -2;
    int messageCountdown = 0;
    int meterSilence = 0;
    int redrawCountdown = 0;
    int ticksMeasured = 0;
    uint32_t firstTickTime = 0;
    int ticksPerSecond = 20;

    // Undo and redo of the user's gestures; the history outlives the window.
    void recordOpen(VstInt32 index);
    void recordClose(VstInt32 index);
    void undoOrRedo(bool undo);
    void resetHistory();
    void refreshUndoButtons();
    velqa::editor::CUndoHistory history;
    // Every value as the gesture found it: what undo restores, side effects included.
    std::array<float, velqa::kStoredParameterCount> gestureStart{};
    int openRecords = 0;
    // The effect's state was replaced (from any thread); the history no longer applies.
    std::atomic<bool> stateReplaced{false};

    // Live views: the spectra pulled from the analysers, the meters fed by the effect's levels.
    static bool isMeterLevel(VstInt32 index);
    void gatherMeterLevel(VstInt32 index, float level);
    void showMeterLevels();
    void feedSpectra();
    void restMeters();
    // Levels 163 to 174 by index, each the extreme since the last tick.
    velqa::editor::CPeakSlots<12> meterLevels;
};
