#pragma once
// Shared by the saved-game and settings tests: a scratch folder for the game's folders, and a
// game state with a distinct value in every saved item.
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Files.h"
#include "state/GameState.h"
#include "support/Scratch.h"

namespace kv::savetest {

// A fresh folder for one test; games given its Folders() keep their saved games in Saves() and
// find the legacy settings file in Config().
using test::ScratchFolder;

inline std::string ReadAll(const std::string& path) {
    std::string s;
    ReadFileBytes(path, s);
    return s;
}

// Writes a file behind the game's back, and has it look at the disk again.
inline void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    ForgetFileStamps();
}

// Star systems of the known state: quadrant (r, r) holds r % 4 + 1 systems (20 in all).
inline void FillKnownStarSystems(GameState& s) {
    for (int r = 1; r <= 8; ++r)
        for (int n = 1; n <= r % 4 + 1; ++n) {
            SolarSystemRecord& rec = s.StarSystem(r, r, n);
            rec.SetName("Sys " + std::to_string(r) + "-" + std::to_string(n));
            rec.DescriptorName = n == 2 ? "" : "SYS" + std::to_string(r) + std::to_string(n) + ".ssd";
            rec.PlanetCount = static_cast<Integer>(n + 2);
            rec.SystemValue2 = static_cast<Integer>(r - 4);
            rec.SectorRow = static_cast<Integer>(r);
            rec.SectorCol = static_cast<Integer>(9 - r);
            rec.SystemValue3 = -70000 + r * 1000 + n;
            for (int p = 0; p < 10; ++p) {
                PlanetEntry& e = rec.Planets[static_cast<size_t>(p)];
                e.PlanetValue1 = static_cast<Integer>(p * r);
                e.PlanetValue2 = static_cast<Integer>(-p);
                e.PlanetValue3 = static_cast<Integer>(p + n);
                e.PlanetValue4 = 16384 * 2 + p * 7 + r;
                e.PlanetValue5 = static_cast<Integer>(p % 15);
                e.PlanetFlag = p == 3 ? -1 : p * 100000;
                const int64_t bits[] = {12345, -5000, 10000000, 0, 1, -123456789012345LL};
                e.PlanetBits = bits[static_cast<size_t>((p + r) % 6)];
            }
        }
}

