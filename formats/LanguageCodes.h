// Telling a language from the way word lists name it: an ISO 639-1 code with or without a region
// ("es", "es_ES", "pt-BR"), its English name ("German"), its own name ("Deutsch") or its name in
// another language learners write lists in ("Englisch", "anglais", "inglés"); and naming it back.
#pragma once

#include <string>

// The language's two-letter code, or "" when the text names no language the game knows.
std::string LanguageCodeOf(const std::string& nameOrCode);
// The language's name in English ("German"); "" for a code the game does not know.
std::string EnglishLanguageName(const std::string& code);
// The language's name in itself, as a label writes it ("Deutsch", "Français"); UTF-8, "" for a code
// the game does not know.
std::string OwnLanguageName(const std::string& code);
