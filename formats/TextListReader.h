// Text word lists, one card a line: Anki's "notes in plain text" export with its '#' header lines,
// Quizlet's export, a spreadsheet's CSV or TSV. Fields are prompt, answer and an optional hint.
#pragma once

#include <cstddef>
#include <cstdint>

#include "formats/WordListImport.h"

// Fills `list` (format, title, one lesson, languages, encoding, left-out cards) from the bytes.
void ReadTextList(const uint8_t* data, size_t size, WordListImport& list);
