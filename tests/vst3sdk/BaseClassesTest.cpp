#include "pluginterfaces/gui/iplugview.h"
#include "public.sdk/source/vst/vstsinglecomponenteffect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{

// Records which state calls reached which hook.
class TestEffect : public SingleComponentEffect
{
public:
    std::vector<const char*> stateCalls;
    BusList& inputs() { return audioInputs; }
    ParameterContainer& params() { return parameters; }

protected:
    tresult readComponentState(IBStream*) override { return note("component read"); }
    tresult writeComponentState(IBStream*) override { return note("component write"); }
    tresult readControllerState(IBStream*) override { return note("controller read"); }
    tresult writeControllerState(IBStream*) override { return note("controller write"); }

private:
    tresult note(const char* what)
    {
        stateCalls.push_back(what);
        return kResultOk;
    }
};

class RecordingHandler : public FObject, public IComponentHandler
{
public:
    std::vector<ParamID> begun, ended;
    std::vector<std::pair<ParamID, ParamValue>> performed;
    int restarts = 0;

    tresult PLUGIN_API beginEdit(ParamID id) override
    {
        begun.push_back(id);
        return kResultOk;
    }
    tresult PLUGIN_API performEdit(ParamID id, ParamValue value) override
    {
        performed.emplace_back(id, value);
        return kResultOk;
    }
    tresult PLUGIN_API endEdit(ParamID id) override
    {
        ended.push_back(id);
        return kResultOk;
    }
    tresult PLUGIN_API restartComponent(int32) override
    {
        ++restarts;
        return kResultOk;
    }
    FUNKNOWN_METHODS(IComponentHandler, FObject)
};

template <class I> IPtr<I> ask(FUnknown* object)
{
    I* answer = nullptr;
    if (object->queryInterface(I::iid, reinterpret_cast<void**>(&answer)) != kResultOk) return {};
    return owned(answer);
}

} // namespace

TEST(FObjectLifetime, QueryInterfaceAnswersOwnIdsOnlyAndAlwaysTheSameIdentity)
{
    IPtr<TestEffect> effect = owned(new TestEffect);
    FUnknown* unknown = effect->unknownCast();

    for (const FUID* id : {&FUnknown::iid, &IPluginBase::iid, &IComponent::iid,
                           &IAudioProcessor::iid, &IEditController::iid, &IEditController2::iid})
    {
        void* obj = nullptr;
        EXPECT_EQ(unknown->queryInterface(*id, &obj), kResultOk);
        ASSERT_NE(obj, nullptr);
        static_cast<FUnknown*>(obj)->release();
    }

    void* obj = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(unknown->queryInterface(IPlugView::iid, &obj), kNoInterface);
    EXPECT_EQ(obj, nullptr);
    EXPECT_EQ(effect->getRefCount(), 1);

    // Hosts compare FUnknown pointers to tell whether two interfaces are one object.
    IPtr<FUnknown> viaComponent = ask<FUnknown>(ask<IComponent>(unknown));
    IPtr<FUnknown> viaController = ask<FUnknown>(ask<IEditController>(unknown));
    EXPECT_EQ(viaComponent.get(), viaController.get());
}

