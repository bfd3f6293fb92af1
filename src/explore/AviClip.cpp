#include "explore/AviClip.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <new>
#include <sstream>

namespace kv {
namespace {

constexpr int kMaxSide = 4096;       // a clip wider or taller than this is refused
constexpr size_t kMaxFrames = 4096;  // and so are more frames than this
// Lists inside the file's outer list: a clip has its streams two deep ("hdrl", "strl") and its
// frames at most two deep ("movi", "rec "); a file nesting deeper is refused.
constexpr size_t kMaxDepth = 8;

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

struct Format {
    int width = 0, height = 0;
    bool bottomUp = true;
    int bits = 0;
    uint32_t compression = 0;  // 0 uncompressed, 1 RLE8
    std::vector<uint32_t> palette;
};

// Reads a clip in two passes: the walk over the file's chunks finds the video stream's format
// and its frames and checks their count against the budget; only then are the frames decoded.
class Reader {
public:
    Reader(const std::string& bytes, AviClip& clip, std::string& error) : b_(bytes), clip_(clip), error_(error) {}

    bool Read() {
        if (b_.size() < 12 || b_.compare(0, 4, "RIFF") != 0 || b_.compare(8, 4, "AVI ") != 0)
            return Fail("not an AVI file");
        const size_t end = std::min<size_t>(b_.size(), 8 + static_cast<size_t>(U32(b_, 4)));
        if (!Walk(12, end)) return false;
        if (!haveFormat_) return Fail("no video stream");
        if (frames_.empty()) return Fail("no frames");
        clip_.width = f_.width;
        clip_.height = f_.height;
        indices_.assign(static_cast<size_t>(f_.width) * f_.height, 0);
        clip_.frames.reserve(frames_.size());
        for (const Chunk& c : frames_)
            if (!Frame(c)) return false;
        return true;
    }

private:
    bool Fail(const std::string& why) {
        if (error_.empty()) error_ = why;
        return false;
    }

    // The chunks of [from, to), each an id, a size and its data padded to an even length, and
    // those of the lists among them in file order. The lists open around the chunk being read
    // are kept on a stack of their own ends, no deeper than kMaxDepth.
    bool Walk(size_t from, size_t to) {
        struct Open {
            size_t at, to;
        };
        std::array<Open, kMaxDepth + 1> open{};
        size_t depth = 0;
        open[0] = {from, to};
        for (;;) {
            Open& list = open[depth];
            if (list.at + 8 > list.to) {
                if (depth == 0) return true;
                --depth;
                continue;
            }
            const Chunk c{b_.substr(list.at, 4), list.at + 8, U32(b_, list.at + 4)};
            if (c.size > list.to - c.data) return Fail("chunk '" + c.id + "' runs past the end of the file");
            list.at = c.data + c.size + (c.size & 1);
            if (c.id != "LIST") {
                if (!Leaf(c)) return false;
                continue;
            }
            if (c.size < 4) return Fail("empty list");
            const std::string kind = b_.substr(c.data, 4);
            if (kind == "strl") {
                // The first video stream's list is the one played; other streams are skipped.
                if (haveFormat_) continue;
                streamIsVideo_ = false;
                stream_ = streams_++;
            }
            if (depth == kMaxDepth) return Fail("lists nested too deep");
            open[++depth] = {c.data + 4, c.data + c.size};
        }
    }

    bool Leaf(const Chunk& c) {
        if (c.id == "avih" && c.size >= 40) {
            clip_.microsecondsPerFrame = static_cast<int>(std::min<uint32_t>(U32(b_, c.data), 10000000));
        } else if (c.id == "strh" && c.size >= 8) {
            streamIsVideo_ = b_.compare(c.data, 4, "vids") == 0;
        } else if (c.id == "strf" && streamIsVideo_ && !haveFormat_) {
            if (!ReadFormat(c)) return false;
            frameId_ = std::string{static_cast<char>('0' + stream_ / 10 % 10), static_cast<char>('0' + stream_ % 10)};
        } else if (haveFormat_ && stream_ < 100 && c.id.compare(0, 2, frameId_) == 0 &&
                   (c.id.compare(2, 2, "db") == 0 || c.id.compare(2, 2, "dc") == 0)) {
            // Frames met before the video stream's format, and those of other streams, are
            // not looked at.
            return CountFrame(c);
        }
        return true;
    }

