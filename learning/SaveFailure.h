// A save of the player's files that failed, kept until the player is told: the first failure's
// reason since the record was cleared (a test run clears it when it starts), and the one message
// that names the save folder and the reason.
#pragma once

#include <string>

void ClearSaveFailure();
// The errno of the failed step (ENOSPC for a full disk); a record already held is kept.
void RecordSaveFailure(int error);
// The message box's text for the failure recorded, e.g. "Progress not saved in
// /home/ana/.local/share/lexadrill/: No space left on device"; "" when nothing failed or the
// text was already given out since the record was cleared.
std::string UntoldSaveFailure();
