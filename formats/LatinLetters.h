// The one table of how letters fold, for every letter a list may hold (printable ASCII, Latin-1
// Supplement and Latin Extended-A: what the glyph font draws, formats/GlyphCodes.h): each letter's
// small letter, its plain letter (without accent, cedilla, ogonek, stroke or ring), how it may be
// spelt out in plain letters (ä "ae", ß "ss") and which of these the design's answer check uses.
// Both answer checks read it: the designed one (learning/AnswerCheck.h) only the case of A-Z and of
// Á É Í Ó Ú Ñ Ü and the seven accents of its fold, as it always judged; the own lists' one
// (learning/OwnAnswerCheck.h) all of it. No locale is involved.
#pragma once

#include <string>

// True for a letter the table holds: one a list may hold and the font can show.
bool IsListLetter(char16_t letter);

// The small letter of a capital (A-Z, À-Þ, the capitals of Latin Extended-A); any other unit as is.
char16_t SmallLetterOf(char16_t letter);
// The letter without its accent, cedilla, ogonek, stroke or ring (é -> e, Ł -> L, ø -> o, ç -> c);
// letters that are letters of their own (ß æ œ þ ð ĳ ŋ) and every other unit as is.
char16_t PlainLetterOf(char16_t letter);
// How the letter is written without it, in small plain letters: "ae" for ä and æ, "oe" for ö and
// œ, "ue" for ü, "ss" for ß (and their capitals); "" for a letter with no such spelling.
const char16_t* SpeltOutLetter(char16_t letter);

// The design's answer check: true when it counts the capital as its small letter (A-Z and
// Á É Í Ó Ú Ñ Ü), and the letter it folds an accented letter to (á é í ó ú ñ and Á to small
// plain letters; every other letter as is).
bool DesignedCheckLowers(char16_t letter);
char16_t DesignedFoldOf(char16_t letter);

// Both case and accents, over a text: what two spellings that differ only in those have in common.
std::u16string SmallPlainLetters(std::u16string text);
// Only the case, over a text.
std::u16string SmallLetters(std::u16string text);
// Small plain letters with every letter that may be spelt out spelt out ("Straße" -> "strasse",
// "Vögel" -> "voegel").
std::u16string SpeltOutLetters(const std::u16string& text);
