#include "learning/SaveFailure.h"

#include <cerrno>
#include <cstring>

#include "game/SaveFolder.h"

namespace {

int recordedError = 0;
bool told = false;

}  // namespace

void ClearSaveFailure() {
    recordedError = 0;
    told = false;
}

void RecordSaveFailure(int error) {
    if (recordedError == 0) recordedError = error != 0 ? error : EIO;
}

std::string UntoldSaveFailure() {
    if (recordedError == 0 || told) return "";
    told = true;
    return "Progress not saved in " + SaveWriteFolder() + ": " + std::strerror(recordedError);
}
