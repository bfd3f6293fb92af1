// The source folders stack in layers, and every include points to the file's own layer or one
// below it: a change that makes a lower layer reach up (the engine into exploration, the game
// state into the windows) fails here, with each such include named. Inside the windows the
// folders stack too (the Qt platform layer, the host, the windows, the program's wiring), and
// no two files or folders include each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

enum Layer {
    kPlatform,   // the services of the system: files, processes, settings, code pages
    kText,       // the language lookup
    kState,      // the game state, start-up, saved games, settings, sound, messages
    kDataFiles,  // the readers of the program folder's data files
    kEngine,     // the turn, the tactical engine and the ship's computer
    kExplore,    // exploration and scores, side by side
    kScreens,    // what the windows show and what their handlers compute, without Qt
    kWindows,    // the Qt windows and the Qt side of the platform
    kVernalect,  // the language changer: a program of its own, sharing no code with the game
};

const char* LayerName(Layer layer) {
    static const char* const names[] = {"platform",   "text",    "state",
                                        "data files", "engine",  "exploration and scores",
                                        "screens",    "windows", "language changer"};
    return names[layer];
}

// The layer of a file by its path below src/; nullopt for a folder that has no layer yet.
std::optional<Layer> LayerOf(const std::string& path) {
    auto under = [&](const char* folder) { return path.rfind(folder, 0) == 0; };
    if (under("vernalect/")) return kVernalect;
    if (under("ui/")) return kWindows;
    if (under("screens/")) return kScreens;
    if (under("explore/") || under("scores/")) return kExplore;
    if (under("engine/")) return kEngine;
    if (under("datafiles/")) return kDataFiles;
    if (under("state/")) return kState;
    if (under("text/")) return kText;
    if (under("platform/")) return kPlatform;
    return std::nullopt;
}

// Whether a file of layer `from` may include a file of layer `to`.
bool MayInclude(Layer from, Layer to) {
    if (from == kVernalect || to == kVernalect) return from == to;
    return to <= from;
}

// The project files a source file includes ("..." includes found below src/), as paths below src/.
std::vector<std::string> ProjectIncludes(const fs::path& src, const fs::path& file) {
    std::vector<std::string> out;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        const size_t hash = line.find_first_not_of(" \t");
        if (hash == std::string::npos || line.compare(hash, 1, "#") != 0) continue;
        const size_t word = line.find_first_not_of(" \t", hash + 1);
        if (word == std::string::npos || line.compare(word, 7, "include") != 0) continue;
        const size_t open = line.find('"', word + 7);
        const size_t close = open == std::string::npos ? open : line.find('"', open + 1);
        if (close == std::string::npos) continue;
        const std::string name = line.substr(open + 1, close - open - 1);
        // Resolved as the compiler does: beside the file first, then from src/.
        fs::path target = file.parent_path() / name;
        if (!fs::is_regular_file(target)) target = src / name;
        if (!fs::is_regular_file(target)) continue;  // a generated or system header
        out.push_back(fs::relative(fs::weakly_canonical(target), fs::weakly_canonical(src)).generic_string());
    }
    return out;
}

