#include "learning/SaveFolderLock.h"

#include "game/saves/SaveFolder.h"
#include "platform/FileLock.h"

SaveFolderLock::SaveFolderLock(uint32_t nowMs)
    : lock(std::make_unique<FileLock>(SavedFileToWrite(kSaveLockFile))), startMs(nowMs) {
    Settled(nowMs);
}

SaveFolderLock::~SaveFolderLock() = default;

bool SaveFolderLock::Settled(uint32_t nowMs) {
    if (settled || !lock) return true;
    const FileLock::State state = lock->TryTake();
    held = state == FileLock::State::Held;
    // Unsigned difference: right across the millisecond counter's wrap too.
    waitedOut = state == FileLock::State::Busy && nowMs - startMs >= kLockWaitMs;
    settled = state != FileLock::State::Busy || waitedOut;
    return settled;
}

void SaveFolderLock::GiveUp() { settled = true; }

bool SaveFolderLock::Held() const { return held; }

std::string SaveFolderLock::WhyNotHeld() const {
    if (held) return "";
    if (lock && !lock->Problem().empty()) return lock->Problem();
    const std::string why = std::string("another game held ") + kSaveLockFile;
    return waitedOut ? why + " for more than " + std::to_string(kLockWaitMs / 1000) + " seconds" : why;
}

void SaveFolderLock::Release() {
    lock.reset();
    held = false;
    settled = true;
}
