#include "ToolRunner.h"

#include "host/MemoryStream.h"
#include "host/Module.h"
#include "host/PluginInstance.h"

#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>

using velqa::host::AudioData;

namespace
{
float largestDifference(const std::vector<float>& a, const std::vector<float>& b)
{
    float worst = a.size() == b.size() ? 0.0f : INFINITY;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        worst = std::max(worst, std::fabs(a[i] - b[i]));
    return worst;
}

int encodingOf(const std::string& path)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) return 0;
    sf_close(file);
    return info.format & SF_FORMAT_SUBMASK;
}

long reportedLatency(const std::string& summary)
{
    const auto at = summary.find("latency ");
    if (at == std::string::npos) return -1;
    return std::strtol(summary.c_str() + at + 8, nullptr, 10);
}

// The module's default state as a preset file carries it; empty if the state is something else.
std::vector<std::uint8_t> defaultChunk()
{
    auto loaded = velqa::host::Module::load(VELQA_BUNDLE);
    if (!loaded.module) return {};
    auto created = velqa::host::PluginInstance::create(*loaded.module);
    if (!created.instance || created.instance->initialize() != Steinberg::kResultOk) return {};
    velqa::host::MemoryStream state;
    created.instance->getState(state);
    const auto& bytes = state.bytes();
    // The chunk follows the program index and the host bypass.
    const std::uint8_t magic[] = {0x4B, 0xB4, 0xAA, 0x55};
    const size_t at = 4 + 8;
    if (bytes.size() < at + 16 + 4 * 161 || std::memcmp(bytes.data() + at, magic, 4) != 0)
        return {};
    return {bytes.begin() + at, bytes.end()};
}

void writePreset(const std::string& path, std::vector<std::uint8_t> chunk, int index, float value)
{
    std::memcpy(chunk.data() + 16 + 4 * index, &value, sizeof value);
    std::ofstream out(path, std::ios::binary);
    out << "VQPRESET_";
    out.write(reinterpret_cast<const char*>(chunk.data()), std::ssize(chunk));
}
} // namespace

