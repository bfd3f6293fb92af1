#pragma once
// A scratch folder for one test: /tmp/kv-test-<process id>-<n>/, removed when the test ends.
// It holds the game's folders (program/, config/, saves/) so that no test touches the user's
// own folders.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Files.h"
#include "state/Game.h"

namespace kv::test {

class ScratchFolder {
public:
    ScratchFolder() {
        static std::atomic<int> counter{0};
        root_ = std::filesystem::temp_directory_path() /
                ("kv-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(root_);
        for (const char* sub : {"program", "config", "saves"}) std::filesystem::create_directories(root_ / sub);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder itself, ending in "/".
    std::string Path() const { return root_.string() + "/"; }
    std::string Program() const { return Path() + "program/"; }
    std::string Config() const { return Path() + "config/"; }
    std::string Saves() const { return Path() + "saves/"; }
    GameFolders Folders() const { return {Program(), Config(), Saves()}; }

    // Writes bytes to a file of the folder (sub-folders are made) and returns its path. The game
    // trusts what it saw of the disk for a second (StampOf): it is told to look again.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path p = root_ / name;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out << bytes;
        out.close();
        ForgetFileStamps();
        return p.string();
    }
    // Moves a file's modification time on by two seconds, as a later edit would (two writes
    // within one clock tick of the file system can carry the same time).
    static void Age(const std::string& path) {
        std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(2));
        ForgetFileStamps();
    }

private:
    std::filesystem::path root_;
};

}  // namespace kv::test
