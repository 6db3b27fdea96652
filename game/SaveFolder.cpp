#include "game/SaveFolder.h"

#include "platform/GameFolder.h"
#include "platform/Platform.h"

namespace {

bool IsAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

std::string WithSlash(std::string path) {
    if (path.back() != '/') path.push_back('/');
    return path;
}

// The base folder of the player's data under the XDG rules; empty when none can be named.
std::string PlayerDataHome(const SaveFolderFacts& facts) {
    if (IsAbsolute(facts.xdgDataHome)) return WithSlash(facts.xdgDataHome);
    if (IsAbsolute(facts.home)) return WithSlash(facts.home) + ".local/share/";
    return "";
}

}  // namespace

SaveFolders ChooseSaveFolders(const SaveFolderFacts& facts) {
    const std::string gameData = facts.gameFolder + "data/";
    const std::string base = facts.gameDataWritable ? "" : PlayerDataHome(facts);
    if (base.empty()) return SaveFolders{gameData, ""};
    return SaveFolders{base + "lexadrill/", gameData};
}

std::string SaveFolderNotice(const SaveFolderFacts& facts, const SaveFolders& folders) {
    if (facts.gameDataWritable) return "";
    const std::string gameData = facts.gameFolder + "data/";
    if (folders.readFallback.empty()) {
        return "lexadrill: " + gameData +
               " is read-only and there is no home folder; progress is not saved\n";
    }
    return "lexadrill: " + gameData + " is read-only; progress is kept in " + folders.writeFolder + "\n";
}

SaveFolderFacts CurrentSaveFolderFacts() {
    SaveFolderFacts facts;
    facts.gameFolder = platform::GameFolder();
    facts.gameDataWritable = platform::IsWritableFolder(facts.gameFolder + "data");
    facts.xdgDataHome = platform::EnvironmentVariable("XDG_DATA_HOME");
    facts.home = platform::HomeFolder();
    return facts;
}

void AnnounceSaveFolder() {
    const SaveFolderFacts facts = CurrentSaveFolderFacts();
    const std::string notice = SaveFolderNotice(facts, ChooseSaveFolders(facts));
    if (!notice.empty()) platform::Notice(notice);
}

std::string SavedFileToRead(const std::string& name) {
    const SaveFolders folders = ChooseSaveFolders(CurrentSaveFolderFacts());
    const std::string own = folders.writeFolder + name;
    if (folders.readFallback.empty() || platform::PathExists(own)) return own;
    const std::string kept = folders.readFallback + name;
    return platform::PathExists(kept) ? kept : own;
}

std::string SavedFileToWrite(const std::string& name) {
    const SaveFolders folders = ChooseSaveFolders(CurrentSaveFolderFacts());
    if (!folders.readFallback.empty()) platform::MakeFolders(folders.writeFolder);
    return folders.writeFolder + name;
}
