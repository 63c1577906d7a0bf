#include "GuiFixture.h"

#include "code/editor/controls/CButtonMO.h"
#include "platform/SettingsStore.h"
#include "resources/EmbeddedResources.h"
#include "vstgui/lib/cframe.h"

#include <cstdlib>
#include <filesystem>

using namespace VSTGUI;

namespace
{

std::vector<HostEdit>* currentLog = nullptr;

VstIntPtr hostCallback(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr, void*, float value)
{
    static VstTimeInfo time{};
    if (opcode == 7) return reinterpret_cast<VstIntPtr>(&time);
    if (!currentLog) return 0;
    if (opcode == 0) currentLog->push_back({HostEdit::kPerform, index, value});
    if (opcode == 43) currentLog->push_back({HostEdit::kBegin, index, 0.0f});
    if (opcode == 44) currentLog->push_back({HostEdit::kEnd, index, 0.0f});
    return 0;
}

} // namespace

void GuiFixture::SetUp()
{
    velqa::registerEmbeddedResources();
    char folder[] = "/tmp/velqa-gui-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    configFolder = folder;
    setenv("XDG_CONFIG_HOME", folder, 1);
    currentLog = &heard;
    openEffect();
}

void GuiFixture::TearDown()
{
    closeEffect();
    currentLog = nullptr;
    std::filesystem::remove_all(configFolder);
}

void GuiFixture::openEffect()
{
    plug = std::make_unique<CPlug>(&hostCallback);
    gui = dynamic_cast<CGui*>(plug->getEditor());
    ASSERT_NE(gui, nullptr);
    ASSERT_TRUE(gui->openOffscreen(1.0));
    heard.clear();
}

void GuiFixture::closeEffect()
{
    if (gui) gui->close();
    plug.reset();
    gui = nullptr;
}

void GuiFixture::clickAt(CPoint where, int32 modifiers)
{
    const double scale = gui->getZoom();
    const CPoint device(where.x * scale, where.y * scale);
    CFrame* frame = gui->getFrame();
    frame->platformOnMouseMoved(device, CButtonState());
    frame->platformOnMouseDown(device, CButtonState(kLButton | modifiers));
    frame->platformOnMouseUp(device, CButtonState(kLButton | modifiers));
    gui->idle();
}

void GuiFixture::click(int32 tag, int32 modifiers)
{
    const CControl* view = control(tag);
    ASSERT_NE(view, nullptr) << tag;
    CPoint centre = view->getViewSize().getCenter();
    view->localToFrame(centre);
    clickAt(centre, modifiers);
}

void GuiFixture::moveMouseTo(int32 tag)
{
    CPoint centre = control(tag)->getViewSize().getCenter();
    control(tag)->localToFrame(centre);
    const double scale = gui->getZoom();
    gui->getFrame()->platformOnMouseMoved(CPoint(centre.x * scale, centre.y * scale),
                                          CButtonState());
    gui->idle();
}

CPoint GuiFixture::digitCentre(int32 digit) const
{
    const auto* selector = dynamic_cast<const CCButtonMO*>(control(116));
    CPoint centre = selector->getDigitRect(digit).getCenter();
    selector->localToFrame(centre);
    return centre;
}

std::string GuiFixture::storedSetting(const char* key) const
{
    std::string value;
    velqa::platform::CSettingsStore().get(key, value);
    return value;
}

void GuiFixture::storeSetting(const char* key, const char* value) const
{
    velqa::platform::CSettingsStore().set(key, value);
}

std::vector<HostEdit> GuiFixture::editsOf(VstInt32 index) const
{
    std::vector<HostEdit> edits;
    for (const HostEdit& edit : heard)
        if (edit.index == index) edits.push_back(edit);
    return edits;
}

bool GuiFixture::heardOneEdit(VstInt32 index, float value) const
{
    const auto edits = editsOf(index);
    return edits.size() == 3 && edits[0].kind == HostEdit::kBegin &&
           edits[1].kind == HostEdit::kPerform && edits[1].value == value &&
           edits[2].kind == HostEdit::kEnd;
}
