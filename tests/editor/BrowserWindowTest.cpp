// The preset browser and the save dialog in a real window, with a private documents folder
// holding user presets beside the factory ones.
#include "PresetFolders.h"
#include "WindowFixture.h"

#include <sys/stat.h>

using namespace Steinberg;
using namespace velqa;
using namespace velqa::test;

namespace
{

// Tags and geometry of the browser page (window coordinates at 100 %).
constexpr int32 kNameLabel = 27, kNameArea = 23, kLoad = 22, kSave = 24, kNext = 25, kPrevious = 26;
constexpr int32 kNameField = 165, kAuthorField = 166, kCategoryField = 167, kMessage = 168;
constexpr int32 kSaveConfirm = 169, kSortHeader = 172, kCloseBrowser = 174, kTable = 175,
                kScrollBar = 176;
constexpr double kListLeft = 55 + 42, kListTop = 40 + 78, kRowHeight = 20;
constexpr double kColumnStarts[] = {0, 263, 470};
constexpr int kVisibleRows = 15;
constexpr Vst::ParamID kMix = 7, kSatAbove = 14;

class BrowserWindowTest : public EditorWindowTest
{
protected:
    void SetUp() override
    {
        user = useDocumentsFolder(configHome, configHome / "documents");
        // Authors and categories that sort apart from the factory ones, at both ends.
        const char* const authors[] = {"Zoe", "Abe", "Mia", "Yann", "Bea"};
        const char* const categories[] = {"Zz Last", "Aa First", "Mixing", "Zy Late", "Ab Early"};
        std::vector<std::filesystem::path> factory;
        for (const auto& file : std::filesystem::directory_iterator(factoryPresetFolder()))
            factory.push_back(file.path());
        std::sort(factory.begin(), factory.end());
        ASSERT_GE(factory.size(), 5u);
        for (size_t i = 0; i < 5; ++i)
            writeUserPreset(user, "User " + std::to_string(i + 1) + ".vqx", factory[i * 3],
                            authors[i], categories[i]);
        EditorWindowTest::SetUp();
    }

    // A host automating a parameter knows the value it sent.
    void hostAutomates(const std::vector<std::pair<Vst::ParamID, double>>& changes)
    {
        hostSets(changes);
        for (const auto& [id, value] : changes) plugin->controller()->setParamNormalized(id, value);
    }
    std::string text(int32 tag)
    {
        char buffer[512] = {};
        return probe->getTagText(tag, buffer, sizeof buffer) == kResultOk ? buffer : "<none>";
    }
    float shown(int32 tag)
    {
        float value = -1;
        probe->getTagValue(tag, &value);
        return value;
    }
    Point row(int visibleRow)
    {
        return {kListLeft + 120, kListTop + (visibleRow + 0.5) * kRowHeight};
    }
    Point sortColumn(int column) { return {kListLeft + kColumnStarts[column] + 40, 40 + 59}; }

    // Types text into the focused field; Shift where the key map puts a character there.
    void type(const std::string& characters)
    {
        for (const char c : characters)
        {
            const auto symbol = static_cast<xcb_keysym_t>(static_cast<unsigned char>(c));
            xcb_keycode_t* codes = xcb_key_symbols_get_keycode(keySymbols, symbol);
            ASSERT_TRUE(codes && codes[0]) << "no key for " << c;
            const bool shifted = xcb_key_symbols_get_keysym(keySymbols, codes[0], 0) != symbol;
            xcb_keycode_t* shift = xcb_key_symbols_get_keycode(keySymbols, kShiftKey);
            auto send = [this](uint8_t type, xcb_keycode_t code)
            { xcb_test_fake_input(xcb, type, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0); };
            if (shifted) send(XCB_KEY_PRESS, shift[0]);
            send(XCB_KEY_PRESS, codes[0]);
            send(XCB_KEY_RELEASE, codes[0]);
            if (shifted) send(XCB_KEY_RELEASE, shift[0]);
            std::free(codes);
            std::free(shift);
        }
        settle(150);
    }
    void typeInto(int32 field, const std::string& characters)
    {
        clickAt(centreOf(field));
        type(characters);
    }

    // Every host parameter of the effect, and the host's own copy after a few blocks (the
    // adapter reports the effect's moves as output changes).
    void expectEffectAndHostHold(const std::vector<float>& values)
    {
        ASSERT_GE(values.size(), 114u);
        for (int k = 0; k < 10; ++k) plugin->process(256);
        for (Vst::ParamID id = 0; id < 114; ++id)
        {
            EXPECT_FLOAT_EQ(effect(id), values[id]) << "parameter " << id;
            EXPECT_FLOAT_EQ(static_cast<float>(plugin->controller()->getParamNormalized(id)),
                            values[id])
                << "host's parameter " << id;
        }
    }
    void expectLoaded(const PresetEntry& entry)
    {
        EXPECT_EQ(text(kNameLabel), entry.name);
        expectEffectAndHostHold(presetBlock(entry.path));
    }

