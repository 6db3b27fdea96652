#include "learning/SaveFolderLock.h"

#include <memory>

#include "formats/FileLock.h"
#include "game/SaveFolder.h"

namespace {

// The one lock of this process and how many SaveFolderLocks stand on it. A second flock on a new
// descriptor would wait for the first, in the same process too: nested locks must share it.
std::unique_ptr<FileLock> held;
int standing = 0;

}  // namespace

SaveFolderLock::SaveFolderLock() {
    if (standing++ == 0) held = std::make_unique<FileLock>(SavedFileToWrite(kSaveLockFile));
}

bool SaveFolderLock::Held() const { return held && held->Held(); }

SaveFolderLock::~SaveFolderLock() {
    if (--standing == 0) held.reset();
}