TEST(IncludeLayers, FoldersHaveTheirLayers) {
    const struct {
        const char* path;
        std::optional<Layer> layer;
    } cases[] = {
        {"platform/Files.h", kPlatform},
        {"ui/platform/QtSettingsStore.h", kWindows},
        {"text/Language.h", kText},
        {"ui/text/frmOutput.h", kWindows},
        {"state/Game.h", kState},
        {"datafiles/SolarSystemFiles.h", kDataFiles},
        {"engine/turn/Refresh.h", kEngine},
        {"explore/Console.h", kExplore},
        {"scores/Hiscore.h", kExplore},
        {"ui/scores/frmSubmitHS.h", kWindows},
        {"ui/explore/frmSSControl.h", kWindows},
        {"screens/SRSView.h", kScreens},
        {"screens/charts/Chart.h", kScreens},
        {"ui/host/QtHost.h", kWindows},
        {"vernalect/frmVrnlct.h", kVernalect},
        {"newfolder/Thing.h", std::nullopt},
        {"platformer/Thing.h", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(LayerOf(c.path), c.layer) << c.path;

    EXPECT_TRUE(MayInclude(kEngine, kState));
    EXPECT_TRUE(MayInclude(kExplore, kExplore));  // exploration and scores side by side
    EXPECT_TRUE(MayInclude(kWindows, kScreens));
    EXPECT_FALSE(MayInclude(kEngine, kExplore));
    EXPECT_FALSE(MayInclude(kState, kDataFiles));  // the data files sit above the state
    EXPECT_FALSE(MayInclude(kScreens, kWindows));
    EXPECT_FALSE(MayInclude(kWindows, kVernalect));
    EXPECT_FALSE(MayInclude(kVernalect, kPlatform));
}

TEST(IncludeLayers, EveryIncludePointsDown) {
    const fs::path src = fs::path(KESTRAVA_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(src));
    std::vector<std::string> problems;
    size_t checked = 0;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        const std::string path = fs::relative(entry.path(), src).generic_string();
        const std::optional<Layer> from = LayerOf(path);
        if (!from) {
            problems.push_back(path + ": its folder has no layer (give it one in tests/IncludeLayersTest.cpp)");
            continue;
        }
        for (const std::string& target : ProjectIncludes(src, entry.path())) {
            ++checked;
            const std::optional<Layer> to = LayerOf(target);
            if (to && MayInclude(*from, *to)) continue;
            problems.push_back(path + " (" + LayerName(*from) + ") includes " + target + " (" +
                               (to ? LayerName(*to) : "no layer") + ")");
        }
    }
    EXPECT_GT(checked, 500u);  // the includes were found at all
    for (const std::string& p : problems) ADD_FAILURE() << p;
}

// The floors inside src/ui/: the Qt platform layer, the host and what the windows share, the
// windows (side by side: they may include each other where no folder circle comes of it), and
// the program's wiring on top. nullopt for a file outside src/ui/ or a folder with no floor yet.
enum WindowFloor { kQtPlatform, kHost, kWindowFolders, kWiring };

std::optional<WindowFloor> WindowFloorOf(const std::string& path) {
    if (path.rfind("ui/", 0) != 0) return std::nullopt;
    const std::string folder = path.substr(3, path.find('/', 3) - 3);
    if (folder == "platform") return kQtPlatform;
    if (folder == "host") return kHost;
    for (const char* windows : {"main", "dialogs", "text", "explore", "scores"})
        if (folder == windows) return kWindowFolders;
    if (folder == "app") return kWiring;
    return std::nullopt;
}

// Every source file below src/ with the project files it includes, by path below src/.
std::map<std::string, std::vector<std::string>> IncludeGraph(const fs::path& src) {
    std::map<std::string, std::vector<std::string>> graph;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        graph[fs::relative(entry.path(), src).generic_string()] = ProjectIncludes(src, entry.path());
    }
    return graph;
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('/')); }
// A header and its source count as one file.
std::string UnitOf(const std::string& path) { return path.substr(0, path.rfind('.')); }

// The circles of a graph: each group of two or more nodes that reach each other, as the
// sorted names joined by blanks.
std::vector<std::string> Circles(const std::map<std::string, std::set<std::string>>& graph) {
    std::map<std::string, int> index, low;
    std::vector<std::string> stack;
    std::set<std::string> onStack;
    std::vector<std::string> out;
    int next = 0;
    std::function<void(const std::string&)> visit = [&](const std::string& v) {
        index[v] = low[v] = next++;
        stack.push_back(v);
        onStack.insert(v);
        if (auto it = graph.find(v); it != graph.end())
            for (const std::string& w : it->second) {
                if (!index.count(w)) {
                    visit(w);
                    low[v] = std::min(low[v], low[w]);
                } else if (onStack.count(w)) {
                    low[v] = std::min(low[v], index[w]);
                }
            }
        if (low[v] != index[v]) return;
        std::vector<std::string> group;
        for (std::string w; w != v;) {
            w = stack.back();
            stack.pop_back();
            onStack.erase(w);
            group.push_back(w);
        }
        if (group.size() < 2) return;
        std::sort(group.begin(), group.end());
        std::string names;
        for (const std::string& n : group) names += (names.empty() ? "" : " ") + n;
        out.push_back(names);
    };
    for (const auto& [node, edges] : graph)
        if (!index.count(node)) visit(node);
    return out;
}