    std::filesystem::path user;
};

TEST_F(BrowserWindowTest, SortScrollLoadAndStepThroughTheSortedList)
{
    clickAt(centreOf(kNameArea)); // under the name label
    ASSERT_TRUE(visible(kTable));
    clickAt(sortColumn(1));
    EXPECT_FLOAT_EQ(shown(kSortHeader), 1 / 128.0f);
    clickAt(sortColumn(2));
    EXPECT_FLOAT_EQ(shown(kSortHeader), 2 / 128.0f);
    const CPresetStore listed =
        listedPresets(user, {kSortByAuthor, kSortByCategory, kSortByCategory});
    const int count = listed.size();
    ASSERT_EQ(count, 24 + 5);

    // The scroll bar's handle to the bottom shows the end of the list.
    ViewRect bar;
    ASSERT_EQ(probe->findTag(kScrollBar, &bar, nullptr), kResultOk);
    dragAt({(bar.left + bar.right) / 2.0, bar.top + 8.0}, 340);
    EXPECT_FLOAT_EQ(shown(kTable), 1.0f);
    EXPECT_FLOAT_EQ(shown(kScrollBar), 0.0f);

    // Sorting again starts at the top; the wheel then reaches the end and moves the bar along.
    clickAt(sortColumn(2));
    EXPECT_FLOAT_EQ(shown(kTable), 0.0f);
    EXPECT_FLOAT_EQ(shown(kScrollBar), 1.0f);
    for (int turn = 0; turn < 12 && shown(kTable) < 1.0f; ++turn) wheelAt(row(7), false);
    EXPECT_FLOAT_EQ(shown(kTable), 1.0f);
    EXPECT_FLOAT_EQ(shown(kScrollBar), 0.0f);

    const int fifth = count - kVisibleRows + 4;
    clickAt(row(4));
    expectLoaded(*listed.at(fifth));

    // The last row, then next and previous wrap through the sorted list.
    clickAt(row(kVisibleRows - 1));
    EXPECT_EQ(text(kNameLabel), listed.at(count - 1)->name);
    clickAt(centreOf(kCloseBrowser));
    EXPECT_FALSE(visible(kTable));
    clickAt(centreOf(kNext));
    expectLoaded(*listed.at(0));
    clickAt(centreOf(kNext));
    EXPECT_EQ(text(kNameLabel), listed.at(1)->name);
    clickAt(centreOf(kPrevious));
    clickAt(centreOf(kPrevious));
    expectLoaded(*listed.at(count - 1));
}

TEST_F(BrowserWindowTest, SaveListsLoadsBackAndOverwritesOnlyWhenConfirmed)
{
    hostAutomates({{kMix, 0.25}, {kSatAbove, 0.6}});
    std::vector<float> saved(114);
    for (Vst::ParamID id = 0; id < 114; ++id) saved[id] = effect(id);

    clickAt(centreOf(kSave));
    ASSERT_TRUE(visible(kNameField));
    typeInto(kNameField, "Mix/One:Two");
    typeInto(kAuthorField, "Tester");
    typeInto(kCategoryField, "Zzz Saved");
    clickAt(centreOf(kSaveConfirm));
    const std::filesystem::path file = user / "Mix_One_Two.vqx";
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_FALSE(visible(kNameField)) << "a save closes the dialog";
    EXPECT_EQ(text(kNameLabel), "Mix_One_Two");
    const std::vector<float> written = presetBlock(file);
    ASSERT_GE(written.size(), 114u);
    for (Vst::ParamID id = 0; id < 114; ++id) EXPECT_FLOAT_EQ(written[id], saved[id]) << id;

    // Listed last by category; loading it brings every value back.
    hostAutomates({{kMix, 0.9}});
    clickAt(centreOf(kLoad));
    clickAt(sortColumn(2));
    ViewRect bar;
    ASSERT_EQ(probe->findTag(kScrollBar, &bar, nullptr), kResultOk);
    dragAt({(bar.left + bar.right) / 2.0, bar.top + 8.0}, 340);
    clickAt(row(kVisibleRows - 1));
    EXPECT_EQ(text(kNameLabel), "Mix_One_Two");
    expectEffectAndHostHold(saved);
    clickAt(centreOf(kCloseBrowser));

    // The same name again: asked first, overwritten on the second Save.
    hostAutomates({{kMix, 0.9}});
    const std::vector<uint8_t> before = fileBytes(file);
    clickAt(centreOf(kSave));
    EXPECT_EQ(text(kMessage), "");
    EXPECT_EQ(text(kAuthorField), "Tester") << "the author is remembered";
    clickAt(centreOf(kSaveConfirm));
    EXPECT_EQ(text(kMessage), "preset already exists - click Save again to overwrite");
    EXPECT_EQ(fileBytes(file), before);
    clickAt(centreOf(kSaveConfirm));
    EXPECT_FALSE(visible(kNameField));
    EXPECT_FLOAT_EQ(presetBlock(file)[kMix], 0.9f);
}

TEST_F(BrowserWindowTest, RefusedFolderAndLongNameLoseNothing)
{
    // A file where the user folder should be: no account can write there, root included.
    std::filesystem::remove_all(user);
    std::ofstream(user) << "in the way";
    clickAt(centreOf(kSave));
    typeInto(kNameField, std::string(300, 'n'));
    clickAt(centreOf(kSaveConfirm));
    EXPECT_EQ(text(kMessage), "ERROR saving preset");
    EXPECT_TRUE(visible(kNameField)) << "the dialog stays open with what was typed";
    EXPECT_EQ(text(kNameField), std::string(127, 'n')) << "the field keeps what the list can show";
    EXPECT_EQ(fileBytes(user).size(), 10u);

    // Once the folder can be made, the same Save succeeds.
    std::filesystem::remove(user);
    clickAt(centreOf(kSaveConfirm));
    EXPECT_TRUE(std::filesystem::exists(user / (std::string(127, 'n') + ".vqx")));
    EXPECT_FALSE(visible(kNameField));
}

} // namespace
