#include "platform/Process.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;

namespace kv {

int ShellAndWait(const std::vector<std::string>& args, bool noWait) {
    if (args.empty() || args[0].empty()) return -1;
    std::vector<std::string> words = args;
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
