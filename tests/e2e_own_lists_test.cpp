// A learner's own lists through the headless window: a KVTML file named on the command line and a
// spreadsheet's CSV dropped onto the window become topics after the designed ones; a test of one
// is played by keys, its counts, words to practise and spoken language checked; the list is
// imported again with a changed card, and removed by its key and the yes/no question.
#include <SDL_keycode.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/ListImports.h"
#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "learning/Learner.h"
#include "learning/LearningRun.h"
#include "learning/OwnTopics.h"
#include "learning/RepetitionStore.h"
#include "learning/RunEndSave.h"
#include "learning/TestRun.h"
#include "learning/TopicWords.h"
#include "learning/WordList.h"
#include "tests/GameHarness.h"
#include "tests/RecordReader.h"
#include "tests/hooks/FakeSpeechService.h"
#include "tests/hooks/Headless.h"

namespace {

std::string KvtmlOfPairs(const std::vector<std::pair<std::string, std::string>>& pairs) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n"
        "<information><title>Tiere</title></information>\n<identifiers>\n"
        "<identifier id=\"0\"><name>English</name><locale>en</locale></identifier>\n"
        "<identifier "
        "id=\"1\"><name>Deutsch</name><locale>de</locale></identifier>\n</identifiers>\n<entries>\n";
    for (size_t i = 0; i < pairs.size(); ++i) {
        xml += "<entry id=\"" + std::to_string(i) + "\"><translation id=\"0\"><text>" + pairs[i].first +
               "</text></translation><translation id=\"1\"><text>" + pairs[i].second +
               "</text></translation></entry>\n";
    }
    return xml + "</entries>\n</kvtml>\n";
}

class OwnListsTest : public GameTest {
protected:
    void PrepareFolder() override {
        Write("incoming/animals.kvtml", KvtmlOfPairs({{"dog", "Hund"}, {"cat", "Katze"}, {"bird", "Vögel"}}));
        // Windows-1252 (ó is F3, ñ F1) with semicolons, as a spreadsheet on Windows saves it.
        Write("incoming/fruit.csv",
              "apple;manzana\r\nlemon;lim\xF3n\r\npineapple;pi\xF1"
              "a\r\n");
        service = std::make_unique<FakeSpeechService>(folder + "speech.sock");
        setenv("SPEECHD_ADDRESS", service->Address().c_str(), 1);
        commandLineLists.push_back(folder + "incoming/animals.kvtml");  // as main() passes its arguments
    }

    void Write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(folder + name).parent_path());
        std::ofstream(folder + name, std::ios::binary) << bytes;
    }

    std::string Lists() const { return folder + "data/lists/"; }

    // The list's cards with their counts as the learner's record keeps them: "prompt|answer|count".
    std::vector<std::string> Counts(const std::string& listFile) const {
        return RecordReader(folder + "data/progress.sqlite").Counts(listFile);
    }

    GLObjectTextList* List(const std::string& key) { return dynamic_cast<GLObjectTextList*>(Object(key)); }

    std::string LastMessage() const {
        const auto& messages = platform::headless::Messages();
        return messages.empty() ? "" : messages.back();
    }
    // The box's text with each wrapped line joined again (its further rows are indented).
    std::string LastMessageUnwrapped() const {
        std::string text = LastMessage();
        for (size_t at; (at = text.find("\n  ")) != std::string::npos;) text.replace(at, 3, " ");
        return text;
    }

    // Presses a key and lets the screen settle before the next one.
    void Press(int32_t sdlKey) {
        platform::headless::PressKey(sdlKey);
        RunTicks(1);
    }

    void TopicsByKeys(int topic) {
        for (int guard = 0; guard < 8 && List("main menu")->selected != 1; ++guard) {
            WaitUntilStill("main menu");
            Press(List("main menu")->selected > 1 ? SDLK_UP : SDLK_DOWN);
        }
        WaitUntilStill("main menu");
        Press(SDLK_RETURN);  // "test"
        RunUntilScreen(ScreenId::Topics);
        WaitUntilStill("main menu 2");
        RunTicks(30);
        for (int guard = 0; guard < 40 && List("main menu 2")->selected != topic; ++guard) {
            Press(SDLK_DOWN);
            WaitUntilStill("main menu 2");
            RunTicks(30);  // the picture change ends
        }
        ASSERT_EQ(List("main menu 2")->selected, topic);
    }

    void TypeAnswer(const std::u16string& typed) {
        Type(typed);
        Key(13);
        ASSERT_TRUE(Run().test.answerEvaluated);
        RunUntil([&] { return !Run().test.answerEvaluated || App().currentScreen != ScreenId::Test; }, 400);
        RunTicks(1);
    }

    std::unique_ptr<FakeSpeechService> service;
};

}  // namespace

