#pragma once
// The program's start: from the folders and the command line to the main menu (or the loaded
// game) and the first end-of-action refresh.
#include <string>

#include "state/Game.h"

namespace kv {

// The turn engine's steps that start-up ends with: the return from the main menu and the
// end-of-action refresh (the program passes ReturnFromMenu and RefreshAll).
struct StartupTurnSteps {
    void (*ReturnFromMenu)(Game&) = nullptr;
    void (*RefreshAll)(Game&) = nullptr;
};

// Tells the player when the settings store had to mend its file as it opened it: the file, the
// line, and where the file as it was is kept (start-up does this before it reads the settings).
void ReportMendedSettings(Game& g);

// Runs the start-up once, before the program's event loop. `commandLine` is the program's
// arguments as one line (JoinArguments). The game's folders and random seed are set already.
void Main(Game& g, const std::string& commandLine, const StartupTurnSteps& turn);

// The version splash on the background window: the version fades in from black to blue over
// 21 steps and stays for two seconds; it takes the same time whatever "/FAST" or "/SLOW" say.
void ShowVersionSplash(Game& g, Single version);

// Loads the planet pictures PLANET01.* to PLANET14.* for the exploration console once, with a
// note to the player while they load ("/CACHE1" switches this off).
void CachePlanetPictures(Game& g);

// The margin (twips) the splash keeps from the right edge of a screen this many pixels wide.
long SplashMargin(long widthPixels);

// Where the splash prints its text on the background window (pixels): as "v0.0" would stand in
// the window's font (`sampleWidth` x `sampleHeight`), its right edge the margin in from the
// window's right edge, its bottom two fifteenths of the window's height above the bottom.
struct SplashPlace {
    int x = 0;
    int y = 0;
};
SplashPlace SplashTextPlace(int windowWidth, int windowHeight, int sampleWidth, int sampleHeight);

}  // namespace kv
