#pragma once
// Lookups of the current quadrant and the bookkeeping of the galaxy's hostiles: which hostile
// ship or star system stands on a sector, the recount of hostiles and star systems, the count
// of charted quadrants, a destroyed Zarvoni ship, the victory test and the loss of the ship.
#include "state/Game.h"

namespace kv {

// The first cloaked-ship slot 1..5 whose sector is (row, col), else 0. A free slot (row 0)
// never matches a sector 1..8.
int FindCloakedShip(const GameState& st, int row, int col);
// The first Zarvoni slot 1..10 whose sector is (row, col), else 0. The energy is not looked at.
int FindEnemyShip(const GameState& st, int row, int col);
// The first of the ship's quadrant's four star-system records 1..4 whose star stands at
// (row, col), whatever the quadrant's count of systems, else 0.
int FindSolarSystem(const GameState& st, int row, int col);
inline int FindCloakedShip(Game& g, int row, int col) { return FindCloakedShip(g.st, row, col); }
inline int FindEnemyShip(Game& g, int row, int col) { return FindEnemyShip(g.st, row, col); }
inline int FindSolarSystem(Game& g, int row, int col) { return FindSolarSystem(g.st, row, col); }

// Recounts the galaxy's Zarvoni ships and star systems from the quadrant codes: updates
// ZarvonisCounted, InitialZarvonis and ZarvonisLeft (mission types 1 and 3) or
// ZarvonisCounted and LastEnemyCount (types 0 and 2), SystemsCount, and MissionGoal when the
// goal follows the number of systems (types 2 and 3 without GoalBySystems).
void CountEnemies(Game& g);

// The number of quadrants whose KnownGalaxy entry is 0 or more.
int CountChartedQuadrants(const GameState& st);
inline int CountChartedQuadrants(Game& g) { return CountChartedQuadrants(g.st); }

// Counts one destroyed Zarvoni ship of the current quadrant, at most once per slot (0..10):
// flags the slot, lowers the quadrant's code by 100 and ZarvonisLeft by 1, and redraws the
// ship's sector. Slots outside 0..10 are ignored.
void RecordEnemyDestroyed(Game& g, int slot);

// The mission's victory test: when the goal is met, shows the victory report and ends the
// game, and returns true; otherwise false.
bool CheckMissionComplete(Game& g);

// The ship is lost: closes the exploration console if it is open, stops the game, shows the
// ship-loss window (waits until it is closed), marks the ship lost and ends the game.
void LoseShip(Game& g);

// Every sector cell of the short-range scan shows the empty picture.
void ResetSRSCells(Game& g);

}  // namespace kv
