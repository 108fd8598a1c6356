// The real synthesizer, without a sound card: pieces are rendered into
// samples, which also drives the player through the piece.
#include "music/fluidsynth_device.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "data/temp_folder.h"
#include "music/piece_choice.h"

namespace halvane {
namespace {

std::vector<unsigned char> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Length in seconds of a one-track Standard MIDI File with one tempo: the
// delta times up to the end of the track.
double pieceSeconds(const std::vector<unsigned char>& d)
{
    auto varlen = [&](size_t& i) {
        unsigned value = 0;
        while (d.at(i) & 0x80) value = (value << 7) | (d.at(i++) & 0x7F);
        return (value << 7) | d.at(i++);
    };
    const double division = d.at(12) << 8 | d.at(13);
    double tempo = 500000, ticks = 0;
    for (size_t i = 22; i < d.size();) {
        ticks += varlen(i);
        const unsigned char status = d.at(i++);
        if (status == 0xFF) {
            const unsigned char type = d.at(i++);
            const unsigned length = varlen(i);
            if (type == 0x51) tempo = d.at(i) << 16 | d.at(i + 1) << 8 | d.at(i + 2);
            if (type == 0x2F) break;
            i += length;
        } else {
            i += (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
        }
    }
    return ticks * tempo / division / 1e6;
}

const std::string MusicFolder = std::string(HALVANE_ASSETS_DIR) + "/music";

TEST(MusicPieces, EveryPieceLastsAtLeastOneAndAHalfMinutes)
{
    const auto pieces = listPieces(MusicFolder);
    ASSERT_EQ(pieces.size(), 6u);
    for (const std::string& name : pieces) {
        const double seconds = pieceSeconds(fileBytes(MusicFolder + "/" + name));
        EXPECT_GE(seconds, 90) << name;
        EXPECT_LE(seconds, 360) << name;
    }
}

TEST(FluidSynthDevice, RendersAPieceAudiblyForItsWholeLength)
{
    // The shortest piece keeps the test quick.
    std::string piece;
    double expected = 1e9;
    for (const std::string& name : listPieces(MusicFolder)) {
        const double seconds = pieceSeconds(fileBytes(MusicFolder + "/" + name));
        if (seconds < expected) expected = seconds, piece = MusicFolder + "/" + name;
    }

    FluidSynthDevice device(FluidSynthDevice::Output::Samples);
    ASSERT_TRUE(device.send("open " + piece).ok);
    ASSERT_TRUE(device.send("play " + piece).ok);
    std::vector<float> left(4410), right(4410);  // a tenth of a second
    double rendered = 0, energy = 0, loudSeconds = 0;
    while (device.send("status " + piece + " mode").text == "playing" && rendered < expected + 30) {
        device.render(left, right);
        double blockEnergy = 0;
        for (size_t i = 0; i < left.size(); ++i) blockEnergy += left[i] * left[i] + right[i] * right[i];
        energy += blockEnergy;
        if (std::sqrt(blockEnergy / (2.0 * left.size())) > 0.005) loudSeconds += 0.1;
        rendered += left.size() / FluidSynthDevice::SampleRate;
    }
    EXPECT_EQ(device.send("status " + piece + " mode").text, "stopped");
    // The player lets the last notes ring out for a few seconds after the end.
    EXPECT_GE(rendered, expected - 0.1);
    EXPECT_LE(rendered, expected + 5);
    EXPECT_GT(std::sqrt(energy / (2 * rendered * FluidSynthDevice::SampleRate)), 0.01);
    EXPECT_GT(loudSeconds, 0.9 * expected);  // sound throughout, not a few notes
    EXPECT_TRUE(device.send("close " + piece).ok);
    EXPECT_FALSE(device.send("status " + piece + " mode").ok);
}

TEST(FluidSynthDevice, RefusesWhatItCannotPlay)
{
    testing::TempFolder folder;
    folder.write("noise.mid", "not a MIDI file at all");
    const std::string path = folder.path() + "/noise.mid";
    FluidSynthDevice device(FluidSynthDevice::Output::Samples);
    EXPECT_FALSE(device.send("open " + path).ok);
    EXPECT_FALSE(device.send("play " + path).ok);
    EXPECT_FALSE(device.send("status " + path + " mode").ok);

    FluidSynthDevice noSoundFont(FluidSynthDevice::Output::Samples, folder.path() + "/none.sf2");
    EXPECT_FALSE(noSoundFont.send("open " + MusicFolder + "/" + listPieces(MusicFolder).front()).ok);
}

}  // namespace
}  // namespace halvane
