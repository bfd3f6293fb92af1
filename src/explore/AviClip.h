#pragma once
// The planet clips: a reader of the AVI files the exploration console plays in place of a
// planet's close-up. It reads video streams of 8-bit palette frames, uncompressed or RLE8
// compressed, and uncompressed 24-bit frames; anything else, or a damaged file, is refused with
// a reason, and the console then draws the planet instead.
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

// Reads a clip from the file's bytes; nothing, with the reason in `error`, when it cannot.
std::optional<AviClip> ReadAviClip(const std::string& bytes, std::string* error = nullptr);
// Reads a clip from a file.
std::optional<AviClip> LoadAviClip(const std::string& path, std::string* error = nullptr);

// The clip's name for a planet: the descriptor name, the planet number and ".AVI".
std::string ClipName(const std::string& descriptorName, int planet);

}  // namespace kv
