#pragma once
// Helpers of the exploration data-file tests: a scratch folder that is removed afterwards, and
// the fixture folders.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

namespace kv::test {

inline std::string ExploreFixtures() { return std::string(KESTRAVA_TEST_DATA_DIR) + "/explore/"; }
inline std::string ShippedData() { return std::string(KESTRAVA_DATA_DIR) + "/"; }

// A fresh folder under the system's temporary folder; removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("kv-explore-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder, ending in "/".
    std::string Dir() const { return path_.string() + "/"; }
    // Writes bytes to a file of the folder (sub-folders are made) and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path p = path_ / name;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out << bytes;
        return p.string();
    }

    // Moves a file's modification time on by two seconds, as a later edit would (two writes
    // within one clock tick of the file system can carry the same time).
    static void Age(const std::string& path) {
        std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(2));
    }

private:
    std::filesystem::path path_;
};

}  // namespace kv::test
