// Faults injected into the learner's record for its tests: a SQLite file-system layer over the
// real one (the files are real, in the test's folder) that fails a chosen write or sync with a
// write error or a full disk. Test-only: the shipped game never registers it.
#pragma once

namespace record_testing {

enum class Fault { None, WriteError, DiskFull };

// Makes the layer SQLite's default for every connection opened from now on, until removed.
void InstallFaultLayer();
void RemoveFaultLayer();
// The `step`th write, truncation or sync from now (0: the next one) fails with `fault`, and only
// that one; Fault::None counts without failing.
void FailStep(Fault fault, int step);
// Writes, truncations and syncs seen since the last FailStep.
int StepsSeen();

}  // namespace record_testing
