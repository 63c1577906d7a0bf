#pragma once
// The editor as far as it is built yet: the window with its header and main page, and a few
// controls bound to parameters so every road between host, effect and editor is in use.

#include "code/editor/OrvEditor.h"

#include <array>
#include <vector>

class CPlug;

class CGui : public COrvEditor
{
public:
    static constexpr VSTGUI::int32 kNumTags = 190;

    // Layout tags of the controls built so far.
    enum Tag : VSTGUI::int32
    {
        kTagHeaderBypass = 28,
        kTagMix = 114,
        kTagOutVol = 115,
        kTagSatAbove = 127,
        kTagSatOnAbove = 139,
        kTagSectionMeterAbove = 163,
        kTagSectionMeterBelow = 164,
    };

    explicit CGui(CPlug* plug);
    ~CGui() override;

    VSTGUI::CControl* getControl(VSTGUI::int32 tag) const;
    VSTGUI::CViewContainer* getHeader() const { return header; }
    VSTGUI::CViewContainer* getMainPage() const { return mainPage; }

protected:
    VstInt32 parameterOfTag(VSTGUI::int32 tag) const override;
    void buildFrame(VSTGUI::CFrame* newFrame) override;
    void forgetViews() override;
    void showParameter(VstInt32 index, float value) override;

private:
    VSTGUI::CBitmap* loadBitmap(const char* name);
    void addControl(VSTGUI::CViewContainer* container, VSTGUI::CControl* control,
                    VstInt32 parameter);

    std::array<VSTGUI::CControl*, kNumTags> controls{};
    std::array<VstInt32, kNumTags> tagParameter{};
    std::vector<VSTGUI::CBitmap*> bitmaps;
    VSTGUI::CViewContainer* header = nullptr;
    VSTGUI::CViewContainer* mainPage = nullptr;
};