TEST_F(OwnListsTest, ImportedListsArePlayedJudgedSpokenKeptReimportedAndRemoved) {
    // The command line's report waits for the play window's first frame, and speaks as the game.
    EXPECT_TRUE(platform::headless::Messages().empty()) << LastMessage();
    LoadToUserName();
    EXPECT_EQ(LastMessage().rfind("animals.kvtml: 3 cards in 1 topic", 0), 0u) << LastMessage();
    EXPECT_EQ(platform::headless::MessageKinds().back(), platform::MessageKind::Information);
    EnterName(u"ana");
    platform::headless::DropFile(folder + "incoming/fruit.csv");
    RunTicks(1);
    EXPECT_EQ(LastMessage().rfind("fruit.csv: 3 cards in 1 topic", 0), 0u) << LastMessage();
    // Copies in the lists folder: the originals may go.
    std::filesystem::remove_all(folder + "incoming");
    ASSERT_EQ(App().topicCount, kDesignedTopics + 2);
    EXPECT_EQ(App().topics[kDesignedTopics].title, u"Tiere");
    EXPECT_EQ(App().topics[kDesignedTopics + 1].title, u"fruit");
    EXPECT_EQ(List("main menu 2")->lines.size(), static_cast<size_t>(kDesignedTopics + 2));

    TopicsByKeys(kDesignedTopics);
    EXPECT_TRUE(Object("remove list")->visible);
    Press(SDLK_RETURN);
    RunUntilScreen(ScreenId::Info);
    WaitUntilStill("arrownext");
    Press(SDLK_RETURN);
    RunUntilScreen(ScreenId::Test);
    RunTicks(1);
    ASSERT_EQ(Run().test.testLength, 3);

    std::vector<WordEntry> missed;
    size_t said = 0;
    for (const char16_t* kind : {u"wrong", u"right", u"wrong"}) {
        const WordEntry asked{CurrentPrompt(Run().words), CurrentAnswer(Run().words)};
        if (kind == std::u16string(u"wrong")) {
            missed.push_back(asked);
            TypeAnswer(u"zzz");
        } else {
            // Umlauts are optional for an own list's letters too.
            TypeAnswer(asked.answer == u"Vögel" ? u"Vogel" : asked.answer);
        }
        // Each answer's word is heard before the next is given, as at a player's pace (the ticks
        // here run far faster than 64 a second, and a newer word cuts off one not yet said).
        ASSERT_TRUE(service->WaitForMessages(++said, std::chrono::seconds(10)));
    }
    RunUntilScreen(ScreenId::GameOver);
    EXPECT_EQ(Run().test.correctCount, 1);

    auto* practise = List("words to practise");
    ASSERT_EQ(practise->lines.size(), missed.size());
    for (size_t line = 0; line < missed.size(); ++line) {
        GLObjectText probe("probe", missed[line].prompt + u" - " + missed[line].answer, 0, 0, 0);
        EXPECT_EQ(Utf8(practise->lines[line]->GetText()), Utf8(probe.GetText()));
    }
    // Every word heard was German, the list's learned language, never English.
    ASSERT_TRUE(service->WaitForMessages(4, std::chrono::seconds(10)));
    for (const FakeSpeechService::Message& heard : service->Messages()) {
        EXPECT_EQ(heard.language, "de") << heard.text;
        EXPECT_NE(heard.text, "dog");
    }
    // The counts: one up for each miss, one down for the right answer; no designed file touched.
    const std::vector<std::string> counts = Counts("animals.kvtml");
    ASSERT_EQ(counts.size(), 3u);
    for (const std::string& card : counts) {
        const bool wasMissed = card.rfind(Utf8(missed[0].prompt) + "|", 0) == 0 ||
                               card.rfind(Utf8(missed[1].prompt) + "|", 0) == 0;
        EXPECT_EQ(card.back(), wasMissed ? '2' : '0') << card;
    }
    EXPECT_FALSE(std::filesystem::exists(folder + "data/30-60_rep.dat")) << "no designed topic opened";
    EXPECT_FALSE(std::filesystem::exists(folder + "data/0-0_rep.dat"));

    // The same list again with the cat's word changed: the dog and the bird keep their counts.
    WaitUntilStill("arrownext");
    platform::headless::SetCursor(0, 0);
    Press(SDLK_RETURN);
    RunUntilScreen(ScreenId::Info);
    WaitUntilStill("arrownext");
    Press(SDLK_RETURN);
    RunUntilScreen(ScreenId::MainMenu);
    Write("again/animals.kvtml", KvtmlOfPairs({{"dog", "Hund"}, {"cat", "Kater"}, {"bird", "Vögel"}}));
    platform::headless::DropFile(folder + "again/animals.kvtml");
    RunTicks(2);
    // The cards are kept by their words: the dog and the bird keep their counts, "cat - Kater" is new,
    // and "cat - Katze" keeps its count in the record for a list that brings it back.
    EXPECT_EQ(Counts("animals.kvtml"), counts);
    ASSERT_EQ(App().topicCount, kDesignedTopics + 2);

    // Removing the CSV's list: Delete on its topic. The question starts on "no", so Enter at once
    // keeps the list; Up to "yes" and Enter removes it.
    TopicsByKeys(kDesignedTopics + 1);
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "yes" : "no");
        Press(SDLK_DELETE);
        RunUntilScreen(ScreenId::ExitConfirm);
        EXPECT_EQ(TextOf("areyousure"), "Remove fruit.csv?");
        EXPECT_EQ(List("menu tak-nie")->selected, 1) << "\"no\" is selected";
        WaitUntilStill("menu tak-nie");
        if (yes) {
            Press(SDLK_UP);
            WaitUntilStill("menu tak-nie");
        }
        Press(SDLK_RETURN);
        RunUntilScreen(ScreenId::Topics);
        EXPECT_EQ(App().topicCount, kDesignedTopics + (yes ? 1 : 2));
        EXPECT_EQ(std::filesystem::exists(Lists() + "fruit.csv"), !yes);
        WaitUntilStill("main menu 2");
        RunTicks(30);
    }
    EXPECT_FALSE(std::filesystem::exists(Lists() + "fruit.csv"));
    EXPECT_TRUE(std::filesystem::exists(Lists() + "animals.kvtml"));
    // The list went from the record with its cards; the other's stayed.
    const RecordReader record(folder + "data/progress.sqlite");
    EXPECT_TRUE(record.Rows("SELECT * FROM lists WHERE file = 'fruit.csv'").empty());
    EXPECT_EQ(record.Counts("animals.kvtml"), counts);

    // The exit question keeps its own first answer, "yes", after the removal borrowed the lines.
    Press(SDLK_ESCAPE);
    RunUntilScreen(ScreenId::MainMenu);
    WaitUntilStill("main menu");
    Press(SDLK_ESCAPE);
    RunUntilScreen(ScreenId::ExitConfirm);
    EXPECT_EQ(TextOf("areyousure"), "Are you sure?");
    EXPECT_EQ(List("menu tak-nie")->selected, 0);
}

