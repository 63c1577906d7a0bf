// Helper of the Ardour session acceptance: makes the test signal, adds it to a session saved by
// Ardour (whose Lua cannot import audio) and compares two renders.
#include "host/AudioFile.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>

namespace
{
using velqa::host::AudioData;

constexpr double rate = 48000.0;
constexpr std::int64_t frames = 96000;
constexpr std::int64_t clickFrame = 12000;
// Ardour's session clock.
constexpr std::int64_t superclockPerSecond = 282240000;

// A click for alignment, then a quiet and a loud stretch so a dynamic effect has work, with
// different tones left and right so a channel swap shows.
AudioData testSignal()
{
    AudioData audio;
    audio.sampleRate = rate;
    audio.resize(2, frames);
    for (int c = 0; c < 2; ++c)
    {
        auto& channel = audio.channels[size_t(c)];
        channel[size_t(clickFrame)] = c == 0 ? 0.9f : -0.9f;
        for (std::int64_t i = 24000; i < frames; ++i)
        {
            const double t = i / rate;
            const double level = i < 60000 ? 0.05 : 0.6;
            channel[size_t(i)] =
                float(level * std::sin(2 * std::numbers::pi * (c ? 330 : 220) * t));
        }
    }
    return audio;
}

int writeSignal(const std::string& folder)
{
    const AudioData stereo = testSignal();
    bool ok =
        velqa::host::writeAudioFile(folder + "/in.wav", stereo, velqa::host::SampleFormat::float32)
            .ok;
    for (int c = 0; c < 2; ++c)
    {
        AudioData mono;
        mono.sampleRate = rate;
        mono.channels = {stereo.channels[size_t(c)]};
        ok = ok && velqa::host::writeAudioFile(folder + "/in-" + std::to_string(c) + ".wav", mono,
                                               velqa::host::SampleFormat::float32)
                       .ok;
    }
    return ok ? 0 : 1;
}

std::string region(const std::string& id, bool wholeFile)
{
    const std::string length = "a" + std::to_string(frames * superclockPerSecond / 48000);
    return "<Region name=\"in\" whole-file=\"" + std::string(wholeFile ? "1" : "0") +
           "\" start=\"a0\" length=\"" + length + "@a0\" position=\"a0\" sync-position=\"a0\" " +
           "ancestral-start=\"a0\" ancestral-length=\"" + length + "@a0\" stretch=\"1\" " +
           "shift=\"1\" layering-index=\"0\" scale-amplitude=\"1\" fade-in-active=\"0\" " +
           "fade-out-active=\"0\" id=\"" + id +
           "\" type=\"audio\" source-0=\"9001\" source-1=\"9002\" master-source-0=\"9001\" " +
           "master-source-1=\"9002\" channels=\"2\"/>";
}

bool replaceOnce(std::string& text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    if (at == std::string::npos) return false;
    text.replace(at, from.size(), to);
    return true;
}

// One source per channel, a whole-file region (without the default fades, which would shape
// the ends), its copy on the track's playlist and the
// session range: what importing would have written.
int addAudio(const std::string& sessionFile, const std::string& folder)
{
    std::ifstream in(sessionFile);
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string xml = buffer.str();
    const std::string end = "a" + std::to_string(frames * superclockPerSecond / 48000);
    bool ok = replaceOnce(xml, "<Sources/>",
                          "<Sources><Source name=\"" + folder +
                              "/in-0.wav\" type=\"audio\" flags=\"\" id=\"9001\" channel=\"0\" "
                              "origin=\"\"/><Source name=\"" +
                              folder +
                              "/in-1.wav\" type=\"audio\" flags=\"\" id=\"9002\" channel=\"0\" "
                              "origin=\"\"/></Sources>");
    ok = ok && replaceOnce(xml, "<Regions/>", "<Regions>" + region("9003", true) + "</Regions>");
    ok = ok &&
         replaceOnce(xml, "<Locations/>",
                     "<Locations><Location id=\"9005\" name=\"session\" start=\"a0\" end=\"" + end +
                         "\" flags=\"IsSessionRange\" locked=\"0\" timestamp=\"0\" "
                         "cue=\"0\"/></Locations>");
    // The new track's playlist is the only one and still empty: <Playlist .../>.
    const auto playlist = xml.find("<Playlist id=");
    const auto playlistEnd = playlist == std::string::npos ? playlist : xml.find('>', playlist);
    if (ok && playlistEnd != std::string::npos && xml[playlistEnd - 1] == '/')
        xml.replace(playlistEnd - 1, 2, ">" + region("9004", false) + "</Playlist>");
    else
        ok = false;
    if (!ok)
    {
        std::fprintf(stderr, "%s: not an empty session as Ardour saves it\n", sessionFile.c_str());
        return 1;
    }
    std::ofstream(sessionFile) << xml;
    return 0;
}

int compare(const std::string& a, const std::string& b, double tolerance)
{
    AudioData first, second;
    for (auto [path, audio] : {std::pair{a, &first}, std::pair{b, &second}})
    {
        const auto read = velqa::host::readAudioFile(path, *audio);
        if (!read.ok)
        {
            std::fprintf(stderr, "%s\n", read.error.c_str());
            return 1;
        }
    }
    if (first.channelCount() != second.channelCount() || first.frames() < frames ||
        second.frames() < frames)
    {
        std::fprintf(stderr, "shapes differ: %d ch x %lld vs %d ch x %lld\n", first.channelCount(),
                     (long long)first.frames(), second.channelCount(), (long long)second.frames());
        return 1;
    }
    double worst = 0.0;
    std::int64_t worstAt = 0;
    for (int c = 0; c < first.channelCount(); ++c)
        for (std::int64_t i = 0; i < frames; ++i)
        {
            const double d = std::fabs(first.channels[size_t(c)][size_t(i)] -
                                       second.channels[size_t(c)][size_t(i)]);
            if (d > worst)
            {
                worst = d;
                worstAt = i;
            }
        }
    std::printf("largest difference %.3g at frame %lld (peaks %.4f and %.4f)\n", worst,
                (long long)worstAt, first.peak(), second.peak());
    return worst <= tolerance ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "signal" && argc == 3) return writeSignal(argv[2]);
    if (command == "add-audio" && argc == 4) return addAudio(argv[2], argv[3]);
    if (command == "compare" && argc == 5) return compare(argv[2], argv[3], std::atof(argv[4]));
    std::fprintf(stderr, "Usage: session_fixture signal DIR | add-audio SESSION.ardour DIR | "
                         "compare A.wav B.wav TOLERANCE\n");
    return 2;
}
