#include "ChunkBytes.h"
#include "code/PresetStore.h"
#include "host/MemoryStream.h"
#include "host/Module.h"
#include "host/PluginInstance.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>

using namespace Steinberg;
using velqa::host::MemoryStream;

namespace
{

constexpr int kBlock = 128;
const std::string kPresetFolder = std::string(VELQA_BUNDLE) + "/Contents/Resources/Presets/";

class StateThroughHost : public ::testing::Test
{
protected:
    // VELQA_TEST_BUNDLE runs the same tests against another build of the bundle.
    static void SetUpTestSuite()
    {
        const char* other = std::getenv("VELQA_TEST_BUNDLE");
        module = velqa::host::Module::load(other && *other ? other : VELQA_BUNDLE).module;
    }
    static void TearDownTestSuite() { module.reset(); }

    std::unique_ptr<velqa::host::PluginInstance> createRunning()
    {
        auto created = velqa::host::PluginInstance::create(*module);
        if (!created.instance) return nullptr;
        EXPECT_EQ(created.instance->initialize(), kResultOk);
        EXPECT_EQ(created.instance->setupProcessing(48000.0, kBlock), kResultOk);
        created.instance->setActive(true);
        created.instance->setProcessing(true);
        return std::move(created.instance);
    }
    static std::vector<uint8_t> stateOf(velqa::host::PluginInstance& plugin)
    {
        MemoryStream stream;
        EXPECT_EQ(plugin.getState(stream), kResultOk);
        return stream.bytes();
    }
    static void setValues(velqa::host::PluginInstance& plugin, unsigned seed)
    {
        for (int32 id = 0; id < 114; ++id)
            plugin.inputChanges().add(Vst::ParamID(id), 0, double((id * 37 + seed) % 101) / 100.0);
        EXPECT_EQ(plugin.process(kBlock), kResultOk);
        plugin.inputChanges().clear();
    }

    static inline std::unique_ptr<velqa::host::Module> module;
};

} // namespace

TEST_F(StateThroughHost, HostileStatesLeaveTheEffectWorking)
{
    ASSERT_TRUE(module);
    auto plugin = createRunning();
    ASSERT_TRUE(plugin);
    const std::vector<uint8_t> good = stateOf(*plugin);

    std::mt19937 random(7);
    std::vector<uint8_t> noise(1 << 20);
    for (auto& b : noise) b = uint8_t(random());
    ChunkBytes hugeN;
    hugeN.header(0xFFFFFFF0u);
    hugeN.bytes.resize(4096, 0x3F);
    std::vector<uint8_t> prefixedHugeN(4 + hugeN.bytes.size(), 0);
    std::copy(hugeN.bytes.begin(), hugeN.bytes.end(), prefixedHugeN.begin() + 4);
    std::vector<uint8_t> truncated(good.begin(), good.begin() + 1000);

    for (const auto& bytes : {std::vector<uint8_t>{}, std::vector<uint8_t>{0x4B}, truncated, noise,
                              hugeN.bytes, prefixedHugeN})
    {
        MemoryStream stream(bytes);
        plugin->setState(stream);
        EXPECT_EQ(plugin->process(kBlock), kResultOk);
        EXPECT_EQ(stateOf(*plugin).size(), good.size());
    }
    MemoryStream restore(good);
    ASSERT_EQ(plugin->setState(restore), kResultOk);
    EXPECT_EQ(stateOf(*plugin), good);
}

TEST_F(StateThroughHost, EveryInstalledFactoryPresetIsListedAndLoads)
{
    ASSERT_TRUE(module);
    velqa::CPresetStore store;
    store.setFolders(kPresetFolder, "");
    store.rescan();
    ASSERT_GE(store.size(), 20) << kPresetFolder;

    auto plugin = createRunning();
    ASSERT_TRUE(plugin);
    for (int32 p = 0; p < store.size(); ++p)
    {
        const velqa::PresetEntry& entry = *store.at(p);
        EXPECT_NE(entry.category[0], 0) << entry.name;
        EXPECT_NE(entry.author[0], 0) << entry.name;
        std::vector<uint8_t> file;
        ASSERT_TRUE(velqa::platform::readFile(entry.path, file));
        std::vector<uint8_t> state = {0, 0, 0, 0};
        state.insert(state.end(), file.begin() + 9, file.end());
        MemoryStream stream(state);
        ASSERT_EQ(plugin->setState(stream), kResultOk) << entry.name;
        // Saved again with the host bypass (off) between program index and chunk.
        std::vector<uint8_t> saved = {0, 0, 0, 0, 'V', 'q', 'B', 'p', 0, 0, 0, 0};
        saved.insert(saved.end(), file.begin() + 9, file.end());
        EXPECT_EQ(stateOf(*plugin), saved) << entry.name;
        EXPECT_EQ(plugin->process(kBlock), kResultOk);
    }
}

// Hosts hand over whatever bytes they kept. Every cut of a real project must either be refused
// with the effect and the host's values exactly as they were, or restore it exactly.
TEST_F(StateThroughHost, EveryTruncationRestoresWhollyOrNotAtAll)
{
    ASSERT_TRUE(module);
    constexpr Vst::ParamID hostBypass = 1114;
    auto hostValues = [](velqa::host::PluginInstance& plugin)
    {
        std::vector<double> values;
        for (Vst::ParamID id = 0; id < 114; ++id)
            values.push_back(plugin.controller()->getParamNormalized(id));
        values.push_back(plugin.controller()->getParamNormalized(hostBypass));
        return values;
    };

    // A project with preset texts, values off their defaults and the host bypass on.
    auto source = createRunning();
    ASSERT_TRUE(source);
    velqa::CPresetStore store;
    store.setFolders(kPresetFolder, "");
    store.rescan();
    ASSERT_GE(store.size(), 1);
    std::vector<uint8_t> file;
    ASSERT_TRUE(velqa::platform::readFile(store.at(0)->path, file));
    std::vector<uint8_t> preset = {0, 0, 0, 0};
    preset.insert(preset.end(), file.begin() + 9, file.end());
    MemoryStream presetStream(preset);
    ASSERT_EQ(source->setState(presetStream), kResultOk);
    setValues(*source, 5);
    source->inputChanges().add(hostBypass, 0, 1.0);
    ASSERT_EQ(source->process(kBlock), kResultOk);
    const std::vector<uint8_t> saved = stateOf(*source);

    auto target = createRunning();
    ASSERT_TRUE(target);
    setValues(*target, 61);
    const std::vector<uint8_t> before = stateOf(*target);
    const std::vector<double> hostBefore = hostValues(*target);
    for (size_t length = 0; length < saved.size() && !HasFailure(); ++length)
    {
        MemoryStream cut(std::vector<uint8_t>(saved.begin(), saved.begin() + long(length)));
        EXPECT_NE(target->setState(cut), kResultOk) << length;
        EXPECT_EQ(stateOf(*target), before) << length;
        EXPECT_EQ(hostValues(*target), hostBefore) << length;
    }

    MemoryStream whole(saved);
    ASSERT_EQ(target->setState(whole), kResultOk);
    EXPECT_EQ(stateOf(*target), saved);
    std::vector<double> restored(115, 1.0); // the bypass last
    for (size_t i = 0; i < 114; ++i)
    {
        float value;
        std::memcpy(&value, saved.data() + 4 + 8 + 16 + 4 * i, sizeof value);
        restored[i] = value;
    }
    EXPECT_EQ(hostValues(*target), restored);
}
