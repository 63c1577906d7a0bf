#include "ToolRunner.h"

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
struct ErrorCase
{
    const char* what;
    const char* arguments; // separated by spaces; @name is a file inside the test folder
    int exitCode;
    const char* message;
};
} // namespace

TEST_F(ToolTest, ErrorsAreClearAndCarryTheirExitCode)
{
    writeAudio("in.wav", burstSignal(2, 48000.0, 0.1));
    writeAudio("sc44.wav", burstSignal(2, 44100.0, 0.1));
    writeAudio("sc3ch.wav", burstSignal(3, 48000.0, 0.1));
    std::ofstream(file("text.wav")) << "not audio at all\n";
    std::ofstream(file("foreign.vqx")) << "VQPRESET_ but no chunk here";

    const std::vector<ErrorCase> cases = {
        {"missing input", "render @missing.wav -o @out.wav", 3, "no such file"},
        {"unreadable input", "render @text.wav -o @out.wav", 3, "unreadable"},
        {"side chain at another rate", "render @in.wav --sidechain @sc44.wav -o @out.wav", 4,
         "44100 Hz"},
        {"three-channel side chain", "render @in.wav --sidechain @sc3ch.wav -o @out.wav", 4,
         "mono or stereo"},
        {"unknown parameter", "render @in.wav -o @out.wav --set Nope=1", 5,
         "unknown parameter 'Nope'"},
        {"value outside the display range", "render @in.wav -o @out.wav --set Dyna=+40dB", 2,
         "not a value of Dyna"},
        {"unknown preset", "render @in.wav -o @out.wav --preset Nope", 5, "unknown preset 'Nope'"},
        {"missing preset file", "render @in.wav -o @out.wav --preset @x.vqx", 3,
         "no such preset file"},
        {"foreign preset file", "render @in.wav -o @out.wav --preset @foreign.vqx", 3,
         "not a Velqa preset"},
        {"no output", "render @in.wav", 2, "no output file"},
        {"bad oversampling", "render @in.wav -o @out.wav --oversampling 3x", 2,
         "2x, 4x, 8x or 16x"},
        {"unwritable output", "render @in.wav -o @nofolder/out.wav", 6, "cannot write"},
        {"unknown command", "mix", 2, "unknown command"},
    };
    for (const auto& c : cases)
    {
        std::vector<std::string> arguments;
        std::istringstream words(c.arguments);
        for (std::string a; words >> a;) arguments.push_back(a[0] == '@' ? file(a.substr(1)) : a);
        const auto run = runVelqa(arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what << "\n" << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.what << "\n" << run.output;
    }
    EXPECT_FALSE(std::filesystem::exists(file("out.wav")));

    // The exit codes are documented where users look for them.
    const auto help = runVelqa({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("5 unknown parameter or preset"), std::string::npos);
}

// Whatever is named as a preset file, the render stops at once with a message saying what the
// file is; nothing is read whole that cannot be a preset.
TEST_F(ToolTest, PresetPathsThatAreNoPresetFiles)
{
    writeAudio("in.wav", burstSignal(2, 48000.0, 0.1));
    std::filesystem::create_directory(file("folder.vqx"));
    ASSERT_EQ(::mkfifo(file("fifo.vqx").c_str(), 0600), 0);
    std::ofstream(file("huge.vqx")).close();
    std::filesystem::resize_file(file("huge.vqx"), 3ull << 30); // sparse: no disk space used
    std::ofstream(file("locked.vqx")) << "VQPRESET_";
    std::filesystem::permissions(file("locked.vqx"), std::filesystem::perms::none);
    const bool canLock = ::geteuid() != 0; // root reads whatever the permissions say

    const std::vector<std::pair<std::string, const char*>> cases = {
        {file("folder.vqx"), "is a folder"},
        {"/dev/zero", "not a regular file"},
        {file("fifo.vqx"), "not a regular file"},
        {file("huge.vqx"), "far too large"},
        {file("locked.vqx"), canLock ? "permission denied" : "not a Velqa preset"},
    };
    for (const auto& [preset, message] : cases)
    {
        const auto run =
            runVelqa({"render", file("in.wav"), "-o", file("out.wav"), "--preset", preset});
        EXPECT_EQ(run.exitCode, 3) << preset << "\n" << run.output;
        EXPECT_NE(run.output.find(message), std::string::npos) << preset << "\n" << run.output;
    }
    EXPECT_FALSE(std::filesystem::exists(file("out.wav")));
}
