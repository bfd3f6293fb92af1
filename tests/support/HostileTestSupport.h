#pragma once
// A running game in quadrant (4, 4) with the ship at sector (4, 4), for the tests of damage, the
// destruction of ships and starbases and the hostiles' turn: helpers put hostiles, starbases and
// stars into the quadrant with their grid cells and quadrant code, every sound of the hostiles'
// turn is available, and the ship-loss window closes when asked.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/TurnTestSupport.h"

namespace kv::test {

// The draws of the Zarvoni starbase's traffic round in the ship's quadrant (a quadrant with all
// eight neighbours) in which no ship comes or goes: three a direction.
inline std::vector<float> QuietTraffic() { return std::vector<float>(24, 0.0f); }

struct HostileGame : TurnGame {
    explicit HostileGame(Random& r) : TurnGame(r) {
        GameState& s = game.st;
        const std::string dir = s.SoundsPath;
        for (const char* f : {"EXPLODE.WAV",  "MVDESTROYED.WAV", "SBDESTRD.WAV", "MESSAGE.WAV",  "ZMISS.WAV",
                              "ZHIT.WAV",     "ZMOVE.WAV",       "ZDOCK.WAV",    "ZENTER.WAV",   "SBSHOOT.WAV",
                              "ZSBSHOOT.WAV", "DISABLE.WAV",     "CZMOVE.WAV",   "WARNCLOK.WAV", "MVKILLSB.WAV",
                              "MVMOVE.WAV",   "MVSTRIKE.WAV",    "MVSTRKSH.WAV", "SHIELDUP.WAV", "NOTRESP.WAV"})
            std::ofstream(dir + f) << "";
        s.ShieldFactor = 1.0f;
        s.SkillLevel = 4;
        s.LRSRange = 1;
        s.MissionType = 1;
        s.StrongEnemyText = "Morv";
        s.ZarvoniBaseStrength = 20000;
        s.SectorGrid[4][4] = kShip;
        s.TurnPassedWarp = 1;
        host.modal[Form::frmShip] = [] { return kOK; };
        // A lost ship ends the game; its high-score entry is not what these tests are about.
        s.ScoreEligible = false;
    }

    // A Zarvoni ship in the next free slot of the quadrant; returns its slot.
    int AddZarvoni(int row, int col, int energy = 100) {
        GameState& s = game.st;
        const int i = ++s.QuadZarvonis;
        s.ZarvoniShips[1][i] = static_cast<Integer>(row);
        s.ZarvoniShips[2][i] = static_cast<Integer>(col);
        s.ZarvoniEnergy[i] = static_cast<Integer>(energy);
        s.ZarvoniFlags[i] = 0;
        s.SectorGrid[row][col] = kZarvoni;
        s.Galaxy[4][4] = static_cast<Integer>(s.Galaxy[4][4] + 100);
        ++s.ZarvonisLeft;
        return i;
    }
    // A cloaked ship in the next slot; returns its slot.
    int AddCloaked(int row, int col, int energy = 100) {
        GameState& s = game.st;
        const int j = ++s.CloakedPerQuadrant[3][3];
        s.CloakedShips[1][j] = static_cast<Integer>(row);
        s.CloakedShips[2][j] = static_cast<Integer>(col);
        s.CloakedEnergy[j] = static_cast<Integer>(energy);
        s.SectorGrid[row][col] = kCloaked;
        ++s.ZarvonisLeft;
        return j;
    }
    // Friendly starbase n at the sector, with its strength.
    void AddStarbase(int n, int row, int col, Long strength = 50000) {
        GameState& s = game.st;
        s.QuadStarbase = static_cast<Integer>(n);
        s.Starbases[1][n] = 4;
        s.Starbases[2][n] = 4;
        s.Starbases[3][n] = strength;
        s.StarbaseSectors[1][n] = static_cast<Integer>(row);
        s.StarbaseSectors[2][n] = static_cast<Integer>(col);
        s.SectorGrid[row][col] = kStarbase;
        s.Galaxy[4][4] = static_cast<Integer>(s.Galaxy[4][4] + 10 * n);
    }
    // The Zarvoni starbase at the sector of this quadrant.
    void AddZarvoniBase(int row, int col, Long strength, bool captured = false) {
        GameState& s = game.st;
        s.ZarvoniBase = {captured ? -1 : 0, 4, 4, row, col, strength};
        s.SectorGrid[row][col] = kZarvoniStarbase;
    }
    // Star system n of the quadrant with its star at the sector.
    SolarSystemRecord& AddStar(int n, int row, int col) {
        GameState& s = game.st;
        SolarSystemRecord& rec = s.StarSystem(4, 4, n);
        rec.SetName("System" + std::to_string(n));
        rec.SectorRow = static_cast<Integer>(row);
        rec.SectorCol = static_cast<Integer>(col);
        s.SectorGrid[row][col] = kStar;
        s.Galaxy[4][4] = static_cast<Integer>(s.Galaxy[4][4] + 1);
        ++s.QuadStars;
        return rec;
    }
    // The sounds played, by file name.
    std::vector<std::string> Sounds() const { return SoundNames(host); }
    bool Played(const std::string& name) const {
        for (const auto& n : Sounds())
            if (n == name) return true;
        return false;
    }
};

}  // namespace kv::test