namespace {

// Names a learner's files really have: hidden, looking like the game's own files, too long to keep
// with their counts' names, and two files of one name from two folders.
class OwnListNamesTest : public OwnListsTest {
protected:
    void PrepareFolder() override {
        for (const std::string& name : Names())
            Write("incoming/" + name, "#languages:en,de\ndog;Hund\ncat;Katze\n");
        Write("other/fruit.csv", "#languages:en,de\napple;Apfel\n");
        Write("incoming/fruit.csv", "#languages:en,de\npear;Birne\nplum;Pflaume\n");
        for (const std::string& name : Names()) commandLineLists.push_back(folder + "incoming/" + name);
        commandLineLists.push_back(folder + "other/fruit.csv");
        commandLineLists.push_back(folder + "incoming/fruit.csv");
    }

    static std::vector<std::string> Names() {
        return {".hidden.csv", "vocab.tmp.csv", "week.counts", std::string(231, 'L') + ".csv",
                std::string(246, 'M') + ".csv"};
    }

    std::vector<std::u16string> OwnTitles() const {
        std::vector<std::u16string> titles;
        for (int row = kDesignedTopics; row < App().topicCount; ++row)
            titles.push_back(App().topics[row].title);
        return titles;
    }
};

}  // namespace

// Every one is imported, reported truthfully, comes back at the next start under the same title,
// and keeps its progress.
TEST_F(OwnListNamesTest, EveryImportedListComesBackUnderAnyName) {
    LoadToUserName();
    ASSERT_EQ(platform::headless::Messages().size(), 1u);
    const std::string report = LastMessageUnwrapped();
    const std::string languages = "English and German, from its #languages line; ";
    EXPECT_EQ(report.find("not imported"), std::string::npos) << report;
    EXPECT_NE(report.find(".hidden.csv: 2 cards in 1 topic; " + languages + "kept as _hidden.csv"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("fruit.csv: 1 card in 1 topic; " + languages + "replaced by " + folder +
                          "incoming/fruit.csv (the same name)"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("fruit.csv: 2 cards in 1 topic; " + languages + "replaced " + folder +
                          "other/fruit.csv (the same name)"),
              std::string::npos)
        << report;
    // In the copies' order: the long names, then "_hidden.csv", "fruit.csv" and the rest.
    const std::vector<std::u16string> titles = OwnTitles();
    ASSERT_EQ(titles.size(), 6u);
    EXPECT_EQ(titles[0], std::u16string(97, u'L') + u"...");
    EXPECT_EQ(titles[2], u"_hidden");
    EXPECT_EQ(titles[4], u"vocab.tmp");
    EXPECT_EQ(titles[5], u"week");

    RestartGame();
    LoadToUserName();
    EXPECT_EQ(OwnTitles(), titles) << "every list back, each under its title";

    // The longest name's progress is kept like any other's.
    const int longRow = kDesignedTopics + 1;
    const OwnTopic& topic = TheLearner().ownTopics[App().topics[longRow].ownTopic];
    LoadTopicWords(App(), TheLearner(), Run().words, longRow);
    Run().words.currentWord = 0;
    MarkWrong(Run().words);
    RunEnd run;
    run.row = longRow;
    run.player = u"ana";
    RunEndSave save(run, App(), TheLearner(), Run(), 0);
    const std::optional<RunEndResult> saved = save.Step(0);
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(saved->save) << saved->save.reason;
    EXPECT_EQ(Counts(topic.listFile), std::vector<std::string>{"dog|Hund|2"});
}

// A report of 200 files fits a small screen: the first lines whole, the rest summed up, every line
// on standard output; a list of more lessons than the topics table holds says what was not kept.
TEST_F(OwnListsTest, TheReportFitsTheScreenAndSaysWhatWasNotKept) {
    LoadToUserName();
    EnterName(u"ana");
    std::string lessons;
    for (int lesson = 0; lesson < 1100; ++lesson) {
        const std::string id = std::to_string(lesson);
        lessons += "<container><name>L" + id + "</name><entry id=\"" + id + "\"/></container>";
    }
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int i = 0; i < 1100; ++i) pairs.push_back({"w" + std::to_string(i), "W" + std::to_string(i)});
    std::string many = KvtmlOfPairs(pairs);
    many.replace(many.find("</kvtml>"), 8, "<lessons>" + lessons + "</lessons></kvtml>");
    Write("incoming/many.kvtml", many);
    QueueListImport(App(), folder + "incoming/many.kvtml");
    for (int i = 0; i < 199; ++i) {
        const std::string name = "incoming/list" + std::to_string(i) + ".csv";
        Write(name, i % 10 == 9 ? "no answer\n" : "dog;Hund\n");
        QueueListImport(App(), folder + name);
    }
    platform::headless::ClearRecords();
    RunTicks(2);
    ASSERT_EQ(platform::headless::Messages().size(), 1u);
    const std::string report = LastMessage();
    size_t lines = 1, longest = 0, start = 0;
    for (size_t end; (end = report.find('\n', start)) != std::string::npos; start = end + 1, ++lines)
        longest = std::max(longest, end - start);
    EXPECT_LE(lines, 16u);
    EXPECT_LE(longest, 112u);
    // The lists sort before many.kvtml, so of its 1100 topics the table keeps 1000 less the
    // designed 12, animals.kvtml's one and the 180 lists' (19 of the 199 hold no card). Each line
    // wraps into two rows, so seven files fit above the summary row.
    EXPECT_EQ(
        report.rfind("many.kvtml: 1100 cards in 1100 topics; English and German, as its identifiers name "
                     "them; 293 topics not shown:\n  the topics list is full\n",
                     0),
        0u)
        << report;
    EXPECT_NE(report.find("\nlist0.csv: 1 card in 1 topic; languages not known"), std::string::npos)
        << report;
    EXPECT_NE(report.find("\nlist5.csv: "), std::string::npos) << report;
    EXPECT_EQ(report.find("list6.csv"), std::string::npos) << report;
    EXPECT_NE(report.find("\n... and 193 more files: 174 imported, 19 not imported"), std::string::npos)
        << report;
    EXPECT_EQ(App().topicCount, MAX_TOPICS);
}
