#pragma once
// Clip files built in memory: a well-formed clip of a few frames, and the damaged clips a
// reader must refuse without running out of memory, stack or frame.
#include <cstdint>
#include <string>
#include <vector>

namespace kv::test {

inline std::string AviU32(uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) s[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}
inline std::string AviU16(uint16_t v) { return AviU32(v).substr(0, 2); }
inline std::string AviChunk(const std::string& id, const std::string& data) {
    std::string c = id + AviU32(static_cast<uint32_t>(data.size())) + data;
    if (data.size() & 1) c += '\0';
    return c;
}
inline std::string AviList(const std::string& kind, const std::string& body) { return AviChunk("LIST", kind + body); }

// The stream list of a stream of kind `fourcc` ("vids", "auds") and its format.
inline std::string AviStream(const std::string& fourcc, const std::string& format) {
    return AviList("strl", AviChunk("strh", fourcc + std::string(52, '\0')) + AviChunk("strf", format));
}

// A clip of `w` x `h` (negative: top row first) with a four-colour palette and the given frames.
// With `videoStream` 1 a sound stream comes first: the frames are then "01dc" or "01db", and a
// chunk of sound stands before each of them.
inline std::string Avi(int w, int h, int bits, uint32_t compression, const std::vector<std::string>& frames,
                       const std::string& fourcc = "vids", int videoStream = 0) {
    std::string avih = AviU32(100000) + std::string(12, '\0') + AviU32(static_cast<uint32_t>(frames.size())) +
                       std::string(12, '\0') + AviU32(static_cast<uint32_t>(w)) + AviU32(static_cast<uint32_t>(h)) +
                       std::string(16, '\0');
    std::string strf = AviU32(40) + AviU32(static_cast<uint32_t>(w)) + AviU32(static_cast<uint32_t>(h)) + AviU16(1) +
                       AviU16(static_cast<uint16_t>(bits)) + AviU32(compression) + AviU32(0) + AviU32(0) +
                       AviU32(0) + AviU32(bits == 8 ? 4 : 0) + AviU32(0);
    if (bits == 8) {
        // black, red, green, blue (stored blue, green, red, 0)
        strf += std::string("\0\0\0\0", 4) + std::string("\0\0\xff\0", 4) + std::string("\0\xff\0\0", 4) +
                std::string("\xff\0\0\0", 4);
    }
    std::string streams = AviStream(fourcc, strf);
    if (videoStream == 1) streams = AviStream("auds", std::string(16, '\0')) + streams;
    const std::string frameId = (videoStream == 1 ? "01" : "00") + std::string(compression == 1 ? "dc" : "db");
    std::string movi;
    for (const std::string& f : frames) {
        if (videoStream == 1) movi += AviChunk("00wb", std::string(6, '\x7f'));
        movi += AviChunk(frameId, f);
    }
    const std::string body = "AVI " + AviList("hdrl", AviChunk("avih", avih) + streams) + AviChunk("JUNK", "pad") +
                             AviList("movi", movi) + AviChunk("idx1", "");
    return "RIFF" + AviU32(static_cast<uint32_t>(body.size())) + body;
}

// A 4,096 x 4,096 RLE8 clip of one frame that ends at once, then `repeats` empty frames that
// each repeat it: a few hundred bytes asking for 64 MB a frame.
inline std::string HugeRepeatedClip(int repeats = 63) {
    std::vector<std::string> frames{std::string("\x00\x01", 2)};
    frames.resize(static_cast<size_t>(repeats) + 1);
    return Avi(4096, 4096, 8, 1, frames);
}

// The file's outer list holding `n` lists, each inside the one before.
inline std::string NestedListsClip(int n) {
    std::string b = "AVI ";
    for (int i = 0; i < n; ++i) b += "LIST" + AviU32(static_cast<uint32_t>(4 + 12 * (n - 1 - i))) + "xxxx";
    return "RIFF" + AviU32(static_cast<uint32_t>(b.size())) + b;
}

// A 16 x 16 RLE8 clip whose one frame jumps 255 pixels to the right `jumps` times, then writes a
// run of 255 pixels of colour 7 and ends.
inline std::string RunawayJumpsClip(int jumps) {
    std::string frame;
    for (int i = 0; i < jumps; ++i) frame += std::string("\x00\x02\xff\x00", 4);
    frame += std::string("\xff\x07\x00\x01", 4);
    return Avi(16, 16, 8, 1, {frame});
}

}  // namespace kv::test
