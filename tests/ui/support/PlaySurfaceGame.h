#pragma once
// A desktop game in play for the play-surface windows: a running game in quadrant (4, 4), sector
// (4, 4), with 3000 energy and 30 time units, nothing else about, every text reading "<KEY>"
// unless the test gives its own, the game's own pictures and sounds (the sounds are kept by the
// script, not heard) and no pauses.
#include <map>
#include <string>
#include <utility>

#include "engine/computer/Displays.h"
#include "support/RunningGame.h"
#include "ui/support/DesktopGame.h"

namespace kv::test {

struct PlaySurfaceGame : DesktopGame {
    explicit PlaySurfaceGame(Random& r, std::map<std::string, std::string> texts = {})
        : DesktopGame(r, std::move(texts)) {
        GameState& s = st;
        s.PicturesPath = KESTRAVA_BIN_DIR "/PICTURES/";
        s.SoundsPath = KESTRAVA_BIN_DIR "/SOUNDS/";
        s.SoundOn = kTrue;
        s.WaveDevicePresent = 1;
        s.SpeedFactor = 0;
        // The scan reads the pictures the game's path now gives (before the game runs, so that
        // laying it out draws no scan).
        host.Refresh(View::SrsIcons);
        host.Refresh(View::SrsColors);
        SetUpRunningGame(s);
        s.MissionType = 3;  // no victory ends the game
        s.SectorGrid[4][4] = 1;
        s.ComAutoLRS = kFalse;
        UpdateCommandState(game);
    }
};

}  // namespace kv::test
