#pragma once
// The command dialogs' tests: a running weapons game (the ship at sector (4, 4) of quadrant
// (4, 4)) whose fire-plan texts have the layout the plans need, every other text reading as its
// key ("<KEY>").
#include <initializer_list>
#include <string>
#include <utility>

#include "support/WeaponsTestSupport.h"

namespace kv::test {

struct DialogGame : WeaponsGame {
    explicit DialogGame(Random& r) : WeaponsGame(r) {
        UseKeyTexts({{"KVCOM0042", "Computer: "},
                     {"KVCOM0043", " at"},
                     {"KVCOM0086", "Auto target:"},
                     {"KVCOM0087", " Pwr:"},
                     {"Z", "Z"},
                     {"PHA0034", "Target at: "},
                     {"PHA0035", " Power:"},
                     {"PHA0021", "Kill shot: "},
                     {"PHA0022", " Power:"},
                     {"PHA0004", "Disabling: "},
                     {"PHA0005", " Power:"},
                     {"PHA0027", "Your shot: "},
                     {"PHA0028", " Power:"},
                     {"TOR0029", "Torpedo at range "},
                     {"TOR0030", " to sector "}});
    }
    // The selection frames of the given cells (row, col), each of the border width and colour.
    static SectorFrames Frames(std::initializer_list<std::pair<int, int>> cells, int width = 2, int colour = 13) {
        SectorFrames f{};
        for (auto [r, c] : cells) f[static_cast<size_t>((r - 1) * 8 + c - 1)] = {true, width, colour};
        return f;
    }
};

}  // namespace kv::test
