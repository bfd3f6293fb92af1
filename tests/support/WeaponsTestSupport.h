#pragma once
// Shared pieces of the weapons' tests: a running game (TurnGame) whose sound folder holds the
// sounds a test names, and the sounds and events of the transcript.
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/TacticalTestSupport.h"

namespace kv::test {

// How many times a sound was played.
inline int Played(const RecordingHost& h, const std::string& file) {
    int n = 0;
    for (const auto& p : h.sounds)
        if (std::filesystem::path(p).filename() == file) ++n;
    return n;
}

// A running game for the weapons: the ship at sector (4, 4) of quadrant (4, 4) in its grid cell,
// the refresh's technology clock set far off (so the end of an action draws nothing), a yellow
// condition whose alert has sounded (a refresh that still finds it yellow leaves the shields
// as the weapons left them; a green one lowers shields the player did not set), no repair
// rate (starbases keep the strength a weapon left them) and no automatic shields (the energy
// stays as the weapons left it), the weapons' sounds, and plan texts with the colons the
// entries need.
struct WeaponsGame : TurnGame {
    explicit WeaponsGame(Random& r) : TurnGame(r) {
        UseKeyTexts(
            {{"KVCOM0042", "Computer: "}, {"KVCOM0043", " at"}, {"KVCOM0086", "Auto target:"}, {"KVCOM0087", " Pwr:"}});
        AddSounds(*this, {"PHASER.WAV", "MVHIT.WAV", "TORPEDO.WAV", "TORPEXPL.WAV", "SBHIT.WAV", "ZSBHIT.WAV",
                          "DEFLECT.WAV", "DISABLE.WAV", "FLARE.WAV", "PROBE.WAV", "HYP.WAV"});
        st.TechRiseThreshold = 1000;
        st.ConditionIndex = kYellow;
        st.YellowAlertSounded = kTrue;
        st.RepairRate = 0;
        st.ComAutoShields = kFalse;
        st.SectorGrid[4][4] = kShip;
        st.SkillLevel = 4;
        st.LRSRange = 1;
        st.StrongEnemyText = "Morv";
        st.TorpedoStockClass1 = 10;
        st.Galaxy[4][4] = 0;
        st.ZarvonisLeft = 10;
        host.modal[Form::frmShip] = [] { return kOK; };
    }
    // A guarded step swallows an unexpected error (a scripted generator running dry among
    // them) after reporting it: no weapons test passes with one.
    ~WeaponsGame() { EXPECT_EQ(host.errors, std::vector<std::string>{}); }
    // A Zarvoni ship in a slot, in the tables and the grid, counted in the quadrant's code.
    void Zarvoni(int slot, int row, int col, int energy = 100) {
        st.ZarvoniEnergy[slot] = static_cast<Integer>(energy);
        st.ZarvoniShips[1][slot] = static_cast<Integer>(row);
        st.ZarvoniShips[2][slot] = static_cast<Integer>(col);
        st.SectorGrid[row][col] = kZarvoni;
        st.Galaxy[4][4] = static_cast<Integer>(st.Galaxy[4][4] + 100);
        if (slot > st.QuadZarvonis) st.QuadZarvonis = static_cast<Integer>(slot);
    }
    void Cloaked(int slot, int row, int col, int energy = 100) {
        st.CloakedEnergy[slot] = static_cast<Integer>(energy);
        st.CloakedShips[1][slot] = static_cast<Integer>(row);
        st.CloakedShips[2][slot] = static_cast<Integer>(col);
        st.SectorGrid[row][col] = kCloaked;
        st.CloakedPerQuadrant[3][3] = static_cast<Integer>(slot);
    }
    void Morv(int row, int col, Long strength) {
        st.MorvShip = {0, 4, 4, static_cast<Integer>(row), static_cast<Integer>(col)};
        st.MorvCountdown = -1;
        st.MorvStrength = strength;
        st.SectorGrid[row][col] = kMorv;
    }
    void Starbase(int n, int row, int col, Long strength = 40000) {
        st.Starbases[1][n] = 4, st.Starbases[2][n] = 4, st.Starbases[3][n] = strength;
        st.StarbaseSectors[1][n] = static_cast<Integer>(row);
        st.StarbaseSectors[2][n] = static_cast<Integer>(col);
        st.QuadStarbase = static_cast<Integer>(n);
        st.SectorGrid[row][col] = kStarbase;
        st.Galaxy[4][4] = static_cast<Integer>(st.Galaxy[4][4] + 10 * n);
    }
    void ZarvoniBase(int row, int col, Long strength = 20000) {
        st.ZarvoniBase = {0, 4, 4, row, col, strength};
        st.ZarvoniBaseStrength = 20000;
        st.SectorGrid[row][col] = kZarvoniStarbase;
    }
    // A phaser entry as the phaser dialog writes it.
    static std::string Phaser(int row, int col, const std::string& label, long amount) {
        return "Target: " + std::to_string(row) + "," + std::to_string(col) + " " + label +
               " Energy:" + std::to_string(amount);
    }
    // A torpedo entry as the torpedo dialog writes it (power 2 or more: a class-2 torpedo).
    static std::string Torpedo(int row, int col, int power = 1) {
        return (power > 1 ? "*" + std::to_string(power) + "*" : std::string()) + "Torpedo 1.00 at " +
               std::to_string(row) + "," + std::to_string(col);
    }
};

}  // namespace kv::test
