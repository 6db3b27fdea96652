// How a save of the player's files ended, as the screen tells it: saved; saved, but without the
// save folder's lock (another game may have written between this one's re-read and its write);
// or not saved, with the folder and the reason.
#pragma once

#include <string>

namespace record {
struct WriteResult;
}

struct SaveResult {
    enum class Status { Saved, SavedWithoutLock, NotSaved };
    Status status = Status::Saved;
    std::string folder;  // the save folder, ending in '/'; set unless Saved
    std::string reason;  // why not saved, or why the lock was not held; set unless Saved

    // The files were written (with the lock or without it).
    explicit operator bool() const { return status != Status::NotSaved; }
};

// A failed write into the save folder: errno of the step that failed (ENOSPC for a full disk).
SaveResult NotSavedBecause(int error);
// A write of the learner's record as the screen tells it: done, or not saved with its reason (a
// record the game does not write this session, told once at start-up, counts as done).
SaveResult RecordSaveResult(const record::WriteResult& written);
// What a run's several saves tell together: a write that failed matters more than a lock that was
// not held, and the first of equals is kept.
SaveResult Worse(const SaveResult& first, const SaveResult& second);
// The message box's text, e.g. "Progress not saved in /home/ana/.local/share/lexadrill/: No space
// left on device"; "" for a save that went as it should.
std::string SaveResultMessage(const SaveResult& result);
