#include "platform/Process.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;

namespace kv {

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inQuotes = false, have = false;
    for (char c : commandLine) {
        if (c == '"') {
            inQuotes = !inQuotes;
            have = true;
        } else if ((c == ' ' || c == '\t') && !inQuotes) {
            if (have) words.push_back(word);
            word.clear();
            have = false;
        } else {
            word += c;
            have = true;
        }
    }
    if (have) words.push_back(word);
    return words;
}

int ShellAndWait(const std::string& commandLine, bool noWait) {
    std::vector<std::string> words = SplitCommandLine(commandLine);
    if (words.empty()) return -1;
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int rc = words[0].find('/') != std::string::npos
                 ? ::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ)
                 : ::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (rc != 0) return -1;
    if (noWait) return 0;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    if (WIFEXITED(status)) {
        // A child that could not exec its program exits with 127.
        return WEXITSTATUS(status) == 127 ? -1 : WEXITSTATUS(status);
    }
    return -1;
}

}  // namespace kv
