// The results out of the record, for a teacher or a spreadsheet: one CSV row per answer (date and
// time, topic or list, direction, prompt, expected answer, typed answer, verdict, seconds) after a
// header row, oldest first. Reads the record in `folder` read-only: nothing is made, set aside or
// carried over by an export.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "record/RecordTypes.h"

namespace record {

// How the CSV names a deck: a designed topic's title, an own list's file name.
using DeckName = std::function<std::string(const Deck&)>;

// A text field as CSV writes it: quoted (its quotes doubled) when it holds a comma, a quote, a line
// break or spaces at either end. A field a spreadsheet would take for a formula (its first
// character, after any spaces, one of = + - @, a tab or a line break) starts with an apostrophe,
// which spreadsheets read as "text follows": a list's words never run as a formula there.
std::string CsvField(const std::string& text);

// Writes the rows to `out`; "" on success, else why not (the record cannot be read, the output
// cannot be written). Without a record, the header alone.
std::string ExportResults(const std::string& folder, const DeckName& name, std::FILE* out);

}  // namespace record
