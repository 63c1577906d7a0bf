// velqa editor --screenshot with a state and a page: what the user asks for is what is drawn,
// and a wrong name or value is refused with its exit code.
#include "../cli/ToolRunner.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace
{

class EditorCommandTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        // The editor's stored zoom and help setting stay inside the test folder.
        ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    // Writes a screenshot with these extra options; the file's bytes, empty on failure.
    std::string screenshot(const std::string& name, std::vector<std::string> options = {})
    {
        std::vector<std::string> arguments = {"editor", "--screenshot", file(name)};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const ToolResult result = runVelqa(arguments);
        EXPECT_EQ(result.exitCode, 0) << result.output;
        std::ifstream png(file(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(png), std::istreambuf_iterator<char>()};
    }
};

TEST_F(EditorCommandTest, ScreenshotShowsTheStateAndPageAsked)
{
    const std::string plain = screenshot("plain.png");
    ASSERT_FALSE(plain.empty());
    EXPECT_EQ(screenshot("again.png"), plain) << "the same state draws the same picture";
    const std::string mix = screenshot("mix.png", {"--set", "Mix=0", "--set", "Bypass=1"});
    EXPECT_NE(mix, plain);
    EXPECT_NE(
        screenshot("settings.png", {"--set", "Mix=0", "--set", "Bypass=1", "--page", "settings"}),
        mix);
    EXPECT_NE(screenshot("preset.png", {"--preset", "bass tightening"}), plain);
    EXPECT_NE(screenshot("about.png", {"--page", "about"}), plain);
    EXPECT_NE(screenshot("browser.png", {"--page", "browser"}), plain);
    EXPECT_NE(screenshot("save.png", {"--page", "save"}), plain);
    EXPECT_EQ(screenshot("main.png", {"--page", "main"}), plain);
    EXPECT_NE(screenshot("playing.png", {"--play", "demo", "--seconds", "1"}), plain)
        << "the spectra and meters show the audio played";
}

TEST_F(EditorCommandTest, WrongNamesAndValuesAreRefused)
{
    std::ofstream(file("foreign.vqx")) << "not a preset";
    const struct
    {
        std::vector<std::string> options;
        int exitCode;
        const char* message;
    } cases[] = {
        {{"--set", "Nope=1"}, 5, "unknown parameter 'Nope'"},
        {{"--set", "Dyna=+40dB"}, 2, "is not a value of Dyna"},
        {{"--set", "Mix"}, 2, "--set wants NAME=VALUE"},
        {{"--page", "nowhere"}, 2, "bad argument"},
        {{"--preset", "No Such Preset"}, 5, "unknown preset"},
        {{"--preset", file("missing.vqx")}, 3, ""},
        {{"--preset", file("foreign.vqx")}, 3, ""},
        {{"--play", file("missing.wav")}, 3, "missing.wav"},
    };
    for (const auto& c : cases)
    {
        std::vector<std::string> arguments = {"editor", "--screenshot", file("out.png")};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const ToolResult result = runVelqa(arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.options[1] << ": " << result.output;
        EXPECT_NE(result.output.find(c.message), std::string::npos) << result.output;
    }
    EXPECT_FALSE(std::filesystem::exists(file("out.png")));
}

} // namespace
