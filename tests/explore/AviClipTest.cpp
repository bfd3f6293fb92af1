// The planet clips' reader: uncompressed and RLE8 frames, and the files it refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "explore/AviClip.h"

namespace kv {
namespace {

std::string U32(uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) s[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}
std::string U16(uint16_t v) { return U32(v).substr(0, 2); }
std::string Chunk(const std::string& id, const std::string& data) {
    std::string c = id + U32(static_cast<uint32_t>(data.size())) + data;
    if (data.size() & 1) c += '\0';
    return c;
}
std::string List(const std::string& kind, const std::string& body) { return Chunk("LIST", kind + body); }

// A clip of `w` x `h` (negative: top row first) with a four-colour palette and the given frames.
std::string Avi(int w, int h, int bits, uint32_t compression, const std::vector<std::string>& frames,
                const std::string& fourcc = "vids") {
    std::string avih = U32(100000) + std::string(12, '\0') + U32(static_cast<uint32_t>(frames.size())) +
                       std::string(12, '\0') + U32(static_cast<uint32_t>(w)) + U32(static_cast<uint32_t>(h)) +
                       std::string(16, '\0');
    std::string strh = fourcc + std::string(52, '\0');
    std::string strf = U32(40) + U32(static_cast<uint32_t>(w)) + U32(static_cast<uint32_t>(h)) + U16(1) +
                       U16(static_cast<uint16_t>(bits)) + U32(compression) + U32(0) + U32(0) + U32(0) +
                       U32(bits == 8 ? 4 : 0) + U32(0);
    if (bits == 8) {
        // black, red, green, blue (stored blue, green, red, 0)
        strf += std::string("\0\0\0\0", 4) + std::string("\0\0\xff\0", 4) + std::string("\0\xff\0\0", 4) +
                std::string("\xff\0\0\0", 4);
    }
    std::string movi;
    for (const std::string& f : frames) movi += Chunk(compression == 1 ? "00dc" : "00db", f);
    const std::string body = "AVI " + List("hdrl", Chunk("avih", avih) + List("strl", Chunk("strh", strh) +
                                                                                     Chunk("strf", strf))) +
                             Chunk("JUNK", "pad") + List("movi", movi) + Chunk("idx1", "");
    return "RIFF" + U32(static_cast<uint32_t>(body.size())) + body;
}

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
    std::string error;
    auto clip = ReadAviClip(Avi(4, 2, 8, 1, {first, second}), &error);
    ASSERT_TRUE(clip) << error;
    ASSERT_EQ(clip->frames.size(), 2u);
    EXPECT_EQ(clip->frames[0], (std::vector<uint32_t>{0, 0, 0, kRed, kRed, kRed, kGreen, kBlue}));
    EXPECT_EQ(clip->frames[1], (std::vector<uint32_t>{0, 0, 0, kRed, kRed, kBlue, kBlue, kBlue}));
}

TEST(AviClipTest, RefusesWhatItCannotPlay) {
    const std::string frame(8, '\x01');
    const std::string good = Avi(3, 2, 8, 0, {frame});
    const struct {
        std::string bytes;
        const char* why;
    } cases[] = {
        {"", "not an AVI file"},
        {"RIFF" + U32(4) + "WAVE", "not an AVI file"},
        {good.substr(0, good.size() / 2), "runs past the end"},
        {Avi(3, 2, 8, 0, {}), "no frames"},
        {Avi(3, 2, 8, 0, {frame}, "auds"), "no video stream"},
        {Avi(3, 2, 16, 0, {std::string(16, '\0')}), "neither uncompressed nor RLE8"},
        {Avi(3, 2, 8, 2, {frame}), "neither uncompressed nor RLE8"},
        {Avi(0, 2, 8, 0, {frame}), "bad frame size"},
        {Avi(5000, 2, 8, 0, {frame}), "bad frame size"},
        {Avi(3, 2, 8, 0, {std::string(3, '\x01')}), "short frame"},
        {Avi(3, 2, 8, 1, {std::string("\x00\x09\x01", 3)}), "RLE8 run past the end"},
        {Avi(3, 2, 8, 1, {std::string("\x00\x00\x00\x00\x00\x00\x01\x01", 8)}), "past its last row"},
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

TEST(AviClipTest, AClipIsNamedAfterItsSystemAndPlanet) { EXPECT_EQ(ClipName("Halcyrith", 2), "Halcyrith2.AVI"); }

}  // namespace
}  // namespace kv
