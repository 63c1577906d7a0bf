// The view adapter and the editor inside the adapter, without a display: sizes, zoom, content
// scale and snapshots as a host meets them.
#include "../adapter/AdapterFixture.h"

#include "VST3Adapter/EditorPlatform.h"
#include "VST3Adapter/IEditorSnapshot.h"
#include "VST3Adapter/ViewAdapter.h"
#include "code/editor/Gui.h"
#include "host/HostObject.h"
#include "resources/EmbeddedResources.h"

#include <cairo.h>
#include <filesystem>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{

class RecordingFrame final : public velqa::host::HostObject<IPlugFrame>
{
public:
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
    EXPECT_TRUE(edits().empty());
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
    EXPECT_TRUE(edits().empty());
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
