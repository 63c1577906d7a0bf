#include "ChunkBytes.h"
#include "code/Plug.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace velqa;
namespace fs = std::filesystem;

namespace
{

class PresetStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/velqa-presets-XXXXXX";
        root = mkdtemp(pattern);
        factory = root / "factory";
        user = root / "user";
        fs::create_directories(factory);
        fs::create_directories(user);
        plug.getPresetStore().setFolders(factory.string(), user.string());
    }
    void TearDown() override { fs::remove_all(root); }

    static void writeFile(const fs::path& path, const std::vector<uint8_t>& bytes)
    {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    static std::vector<uint8_t> readAll(const fs::path& path)
    {
        std::vector<uint8_t> bytes;
        platform::readFile(path.string(), bytes);
        return bytes;
    }
    // A preset file whose Ratio is ratio, with the given category and author.
    static void writePreset(const fs::path& path, float ratio, const std::string& category,
                            const std::string& author)
    {
        ChunkBytes c;
        c.header(161);
        c.blocks(161, [ratio](int b, uint32_t i) { return b == 0 && i == kRatio ? ratio : 0.0f; });
        for (const std::string& t : {category, author, std::string(), std::string()}) c.text(t);
        std::vector<uint8_t> file = {'V', 'Q', 'P', 'R', 'E', 'S', 'E', 'T', '_'};
        file.insert(file.end(), c.bytes.begin(), c.bytes.end());
        writeFile(path, file);
    }
    std::vector<std::string> listedNames()
    {
        std::vector<std::string> names;
        const CPresetStore& store = plug.getPresetStore();
        for (int32_t p = 0; p < store.size(); ++p) names.push_back(store.at(p)->name);
        return names;
    }
    std::string currentName()
    {
        const CPresetStore& store = plug.getPresetStore();
        const PresetEntry* entry = store.at(store.currentPosition());
        return entry ? entry->name : "";
    }

    fs::path root, factory, user;
    CPlug plug{nullptr};
};

} // namespace

TEST_F(PresetStoreTest, SavedNamesAreSanitisedAndEndInVqx)
{
    EXPECT_EQ(plug.saveUserPreset(user.c_str(), "a/b:c", "Cat", "Me", false), kPresetSaved);
    EXPECT_TRUE(fs::exists(user / "a_b_c.vqx"));
    EXPECT_EQ(plug.saveUserPreset(user.c_str(), "Mix.VQX", nullptr, nullptr, false), kPresetSaved);
    EXPECT_TRUE(fs::exists(user / "Mix.vqx"));
    EXPECT_FALSE(fs::exists(user / "Mix.VQX.vqx"));

    const std::vector<uint8_t> file = readAll(user / "a_b_c.vqx");
    ASSERT_GT(file.size(), 9u + 2596u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 9), "VQPRESET_");
    plug.rescanPresets();
    ASSERT_EQ(plug.getPresetStore().size(), 2);
    EXPECT_STREQ(plug.getPresetStore().at(0)->name, "a_b_c");
    EXPECT_STREQ(plug.getPresetStore().at(0)->category, "Cat");
    EXPECT_STREQ(plug.getPresetStore().at(0)->author, "Me");
}

TEST_F(PresetStoreTest, OverwriteNeedsConsentAndTextsChangeEitherWay)
{
    plug.setParameter(kRatio, 0.2f);
    ASSERT_EQ(plug.saveUserPreset(user.c_str(), "Keep", "One", "A", false), kPresetSaved);
    const std::vector<uint8_t> first = readAll(user / "Keep.vqx");

    plug.setParameter(kRatio, 0.6f);
    EXPECT_EQ(plug.saveUserPreset(user.c_str(), "Keep", "Two", "B", false), kPresetExists);
    EXPECT_EQ(readAll(user / "Keep.vqx"), first);
    EXPECT_STREQ(plug.getPresetTexts().text[PresetTexts::kCategory], "Two");

    EXPECT_EQ(plug.saveUserPreset(user.c_str(), "Keep", "Two", "B", true), kPresetSaved);
    EXPECT_NE(readAll(user / "Keep.vqx"), first);
    EXPECT_EQ(plug.saveUserPreset((root / "missing").c_str(), "X", nullptr, nullptr, false),
              kPresetWriteFailed);
    const std::string longFolder = user.string() + "/" + std::string(2100, 'f');
    EXPECT_EQ(plug.saveUserPreset(longFolder.c_str(), "X", nullptr, nullptr, false),
              kPresetWriteFailed);
    EXPECT_FALSE(plug.presetFile(false, (longFolder + "/x.vqx").c_str()));
}

