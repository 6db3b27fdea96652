// Telling a language from the way word-list files name it: an ISO 639-1 code with or without a
// region ("es", "es_ES", "pt-BR"), its English name ("German") or its own name ("Deutsch").
#pragma once

#include <string>

// The language's two-letter code, or "" when the text names no language the game knows.
std::string LanguageCodeOf(const std::string& nameOrCode);