// The files that include each other (a header and its source as one file), "a <-> b".
std::vector<std::string> MutualIncludes(const std::map<std::string, std::vector<std::string>>& includes) {
    std::map<std::string, std::set<std::string>> units;
    for (const auto& [file, targets] : includes)
        for (const std::string& target : targets)
            if (UnitOf(file) != UnitOf(target)) units[UnitOf(file)].insert(UnitOf(target));
    std::vector<std::string> out;
    for (const auto& [a, targets] : units)
        for (const std::string& b : targets)
            if (a < b && units.count(b) && units.at(b).count(a)) out.push_back(a + " <-> " + b);
    return out;
}

std::vector<std::string> FolderCircles(const std::map<std::string, std::vector<std::string>>& includes) {
    std::map<std::string, std::set<std::string>> folders;
    for (const auto& [file, targets] : includes)
        for (const std::string& target : targets)
            if (FolderOf(file) != FolderOf(target)) folders[FolderOf(file)].insert(FolderOf(target));
    return Circles(folders);
}

TEST(IncludeLayers, CirclesAreFound) {
    const std::map<std::string, std::vector<std::string>> includes = {
        {"a/One.h", {"b/Two.h"}},    {"a/One.cpp", {"a/One.h"}},  {"b/Two.h", {}},
        {"b/Two.cpp", {"a/One.h"}},  {"c/Three.h", {"d/Four.h"}}, {"d/Four.h", {"e/Five.h"}},
        {"e/Five.cpp", {"c/Three.h"}}, {"f/Six.h", {"a/One.h"}},
    };
    EXPECT_EQ(MutualIncludes(includes), (std::vector<std::string>{"a/One <-> b/Two"}));
    const std::vector<std::string> circles = FolderCircles(includes);
    EXPECT_EQ(std::set<std::string>(circles.begin(), circles.end()), (std::set<std::string>{"a b", "c d e"}));
}

TEST(IncludeLayers, WindowFoldersStack) {
    const struct {
        const char* path;
        std::optional<WindowFloor> floor;
    } cases[] = {
        {"ui/platform/SoundPlayer.h", kQtPlatform}, {"ui/host/QtHost.h", kHost},
        {"ui/dialogs/frmSRS.h", kWindowFolders},    {"ui/text/frmQuiet.h", kWindowFolders},
        {"ui/app/FormList.h", kWiring},             {"ui/newfolder/Thing.h", std::nullopt},
        {"screens/SRSView.h", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(WindowFloorOf(c.path), c.floor) << c.path;

    const fs::path src = fs::path(KESTRAVA_SOURCE_DIR) / "src";
    for (const auto& [file, targets] : IncludeGraph(src)) {
        if (file.rfind("ui/", 0) != 0) continue;
        const std::optional<WindowFloor> from = WindowFloorOf(file);
        if (!from) {
            ADD_FAILURE() << file << ": its folder has no floor (give it one in tests/IncludeLayersTest.cpp)";
            continue;
        }
        for (const std::string& target : targets) {
            const std::optional<WindowFloor> to = WindowFloorOf(target);
            if (target.rfind("ui/", 0) == 0 && (!to || *to > *from)) ADD_FAILURE() << file << " includes " << target;
        }
    }
}

// Circles the core has had from its start, between engine procedures that call each other and
// in the game state's context header; the windows have none. A new circle anywhere fails.
const std::set<std::string> kCoreCircles = {
    "engine/computer engine/tactical engine/turn",
    "engine/tactical/Hostiles <-> engine/tactical/ShortRangeScan",
    "engine/tactical/Hostiles <-> engine/turn/Refresh",
    "engine/turn/EndGame <-> engine/turn/Refresh",
    "screens/main/MainMenu <-> screens/main/NewGame",
    "state/Configs <-> state/Game",
    "state/Game <-> state/NumberDialog",
    "state/Game <-> state/Options",
    "state/Game <-> state/SavedGame",
    "state/Game <-> state/WindowTable",
    "state/LegacyImport <-> state/Options",
    "state/LibraryOptions <-> state/Options",
};

TEST(IncludeLayers, NoFileOrFolderIncludesItsIncluderBack) {
    const auto includes = IncludeGraph(fs::path(KESTRAVA_SOURCE_DIR) / "src");
    for (const std::string& pair : MutualIncludes(includes))
        if (!kCoreCircles.count(pair)) ADD_FAILURE() << "files include each other: " << pair;
    for (const std::string& circle : FolderCircles(includes))
        if (!kCoreCircles.count(circle)) ADD_FAILURE() << "folders include each other: " << circle;
}

// Qt is included only by the windows (src/ui/) and by the language changer (src/vernalect/).
TEST(IncludeLayers, QtOnlyInTheWindowsAndTheLanguageChanger) {
    const fs::path src = fs::path(KESTRAVA_SOURCE_DIR) / "src";
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        const std::string path = fs::relative(entry.path(), src).generic_string();
        if (path.rfind("ui/", 0) == 0 || path.rfind("vernalect/", 0) == 0) continue;
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) {
            const size_t at = line.find("#include <Q");
            if (at != std::string::npos && line.find_first_not_of(" \t") == at) ADD_FAILURE() << path << ": " << line;
        }
    }
}

