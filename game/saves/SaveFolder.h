// Where the files the game writes live (the repetition files "<first>-<last>_rep.dat" and
// "hof.hof", names and bytes as designed). One rule:
//  - the game folder's data/ when the player can write there (the build folder, a copied portable
//    folder): saved and read there and nowhere else, as the game always did;
//  - otherwise (an installed game) the player's data folder, $XDG_DATA_HOME/lexadrill/ (an
//    absolute $XDG_DATA_HOME only), else $HOME/.local/share/lexadrill/: every save goes there, and
//    a file it does not hold yet is read from the game folder's data/, so progress left in a folder
//    that has since become read-only still counts;
//  - with no home folder to name, saves go to the read-only data/ and fail, as a failed save
//    always does; the game plays on.
// The choice is made once, when the game starts, and kept for the session: a folder that turns
// read-only later makes saves fail there (and the player is told), it never sends them elsewhere.
#pragma once

#include <string>

struct SaveFolderFacts {
    std::string gameFolder;  // ending in '/'
    bool gameDataWritable = false;
    std::string xdgDataHome;  // $XDG_DATA_HOME as set, possibly empty or relative
    std::string home;         // the user's home folder, possibly empty
    // Why the player's data folder, when the saves go there, can be neither made nor written;
    // empty when it can.
    std::string playerFolderProblem;
};

struct SaveFolders {
    std::string writeFolder;   // every save goes here; ends in '/'
    std::string readFallback;  // read when writeFolder lacks the file; empty when there is none
};

SaveFolders ChooseSaveFolders(const SaveFolderFacts& facts);
// The line said once on standard error when the game keeps its files outside its own folder, or
// cannot keep them at all (and why); empty for a writable game folder, which says nothing. It
// names the folder progress is kept in only when that folder can be made and written.
std::string SaveFolderNotice(const SaveFolderFacts& facts, const SaveFolders& folders);

// This process's folders as the file system has them now.
SaveFolderFacts CurrentSaveFolderFacts();
// Makes the choice for the session and says SaveFolderNotice on standard error; called once at
// start-up (again at a new start).
void DecideSaveFolder();
// Back to the state before any start-up: until DecideSaveFolder, every call chooses afresh from
// the file system (what the tests of this module and a fresh process see).
void ForgetSaveFolder();
// The folder every save goes to, ending in '/'.
std::string SaveWriteFolder();
// Where a saved file is read from: the write folder's file, or the fallback's when only it exists.
std::string SavedFileToRead(const std::string& name);
// Where a saved file is written; creates the player's data folder when it is missing.
std::string SavedFileToWrite(const std::string& name);
