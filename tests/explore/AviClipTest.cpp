// The planet clips' reader: uncompressed and RLE8 frames, the first video stream of a file, and
// the files it refuses, damaged ones among them, within fixed bounds of memory and stack.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <string>
#include <vector>

#include "explore/AviClip.h"
#include "support/AviClips.h"

namespace kv {
namespace {

using test::Avi;
using test::AviU32;

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

TEST(AviClipTest, ReadsUncompressedFramesBottomRowFirstOrTopRowFirst) {
    // 3 x 2, rows padded to 4 bytes; the file's first row is the picture's bottom row.
    const std::string frame = std::string("\x01\x02\x03\x00", 4) + std::string("\x03\x03\x01\x00", 4);
    std::string error;
    auto clip = ReadAviClip(Avi(3, 2, 8, 0, {frame, frame}), &error);
    ASSERT_TRUE(clip) << error;
    EXPECT_EQ(clip->width, 3);
    EXPECT_EQ(clip->height, 2);
    EXPECT_EQ(clip->microsecondsPerFrame, 100000);
    ASSERT_EQ(clip->frames.size(), 2u);
    EXPECT_EQ(clip->frames[0], (std::vector<uint32_t>{kBlue, kBlue, kRed, kRed, kGreen, kBlue}));

    auto topDown = ReadAviClip(Avi(3, -2, 8, 0, {frame}));
    ASSERT_TRUE(topDown);
    EXPECT_EQ(topDown->frames[0], (std::vector<uint32_t>{kRed, kGreen, kBlue, kBlue, kBlue, kRed}));

    // 24-bit frames: blue, green, red bytes.
    const std::string rgb = std::string("\x00\x00\xff\xff\x00\x00", 6) + std::string(2, '\0');
    auto deep = ReadAviClip(Avi(2, 1, 24, 0, {rgb}));
    ASSERT_TRUE(deep);
    EXPECT_EQ(deep->frames[0], (std::vector<uint32_t>{kRed, kBlue}));
}

TEST(AviClipTest, ReadsRle8FramesOverThePreviousFrame) {
    // 4 x 2: the bottom row a run of two reds and an absolute run green, blue, green (padded;
    // its last pixel falls off the row); the top row a jump of 3 and one red.
    const std::string first = std::string("\x02\x01", 2) + std::string("\x00\x03\x02\x03\x02\x00", 6) +
                              std::string("\x00\x00", 2) + std::string("\x00\x02\x03\x00", 4) +
                              std::string("\x01\x01", 2) + std::string("\x00\x01", 2);
    // The next frame changes one pixel and leaves the rest; a run past the row's end is cut.
    const std::string second = std::string("\x00\x02\x01\x00", 4) + std::string("\x07\x03", 2) +
                               std::string("\x00\x01", 2);
    // An empty frame repeats the one before; the end of the last row may be marked, and a run
    // after it draws nothing.
    const std::string third = "";
    const std::string fourth = std::string("\x00\x02\x00\x01", 4) + std::string("\x00\x00", 2) +
                               std::string("\x03\x02", 2);
    std::string error;
    auto clip = ReadAviClip(Avi(4, 2, 8, 1, {first, second, third, fourth}), &error);
    ASSERT_TRUE(clip) << error;
    ASSERT_EQ(clip->frames.size(), 4u);
    EXPECT_EQ(clip->frames[0], (std::vector<uint32_t>{0, 0, 0, kRed, kRed, kRed, kGreen, kBlue}));
    EXPECT_EQ(clip->frames[1], (std::vector<uint32_t>{0, 0, 0, kRed, kRed, kBlue, kBlue, kBlue}));
    EXPECT_EQ(clip->frames[2], clip->frames[1]);
    EXPECT_EQ(clip->frames[3], clip->frames[1]);
}

TEST(AviClipTest, PlaysTheFirstVideoStreamWhateverItsNumber) {
    const std::string frame(8, '\x01');
    std::string error;
    auto clip = ReadAviClip(Avi(3, 2, 8, 0, {frame, frame, frame}, "vids", 1), &error);
    ASSERT_TRUE(clip) << error;
    ASSERT_EQ(clip->frames.size(), 3u);
    EXPECT_EQ(clip->frames[0], std::vector<uint32_t>(6, kRed));
}

TEST(AviClipTest, RefusesWhatItCannotPlay) {
    const std::string frame(8, '\x01');
    const std::string good = Avi(3, 2, 8, 0, {frame});
    const struct {
        std::string bytes;
        const char* why;
    } cases[] = {
        {"", "not an AVI file"},
        {"RIFF" + AviU32(4) + "WAVE", "not an AVI file"},
        {good.substr(0, good.size() / 2), "runs past the end"},
        {Avi(3, 2, 8, 0, {}), "no frames"},
        {Avi(3, 2, 8, 0, {""}), "no frames"},
        {Avi(3, 2, 8, 0, {frame}, "auds"), "no video stream"},
        {Avi(3, 2, 16, 0, {std::string(16, '\0')}), "neither uncompressed nor RLE8"},
        {Avi(3, 2, 8, 2, {frame}), "neither uncompressed nor RLE8"},
        {Avi(0, 2, 8, 0, {frame}), "bad frame size"},
        {Avi(5000, 2, 8, 0, {frame}), "bad frame size"},
        {Avi(3, 2, 8, 0, {std::string(3, '\x01')}), "short frame"},
        {Avi(1, 1, 8, 0, std::vector<std::string>(4097, std::string(4, '\x01'))), "too many frames"},
        {Avi(3, 2, 8, 1, {std::string("\x00\x09\x01", 3)}), "RLE8 run past the end"},
        {Avi(3, 2, 8, 1, {std::string("\x00\x00\x00\x00\x00\x00\x01\x01", 8)}), "past its last row"},
        // Jumps that would leave the frame: to the right, down, both in steps.
        {Avi(3, 2, 8, 1, {std::string("\x00\x02\x04\x00", 4)}), "RLE8 jump outside the frame"},
        {Avi(3, 2, 8, 1, {std::string("\x00\x02\x00\x03", 4)}), "RLE8 jump outside the frame"},
        {Avi(3, 2, 8, 1, {std::string("\x00\x02\x02\x01\x00\x02\x02\x01", 8)}), "RLE8 jump outside the frame"},
        {Avi(3, 2, 8, 1, {std::string("\x00\x02\x00\x02\x00\x00", 6)}), "past its last row"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ReadAviClip(c.bytes, &error)) << c.why;
        EXPECT_NE(error.find(c.why), std::string::npos) << error << " / " << c.why;
    }
    std::string error;
    EXPECT_FALSE(LoadAviClip("/nonexistent/clip.avi", &error));
    EXPECT_FALSE(error.empty());
}

// The most the process has held in memory at once.
size_t PeakMemory() {
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return static_cast<size_t>(use.ru_maxrss) * 1024;
}

TEST(AviClipTest, DamagedClipsAreRefusedWithinTheirBoundsOfMemoryStackAndFrame) {
    const struct {
        std::string bytes;
        const char* why;
    } cases[] = {
        // A few hundred bytes whose frames, each repeating the first, would take 4 GB.
        {test::HugeRepeatedClip(), "clip too large"},
        // Lists nested as deep as a 350 KB file can hold them.
        {test::NestedListsClip(30000), "lists nested too deep"},
        // Jumps to the right without end, then a run.
        {test::RunawayJumpsClip(2000), "RLE8 jump outside the frame"},
    };
    for (const auto& c : cases) {
        const size_t before = PeakMemory();
        std::string error;
        EXPECT_FALSE(ReadAviClip(c.bytes, &error)) << c.why;
        EXPECT_NE(error.find(c.why), std::string::npos) << error << " / " << c.why;
        EXPECT_LT(PeakMemory() - before, kAviClipBudget) << c.why;
    }
}

TEST(AviClipTest, TheFramesOfAClipTogetherStayWithinTheBudget) {
    // 512 x 512 pixels take 1 MB a frame: 64 frames fit, one more does not, and nor does a second
    // frame of the largest size.
    const std::string first("\x00\x01", 2);
    std::vector<std::string> frames(64, "");
    frames[0] = first;
    std::string error;
    auto full = ReadAviClip(Avi(512, 512, 8, 1, frames), &error);
    ASSERT_TRUE(full) << error;
    EXPECT_EQ(full->frames.size(), 64u);
    full.reset();

    frames.push_back(first);
    EXPECT_FALSE(ReadAviClip(Avi(512, 512, 8, 1, frames), &error));
    EXPECT_NE(error.find("clip too large"), std::string::npos) << error;
    EXPECT_FALSE(ReadAviClip(test::HugeRepeatedClip(1), &error));
    EXPECT_NE(error.find("clip too large"), std::string::npos) << error;

    // Empty frames before the first picture give nothing and cost nothing.
    frames.assign(64, "");
    frames.push_back(first);
    auto late = ReadAviClip(Avi(512, 512, 8, 1, frames), &error);
    ASSERT_TRUE(late) << error;
    EXPECT_EQ(late->frames.size(), 1u);
}

TEST(AviClipTest, AClipIsNamedAfterItsSystemAndPlanet) { EXPECT_EQ(ClipName("Halcyrith", 2), "Halcyrith2.AVI"); }

}  // namespace
}  // namespace kv