// What the windows show (the status displays, the menu and dialogs, the exploration console) is
// seen only by the files that show it: the engine's rules and the layers below the engine reach
// none of it, directly or through another header (the game context among them). The few files
// of those folders that do fill a display are named here, each with what it shows.
TEST(IncludeLayers, WindowDataOnlyWhereSomethingIsShown) {
    const fs::path src = fs::path(KESTRAVA_SOURCE_DIR) / "src";
    const std::set<std::string> windowData = {"state/ConsoleState.h", "state/DisplayData.h", "state/ScreenData.h"};
    const std::map<std::string, const char*> allowed = {
        {"state/Game.cpp", "the game owns the window data"},
        {"state/FileDialogSetup.cpp", "fills the file dialog before it opens"},
        {"engine/computer/Displays.cpp", "the display updaters compute what the displays show"},
        {"engine/computer/StatusPanel.cpp", "starts the blink of a status lamp"},
        {"engine/tactical/SolarSystemEntry.cpp", "clears the console's pictures when a visit ends"},
        {"engine/turn/QuadrantLookups.cpp", "ends the console's visit when the ship is lost"},
    };
    const char* const checkedFolders[] = {"platform/", "text/", "state/", "datafiles/", "engine/", "scores/"};

    // The project headers a file sees, through every include it makes and they make.
    std::map<std::string, std::vector<std::string>> direct;
    auto includesOf = [&](const std::string& path) -> const std::vector<std::string>& {
        auto it = direct.find(path);
        if (it == direct.end()) it = direct.emplace(path, ProjectIncludes(src, src / path)).first;
        return it->second;
    };
    auto seenBy = [&](const std::string& path) {
        std::set<std::string> seen;
        std::vector<std::string> open = {path};
        while (!open.empty()) {
            const std::string next = open.back();
            open.pop_back();
            for (const std::string& target : includesOf(next))
                if (seen.insert(target).second) open.push_back(target);
        }
        return seen;
    };

    size_t checked = 0;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        const std::string path = fs::relative(entry.path(), src).generic_string();
        if (windowData.count(path)) continue;
        bool inChecked = false;
        for (const char* folder : checkedFolders) inChecked = inChecked || path.rfind(folder, 0) == 0;
        if (!inChecked) continue;
        ++checked;
        std::vector<std::string> seenData;
        for (const std::string& header : seenBy(path))
            if (windowData.count(header)) seenData.push_back(header);
        const bool isAllowed = allowed.count(path) > 0;
        for (const std::string& header : seenData)
            if (!isAllowed) ADD_FAILURE() << path << " sees " << header << " (it shows nothing)";
        if (isAllowed && seenData.empty())
            ADD_FAILURE() << path << " is named as showing window data but sees none: take it off the list";
    }
    EXPECT_GT(checked, 100u);  // the engine's files were found at all
}

}  // namespace
