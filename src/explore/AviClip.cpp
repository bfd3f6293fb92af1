#include "explore/AviClip.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace kv {
namespace {

constexpr int kMaxSide = 4096;       // a clip wider or taller than this is refused
constexpr size_t kMaxFrames = 4096;  // and so are more frames than this

uint32_t U32(const std::string& b, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
uint16_t U16(const std::string& b, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

struct Chunk {
    std::string id;
    size_t data = 0;  // offset of the data
    size_t size = 0;
};

// The chunks of the range [from, to): each an id, a size and its data padded to an even length.
bool Chunks(const std::string& b, size_t from, size_t to, std::vector<Chunk>& out, std::string& error) {
    size_t at = from;
    while (at + 8 <= to) {
        Chunk c{b.substr(at, 4), at + 8, U32(b, at + 4)};
        if (c.size > to - c.data) {
            error = "chunk '" + c.id + "' runs past the end of the file";
            return false;
        }
        out.push_back(c);
        at = c.data + c.size + (c.size & 1);
    }
    return true;
}

struct Format {
    int width = 0, height = 0;
    bool bottomUp = true;
    int bits = 0;
    uint32_t compression = 0;  // 0 uncompressed, 1 RLE8
    std::vector<uint32_t> palette;
};

class Reader {
public:
    Reader(const std::string& bytes, AviClip& clip, std::string& error) : b_(bytes), clip_(clip), error_(error) {}

    bool Read() {
        if (b_.size() < 12 || b_.compare(0, 4, "RIFF") != 0 || b_.compare(8, 4, "AVI ") != 0)
            return Fail("not an AVI file");
        const size_t end = std::min<size_t>(b_.size(), 8 + static_cast<size_t>(U32(b_, 4)));
        if (!List(12, end)) return false;
        if (!haveFormat_) return Fail("no video stream");
        if (clip_.frames.empty()) return Fail("no frames");
        return true;
    }

private:
    bool Fail(const std::string& why) {
        if (error_.empty()) error_ = why;
        return false;
    }

    bool List(size_t from, size_t to) {
        std::vector<Chunk> chunks;
        if (!Chunks(b_, from, to, chunks, error_)) return false;
        for (const Chunk& c : chunks) {
            if (c.id == "LIST") {
                if (c.size < 4) return Fail("empty list");
                const std::string kind = b_.substr(c.data, 4);
                // The first video stream's list is the one played; other streams are skipped.
                if (kind == "strl" && haveFormat_) continue;
                if (kind == "strl") streamIsVideo_ = false;
                if (!List(c.data + 4, c.data + c.size)) return false;
            } else if (c.id == "avih" && c.size >= 40) {
                clip_.microsecondsPerFrame = static_cast<int>(std::min<uint32_t>(U32(b_, c.data), 10000000));
            } else if (c.id == "strh" && c.size >= 8) {
                streamIsVideo_ = b_.compare(c.data, 4, "vids") == 0;
            } else if (c.id == "strf" && streamIsVideo_ && !haveFormat_) {
                if (!ReadFormat(c)) return false;
            } else if (c.id.size() == 4 && c.id.compare(0, 2, "00") == 0 &&
                       (c.id.compare(2, 2, "db") == 0 || c.id.compare(2, 2, "dc") == 0)) {
                // Frames of a file without a video stream are not looked at.
                if (haveFormat_ && !Frame(c)) return false;
            }
        }
        return true;
    }

    bool ReadFormat(const Chunk& c) {
        if (c.size < 40) return Fail("short stream format");
        const int32_t w = static_cast<int32_t>(U32(b_, c.data + 4));
        const int32_t h = static_cast<int32_t>(U32(b_, c.data + 8));
        f_.bits = U16(b_, c.data + 14);
        f_.compression = U32(b_, c.data + 16);
        uint32_t colours = U32(b_, c.data + 32);
        if (w <= 0 || h == 0 || w > kMaxSide || h > kMaxSide || h < -kMaxSide) return Fail("bad frame size");
        f_.width = w;
        f_.height = h < 0 ? -h : h;
        f_.bottomUp = h > 0;
        const bool rle8 = f_.compression == 1 && f_.bits == 8;
        const bool plain = f_.compression == 0 && (f_.bits == 8 || f_.bits == 24);
        if (!rle8 && !plain) return Fail("frames neither uncompressed nor RLE8");
        if (rle8 && !f_.bottomUp) return Fail("RLE8 frames stored top row first");
        if (f_.bits == 8) {
            if (colours == 0 || colours > 256) colours = 256;
            const size_t header = U32(b_, c.data);
            if (header < 40 || header > c.size) return Fail("bad stream format header");
            const size_t room = (c.size - header) / 4;
            f_.palette.assign(256, 0);
            for (size_t i = 0; i < colours && i < room; ++i) {
                const size_t at = c.data + header + i * 4;
                f_.palette[i] = static_cast<uint32_t>(static_cast<unsigned char>(b_[at + 2])) << 16 |
                                static_cast<uint32_t>(static_cast<unsigned char>(b_[at + 1])) << 8 |
                                static_cast<unsigned char>(b_[at]);
            }
        }
        clip_.width = f_.width;
        clip_.height = f_.height;
        indices_.assign(static_cast<size_t>(f_.width) * f_.height, 0);
        haveFormat_ = true;
        return true;
    }

    // Row y of the stored order (bottom row first when bottom-up) as a row of the picture.
    int PictureRow(int stored) const { return f_.bottomUp ? f_.height - 1 - stored : stored; }

    bool Frame(const Chunk& c) {
        if (clip_.frames.size() >= kMaxFrames) return Fail("too many frames");
        if (c.size == 0) {
            // An empty frame repeats the one before it.
            if (!clip_.frames.empty()) clip_.frames.push_back(clip_.frames.back());
            return true;
        }
        std::vector<uint32_t> out(static_cast<size_t>(f_.width) * f_.height, 0);
        if (f_.compression == 1) {
            if (!DecodeRle8(c)) return false;
        } else if (f_.bits == 8) {
            const size_t stride = (static_cast<size_t>(f_.width) + 3) & ~size_t(3);
            if (c.size < stride * f_.height) return Fail("short frame");
            for (int y = 0; y < f_.height; ++y)
                for (int x = 0; x < f_.width; ++x)
                    indices_[static_cast<size_t>(PictureRow(y)) * f_.width + x] =
                        static_cast<unsigned char>(b_[c.data + y * stride + x]);
        } else {
            const size_t stride = (static_cast<size_t>(f_.width) * 3 + 3) & ~size_t(3);
            if (c.size < stride * f_.height) return Fail("short frame");
            for (int y = 0; y < f_.height; ++y) {
                for (int x = 0; x < f_.width; ++x) {
                    const size_t at = c.data + y * stride + x * 3;
                    out[static_cast<size_t>(PictureRow(y)) * f_.width + x] =
                        static_cast<uint32_t>(static_cast<unsigned char>(b_[at + 2])) << 16 |
                        static_cast<uint32_t>(static_cast<unsigned char>(b_[at + 1])) << 8 |
                        static_cast<unsigned char>(b_[at]);
                }
            }
            clip_.frames.push_back(std::move(out));
            return true;
        }
        for (size_t i = 0; i < out.size(); ++i) out[i] = f_.palette[indices_[i]];
        clip_.frames.push_back(std::move(out));
        return true;
    }

    // RLE8: runs of one index, absolute runs, line ends, jumps and the end of the picture.
    // Pixels a frame does not reach keep the previous frame's index; runs past a row's end
    // are cut there.
    bool DecodeRle8(const Chunk& c) {
        size_t at = c.data;
        const size_t end = c.data + c.size;
        int x = 0, y = 0;
        auto put = [&](unsigned char index) {
            if (x < f_.width && y < f_.height) indices_[static_cast<size_t>(PictureRow(y)) * f_.width + x] = index;
            ++x;
        };
        while (at + 1 < end) {
            const unsigned char count = static_cast<unsigned char>(b_[at]);
            const unsigned char value = static_cast<unsigned char>(b_[at + 1]);
            at += 2;
            if (count > 0) {
                for (int i = 0; i < count; ++i) put(value);
                continue;
            }
            if (value == 0) {  // end of line
                x = 0;
                ++y;
            } else if (value == 1) {  // end of picture
                return true;
            } else if (value == 2) {  // jump
                if (at + 2 > end) return Fail("RLE8 jump past the end of the frame");
                x += static_cast<unsigned char>(b_[at]);
                y += static_cast<unsigned char>(b_[at + 1]);
                at += 2;
            } else {  // an absolute run, padded to an even length
                if (at + value > end) return Fail("RLE8 run past the end of the frame");
                for (int i = 0; i < value; ++i) put(static_cast<unsigned char>(b_[at + i]));
                at += value + (value & 1);
            }
            if (y > f_.height) return Fail("RLE8 frame runs past its last row");
        }
        return true;
    }

    const std::string& b_;
    AviClip& clip_;
    std::string& error_;
    Format f_;
    bool haveFormat_ = false;
    bool streamIsVideo_ = false;
    std::vector<unsigned char> indices_;
};

}  // namespace

std::optional<AviClip> ReadAviClip(const std::string& bytes, std::string* error) {
    AviClip clip;
    std::string why;
    Reader reader(bytes, clip, why);
    if (!reader.Read()) {
        if (error) *error = why;
        return std::nullopt;
    }
    return clip;
}

std::optional<AviClip> LoadAviClip(const std::string& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error) *error = "cannot open " + path;
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return ReadAviClip(bytes.str(), error);
}

std::string ClipName(const std::string& descriptorName, int planet) {
    return descriptorName + std::to_string(planet) + ".AVI";
}

}  // namespace kv