TEST(SingleComponentEffect, StateCallsReachTheirOwnHooks)
{
    IPtr<TestEffect> effect = owned(new TestEffect);
    IPtr<IComponent> component = ask<IComponent>(effect->unknownCast());
    IPtr<IEditController> controller = ask<IEditController>(effect->unknownCast());

    component->setState(nullptr);
    component->getState(nullptr);
    controller->setState(nullptr);
    controller->getState(nullptr);
    const std::vector<const char*> expected{"component read", "component write", "controller read",
                                            "controller write"};
    ASSERT_EQ(effect->stateCalls.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_STREQ(effect->stateCalls[i], expected[i]);
}

TEST(SingleComponentEffect, BusesReportActivateAndRefuseBadIndexes)
{
    IPtr<TestEffect> effect = owned(new TestEffect);
    IComponent* component = effect;
    effect->addAudioInput(u"Main In", SpeakerArr::kStereo);
    effect->addAudioInput(u"Side Chain", SpeakerArr::kMono, kAux, 0);
    effect->addAudioOutput(u"Out", SpeakerArr::kStereo);
    effect->addEventInput(u"MIDI In", 8);

    EXPECT_EQ(component->getBusCount(kAudio, kInput), 2);
    EXPECT_EQ(component->getBusCount(kEvent, kInput), 1);
    EXPECT_EQ(component->getBusCount(kEvent, kOutput), 0);
    EXPECT_EQ(component->getBusCount(7, kInput), 0);

    // What the buses report is seen through the built module.
    EXPECT_FALSE(effect->inputs().getBus(1)->isActive());
    EXPECT_EQ(component->activateBus(kAudio, kInput, 1, true), kResultTrue);
    EXPECT_TRUE(effect->inputs().getBus(1)->isActive());
    EXPECT_FALSE(effect->inputs().getBus(0)->isActive());
    EXPECT_EQ(component->activateBus(kAudio, kInput, 1, false), kResultTrue);
    EXPECT_FALSE(effect->inputs().getBus(1)->isActive());

    BusInfo info{};
    for (int32 bad : {-1, 2, 1000})
    {
        EXPECT_EQ(component->activateBus(kAudio, kInput, bad, true), kInvalidArgument);
        EXPECT_EQ(component->getBusInfo(kAudio, kInput, bad, info), kInvalidArgument);
    }
}

TEST(ParameterContainer, FindsByIdAndIndexAndRefusesDuplicateIds)
{
    ParameterContainer container;
    container.addParameter(u"Gain", nullptr, 0, 0.5, ParameterInfo::kCanAutomate, 7);
    container.addParameter(u"Bypass", nullptr, 1, 0., ParameterInfo::kIsBypass, 1114);
    container.addParameter(u"future", nullptr, 0, 0., 0, 11150);
    EXPECT_EQ(container.addParameter(u"Again", nullptr, 0, 0., 0, 7), nullptr);

    ASSERT_EQ(container.getParameterCount(), 3);
    ASSERT_NE(container.getParameter(1114), nullptr);
    EXPECT_EQ(std::u16string(container.getParameter(1114)->getInfo().title), u"Bypass");
    EXPECT_EQ(container.getParameterByIndex(2)->getInfo().id, 11150u);
    EXPECT_EQ(std::u16string(container.getParameter(7)->getInfo().title), u"Gain");
    EXPECT_EQ(container.getParameter(8), nullptr);
    EXPECT_EQ(container.getParameterByIndex(3), nullptr);
    EXPECT_EQ(container.getParameterByIndex(-1), nullptr);

    container.removeAll();
    EXPECT_EQ(container.getParameterCount(), 0);
    EXPECT_EQ(container.getParameter(7), nullptr);
}

TEST(ParameterContainer, ValuesClampAndIgnoreNaN)
{
    Parameter plain(u"Level", 3);
    EXPECT_TRUE(plain.setNormalized(0.25));
    EXPECT_FALSE(plain.setNormalized(0.25));
    EXPECT_FALSE(plain.setNormalized(std::nan("")));
    EXPECT_EQ(plain.getNormalized(), 0.25);
    plain.setNormalized(7.);
    EXPECT_EQ(plain.getNormalized(), 1.);
}

TEST(EditController, ParametersAndEditsReachTheHandler)
{
    IPtr<TestEffect> effect = owned(new TestEffect);
    IEditController* controller = effect;
    EXPECT_EQ(controller->initialize(nullptr), kResultOk);
    effect->params().addParameter(u"Gain", u"dB", 0, 0.5, ParameterInfo::kCanAutomate, 12);
    // What the list reports is seen through the built module.
    EXPECT_EQ(controller->setParamNormalized(13, 0.75), kResultFalse);

    // Edits before the host set a handler are refused, not crashed on.
    EXPECT_EQ(effect->performEdit(12, 0.1), kResultFalse);

    IPtr<RecordingHandler> handler = owned(new RecordingHandler);
    controller->setComponentHandler(handler);
    effect->beginEdit(12);
    effect->performEdit(12, 0.1);
    effect->endEdit(12);
    ASSERT_EQ(handler->performed.size(), 1u);
    EXPECT_EQ(handler->performed[0].first, 12u);
    EXPECT_EQ(handler->performed[0].second, 0.1);
    EXPECT_EQ(handler->begun, std::vector<ParamID>{12});
    EXPECT_EQ(handler->ended, std::vector<ParamID>{12});

    // terminate drops parameters, buses and the handler (and its reference).
    EXPECT_EQ(handler->getRefCount(), 2);
    EXPECT_EQ(controller->terminate(), kResultOk);
    EXPECT_EQ(handler->getRefCount(), 1);
    EXPECT_EQ(controller->getParameterCount(), 0);
    EXPECT_EQ(effect->performEdit(12, 0.2), kResultFalse);
}
