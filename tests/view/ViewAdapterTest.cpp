// The view adapter and the editor inside the adapter, without a display: the editor opens on
// an image, and every road between host, effect and controls is checked through it.
#include "../adapter/AdapterFixture.h"

#include "VST3Adapter/EditorPlatform.h"
#include "VST3Adapter/IEditorSnapshot.h"
#include "VST3Adapter/ViewAdapter.h"
#include "code/ParameterIndex.h"
#include "code/editor/EditorTags.h"
#include "code/editor/Gui.h"
#include "resources/EmbeddedResources.h"
#include "vstgui/lib/controls/cknob.h"

#include <cairo.h>
#include <filesystem>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{

// The Mix knob and the header's bypass switch.
constexpr VSTGUI::int32 kTagMix = 114;
constexpr VSTGUI::int32 kTagHeaderBypass = 28;

class RecordingFrame final : public IPlugFrame
{
public:
    FAKE_UNKNOWN(IPlugFrame)
    tresult PLUGIN_API resizeView(IPlugView* view, ViewRect* newSize) override
    {
        sizes.push_back(*newSize);
        return view->onSize(newSize);
    }
    std::vector<ViewRect> sizes;
};

class ViewAdapterTest : public AdapterTest
{
protected:
    void SetUp() override
    {
        velqa::registerEmbeddedResources();
        create();
        view = static_cast<ViewAdapter*>(adapter->createView(ViewType::kEditor));
        ASSERT_NE(view, nullptr);
        gui = dynamic_cast<CGui*>(view->getEditor());
        ASSERT_NE(gui, nullptr);
    }
    void TearDown() override
    {
        if (gui) gui->close();
        if (view) view->release();
        AdapterTest::TearDown();
    }
    // Opens the editor on an image, as a window would be opened.
    VSTGUI::COffscreenPlatformFrame* openOffscreen(double scale = 1.0)
    {
        EXPECT_TRUE(gui->openOffscreen(scale));
        return gui->getOffscreenFrame();
    }
    void click(const VSTGUI::CPoint& where, VSTGUI::int32 buttons = VSTGUI::kLButton)
    {
        VSTGUI::CFrame* frame = gui->getFrame();
        frame->platformOnMouseDown(where, VSTGUI::CButtonState(buttons));
        frame->platformOnMouseUp(where, VSTGUI::CButtonState(buttons));
    }

    ViewAdapter* view = nullptr;
    CGui* gui = nullptr;
};

TEST_F(ViewAdapterTest, OnlyTheEditorNameMakesAView)
{
    EXPECT_EQ(adapter->createView("other"), nullptr);
    EXPECT_EQ(adapter->createView(nullptr), nullptr);
    ViewRect size;
    ASSERT_EQ(view->getSize(&size), kResultTrue);
    EXPECT_EQ(size.getWidth(), 875);
    EXPECT_EQ(size.getHeight(), 730);
    EXPECT_EQ(view->canResize(), kResultFalse);
    EXPECT_EQ(view->onFocus(true), kResultFalse);
    EXPECT_EQ(view->getIdleRate(), 50);
    FUnknown* finder = nullptr;
    EXPECT_EQ(view->queryInterface(IParameterFinder::iid, reinterpret_cast<void**>(&finder)),
              kResultOk);
    if (finder) finder->release();
    ParamID found = 0;
    EXPECT_EQ(view->findParameter(10, 10, found), kResultFalse);
}

TEST_F(ViewAdapterTest, SizeConstraintAllowsFiftyPixelsOfSlack)
{
    ViewRect tooWideTooLow(0, 0, 1000, 600);
    EXPECT_EQ(view->checkSizeConstraint(&tooWideTooLow), kResultOk);
    EXPECT_EQ(tooWideTooLow.getWidth(), 925);
    EXPECT_EQ(tooWideTooLow.getHeight(), 730);
    ViewRect narrow(10, 20, 100, 2000);
    view->checkSizeConstraint(&narrow);
    EXPECT_EQ(narrow.left, 10);
    EXPECT_EQ(narrow.getWidth(), 875);
    EXPECT_EQ(narrow.getHeight(), 780);
    ViewRect inside(0, 0, 900, 760);
    view->checkSizeConstraint(&inside);
    EXPECT_EQ(inside.getWidth(), 900);
    EXPECT_EQ(inside.getHeight(), 760);
}

TEST_F(ViewAdapterTest, EditorZoomResizesOnlyAttachedViews)
{
    // Nothing is attached: the signal changes nothing and is no automation.
    ASSERT_TRUE(gui->setZoom(1.5, false));
    EXPECT_TRUE(handler.edits.empty());
    ViewRect size;
    view->getSize(&size);
    EXPECT_EQ(size.getWidth(), 875);

    RecordingFrame hostFrame;
    view->setFrame(&hostFrame);
    adapter->editorAttached(view);
    ASSERT_TRUE(gui->setZoom(2.0, false));
    ASSERT_EQ(hostFrame.sizes.size(), 1u);
    EXPECT_EQ(hostFrame.sizes[0].getWidth(), 1750);
    EXPECT_EQ(hostFrame.sizes[0].getHeight(), 1460);
    view->getSize(&size);
    EXPECT_EQ(size.getHeight(), 1460);
    ViewRect request(0, 0, 100, 100);
    view->checkSizeConstraint(&request);
    EXPECT_EQ(request.getWidth(), 1750);

    adapter->editorRemoved(view);
    gui->setZoom(1.0, false);
    EXPECT_EQ(hostFrame.sizes.size(), 1u);
    EXPECT_TRUE(handler.edits.empty());
    view->setFrame(nullptr);
}

