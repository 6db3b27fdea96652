// The names of the files in the lists folder: which are lists (and which are the game's own files
// beside them: a list's counts, a save's temporary files, hidden files), the name an imported
// file's copy is kept under, and the title a list without one of its own takes from that name.
#pragma once

#include <string>

// A copy's name is at most this many bytes: the files named after it (its counts, and a save's
// temporary file beside those) stay within the 255 bytes a file name may have.
constexpr size_t kMaxListNameBytes = 200;

// True for a list: not hidden, not a list's counts ("<list>.<part>.counts" and its
// "_box.dat" schedule) and not a save's temporary file ("<file>.tmp.<process>.<count>").
bool IsListFileName(const std::string& name);

// The name the copy of an imported file named `fileName` is kept under: the name itself when the
// lists folder can keep it and read it back as a list; else leading dots become '_', a name taken
// for one of the game's own files gets ".txt", and a name past kMaxListNameBytes is cut, keeping its
// extension, with '~' and a short code of the whole name before it (the same name always gets the
// same copy, two long names differing only near the end get two).
std::string ListCopyName(const std::string& fileName);

// The title of a list named by its copy's name: the name without its extension, a cut name's code
// shown as "...".
std::u16string TitleOfListName(const std::string& copyName);