    // An empty frame repeats the one before it, so it costs a whole frame too; empty frames
    // before the first picture give nothing.
    bool CountFrame(const Chunk& c) {
        if (c.size == 0 && frames_.empty()) return true;
        if (frames_.size() >= kMaxFrames) return Fail("too many frames");
        const size_t frameBytes = static_cast<size_t>(f_.width) * f_.height * sizeof(uint32_t);
        if ((frames_.size() + 1) * frameBytes > kAviClipBudget)
            return Fail("clip too large: " + std::to_string(frames_.size() + 1) + " or more frames of " +
                        std::to_string(f_.width) + " x " + std::to_string(f_.height) + " pixels exceed the " +
                        std::to_string(kAviClipBudget >> 20) + " MB budget");
        frames_.push_back(c);
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
        haveFormat_ = true;
        return true;
    }

    // Row y of the stored order (bottom row first when bottom-up) as a row of the picture.
    int PictureRow(int stored) const { return f_.bottomUp ? f_.height - 1 - stored : stored; }

    bool Frame(const Chunk& c) {
        if (c.size == 0) {
            clip_.frames.push_back(clip_.frames.back());
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
    // are cut there. The position never leaves the frame: x runs from 0 to the width (the
    // place after a row's last pixel) and y from 0 to the height (after the last row's end); a
    // jump or a line end that would take it further refuses the clip.
    bool DecodeRle8(const Chunk& c) {
        size_t at = c.data;
        const size_t end = c.data + c.size;
        int x = 0, y = 0;
        auto put = [&](unsigned char index) {
            if (x == f_.width) return;
            if (y < f_.height) indices_[static_cast<size_t>(PictureRow(y)) * f_.width + x] = index;
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
                if (y == f_.height) return Fail("RLE8 frame runs past its last row");
                x = 0;
                ++y;
            } else if (value == 1) {  // end of picture
                return true;
            } else if (value == 2) {  // jump
                if (at + 2 > end) return Fail("RLE8 jump past the end of the frame");
                const int dx = static_cast<unsigned char>(b_[at]), dy = static_cast<unsigned char>(b_[at + 1]);
                at += 2;
                if (dx > f_.width - x || dy > f_.height - y) return Fail("RLE8 jump outside the frame");
                x += dx;
                y += dy;
            } else {  // an absolute run, padded to an even length
                if (at + value > end) return Fail("RLE8 run past the end of the frame");
                for (int i = 0; i < value; ++i) put(static_cast<unsigned char>(b_[at + i]));
                at += value + (value & 1);
            }
        }
        return true;
    }

    const std::string& b_;
    AviClip& clip_;
    std::string& error_;
    Format f_;
    bool haveFormat_ = false;
    bool streamIsVideo_ = false;
    int streams_ = 0;  // the stream lists met so far
    int stream_ = 0;   // the number of the stream whose list is being read
    std::string frameId_;  // the first two characters of the video stream's frame chunks
    std::vector<Chunk> frames_;
    std::vector<unsigned char> indices_;
};

}  // namespace

std::optional<AviClip> ReadAviClip(const std::string& bytes, std::string* error) noexcept {
    std::string why;
    try {
        AviClip clip;
        Reader reader(bytes, clip, why);
        if (reader.Read()) return clip;
    } catch (const std::bad_alloc&) {
        why = "not enough memory for the clip";
    } catch (const std::exception& e) {
        why = e.what();
    }
    if (error) *error = why;
    return std::nullopt;
}

std::optional<AviClip> LoadAviClip(const std::string& path, std::string* error) noexcept {
    try {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        if (!in) {
            if (error) *error = "cannot open " + path;
            return std::nullopt;
        }
        const std::streamoff size = in.tellg();
        if (size < 0 || static_cast<unsigned long long>(size) > kAviClipMaxFileBytes) {
            if (error) *error = "file too large for a clip: " + path;
            return std::nullopt;
        }
        in.seekg(0);
        std::string bytes(static_cast<size_t>(size), '\0');
        in.read(bytes.data(), size);
        bytes.resize(static_cast<size_t>(in.gcount()));
        return ReadAviClip(bytes, error);
    } catch (const std::exception&) {
        if (error) *error = "cannot read " + path;
        return std::nullopt;
    }
}

std::string ClipName(const std::string& descriptorName, int planet) {
    return descriptorName + std::to_string(planet) + ".AVI";
}

}  // namespace kv
