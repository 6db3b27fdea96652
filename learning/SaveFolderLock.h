// The lock that keeps two games on one save folder from mixing a re-read and a save: a run's save
// (learning/RunEndSave.h) re-reads and writes the player's files while it stands. It is an
// advisory lock on "lexadrill.lock" in the save folder (platform/FileLock.h), asked for without
// ever stopping the game: the save asks again once a tick, and a holder that never lets go (a
// game stopped in a debugger) is waited for kLockWaitMs at most; the save then goes ahead
// without it, as it does when no lock can be had at all.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class FileLock;

constexpr const char* kSaveLockFile = "lexadrill.lock";
constexpr uint32_t kLockWaitMs = 3000;

class SaveFolderLock {
public:
    // Opens the lock file (making the player's data folder when it is missing) and asks once.
    explicit SaveFolderLock(uint32_t nowMs);
    ~SaveFolderLock();
    SaveFolderLock(const SaveFolderLock&) = delete;
    SaveFolderLock& operator=(const SaveFolderLock&) = delete;

    // Asks again, unless settled; true once nothing is left to wait for: the lock is held, none
    // can be had, or kLockWaitMs have passed since the first ask.
    bool Settled(uint32_t nowMs);
    // Stops waiting: settled from now on, held or not.
    void GiveUp();
    bool Held() const;
    // Why a settled lock is not held, e.g. "another game held lexadrill.lock for more than 3
    // seconds"; "" when it is held.
    std::string WhyNotHeld() const;
    // Lets the lock go (also when the object goes).
    void Release();

private:
    std::unique_ptr<FileLock> lock;
    uint32_t startMs;
    bool held = false;
    bool settled = false;
    bool waitedOut = false;  // settled because kLockWaitMs passed, not given up early
};
