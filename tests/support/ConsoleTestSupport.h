#pragma once
// A game for the exploration console's tests: a running game whose ship stands on a star system
// at quadrant (4, 4), sector (4, 4), with a descriptor "Test" in the scratch descriptor folder
// that the test writes, texts that read as "<KEY>" and a planet message file "TEST.MSG".
#include <filesystem>
#include <fstream>
#include <string>

#include "explore/Console.h"
#include "support/PlanetEntries.h"
#include "support/TestGame.h"

namespace kv::test {

struct ConsoleGame : TestGame {
    explicit ConsoleGame(Random& r) : TestGame(r) {
        UseKeyTexts({{"MessageFile", "TEST.MSG"}});
        GameState& s = st;
        s.NewLine = "\r\n";
        s.GameRunning = kTrue;
        s.ShipQuadrantRow = s.ShipQuadrantCol = 4;
        s.ShipSectorRow = s.ShipSectorCol = 4;
        s.MaxEnergy = 5000;
        s.ShipEnergy = 3000;
        s.MaxShields = 2000;
        s.TotalTime = s.TimeLeft = 50;
        s.RepairRate = 50;
        s.MaxTorpedoesClass1 = 10;
        s.MaxTorpedoesClass2 = 4;
        s.TorpedoStockClass1 = 6;
        s.TorpedoStockClass2 = 2;
        s.MaxProbes = 3;
        s.Probes = 2;
        s.TechLevel = 3;
        s.SSChanceTable = {0.0f, 0.5f, 0.3f, 0.1f};
        for (int i = 0; i < 15; ++i) s.SSCountTable[i] = i;
        for (int i = 1; i <= 8; ++i) s.SystemNames[i] = "SYS" + std::to_string(i);
        for (int i = 0; i < 256; ++i) s.AlienNames[i] = "Alien" + std::to_string(i);
        s.EnemyText = "Zarvoni";
        s.StrongEnemyText = "Morv";
        s.CaptainName = "Captain";
        s.ConfigName = "Kim";
        s.SectorGrid[4][4] = kStar;
        SolarSystemRecord& rec = System();
        rec.SetName("Testar");
        rec.DescriptorName = "Test";
        rec.SectorRow = rec.SectorCol = 4;
        rec.SystemValue2 = 2;
        rec.PlanetCount = 2;
        rec.Planets[0] = Planet(600, 2, 1, 0, 9);
        rec.Planets[1] = Planet(700, 6, 0, 0, 5);
        s.Galaxy[4][4] = 1;
        UseSounds();
    }

    // Empty sound files of the console's sounds in the scratch program folder.
    void UseSounds() {
        const std::string dir = scratch.Program() + "SOUNDS/";
        std::filesystem::create_directories(dir);
        for (const char* f : {"NOTRESP.WAV", "PHASER.WAV", "TORPEDO.WAV", "SBDESTRD.WAV", "ZHIT.WAV", "ZSBSHOOT.WAV"})
            std::ofstream(dir + f) << "";
        st.SoundsPath = dir;
        st.SoundOn = kTrue;
        st.WaveDevicePresent = 1;
    }
    // The file names of the sounds played, in order.
    std::vector<std::string> Sounds() const {
        std::vector<std::string> out;
        for (const auto& p : host.sounds) out.push_back(std::filesystem::path(p).filename().string());
        return out;
    }

    static PlanetEntry Planet(Integer orbit, Integer size, Integer moons, Long state, Integer cls) {
        return MakePlanet(orbit, size, moons, state, cls);
    }

    SolarSystemRecord& System() { return st.StarSystem(4, 4, 1); }
    ConsoleState& Console() { return game.console; }
    // In orbit round planet n of the test system, the console's copy taken directly (no draws,
    // no time).
    void InOrbit(int n = 1) {
        ConsoleState& c = Console();
        c.CurrentSystem = System();
        c.SSPlanetCount = System().PlanetCount;
        c.OrbitPlanet = static_cast<Integer>(n);
    }

    // Writes the descriptor "Test.ssd": every planet's messages are in it; `sections` holds
    // the planet sections ("[1]\r\nKey=Text\r\n...").
    void WriteDescriptor(const std::string& sections) {
        scratch.Write(
            "program/SSDescriptor/Test.ssd",
            "[General]\r\nPlanetPics=0000000000\r\nMessages=1111111111\r\n[Names]\r\nS=Testar Sun\r\n1=Alpha\r\n" +
                sections);
    }
    void WriteMessageFile(const std::string& text) { scratch.Write("program/TEST.MSG", text); }

    // The console opens on the system: the engine's flag and the first activation.
    void Enter() {
        st.EnteringSystem = kTrue;
        host.visible.insert(Form::frmSSControl);
        ActivateConsole(game);
    }
    // Selects planet n and enters its orbit.
    void Orbit(int n) {
        Console().SelectTag = std::to_string(n);
        UpdateSelect(game);
        cmdEnterOrbit_Click(game);
    }
    // The message timer's ticks.
    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i) tmrMessage_Timer(game);
    }
    // Answers the responses dialog with response `index` when it opens next.
    void AnswerWith(int index) {
        host.modal[Form::frmRespond] = [this, index] {
            game.console.RespondTag = std::to_string(index);
            return kOK;
        };
    }
};

}  // namespace kv::test
