// The one rule for a name that matches nothing: an object key no scene object carries (or none of
// the kind asked for), or an event name no table of screen changes knows. Each one writes a line
// on standard error naming it and is counted; a debug build stops right there, so a misspelt or
// forgotten name cannot pass unnoticed. The shipped game skips the missing thing and plays on.
// The tests check after each one that nothing was counted.
#pragma once

#include <string>

enum class UnknownName { ObjectKey, EventName };

void ReportUnknownName(UnknownName kind, const std::string& name);
// How many of `kind` were reported since start-up or the last ClearUnknownNames().
int UnknownNameCount(UnknownName kind);
void ClearUnknownNames();
