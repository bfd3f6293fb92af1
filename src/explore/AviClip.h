#pragma once
// The planet clips: a reader of the AVI files the exploration console plays in place of a
// planet's close-up. It reads the first video stream of a file, of 8-bit palette frames,
// uncompressed or RLE8 compressed, or uncompressed 24-bit frames; anything else, or a damaged
// file, is refused with a reason, and the console then draws the planet instead.
//
// A clip file is read whole into memory and decoded whole, so a damaged or hostile file is held
// to fixed bounds: every size it states is checked against the bytes it holds, its decoded
// frames together stay within kAviClipBudget, nested lists are walked without recursion to a
// small fixed depth, and every RLE8 position stays inside the frame. The readers never throw.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv {

struct AviClip {
    int width = 0, height = 0;
    int microsecondsPerFrame = 0;  // 0 when the file gives none
    // Each frame top row first, one 0x00RRGGBB value a pixel.
    std::vector<std::vector<uint32_t>> frames;
};

// The most a clip's decoded frames may take together: frames × width × height × 4 bytes.
inline constexpr size_t kAviClipBudget = size_t{64} << 20;
// A clip file larger than this is refused before it is read.
inline constexpr size_t kAviClipMaxFileBytes = size_t{256} << 20;

// Reads a clip from the file's bytes; nothing, with the reason in `error`, when it cannot.
std::optional<AviClip> ReadAviClip(const std::string& bytes, std::string* error = nullptr) noexcept;
// Reads a clip from a file.
std::optional<AviClip> LoadAviClip(const std::string& path, std::string* error = nullptr) noexcept;

// The clip's name for a planet: the descriptor name, the planet number and ".AVI".
std::string ClipName(const std::string& descriptorName, int planet);

}  // namespace kv
