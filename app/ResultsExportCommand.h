// `lexadrill --export-results FILE.csv` (or `-` for standard output): the learner's record's
// answers as CSV (record/ResultsExport.h), written without starting the game.
#pragma once

#include <string>

// Writes the export to `target`; the program's exit status: 0 when written, else 1 after one line
// on standard error saying why.
int ExportResultsCommand(const std::string& target);
