#include "ToolRunner.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <sys/wait.h>

namespace
{
std::string quoted(const std::string& argument)
{
    std::string out(1, '\'');
    for (char c : argument)
        if (c == '\'')
            out.append("'\\''");
        else
            out.push_back(c);
    out.push_back('\'');
    return out;
}
} // namespace

ToolResult runVelqa(const std::vector<std::string>& arguments)
{
    std::string command = quoted(VELQA_TOOL);
    for (const auto& argument : arguments)
    {
        command += ' ';
        command += quoted(argument);
    }
    command += " 2>&1";
    ToolResult result;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer;
    size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), got);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

void ToolTest::SetUp()
{
    char pattern[] = "/tmp/velqa-cli-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
}

void ToolTest::TearDown()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string ToolTest::writeAudio(const std::string& name, const velqa::host::AudioData& audio,
                                 velqa::host::SampleFormat format)
{
    const auto result = velqa::host::writeAudioFile(file(name), audio, format);
    EXPECT_TRUE(result.ok) << result.error;
    return file(name);
}

velqa::host::AudioData ToolTest::readAudio(const std::string& name)
{
    velqa::host::AudioData audio;
    const auto result = velqa::host::readAudioFile(file(name), audio);
    EXPECT_TRUE(result.ok) << result.error;
    return audio;
}

velqa::host::AudioData burstSignal(int channels, double rate, double seconds)
{
    velqa::host::AudioData audio;
    audio.sampleRate = rate;
    audio.resize(channels, static_cast<std::int64_t>(seconds * rate));
    for (int c = 0; c < channels; ++c)
        for (std::int64_t i = 0; i < audio.frames(); ++i)
        {
            const double t = i / rate;
            const double level = (t > seconds * 0.4 && t < seconds * 0.6) ? 0.8 : 0.05;
            audio.channels[size_t(c)][size_t(i)] = static_cast<float>(
                level * std::sin(2.0 * std::numbers::pi * (220.0 + 110.0 * c) * t));
        }
    return audio;
}

velqa::host::AudioData clickSignal(double rate, std::int64_t frames, std::int64_t clickAt)
{
    velqa::host::AudioData audio;
    audio.sampleRate = rate;
    audio.resize(2, frames);
    for (auto& channel : audio.channels) channel[size_t(clickAt)] = 0.5f;
    return audio;
}

std::int64_t loudestFrame(const std::vector<float>& channel)
{
    std::int64_t best = -1;
    float loudest = 0.0f;
    for (size_t i = 0; i < channel.size(); ++i)
        if (std::fabs(channel[i]) > loudest)
        {
            loudest = std::fabs(channel[i]);
            best = static_cast<std::int64_t>(i);
        }
    return best;
}
