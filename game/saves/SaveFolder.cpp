#include "game/saves/SaveFolder.h"

#include <optional>

#include "platform/GameFolder.h"
#include "platform/ProcessStart.h"

namespace {

// The session's choice, made at start-up: where this process reads and writes its files (owner:
// this file, for the program's run).
std::optional<SaveFolders> decided;

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

SaveFolders SessionFolders() { return decided ? *decided : ChooseSaveFolders(CurrentSaveFolderFacts()); }

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
        return "lexadrill: " + gameData + " is read-only and there is no home folder; progress is not saved";
    }
    if (!facts.playerFolderProblem.empty()) {
        return "lexadrill: " + gameData + " is read-only and " + folders.writeFolder + " cannot be made (" +
               facts.playerFolderProblem + "); progress is not saved";
    }
    return "lexadrill: " + gameData + " is read-only; progress is kept in " + folders.writeFolder;
}

SaveFolderFacts CurrentSaveFolderFacts() {
    SaveFolderFacts facts;
    facts.gameFolder = platform::GameFolder();
    facts.gameDataWritable = platform::IsWritableFolder(facts.gameFolder + "data");
    facts.xdgDataHome = platform::EnvironmentVariable("XDG_DATA_HOME");
    facts.home = platform::HomeFolder();
    const SaveFolders folders = ChooseSaveFolders(facts);
    if (!folders.readFallback.empty())
        facts.playerFolderProblem = platform::FolderProblem(folders.writeFolder);
    return facts;
}

void DecideSaveFolder() {
    const SaveFolderFacts facts = CurrentSaveFolderFacts();
    decided = ChooseSaveFolders(facts);
    const std::string notice = SaveFolderNotice(facts, *decided);
    if (!notice.empty()) platform::TellTerminal(notice);
}

void ForgetSaveFolder() { decided.reset(); }

std::string SaveWriteFolder() { return SessionFolders().writeFolder; }

std::string SavedFileToRead(const std::string& name) {
    const SaveFolders folders = SessionFolders();
    const std::string own = folders.writeFolder + name;
    if (folders.readFallback.empty() || platform::PathExists(own)) return own;
    const std::string kept = folders.readFallback + name;
    return platform::PathExists(kept) ? kept : own;
}

std::string SavedFileToWrite(const std::string& name) {
    const SaveFolders folders = SessionFolders();
    if (!folders.readFallback.empty()) platform::MakeFolders(folders.writeFolder);
    return folders.writeFolder + name;
}
