#pragma once
// File-system helpers of the program: finding a file by pattern, the program folder and the
// user's own folders.
#include <sys/types.h>

#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace kv {

// True when name matches the wildcard pattern ('*' any run, '?' one character), without
// regard to case.
bool WildcardMatch(const std::string& pattern, const std::string& name);

// The first ordinary file (no folder, no hidden entry) of `folder` whose name matches
// `pattern`, without regard to case, as folder + the name found; "" when none matches.
// `folder` ends with "/". Names are tried in sorted order, so the result is repeatable.
// Folders are listed once and their listings kept with their stamps (see StampOf): a lookup
// makes no system call while the folder's stamp is trusted, then one stat tells whether the
// folder has changed.
std::string FindFile(const std::string& folder, const std::string& pattern);

// The ordinary file of `folder` named `name` without regard to case (no wildcards: "*" and "?"
// stand for themselves), as folder + its name: the one spelled exactly so when there is one, else
// the first in sorted order; "" when there is none. From the same listings as FindFile.
std::string FindNamedFile(const std::string& folder, const std::string& name);

// Every ordinary file of `folder` matching `pattern`, sorted (from the same listings).
std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern);

// What tells one state of a file or folder on disk from another: whether something is there
// and what it is, its identity (a file replaced by a rename is another), size and modification
// time.
struct FileStamp {
    bool exists = false;
    bool regular = false;  // an ordinary file
    bool folder = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec mtime{};
    bool operator==(const FileStamp& o) const;
};

// The stamp of `path`: read from the disk (one stat) when it was never read or was read more
// than a second ago, else the one read then. The program folder does not change while the game
// runs, so looking its sounds, pictures and texts up costs no system call, yet a change on disk
// is seen within a second.
FileStamp StampOf(const std::string& path);

// Forgets every stamp kept, so that the next look at a path reads its stamp afresh (and a folder
// whose stamp changed is listed again): for a change the program has just made (WriteFileAtomic
// and the saved games do it) and for tests that change files behind the program's back.
void ForgetFileStamps();
// How many times a folder was listed from the disk since the start (tests count with it).
size_t FolderReadCount();

// The folder of the running program, with a trailing "/".
std::string ProgramFolder();
// The folder of the program's data files (LANGUAGE, PICTURES, SOUNDS, SSDescriptor, …), with a
// trailing "/", for a program in `programFolder`: beside the program when they are there (a
// build folder), else "../share/kestrava/" from it when they are there (an installed game:
// <prefix>/games, or <prefix>/bin, and <prefix>/share/kestrava), else the program's folder itself.
std::string DataFolderFor(const std::string& programFolder);

// The user's own folders for the game, each ending in "/": the configuration folder
// (XDG_CONFIG_HOME, else HOME/.config, + "/kestrava/") and the data folder for saved games and
// logs (XDG_DATA_HOME, else HOME/.local/share, + "/kestrava/"). `env` looks an environment
// variable up (nullptr when it is not set); a relative XDG value is ignored, as the desktop's
// rules say. Nothing is created here.
struct UserFolders {
    std::string config;
    std::string data;
};
UserFolders UserFoldersFrom(const std::function<const char*(const char*)>& env);

// The file name of a path: what follows its last "/" or "\\" (the whole text when it has none).
std::string FileNamePart(const std::string& path);

// Reads a whole file as bytes; false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& out);

// Writes bytes to path atomically: a temporary file in the same folder is written, flushed
// and renamed over the target, so a failure leaves any previous file whole.
bool WriteFileAtomic(const std::string& path, const std::string& bytes);

}  // namespace kv
