#include "VST3Adapter/PluginEntry.h"

#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace Steinberg;

extern "C" IPluginFactory* GetPluginFactory();

TEST(Factory, DescribesTheOneClass)
{
    IPluginFactory* factory = GetPluginFactory();
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(GetPluginFactory(), factory);
    factory->release();

    PFactoryInfo info;
    ASSERT_EQ(factory->getFactoryInfo(&info), kResultOk);
    EXPECT_STREQ(info.vendor, "Kestrune Audio");
    EXPECT_EQ(info.flags, 16);
    ASSERT_EQ(factory->countClasses(), 1);

    FUnknownPtr<IPluginFactory2> factory2(factory);
    ASSERT_TRUE(factory2);
    PClassInfo2 classInfo;
    ASSERT_EQ(factory2->getClassInfo2(0, &classInfo), kResultOk);
    const unsigned char expectedId[16] = {0x21, 0x6E, 0x9F, 0x3B, 0xA7, 0xC4, 0x08, 0x5D,
                                          0xE1, 0xF2, 0xA9, 0x3C, 0x6D, 0x5B, 0x80, 0x47};
    EXPECT_EQ(std::memcmp(classInfo.cid, expectedId, 16), 0);
    EXPECT_EQ(classInfo.cardinality, 0x7FFFFFFF);
    EXPECT_STREQ(classInfo.category, "Audio Module Class");
    EXPECT_STREQ(classInfo.name, "Velqa");
    EXPECT_EQ(classInfo.classFlags, 0u);
    EXPECT_STREQ(classInfo.subCategories, "Fx|EQ");
    EXPECT_STREQ(classInfo.vendor, "");
    EXPECT_STREQ(classInfo.version, "2.6.4.0");
    EXPECT_STREQ(classInfo.sdkVersion, "VST 3.5.2");
    factory->release();
}

TEST(Factory, CreatesAProcessorThatAlsoMapsMidi)
{
    IPluginFactory* factory = GetPluginFactory();
    void* object = nullptr;
    ASSERT_EQ(factory->createInstance(kVelqaClassId, Vst::IAudioProcessor::iid, &object),
              kResultOk);
    auto* processor = static_cast<Vst::IAudioProcessor*>(object);
    {
        FUnknownPtr<Vst::IMidiMapping> mapping(processor);
        EXPECT_TRUE(mapping);
        FUnknownPtr<Vst::IEditController> controller(processor);
        EXPECT_TRUE(controller);
    }

    TUID otherId = {};
    EXPECT_NE(factory->createInstance(otherId, Vst::IAudioProcessor::iid, &object), kResultOk);
    processor->release();
    factory->release();
}
