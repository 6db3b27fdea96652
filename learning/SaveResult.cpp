#include "learning/SaveResult.h"

#include <cerrno>
#include <cstring>

#include "game/saves/SaveFolder.h"
#include "record/RecordStore.h"

SaveResult NotSavedBecause(int error) {
    return SaveResult{SaveResult::Status::NotSaved, SaveWriteFolder(),
                      std::strerror(error != 0 ? error : EIO)};
}

SaveResult RecordSaveResult(const record::WriteResult& written) {
    using Outcome = record::WriteResult::Outcome;
    if (written.outcome == Outcome::Done || written.outcome == Outcome::Off) return SaveResult{};
    if (written.outcome == Outcome::Busy)
        return SaveResult{SaveResult::Status::NotSaved, SaveWriteFolder(), written.reason};
    return NotSavedBecause(written.error);
}

SaveResult Worse(const SaveResult& first, const SaveResult& second) {
    return static_cast<int>(second.status) > static_cast<int>(first.status) ? second : first;
}

std::string SaveResultMessage(const SaveResult& result) {
    switch (result.status) {
        case SaveResult::Status::Saved:
            return "";
        case SaveResult::Status::SavedWithoutLock:
            return "Progress saved in " + result.folder + " without the folder's lock: " + result.reason;
        case SaveResult::Status::NotSaved:
            return "Progress not saved in " + result.folder + ": " + result.reason;
    }
    return "";
}
