// The preset browser over a user folder as users leave it: thousands of presets, files that
// cannot be read or are not presets, names the text renderer refuses, files deleted behind
// the list's back.
#include "OffscreenEditor.h"
#include "PresetFolders.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Steinberg;
using namespace velqa;
using namespace velqa::test;

namespace
{

constexpr int32 kNameLabel = 27, kScrollBar = 176;
constexpr double kListLeft = 55 + 42, kListTop = 40 + 78, kRowHeight = 20;
constexpr int kVisibleRows = 15;
const std::string kLongName = "!" + std::string(249, 'L'); // the longest a file name may be
const std::string kOddName = "Bad\xFF\xFEName";

class PresetBrowserRobustnessTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        configHome = std::filesystem::temp_directory_path() /
                     ("velqa-preset-robustness-" + std::to_string(::getpid()));
        std::filesystem::create_directories(configHome);
        ::setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
        user = useDocumentsFolder(configHome, configHome / "documents");
        const std::filesystem::path factory = factoryPresetFolder() / "Gentle Starting Point.vqx";
        char name[32];
        for (int i = 0; i < 2000; ++i)
        {
            std::snprintf(name, sizeof name, "Bulk %04d.vqx", i);
            std::filesystem::copy_file(factory, user / name);
        }
        for (const std::string& copy : {std::string("!First"), kLongName, kOddName})
            std::filesystem::copy_file(factory, user / (copy + ".vqx"));
        std::filesystem::copy_file(factory, user / "Locked.vqx");
        ::chmod((user / "Locked.vqx").c_str(), 0);
        std::ofstream(user / "Broken.vqx") << "VQPRESET_ and then nothing a chunk holds";
        module = OffscreenEditor::loadModule();
    }
    static void TearDownTestSuite()
    {
        module.reset();
        std::filesystem::remove_all(configHome);
    }

    void SetUp() override
    {
        ASSERT_TRUE(module);
        editor = std::make_unique<OffscreenEditor>(*module);
        ASSERT_TRUE(editor->open());
        ASSERT_EQ(editor->probe().showPage(IEditorProbe::kPageBrowser), kResultOk);
    }

    std::string label()
    {
        char text[512] = {};
        editor->probe().getTagText(kNameLabel, text, sizeof text);
        return text;
    }
    void clickRow(int visibleRow)
    {
        editor->click({kListLeft + 120, kListTop + (visibleRow + 0.5) * kRowHeight});
        editor->tick();
    }

    static inline std::filesystem::path configHome, user;
    static inline std::unique_ptr<host::Module> module;
    std::unique_ptr<OffscreenEditor> editor;
};

TEST_F(PresetBrowserRobustnessTest, ThousandsOfPresetsAndOddNamesAreListedAndLoad)
{
    const CPresetStore listed = listedPresets(user, {});
    EXPECT_GE(listed.size(), 24 + 2000 + 3) << "everything readable is listed";
    EXPECT_EQ(std::string(listed.at(1)->name), kLongName.substr(0, 127));

    clickRow(1);
    EXPECT_EQ(label(), kLongName.substr(0, 127));
    // Drawn and shown with the bytes no text can hold replaced.
    clickRow(3);
    EXPECT_EQ(label(), "Bad??Name");
    ASSERT_EQ(editor->probe().writePng((configHome / "browser.png").c_str()), kResultOk);

    const auto bar = editor->rectOf(kScrollBar);
    ASSERT_TRUE(bar);
    editor->drag({(bar->left + bar->right) / 2.0, bar->top + 8.0}, 340);
    clickRow(kVisibleRows - 1);
    EXPECT_EQ(label(), listed.at(listed.size() - 1)->name);
}

TEST_F(PresetBrowserRobustnessTest, PresetDeletedAfterListingIsRefusedWithAMessage)
{
    editor->hostSets({{7, 0.123}});
    std::filesystem::remove(user / "!First.vqx");
    clickRow(0);
    EXPECT_EQ(label(), "ERROR loading preset !First");
    EXPECT_FLOAT_EQ(editor->effectValue(7), 0.123f) << "the effect keeps its values";
    // The list still works for what is there.
    clickRow(1);
    EXPECT_EQ(label(), kLongName.substr(0, 127));
}

} // namespace