TEST_F(PresetStoreTest, ScanAcceptsOnlyWholePresetFiles)
{
    writePreset(factory / "Factory One.vqx", 0.1f, "Bus", "Kestrune");
    writePreset(user / "notes.vqx.txt", 0.2f, "", "");
    writePreset(user / "ignored.preset", 0.2f, "", "");
    writeFile(user / "foreign.vqx", std::vector<uint8_t>(64, 'x'));
    writeFile(user / "short.vqx", {'V', 'Q', 'P', 'R', 'E', 'S', 'E', 'T', '_', 0x4B});
    std::vector<uint8_t> cut = readAll(factory / "Factory One.vqx");
    cut.resize(9 + 16 + 4 * 161 * 3);
    writeFile(user / "cut.vqx", cut);

    plug.rescanPresets();
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"Factory One", "notes"}));
    EXPECT_EQ(std::string(plug.getPresetStore().at(0)->path),
              (factory / "Factory One.vqx").string());
}

TEST_F(PresetStoreTest, LoadingAndSteppingWrapAround)
{
    writePreset(user / "A.vqx", 0.1f, "", "");
    writePreset(user / "B.vqx", 0.2f, "", "");
    writePreset(user / "C.vqx", 0.3f, "", "");
    plug.rescanPresets();
    EXPECT_EQ(plug.getPresetStore().currentPosition(), -1);

    ASSERT_NE(plug.stepPreset(false), nullptr);
    EXPECT_EQ(currentName(), "C");
    EXPECT_EQ(plug.getParameter(kRatio), 0.3f);
    ASSERT_NE(plug.stepPreset(true), nullptr);
    EXPECT_EQ(currentName(), "A");
    EXPECT_EQ(plug.getParameter(kRatio), 0.1f);
    ASSERT_NE(plug.stepPreset(false), nullptr);
    EXPECT_EQ(currentName(), "C");

    EXPECT_EQ(plug.loadPresetAt(3), nullptr);
    EXPECT_EQ(plug.loadPresetAt(-1), nullptr);
    fs::remove(user / "B.vqx");
    EXPECT_EQ(plug.loadPresetAt(1), nullptr);
    EXPECT_EQ(currentName(), "C");

    plug.getPresetStore().setFolders("", "");
    plug.rescanPresets();
    EXPECT_EQ(plug.stepPreset(true), nullptr);
}

TEST_F(PresetStoreTest, SortingKeepsTheCurrentEntryAndIgnoresCase)
{
    writePreset(user / "a.vqx", 0.1f, "drums", "Zed");
    writePreset(user / "b.vqx", 0.1f, "Vocals", "Amy");
    writePreset(user / "c.vqx", 0.1f, "DRUMS", "mia");
    writePreset(user / "d.vqx", 0.1f, "bass", "bob");
    plug.rescanPresets();
    ASSERT_NE(plug.loadPresetAt(0), nullptr);
    EXPECT_EQ(currentName(), "a");

    plug.sortPresets(kSortByAuthor);
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"b", "d", "c", "a"}));
    EXPECT_EQ(plug.getPresetStore().currentPosition(), 3);

    plug.sortPresets(kSortByCategory);
    const std::vector<std::string> names = listedNames();
    EXPECT_EQ(names[0], "d");
    EXPECT_EQ(names[3], "b");
    EXPECT_EQ(currentName(), "a");

    plug.sortPresets(7); // unknown modes sort by name
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST_F(PresetStoreTest, PresetFilesAtAPathRoundTrip)
{
    const fs::path path = root / "loose.vqx";
    plug.setParameter(kMix, 0.25f);
    ASSERT_TRUE(plug.presetFile(false, path.c_str()));
    plug.setParameter(kMix, 0.75f);
    ASSERT_TRUE(plug.presetFile(true, path.c_str()));
    EXPECT_EQ(plug.getParameter(kMix), 0.25f);

    writeFile(root / "other.vqx", std::vector<uint8_t>(40, 'z'));
    plug.setParameter(kMix, 0.75f);
    EXPECT_TRUE(plug.presetFile(true, (root / "other.vqx").c_str()));
    EXPECT_EQ(plug.getParameter(kMix), 0.75f);
    EXPECT_FALSE(plug.presetFile(true, (root / "none.vqx").c_str()));
    EXPECT_FALSE(plug.presetFile(true, nullptr));
}
