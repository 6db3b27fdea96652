// Reading own word lists: hostile XML must be refused at once, the largest text list a learner
// may import read in a bounded time, and a list of the most cards a list may hold imported whole
// (read, its languages guessed, copied into the lists folder, made topics) well within a second.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "formats/WordListImport.h"
#include "game/saves/SaveFolder.h"
#include "game/state/AppContext.h"
#include "learning/Learner.h"
#include "learning/OwnTopics.h"
#include "tests/hooks/Headless.h"

namespace {

std::string Repeated(const std::string& part, size_t times) {
    std::string text;
    text.reserve(part.size() * times);
    for (size_t i = 0; i < times; ++i) text += part;
    return text;
}

std::string BillionLaughs() {
    std::string declarations = "<!ENTITY l0 \"lol\">";
    for (int level = 1; level <= 9; ++level) {
        declarations += "<!ENTITY l" + std::to_string(level) + " \"" +
                        Repeated("&l" + std::to_string(level - 1) + ";", 10) + "\">";
    }
    return "<?xml version=\"1.0\"?><!DOCTYPE kvtml [" + declarations +
           "]><kvtml version=\"2.0\"><information><title>&l9;</title></information></kvtml>";
}

const std::string kExternalEntity =
    "<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY p SYSTEM \"file:///etc/passwd\">]>"
    "<kvtml version=\"2.0\"><information><title>&p;</title></information></kvtml>";

void ReadList(benchmark::State& state, const std::string& fileName, const std::string& bytes) {
    for (auto _ : state) {
        const WordListImport list =
            ReadWordList(fileName, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        benchmark::DoNotOptimize(list.refused);
    }
}

void BM_RefuseBillionLaughs(benchmark::State& state) { ReadList(state, "a.kvtml", BillionLaughs()); }
void BM_RefuseExternalEntity(benchmark::State& state) { ReadList(state, "a.kvtml", kExternalEntity); }
void BM_Refuse100000NestedElements(benchmark::State& state) {
    ReadList(state, "a.kvtml",
             "<kvtml version=\"2.0\">" + Repeated("<a>", 100000) + Repeated("</a>", 100000) + "</kvtml>");
}
void BM_Read8MegabyteTextList(benchmark::State& state) {
    std::string text = Repeated("the word;la palabra, otra\n", 320000);
    text.resize((8u << 20) - 1);
    ReadList(state, "a.csv", text);
}

// HTML mode's worst fields: every '&' or '<' starts an entity or a tag that never ends. Read in
// one pass, and a field past its cap is not decoded at all.
void BM_ReadHtmlAmpersands400KB(benchmark::State& state) {
    ReadList(state, "a.txt", "#html:true\n" + std::string(400000, '&') + ";x\n");
}
void BM_ReadHtmlTagOpenings400KB(benchmark::State& state) {
    ReadList(state, "a.txt", "#html:true\nx;" + Repeated("<", 400000) + "\n");
}
// Every field just within the cap, all of it '&': the decoding itself.
void BM_ReadHtmlAmpersandsInEveryField(benchmark::State& state) {
    ReadList(state, "a.txt", "#html:true\n" + Repeated(std::string(4000, '&') + ";x\n", 500));
}

// An Anki export of a German deck with no line naming its languages: German words, then English.
std::string GermanDeck(size_t cards) {
    const char* german[] = {"der Hund", "die Katze",   "das Haus",  "der Baum",  "schön",
                            "gehen",    "die Straße",  "der Apfel", "die Birne", "laufen",
                            "sprechen", "das Fenster", "die Tür",   "der Tisch", "der Stuhl",
                            "das Buch", "die Schule",  "lernen",    "schreiben", "lesen"};
    const char* english[] = {"the dog",  "the cat",    "the house", "the tree",  "beautiful",
                             "to go",    "the street", "the apple", "the pear",  "to run",
                             "to speak", "the window", "the door",  "the table", "the chair",
                             "the book", "the school", "to learn",  "to write",  "to read"};
    std::string deck = "#separator:tab\n#html:false\n";
    for (size_t i = 0; i < cards; ++i)
        deck += std::string(german[i % 20]) + " " + std::to_string(i) + "\t" + english[i % 20] + " " +
                std::to_string(i) + "\n";
    return deck;
}

// The whole import of a list of 10,000 cards, the most a list may hold, into a game folder of its own.
void BM_Import10000CardListGuessingItsLanguages(benchmark::State& state) {
    char pattern[] = "/tmp/lexadrill-import-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made) return state.SkipWithError("no temporary folder");
    const std::string folder = std::string(made) + "/";
    std::filesystem::create_directories(folder + "data");
    std::ofstream(folder + "deck.txt", std::ios::binary) << GermanDeck(kMaxImportedCards);
    platform::headless::Enable();
    platform::headless::SetExecutableFolder(folder);
    DecideSaveFolder();
    AppContext context(folder);
    Learner learner;
    std::string report;
    for (auto _ : state) report = ImportListFile(context, learner, folder + "deck.txt");
    if (report.find("10000 cards in 334 topics; German and English, guessed from the words") ==
        std::string::npos)
        state.SkipWithError(report.c_str());
    ForgetSaveFolder();
    std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(BM_ReadHtmlAmpersands400KB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadHtmlTagOpenings400KB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadHtmlAmpersandsInEveryField)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefuseBillionLaughs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefuseExternalEntity)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Refuse100000NestedElements)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read8MegabyteTextList)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Import10000CardListGuessingItsLanguages)->Unit(benchmark::kMillisecond)->Iterations(5);
