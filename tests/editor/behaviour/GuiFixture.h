#pragma once
// The effect with its editor open off screen, a recorder of what the host hears, and a settings
// folder of its own.

#include "code/Plug.h"
#include "code/editor/Gui.h"
#include "vstgui/lib/controls/ccontrol.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

struct HostEdit
{
    enum Kind
    {
        kBegin,
        kPerform,
        kEnd
    } kind;
    VstInt32 index;
    float value;
};

class GuiFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    void openEffect();
    void closeEffect();
    // A left click in the middle of a tag's control (or at a point of the frame), with modifiers.
    void click(VSTGUI::int32 tag, VSTGUI::int32 modifiers = 0);
    void clickAt(VSTGUI::CPoint where, VSTGUI::int32 modifiers = 0);
    void moveMouseTo(VSTGUI::int32 tag);
    // The band selector's digit d (0-4 Above, 5-9 Below) in frame coordinates.
    VSTGUI::CPoint digitCentre(VSTGUI::int32 digit) const;
    VSTGUI::CControl* control(VSTGUI::int32 tag) const { return gui->getControl(tag); }
    std::string storedSetting(const char* key) const;
    void storeSetting(const char* key, const char* value) const;

    // The edits the host heard for one parameter, in order.
    std::vector<HostEdit> editsOf(VstInt32 index) const;
    // True when the parameter was opened, set once to value, and closed.
    bool heardOneEdit(VstInt32 index, float value) const;

    std::string configFolder;
    std::unique_ptr<CPlug> plug;
    CGui* gui = nullptr;
    std::vector<HostEdit> heard;
};
