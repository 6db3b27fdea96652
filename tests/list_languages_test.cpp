// The languages of an imported list, found in this order: KVTML's identifiers and the
// "#languages:" header, a first row naming two languages (which is then no card), the words
// themselves through the language detector, confident only; else unknown. Each case says what was
// found, how, what the import report says of it, and that the list's copy keeps it for the next
// start, which guesses nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/LanguageCodes.h"
#include "formats/LanguageGuess.h"
#include "formats/WordListImport.h"
#include "tests/Utf16Bytes.h"
#include "unicode/Utf8Utf16.h"

namespace {

const std::vector<std::string> kGerman = {"der Hund", "die Katze",   "das Haus",  "der Baum",  "schön",
                                          "gehen",    "die Straße",  "der Apfel", "die Birne", "laufen",
                                          "sprechen", "das Fenster", "die Tür",   "der Tisch", "der Stuhl",
                                          "das Buch", "die Schule",  "lernen",    "schreiben", "lesen"};
const std::vector<std::string> kEnglish = {"the dog",  "the cat",    "the house", "the tree",  "beautiful",
                                           "to go",    "the street", "the apple", "the pear",  "to run",
                                           "to speak", "the window", "the door",  "the table", "the chair",
                                           "the book", "the school", "to learn",  "to write",  "to read"};
const std::vector<std::string> kFrench = {"le chien", "le chat",    "la maison", "l'arbre",  "beau",
                                          "aller",    "la rue",     "la pomme",  "la poire", "courir",
                                          "parler",   "la fenêtre", "la porte",  "la table", "la chaise",
                                          "le livre", "l'école",    "apprendre", "écrire",   "lire"};

// One card a line: first[i] <separator> second[i].
std::string Rows(const std::vector<std::string>& first, const std::vector<std::string>& second,
                 char separator = ';') {
    std::string text;
    for (size_t i = 0; i < first.size(); ++i) text += first[i] + separator + second[i] + "\n";
    return text;
}

std::vector<std::string> Mixed(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    std::vector<std::string> mixed(a.begin(), a.begin() + a.size() / 2);
    mixed.insert(mixed.end(), b.begin() + b.size() / 2, b.end());
    return mixed;
}

std::string KvtmlNaming(const std::string& first, const std::string& second) {
    std::string xml =
        "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><identifiers><identifier id=\"0\"><locale>" + first +
        "</locale></identifier><identifier id=\"1\"><locale>" + second +
        "</locale></identifier></identifiers><entries>";
    for (size_t i = 0; i < kGerman.size(); ++i) {
        xml += "<entry id=\"" + std::to_string(i) + "\"><translation id=\"0\"><text>" + kEnglish[i] +
               "</text></translation><translation id=\"1\"><text>" + kGerman[i] +
               "</text></translation></entry>";
    }
    return xml + "</entries></kvtml>";
}

std::string Found(const SideLanguage& side) {
    const char* how[] = {"unknown", "identifier", "header", "first row", "guessed"};
    return (side.code.empty() ? std::string("?") : side.code) + " (" + how[static_cast<int>(side.found)] +
           ")";
}

WordListImport Read(const std::string& name, const std::vector<uint8_t>& bytes) {
    return ReadWordList(name, bytes);
}

TEST(ListLanguages, AreNamedReadFromTheFirstRowOrGuessedConfidentlyAndKeptInTheCopy) {
    struct Case {
        const char* what;
        const char* fileName;
        std::string bytes;
        std::string prompt;  // found, e.g. "de (guessed)"
        std::string answer;
        size_t cards;
        std::string report;  // the languages' part of the import report
    } cases[] = {
        {"#languages: by codes", "a.txt", "#languages:en,de\n" + Rows(kEnglish, kGerman), "en (header)",
         "de (header)", 20, "English and German, from its #languages line"},
        {"#languages: by names, another language's too", "a.txt",
         "#languages:Englisch,Deutsch\n" + Rows(kEnglish, kGerman), "en (header)", "de (header)", 20,
         "English and German, from its #languages line"},
        {"first row of English names", "a.csv", "English;Spanish\ndog;perro\ncat;gato\n", "en (first row)",
         "es (first row)", 2, "English and Spanish, from its first row"},
        {"first row of German names", "a.csv", "Deutsch,Englisch\n" + Rows(kGerman, kEnglish, ','),
         "de (first row)", "en (first row)", 20, "German and English, from its first row"},
        {"first row of codes", "a.tsv", "en\tfr\n" + Rows(kEnglish, kFrench, '\t'), "en (first row)",
         "fr (first row)", 20, "English and French, from its first row"},
        {"a card naming one language twice is a card", "a.csv", "German;Deutsch\n" + Rows(kEnglish, kGerman),
         "en (guessed)", "de (guessed)", 21,
         "English and German, guessed from the words; set them with a first line #languages:en,de"},
        {"no header, an Anki export: guessed", "deck.txt",
         "#separator:tab\n#html:false\n" + Rows(kGerman, kEnglish, '\t'), "de (guessed)", "en (guessed)", 20,
         "German and English, guessed from the words; set them with a first line #languages:de,en"},
        {"French first, as Quizlet writes it", "quizlet.txt", Rows(kFrench, kEnglish, '\t'), "fr (guessed)",
         "en (guessed)", 20,
         "French and English, guessed from the words; set them with a first line #languages:fr,en"},
        {"too few words to tell", "a.csv", "Hund;dog\n", "? (unknown)", "? (unknown)", 1,
         "languages not known, so it is not spoken; name them with a first line such as #languages:en,de"},
        {"numbers tell no language", "a.csv", "1;2\n3;4\n5;6\n7;8\n", "? (unknown)", "? (unknown)", 4,
         "languages not known, so it is not spoken; name them with a first line such as #languages:en,de"},
        {"a side mixing German and French stays unknown", "a.csv", Rows(kEnglish, Mixed(kGerman, kFrench)),
         "en (guessed)", "? (unknown)", 20,
         "English (guessed from the words) and a language not known (not spoken); name them with a first "
         "line "
         "such as #languages:en,de"},
        {"the header names one side, the other is guessed", "a.txt",
         "#languages:,de\n" + Rows(kEnglish, kGerman), "en (guessed)", "de (header)", 20,
         "English (guessed from the words) and German (from its #languages line); set them with a first line "
         "#languages:en,de"},
        {"KVTML identifiers", "a.kvtml", KvtmlNaming("en", "de"), "en (identifier)", "de (identifier)", 20,
         "English and German, as its identifiers name them"},
        {"KVTML identifiers naming nothing are not guessed", "a.kvtml", KvtmlNaming("x1", "x2"),
         "? (unknown)", "? (unknown)", 20, "languages not known, so it is not spoken"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<uint8_t> bytes = Bytes(c.bytes);
        WordListImport list = Read(c.fileName, bytes);
        ASSERT_FALSE(list.refused) << list.refusal;
        // As a start reads the list: nothing is guessed.
        for (const SideLanguage* side : {&list.promptLanguage, &list.answerLanguage})
            EXPECT_NE(side->found, LanguageFound::Guessed);
        if (std::string(c.fileName).find(".kvtml") == std::string::npos) GuessUnknownLanguages(list);
        EXPECT_EQ(Found(list.promptLanguage), c.prompt);
        EXPECT_EQ(Found(list.answerLanguage), c.answer);
        EXPECT_EQ(list.CardCount(), c.cards);
        const std::string report = DescribeImport(c.fileName, list, 1);
        EXPECT_EQ(report.substr(report.rfind(" topic; ") + 8), c.report);

        // The copy the lists folder keeps tells the next start the same languages, unguessed.
        const WordListImport again = Read(c.fileName, CopyKeepingLanguages(bytes, list));
        EXPECT_EQ(again.promptLanguage.code, list.promptLanguage.code);
        EXPECT_EQ(again.answerLanguage.code, list.answerLanguage.code);
        EXPECT_EQ(again.CardCount(), c.cards);
    }
}

// A guess written into the copy goes after a byte-order mark and in the file's own units.
TEST(ListLanguages, TheCopyKeepsTheGuessInTheFilesOwnEncoding) {
    std::string utf16 = "\xFF\xFE";
    for (char16_t unit : Utf8ToUtf16(Rows(kGerman, kEnglish)))
        utf16 += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    std::string windows1252 = Rows(kGerman, kEnglish);
    windows1252.replace(windows1252.find("schön"), 6, "sch\xF6n");
    for (const std::string& text : {"\xEF\xBB\xBF" + Rows(kGerman, kEnglish), utf16, windows1252}) {
        const std::vector<uint8_t> bytes = Bytes(text);
        WordListImport list = Read("a.txt", bytes);
        GuessUnknownLanguages(list);
        ASSERT_EQ(list.promptLanguage.code, "de");
        const WordListImport again = Read("a.txt", CopyKeepingLanguages(bytes, list));
        EXPECT_EQ(Found(again.promptLanguage), "de (header)");
        EXPECT_EQ(Found(again.answerLanguage), "en (header)");
        EXPECT_EQ(again.readAsWindows1252, list.readAsWindows1252);
        ASSERT_EQ(again.CardCount(), 20u);
        EXPECT_EQ(again.lessons[0].cards[5].prompt, u"gehen");
    }
}

TEST(ListLanguages, NamesAreToldInEveryFormAndShownInTheirOwn) {
    for (const char* name :
         {"de", "de_DE", "German", "Deutsch", "deutsch", "allemand", "alemán", "niemiecki"})
        EXPECT_EQ(LanguageCodeOf(name), "de") << name;
    for (const char* name : {"", "Klingon", "x"}) EXPECT_EQ(LanguageCodeOf(name), "") << name;
    EXPECT_EQ(OwnLanguageName("fr"), "Français");
    EXPECT_EQ(OwnLanguageName("it"), "Italiano");
    EXPECT_EQ(EnglishLanguageName("nb"), "Norwegian");
    EXPECT_EQ(OwnLanguageName("xx"), "");
}

}  // namespace