// A state with a distinct value in every item a saved game keeps, consistent with what the
// reader checks and recomputes (class-2 power and scan range follow the upgrade levels).
inline void FillKnownState(GameState& s) {
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) {
            s.SectorGrid[r][c] = static_cast<Integer>((r * c) % 8);
            s.SpareGrid[r][c] = static_cast<Integer>(r * 10 + c - 50);
            s.KnownGalaxy[r][c] = static_cast<Integer>((r + c) % 3 == 0 ? -1 : 100 * r + c);
            s.Galaxy[r][c] = static_cast<Integer>(100 * (c % 3) + 10 * (r % 4) + (r == c ? r % 4 + 1 : 0));
            s.CloakedPerQuadrant[static_cast<size_t>(r - 1)][static_cast<size_t>(c - 1)] = static_cast<Integer>(r - c);
        }
    s.PrevQuadCol = 7, s.DamageReportMode = 2, s.SectorPickMode = kPhaserPick, s.QuadrantPickMode = 1;
    s.UpgradeTable = {0, 2, 3, 4, 1, 5};
    s.TorpedoClass2Power = 4, s.LRSRange = 5, s.ShieldsChanged = -1, s.TurnPassedWarp = 1;
    s.TechLevel = 6.25;
    s.MissionType = 2, s.UpgradesOn = -1, s.MissionGoal = 17, s.SystemsCount = 20, s.FirePlanMode = 2;
    s.GoalBySystems = 1, s.KeepTech = -1, s.GoalSystemsDone = 4, s.SpecialSystems = 3;
    s.MaxShields = 2400, s.ShieldLevel = 1234, s.Docked = 1, s.SoundOn = 0;
    s.WarpFactor = 3.7f, s.HitChance = 0.2f, s.QuadrantChanged = 0, s.TimeOffset = 1.25f;
    s.ShipEnergy = 14321, s.MaxEnergy = 15000, s.MaxTorpedoesClass1 = 70, s.TorpedoStockClass1 = 55;
    s.TorpedoStockClass2 = 9, s.MaxTorpedoesClass2 = 20, s.QuadZarvonis = 2, s.QuadStars = 1;
    s.QuadStarbase = 3, s.HostileTurnFlag = -32767, s.ScoreCounterA = 11;
    s.InitialZarvonis = 33, s.ZarvonisLeft = 21, s.ZarvonisCounted = 20;
    s.TimeLeft = 12.345678f, s.TotalTime = 40, s.ScoreCounterB = 12, s.DockCount = 3, s.GoalProgress = 5;
    s.ScoreCounterC = 13, s.ScoreCounterD = 14, s.GameLength = 3, s.SkillLevel = 7, s.ZarvoniBaseShips = 2;
    s.ZarvoniBaseDestroyed = -1, s.ScoreCounterE = 15, s.FlaggedZarvonis = 12;
    s.MaxStarbaseStrength = 50000, s.ZarvoniBaseStrength = 35000, s.ConditionText = "*RED*";
    s.Probes = 6, s.MaxProbes = 10, s.TacticalQuadRow = 5, s.TacticalQuadCol = 6, s.ZarvoniBaseKnown = -1;
    s.FinalReportFlag = 1, s.RepairRate = 80.5f, s.StarbaseCount = 1, s.StarbasesLost = 1;
    s.StatCounterF = 16, s.StatCounterG = 17, s.ShipLost = 0, s.StatCounterH = 18;
    s.ShipQuadrantRow = 5, s.ShipQuadrantCol = 6, s.ShipSectorRow = 2, s.ShipSectorCol = 3, s.PrevQuadRow = 4;
    s.MorvStrength = 1200000, s.MorvCountdown = 4, s.MorvRegen = 5000, s.MorvStarsTaken = 2;
    s.MorvCountdownStarted = -1, s.MorvShipsDestroyed = 1;
    s.MorvCounterA = 3, s.MorvMoveFlag = -1, s.MorvBasesTaken = 1;
    s.ShieldFactor = 0.8f * 0.8f, s.RetrofitSystem = 4, s.MorvTimerScale = 4.7f, s.CloakedKilled = 2;
    s.LRSDone = -1, s.ConditionIndex = 3, s.EnteringSystem = 0, s.SelfDestructActive = -1;
    for (size_t b = 0; b <= 3; ++b) {
        s.Starbases[0][b] = static_cast<Long>(7 * b);
        s.Starbases[1][b] = static_cast<Long>(b + 1);
        s.Starbases[2][b] = static_cast<Long>(8 - b);
        s.Starbases[3][b] = static_cast<Long>(b * 10000) - 1000;
        for (size_t f = 0; f <= 2; ++f) s.StarbaseSectors[f][b] = static_cast<Integer>((f + b) % 9);
    }
    for (size_t f = 1; f <= 4; ++f)
        for (size_t i = 1; i <= 10; ++i) s.ZarvoniShips[f][i] = static_cast<Integer>(f <= 2 ? i % 9 : i * f - 20);
    for (size_t f = 1; f <= 2; ++f)
        for (size_t i = 1; i <= 5; ++i) s.CloakedShips[f][i] = static_cast<Integer>((f + i) % 9);
    for (size_t i = 1; i <= 4; ++i) s.MorvShip[i] = static_cast<Integer>(i + 2);
    s.RetrofitSlots = {0, 1, 0, 2, 0, 3};
    s.RetrofitButtonTag = {"3", "", "12", "", "7"};
    for (size_t i = 1; i <= 8; ++i) s.SystemDamage[i] = static_cast<Single>(i) * 0.75f;
    for (size_t i = 0; i <= 10; ++i) s.ZarvoniEnergy[i] = static_cast<Integer>(i * 10) - 1;
    s.ZarvoniBase = {-1, 4, 5, 6, 7, 40000};
    s.StarbaseFlags = {0, -1, 0, 1};
    for (size_t i = 1; i <= 7; ++i) s.ColorTable[i] = static_cast<Long>(i * 1000);
    for (size_t i = 1; i <= 10; ++i) s.ZarvoniFlags[i] = static_cast<Integer>(i % 2 ? -1 : 0);
    for (size_t i = 1; i <= 5; ++i) s.CloakedEnergy[i] = static_cast<Integer>(i * 50);
    s.CaptainName = "Kapit\xC3\xA4n \"Ace\", Esq.";
    FillKnownStarSystems(s);
    s.ScoreEligible = false;
    s.ConfigName = "Jane Doe";
}

}  // namespace kv::savetest
