#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "public.sdk/source/main/pluginfactory.h"
#include "public.sdk/source/vst/vsteditcontroller.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{

class CountedController : public EditController
{
public:
    int attached = 0, removed = 0, destroyed = 0;
    void editorAttached(EditorView*) override { ++attached; }
    void editorRemoved(EditorView*) override { ++removed; }
    void editorDestroyed(EditorView*) override { ++destroyed; }
};

FUnknown* createController(void*)
{
    return static_cast<IEditController*>(new CountedController);
}
FUnknown* createNothing(void*)
{
    return nullptr;
}
FUnknown* createThrowing(void*)
{
    throw std::runtime_error("no");
}

constexpr TUID kControllerId = INLINE_UID(0x216E9F3B, 0xA7C4085D, 0xE1F2A93C, 0x6D5B8047);
constexpr TUID kEmptyId = INLINE_UID(1, 2, 3, 4);
constexpr TUID kThrowingId = INLINE_UID(5, 6, 7, 8);

IPtr<CPluginFactory> makeFactory()
{
    IPtr<CPluginFactory> factory = owned(new CPluginFactory(PFactoryInfo(
        "Maker", "https://example.invalid", "mail@example.invalid", PFactoryInfo::kUnicode)));
    PClassInfo2 info(kControllerId, PClassInfo::kManyInstances, kVstAudioEffectClass,
                     "D\xC3\xA9j\xC3\xA0 Vu", 0, "Fx|EQ", nullptr, "1.0.0", kVstVersionString);
    EXPECT_TRUE(factory->registerClass(&info, createController));
    PClassInfo empty(kEmptyId, 1, kVstAudioEffectClass, "Empty");
    EXPECT_TRUE(factory->registerClass(&empty, createNothing));
    PClassInfo throwing(kThrowingId, 1, kVstAudioEffectClass, "Throwing");
    EXPECT_TRUE(factory->registerClass(&throwing, createThrowing));
    return factory;
}

} // namespace

TEST(PluginFactory, DescribesClassesInBothTextForms)
{
    IPtr<CPluginFactory> factory = makeFactory();
    ASSERT_EQ(factory->countClasses(), 3);

    PClassInfo2 info2;
    ASSERT_EQ(factory->getClassInfo2(0, &info2), kResultOk);
    EXPECT_EQ(0, std::memcmp(info2.cid, kControllerId, 16));
    // The product's own class is described through the built module; here the wide text.
    PClassInfoW infoW;
    ASSERT_EQ(factory->getClassInfoUnicode(0, &infoW), kResultOk);
    EXPECT_EQ(std::u16string(infoW.name), u"Déjà Vu");
    EXPECT_EQ(std::u16string(infoW.version), u"1.0.0");

    EXPECT_EQ(factory->getClassInfo2(3, &info2), kInvalidArgument);
    EXPECT_EQ(factory->getClassInfo(-1, nullptr), kInvalidArgument);
    PClassInfo again(kControllerId, 1, kVstAudioEffectClass, "Again");
    EXPECT_FALSE(factory->registerClass(&again, createController));
    EXPECT_TRUE(factory->isRegistered(FUID(kControllerId)));
}

TEST(PluginFactory, CreateInstanceHandsOutExactlyOneReference)
{
    IPtr<CPluginFactory> factory = makeFactory();
    void* obj = nullptr;
    ASSERT_EQ(factory->createInstance(kControllerId, IEditController::iid, &obj), kResultOk);
    ASSERT_NE(obj, nullptr);
    EXPECT_EQ(static_cast<IEditController*>(obj)->release(), 0u);

    // An interface the class lacks: nothing handed out, nothing leaked.
    obj = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(factory->createInstance(kControllerId, IAudioProcessor::iid, &obj), kNoInterface);
    EXPECT_EQ(obj, nullptr);

    const TUID unknownId = INLINE_UID(9, 9, 9, 9);
    EXPECT_EQ(factory->createInstance(unknownId, FUnknown::iid, &obj), kNoInterface);
    EXPECT_EQ(factory->createInstance(kEmptyId, FUnknown::iid, &obj), kOutOfMemory);
    EXPECT_EQ(factory->createInstance(kThrowingId, FUnknown::iid, &obj), kInternalError);
    EXPECT_EQ(obj, nullptr);
    EXPECT_EQ(factory->createInstance(nullptr, FUnknown::iid, &obj), kInvalidArgument);
    EXPECT_EQ(factory->createInstance(kControllerId, FUnknown::iid, nullptr), kInvalidArgument);
}

TEST(PluginView, AttachesOnlyToX11WindowsAndTellsItsController)
{
    IPtr<CountedController> controller = owned(new CountedController);
    ViewRect size(0, 0, 875, 730);
    {
        IPtr<EditorView> view = owned(new EditorView(controller, &size));
        IPlugView* plugView = view;
        void* window = reinterpret_cast<void*>(0x2a00001);

        EXPECT_EQ(plugView->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID), kResultTrue);
        EXPECT_EQ(plugView->isPlatformTypeSupported(kPlatformTypeHWND), kResultFalse);
        EXPECT_EQ(plugView->attached(window, kPlatformTypeHWND), kResultFalse);
        EXPECT_EQ(plugView->attached(nullptr, kPlatformTypeX11EmbedWindowID), kInvalidArgument);
        EXPECT_EQ(controller->attached, 0);

        ASSERT_EQ(plugView->attached(window, kPlatformTypeX11EmbedWindowID), kResultOk);
        EXPECT_EQ(view->getSystemWindow(), window);
        EXPECT_EQ(plugView->attached(window, kPlatformTypeX11EmbedWindowID), kResultFalse);
        EXPECT_EQ(controller->attached, 1);

        EXPECT_EQ(plugView->removed(), kResultOk);
        EXPECT_EQ(plugView->removed(), kResultFalse);
        EXPECT_FALSE(view->isAttached());
        EXPECT_EQ(controller->removed, 1);
        // The view keeps its controller alive.
        EXPECT_EQ(controller->getRefCount(), 2);
    }
    EXPECT_EQ(controller->destroyed, 1);
    EXPECT_EQ(controller->getRefCount(), 1);
}
