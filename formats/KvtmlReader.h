// KVTML 2.0 word lists (the XML format of KDE's vocabulary trainers), parsed by libxml2 from
// memory with no network, no DTD, no entity declarations and a bounded nesting depth.
#pragma once

#include <cstddef>
#include <cstdint>

#include "formats/WordListImport.h"

// Deeper nesting than this refuses the file; real files nest lessons a few levels deep.
constexpr int kMaxKvtmlDepth = 64;

// Fills `list` (format, title, lessons, languages, left-out cards) from the bytes, or refuses it
// naming what it is (KVTML 1, XML of another kind, not well-formed XML).
void ReadKvtml(const uint8_t* data, size_t size, WordListImport& list);
