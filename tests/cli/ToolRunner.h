#pragma once

#include "host/AudioFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct ToolResult
{
    int exitCode = -1;
    std::string output; // stdout and stderr together
};

// Runs the built velqa program with these arguments.
ToolResult runVelqa(const std::vector<std::string>& arguments);

// Each test gets its own folder, removed afterwards.
class ToolTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    std::string file(const std::string& name) const { return (folder / name).string(); }
    std::string writeAudio(const std::string& name, const velqa::host::AudioData& audio,
                           velqa::host::SampleFormat format = velqa::host::SampleFormat::float32);
    velqa::host::AudioData readAudio(const std::string& name);

    std::filesystem::path folder;
};

// Test signals: a quiet sine with a louder burst in its middle, so a dynamic split has work.
velqa::host::AudioData burstSignal(int channels, double rate, double seconds);
velqa::host::AudioData clickSignal(double rate, std::int64_t frames, std::int64_t clickAt);
std::int64_t loudestFrame(const std::vector<float>& channel);
