#include "state/GameState.h"

#include <stdexcept>

namespace kv {

GameState::GameState() : StarSystemTable(8 * 8 * 4) { UpgradeFillColor.fill(-1); }

namespace {
size_t SystemIndex(int row, int col, int n) {
    if (row < 1 || row > 8 || col < 1 || col > 8 || n < 1 || n > 4)
        throw std::out_of_range("star system index out of range");
    return static_cast<size_t>(((row - 1) * 8 + (col - 1)) * 4 + (n - 1));
}
}  // namespace

SolarSystemRecord& GameState::StarSystem(int row, int col, int n) {
    return StarSystemTable.at(SystemIndex(row, col, n));
}

const SolarSystemRecord& GameState::StarSystem(int row, int col, int n) const {
    return StarSystemTable.at(SystemIndex(row, col, n));
}

void GameState::ClearStarSystems() { StarSystemTable.assign(8 * 8 * 4, SolarSystemRecord{}); }

}  // namespace kv
