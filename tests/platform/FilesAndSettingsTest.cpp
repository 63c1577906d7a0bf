#include "platform/Files.h"
#include "platform/KnownFolders.h"
#include "platform/SettingsStore.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using namespace velqa::platform;
namespace fs = std::filesystem;

namespace
{
class TemporaryHome : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root =
            fs::temp_directory_path() /
            ("velqa-platform-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "home");
        savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
        setenv("HOME", (root / "home").c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
    }
    void TearDown() override
    {
        setenv("HOME", savedHome.c_str(), 1);
        fs::remove_all(root);
    }
    fs::path root;
    std::string savedHome;
};
} // namespace

TEST_F(TemporaryHome, FilesRoundTripAndListOnlyRegularFiles)
{
    const std::string folder = (root / "Ünïcode folder").string();
    ASSERT_TRUE(createFolder(folder));
    EXPECT_TRUE(createFolder(folder)) << "an existing folder counts as created";
    const std::vector<uint8_t> bytes = {0, 1, 2, 255};
    ASSERT_TRUE(writeFileAtomically(folder + "/a.vqx", bytes.data(), bytes.size()));
    ASSERT_TRUE(createFolder(folder + "/sub"));

    std::vector<uint8_t> back;
    ASSERT_TRUE(readFile(folder + "/a.vqx", back));
    EXPECT_EQ(back, bytes);
    EXPECT_EQ(listFiles(folder), std::vector<std::string>{"a.vqx"});
    EXPECT_FALSE(readFile(folder + "/missing", back));
    EXPECT_FALSE(readFile(folder, back)) << "a folder is not a file";
    EXPECT_TRUE(listFiles(folder + "/missing").empty());
    EXPECT_FALSE(writeFileAtomically(folder + "/missing/x", bytes.data(), bytes.size()));
}

TEST_F(TemporaryHome, DocumentsFolderFollowsUserDirsElseDefault)
{
    EXPECT_EQ(documentsFolder(), (root / "home").string() + "/Documents/");

    fs::create_directories(root / "home/.config");
    const std::string dirs = "# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
    ASSERT_TRUE(writeFileAtomically((root / "home/.config/user-dirs.dirs").string(), dirs.data(),
                                    dirs.size()));
    EXPECT_EQ(documentsFolder(), (root / "home").string() + "/Dokumente/");

    setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    EXPECT_EQ(configFolder(), (root / "home").string() + "/.config/");
}

TEST_F(TemporaryHome, SettingsKeepOtherKeysAndRefuseBadOnes)
{
    CSettingsStore store;
    EXPECT_EQ(store.path(), (root / "home").string() + "/.config/Kestrune/Velqa/settings.ini");
    std::string value;
    EXPECT_FALSE(store.get("zz", value));
    ASSERT_TRUE(store.set("zz", "150"));
    ASSERT_TRUE(store.set("mo", "0"));
    ASSERT_TRUE(store.set("zz", "125"));
    EXPECT_FALSE(store.set("a=b", "1"));
    EXPECT_FALSE(store.set("A", "two\nlines"));

    CSettingsStore reopened;
    ASSERT_TRUE(reopened.get("zz", value));
    EXPECT_EQ(value, "125");
    ASSERT_TRUE(reopened.get("mo", value));
    EXPECT_EQ(value, "0");
}