TEST_F(ViewAdapterTest, OpenIsRefusedWhileTheEditorIsOpen)
{
    ASSERT_NE(openOffscreen(), nullptr);
    EXPECT_FALSE(gui->openOffscreen(1.0));
    EXPECT_FALSE(view->open(reinterpret_cast<void*>(1)));
    auto* snapshot = static_cast<velqa::IEditorSnapshot*>(view);
    EXPECT_EQ(snapshot->writeSnapshot("/tmp/never-written.png", 100, 1.0), kResultFalse);
    EXPECT_FALSE(std::filesystem::exists("/tmp/never-written.png"));
}

TEST_F(ViewAdapterTest, HostAndMeterValuesReachTheControls)
{
    ASSERT_NE(openOffscreen(), nullptr);
    // Opening shows the effect's current values.
    EXPECT_FLOAT_EQ(gui->getControl(kTagMix)->getValue(),
                    adapter->getEffect()->getParameter(velqa::kMix));

    adapter->getEffect()->setParameter(velqa::kMix, 0.25f);
    adapter->getEffect()->setParameter(velqa::kBypass, 1.0f);
    adapter->getEffect()->setParameter(velqa::kMeterAbove, 0.8f);
    gui->idle(); // values from the effect reach the controls at the tick
    EXPECT_FLOAT_EQ(gui->getControl(kTagMix)->getValue(), 0.25f);
    EXPECT_FLOAT_EQ(gui->getControl(kTagHeaderBypass)->getValue(), 1.0f);
    EXPECT_FLOAT_EQ(gui->getControl(velqa::editor::kTagSectionMeterAbove)->getValue(), 0.8f);

    // Once closed the editor holds no controls and ignores the effect.
    gui->close();
    EXPECT_EQ(gui->getControl(kTagMix), nullptr);
    adapter->getEffect()->setParameter(velqa::kMix, 0.5f);
}

TEST_F(ViewAdapterTest, ZoomScalesTheImageAndTheMouse)
{
    auto* image = openOffscreen();
    ASSERT_NE(image, nullptr);
    ASSERT_TRUE(gui->setZoom(2.0, false));
    gui->idle();
    EXPECT_EQ(image->getPixelWidth(), 1750);
    EXPECT_EQ(image->getPixelHeight(), 1460);
    // The same knob, clicked with Ctrl at twice the coordinates, goes back to its default.
    auto* knob = gui->getControl(kTagMix);
    adapter->getEffect()->setParameter(velqa::kMix, 0.1f);
    gui->idle();
    click(VSTGUI::CPoint(767 * 2, 674 * 2), VSTGUI::kLButton | VSTGUI::kControl);
    EXPECT_FLOAT_EQ(knob->getValue(), knob->getDefaultValue());
    EXPECT_FLOAT_EQ(adapter->getEffect()->getParameter(velqa::kMix), knob->getDefaultValue());
}

TEST_F(ViewAdapterTest, SnapshotsAreWrittenAtTheirZoomAndScale)
{
    const auto path = std::filesystem::temp_directory_path() / "velqa-view-snapshot.png";
    auto* snapshot = static_cast<velqa::IEditorSnapshot*>(view);
    EXPECT_EQ(snapshot->writeSnapshot(path.c_str(), 74, 1.0), kInvalidArgument);
    for (auto [zoom, scale, width, height] :
         {std::tuple{100, 1.0, 875, 730}, std::tuple{75, 1.0, 657, 548},
          std::tuple{100, 2.0, 1750, 1460}})
    {
        std::filesystem::remove(path);
        ASSERT_EQ(snapshot->writeSnapshot(path.c_str(), zoom, scale), kResultOk);
        cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
        EXPECT_EQ(cairo_image_surface_get_width(png), width);
        EXPECT_EQ(cairo_image_surface_get_height(png), height);
        // The artwork is there: the header strip is not the frame's black.
        cairo_surface_flush(png);
        const auto* row = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(png));
        EXPECT_NE(row[width / 4] & 0xFFFFFF, 0u);
        cairo_surface_destroy(png);
    }
    EXPECT_FALSE(gui->isReady());
    std::filesystem::remove(path);
}

TEST_F(ViewAdapterTest, ContentScaleUsesTheSharperImages)
{
    RecordingFrame hostFrame;
    view->setFrame(&hostFrame);
    adapter->editorAttached(view);
    EXPECT_EQ(view->setContentScaleFactor(2.0f), kResultTrue);
    ASSERT_FALSE(hostFrame.sizes.empty());
    EXPECT_EQ(hostFrame.sizes.back().getWidth(), 1750);
    EXPECT_EQ(view->setContentScaleFactor(0.0f), kResultFalse);
    adapter->editorRemoved(view);
    view->setFrame(nullptr);
}

} // namespace