TEST_F(ToolTest, RenderKeepsRateAndLengthAndWritesStereoFloat)
{
    // Default settings leave the two sections at unity, so they sum back to the input.
    const auto stereo =
        writeAudio("in.wav", burstSignal(2, 44100.0, 0.5), velqa::host::SampleFormat::pcm16);
    auto run = runVelqa({"render", stereo, "-o", file("out.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("peak in"), std::string::npos) << run.output;
    const AudioData in = readAudio("in.wav");
    const AudioData out = readAudio("out.wav");
    EXPECT_EQ(out.sampleRate, 44100.0);
    ASSERT_EQ(out.channelCount(), 2);
    EXPECT_EQ(out.frames(), in.frames());
    EXPECT_EQ(encodingOf(file("out.wav")), SF_FORMAT_FLOAT);
    for (int c = 0; c < 2; ++c)
        EXPECT_LT(largestDifference(out.channels[size_t(c)], in.channels[size_t(c)]), 1e-4f);

    // Mono goes to both channels; a smaller block and 24-bit output change nothing audible.
    const auto mono =
        writeAudio("mono.flac", burstSignal(1, 32000.0, 0.3), velqa::host::SampleFormat::pcm24);
    run = runVelqa({"render", mono, "-o", file("mono-out.wav"), "--block", "37", "--bits", "24"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const AudioData monoIn = readAudio("mono.flac");
    const AudioData monoOut = readAudio("mono-out.wav");
    EXPECT_EQ(monoOut.sampleRate, 32000.0);
    EXPECT_EQ(encodingOf(file("mono-out.wav")), SF_FORMAT_PCM_24);
    ASSERT_EQ(monoOut.channelCount(), 2);
    for (int c = 0; c < 2; ++c)
        EXPECT_LT(largestDifference(monoOut.channels[size_t(c)], monoIn.channels[0]), 1e-3f);
}

TEST_F(ToolTest, StemsSumBackToTheOutput)
{
    const auto in = writeAudio("in.wav", burstSignal(2, 48000.0, 0.5));
    const auto run = runVelqa({"render", in, "-o", file("out.wav"), "--stems", file("stems"),
                               "--set", "Dyna=-30dB", "--set", "SatOnAbove=1"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const AudioData out = readAudio("out.wav");
    const AudioData aboveWet = readAudio("stems/above-wet.wav");
    const AudioData belowWet = readAudio("stems/below-wet.wav");
    const AudioData aboveDry = readAudio("stems/above-dry.wav");
    const AudioData belowDry = readAudio("stems/below-dry.wav");
    const AudioData in48 = readAudio("in.wav");
    for (int c = 0; c < 2; ++c)
    {
        std::vector<float> wet(size_t(out.frames())), dry(size_t(out.frames()));
        for (size_t i = 0; i < wet.size(); ++i)
        {
            wet[i] = aboveWet.channels[size_t(c)][i] + belowWet.channels[size_t(c)][i];
            dry[i] = aboveDry.channels[size_t(c)][i] + belowDry.channels[size_t(c)][i];
        }
        EXPECT_LT(largestDifference(wet, out.channels[size_t(c)]), 1e-4f) << "channel " << c;
        // The split itself loses nothing: the dry sections add up to the input.
        EXPECT_LT(largestDifference(dry, in48.channels[size_t(c)]), 1e-4f) << "channel " << c;
    }
    EXPECT_GT(aboveDry.peak(), 0.0f);
    EXPECT_GT(belowDry.peak(), 0.0f);
}

TEST_F(ToolTest, CompensationAlignsAClickToTheSample)
{
    constexpr std::int64_t clickAt = 3001;
    const auto in = writeAudio("click.wav", clickSignal(48000.0, 24000, clickAt));
    // Look-ahead delays the audio by 100 ms; the oversampler's frames add 2048 samples.
    const struct
    {
        std::vector<std::string> options;
        long latency;
    } cases[] = {{{"--lookahead", "30"}, 4800},
                 {{"--oversampling", "2x"}, 2048},
                 {{"--oversampling", "8x", "--lookahead", "5"}, 6848}};
    for (const auto& c : cases)
    {
        // A block size that does not divide the latency catches off-by-one-block errors.
        std::vector<std::string> late = {"render", in, "--block", "100", "-o", file("late.wav")};
        late.insert(late.end(), c.options.begin(), c.options.end());
        auto aligned = late;
        aligned[5] = file("aligned.wav");
        aligned.push_back("--compensate");

        const auto lateRun = runVelqa(late);
        ASSERT_EQ(lateRun.exitCode, 0) << lateRun.output;
        EXPECT_EQ(reportedLatency(lateRun.output), c.latency) << lateRun.output;
        const auto alignedRun = runVelqa(aligned);
        ASSERT_EQ(alignedRun.exitCode, 0) << alignedRun.output;

        const AudioData lateOut = readAudio("late.wav");
        const AudioData alignedOut = readAudio("aligned.wav");
        EXPECT_EQ(alignedOut.frames(), 24000);
        for (int c2 = 0; c2 < 2; ++c2)
        {
            EXPECT_EQ(loudestFrame(lateOut.channels[size_t(c2)]), clickAt + c.latency)
                << lateRun.output;
            EXPECT_EQ(loudestFrame(alignedOut.channels[size_t(c2)]), clickAt) << alignedRun.output;
        }
    }
}

TEST_F(ToolTest, SetTakesNormalisedValuesAndDisplayUnits)
{
    const auto in = writeAudio("in.wav", burstSignal(2, 48000.0, 0.1));
    std::vector<std::string> arguments = {"render", in, "-o", file("out.wav"), "-v"};
    for (const char* setting :
         {"Dyna=-24dB", "attack=5 ms", "Release=1.2s", "EQBelow1Freq=1.5kHz", "TypeAbove=tube",
          "PanBelow=L50", "Ratio=4:1", "MixAbove=50%", "Balance=0.25"})
        arguments.insert(arguments.end(), {"--set", setting});
    const auto run = runVelqa(arguments);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    for (const char* expected :
         {"set Dyna = 0.4", "(-24 dB)", "(5.0 ms)", "(1.200 s)", "(1.50 kHz)", "(TUBE)", "(L50)",
          "(4.0:1)", "(050)", "set Balance = 0.250000"})
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
}

TEST_F(ToolTest, PresetsComeFromFilesAndFromTheBundle)
{
    const auto chunk = defaultChunk();
    ASSERT_FALSE(chunk.empty()) << "the module's state is not a preset chunk";
    // OutVol at 0.25 is a gain of 4^-0.5: exactly half.
    writePreset(file("half.vqx"), chunk, 8, 0.25f);
    const auto in = writeAudio("in.wav", burstSignal(2, 48000.0, 0.5));
    auto run = runVelqa({"render", in, "-o", file("out.wav"), "--preset", file("half.vqx")});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const AudioData source = readAudio("in.wav");
    AudioData halved = readAudio("out.wav");
    for (auto& channel : halved.channels)
        for (float& s : channel) s *= 2.0f;
    EXPECT_LT(largestDifference(halved.channels[0], source.channels[0]), 1e-4f);

    // A copy of the bundle whose factory folder holds the same preset, found by name.
    const auto bundle = folder / "Velqa.vst3";
    std::filesystem::create_directories(bundle / "Contents" / "x86_64-linux");
    std::filesystem::create_directories(bundle / "Contents" / "Resources" / "Presets");
    std::filesystem::create_symlink(std::filesystem::path(VELQA_BUNDLE) / "Contents" /
                                        "x86_64-linux" / "Velqa.so",
                                    bundle / "Contents" / "x86_64-linux" / "Velqa.so");
    writePreset((bundle / "Contents/Resources/Presets/Half Level.vqx").string(), chunk, 8, 0.25f);
    run = runVelqa({"render", in, "-o", file("named.wav"), "--bundle", bundle.string(), "--preset",
                    "half level"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(
        largestDifference(readAudio("named.wav").channels[1], readAudio("out.wav").channels[1]),
        0.0f);

    // Without an input the demo plays, through the first factory preset.
    run = runVelqa({"render", "-o", file("demo.wav"), "--bundle", bundle.string()});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("preset Half Level"), std::string::npos) << run.output;
    const AudioData demo = readAudio("demo.wav");
    EXPECT_GE(demo.frames(), 4 * 48000);
    EXPECT_GT(demo.peak(), 0.05f);
    EXPECT_LE(demo.peak(), 1.0f);
}

TEST_F(ToolTest, SideChainDrivesTheSplit)
{
    // With only the Above section audible, the output is what the detector removes: nothing
    // while the side chain is silent, plenty while it is loud, whatever the main input does.
    AudioData quiet = burstSignal(2, 48000.0, 0.5);
    for (auto& channel : quiet.channels)
        for (float& s : channel) s = 0.3f * s / 0.8f;
    const auto in = writeAudio("in.wav", quiet);
    AudioData silent;
    silent.sampleRate = 48000.0;
    silent.resize(1, 24000);
    const auto silentChain = writeAudio("silent.wav", silent);
    const auto loudChain = writeAudio("loud.wav", burstSignal(2, 48000.0, 0.5));

    for (const auto& [chain, out] :
         {std::pair{silentChain, std::string("a.wav")}, std::pair{loudChain, std::string("b.wav")}})
    {
        const auto run = runVelqa({"render", in, "-o", file(out), "--sidechain", chain, "--set",
                                   "SoloAbove=1", "--set", "Dyna=-40dB"});
        ASSERT_EQ(run.exitCode, 0) << run.output;
    }
    EXPECT_LT(readAudio("a.wav").peak(), 1e-3f);
    EXPECT_GT(readAudio("b.wav").peak(), 0.05f);
}
