// Where the game lives on disk: the game folder its content is read from (the executable's own
// folder in a portable tree or the build, <prefix>/share/lexadrill/ beside <prefix>/bin/ in an
// installed one), and the facts about the player's folders that decide where saved files go.
#pragma once

#include <string>

namespace platform {

// The game folder for an executable folder (both ending in '/'): the executable's folder when it
// holds data/, else the installed tree's share/lexadrill/ when that does, else the executable's
// folder (whose missing content then reads as empty data).
std::string ChooseGameFolder(const std::string& executableFolder, bool besideHasData, bool installedHasData);
// <prefix>/share/lexadrill/ for the executable folder <prefix>/bin/.
std::string InstalledContentFolder(const std::string& executableFolder);

// This process's game folder, ending in '/'. Every content path is it + "data/..." or "gfx/...".
std::string GameFolder();

// True when something (a file, a folder) can be reached under the path.
bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);
// True when the process may create files in the folder (judged with its effective identity).
bool IsWritableFolder(const std::string& path);
// Why the folder could not be made (with its missing parents) or written by this process, as the
// system words it ("Permission denied", "Not a directory"); empty when it is a writable folder or
// could be made as one. Looks only: creates nothing.
std::string FolderProblem(const std::string& path);
// Creates the folder and any missing parents, private to the user (mode 0700). True when it is a
// folder afterwards.
bool MakeFolders(const std::string& path);

// The variable's value; empty when unset.
std::string EnvironmentVariable(const char* name);
// $HOME, else the home folder of the user in the password database; empty when neither names one.
std::string HomeFolder();

}  // namespace platform
