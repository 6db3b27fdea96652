// The lock that keeps two games on one save folder from mixing a re-read and a save: every
// read-modify-write of the player's files (the counts, the hall of fame, an unlock) runs while one
// stands. It is an advisory lock on "lexadrill.lock" in the save folder (formats/FileLock.h);
// locks taken while one already stands (a run's end saves its counts and its hall-of-fame entry
// under one) share it.
#pragma once

constexpr const char* kSaveLockFile = "lexadrill.lock";

class SaveFolderLock {
public:
    SaveFolderLock();
    ~SaveFolderLock();
    SaveFolderLock(const SaveFolderLock&) = delete;
    SaveFolderLock& operator=(const SaveFolderLock&) = delete;

    // False when the lock could not be taken (no lock file can be made, or another game held it
    // past the wait): the save then goes ahead as saves always did.
    bool Held() const;
};
