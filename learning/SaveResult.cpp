#include "learning/SaveResult.h"

#include <cerrno>
#include <cstring>

#include "game/SaveFolder.h"

SaveResult NotSavedBecause(int error) {
    return SaveResult{SaveResult::Status::NotSaved, SaveWriteFolder(),
                      std::strerror(error != 0 ? error : EIO)};
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
