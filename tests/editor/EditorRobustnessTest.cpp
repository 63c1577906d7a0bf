// The editor under what hosts and users do to it: two at once, a settings file with nonsense in
// it. Opening and closing while audio runs, and views dropped without removal, are window cases.
#include "OffscreenEditor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace Steinberg;
using namespace velqa::test;

namespace
{

constexpr Vst::ParamID kMix = 7;

class EditorRobustnessTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        configHome = std::filesystem::temp_directory_path() /
                     ("velqa-robustness-" + std::to_string(::getpid()));
        std::filesystem::create_directories(configHome / "Kestrune/Velqa");
        ::setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
        module = OffscreenEditor::loadModule();
    }
    static void TearDownTestSuite()
    {
        module.reset();
        std::filesystem::remove_all(configHome);
    }
    void SetUp() override { ASSERT_TRUE(module); }

    static void storeZoom(const std::string& text)
    {
        std::ofstream(configHome / "Kestrune/Velqa/settings.ini") << "zz=" << text << "\n";
    }
    // Width and height of a PNG file, from its header.
    static std::pair<int, int> pngSize(const std::filesystem::path& path)
    {
        unsigned char header[24] = {};
        std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(header), 24);
        auto bigEndian = [&](int at)
        { return header[at] << 24 | header[at + 1] << 16 | header[at + 2] << 8 | header[at + 3]; };
        return {bigEndian(16), bigEndian(20)};
    }

    static inline std::filesystem::path configHome;
    static inline std::unique_ptr<velqa::host::Module> module;
};

TEST_F(EditorRobustnessTest, TwoInstancesKeepTheirEditorsApart)
{
    OffscreenEditor first(*module), second(*module);
    ASSERT_TRUE(first.open());
    ASSERT_TRUE(second.open());
    first.hostSets({{kMix, 0.2}});
    second.hostSets({{kMix, 0.9}});
    EXPECT_FLOAT_EQ(first.shown(114), 0.2f);
    EXPECT_FLOAT_EQ(second.shown(114), 0.9f);

    first.plugin().handler().clear();
    second.plugin().handler().clear();
    second.drag(second.centreOf(114), 30);
    EXPECT_EQ(editsOf(first.plugin(), kMix).performed, 0u);
    EXPECT_EQ(editsOf(second.plugin(), kMix).begun, 1u);
    EXPECT_FLOAT_EQ(first.shown(114), 0.2f);
}

TEST_F(EditorRobustnessTest, StoredZoomOutsideTheRangeIsIgnored)
{
    const auto image = configHome / "zoom.png";
    // Text stored under "zz", the window width and the zoom list's item (index / 128).
    const struct
    {
        const char* stored;
        int width;
        float listValue;
    } cases[] = {{"abc", 875, 1 / 128.0f},
                 {"0", 875, 1 / 128.0f},
                 {"60", 525, 1 / 128.0f},
                 {"150", 1313, 3 / 128.0f}};
    for (const auto& c : cases)
    {
        storeZoom(c.stored);
        OffscreenEditor editor(*module);
        ASSERT_TRUE(editor.open());
        std::filesystem::remove(image);
        ASSERT_EQ(editor.probe().writePng(image.c_str()), kResultOk);
        EXPECT_EQ(pngSize(image).first, c.width) << "zz=" << c.stored;
        EXPECT_FLOAT_EQ(editor.shown(182), c.listValue) << "zz=" << c.stored;
    }
    std::filesystem::remove(configHome / "Kestrune/Velqa/settings.ini");
}

} // namespace
