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
#include "formats/OwnTopicCountsFile.h"
#include "learning/TestRun.h"
#include "learning/WordList.h"
#include "tests/GameHarness.h"
#include "tests/hooks/FakeSpeechService.h"
#include "tests/hooks/Headless.h"

namespace {

constexpr int kDesignedTopics = 12;

std::string Kvtml(const std::vector<std::pair<std::string, std::string>>& pairs) {
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
        Write("incoming/animals.kvtml", Kvtml({{"dog", "Hund"}, {"cat", "Katze"}, {"bird", "Vögel"}}));
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

    std::vector<OwnCardCount> Counts(const std::string& name) const {
        std::ifstream in(Lists() + name, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return ParseOwnTopicCounts(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }

    GLObjectTextList* List(const std::string& key) { return dynamic_cast<GLObjectTextList*>(Object(key)); }

    std::string LastMessage() const {
        const auto& messages = platform::headless::Messages();
        return messages.empty() ? "" : messages.back();
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
        ASSERT_TRUE(testRun.answerEvaluated);
        RunUntil([] { return !testRun.answerEvaluated || app->currentScreen != ScreenId::Test; }, 400);
        RunTicks(1);
    }

    std::unique_ptr<FakeSpeechService> service;
};

}  // namespace

TEST_F(OwnListsTest, ImportedListsArePlayedJudgedSpokenKeptReimportedAndRemoved) {
    EXPECT_EQ(LastMessage().rfind("animals.kvtml: 3 cards in 1 topic", 0), 0u) << LastMessage();
    LoadToUserName();
    EnterName(u"ana");
    platform::headless::DropFile(folder + "incoming/fruit.csv");
    RunTicks(1);
    EXPECT_EQ(LastMessage().rfind("fruit.csv: 3 cards in 1 topic", 0), 0u) << LastMessage();
    // Copies in the lists folder: the originals may go.
    std::filesystem::remove_all(folder + "incoming");
    ASSERT_EQ(app->topicCount, kDesignedTopics + 2);
    EXPECT_EQ(app->topics[kDesignedTopics].title, u"Tiere");
    EXPECT_EQ(app->topics[kDesignedTopics + 1].title, u"fruit");
    EXPECT_EQ(List("main menu 2")->lines.size(), static_cast<size_t>(kDesignedTopics + 2));

    TopicsByKeys(kDesignedTopics);
    EXPECT_TRUE(Object("remove list")->visible);
    Press(SDLK_RETURN);
    RunUntilScreen(ScreenId::Info);
    WaitUntilStill("arrownext");
    Press(SDLK_RETURN);
    RunUntilScreen(ScreenId::Test);
    RunTicks(1);
    ASSERT_EQ(testRun.testLength, 3);

    std::vector<WordEntry> missed;
    for (const char16_t* kind : {u"wrong", u"right", u"wrong"}) {
        const WordEntry asked{CurrentPrompt(), CurrentAnswer()};
        if (kind == std::u16string(u"wrong")) {
            missed.push_back(asked);
            TypeAnswer(u"zzz");
        } else {
            // Umlauts are optional for an own list's letters too.
            TypeAnswer(asked.answer == u"Vögel" ? u"Vogel" : asked.answer);
        }
    }
    RunUntilScreen(ScreenId::GameOver);
    EXPECT_EQ(testRun.correctCount, 1);

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
    const std::vector<OwnCardCount> counts = Counts("animals.kvtml.1.counts");
    ASSERT_EQ(counts.size(), 3u);
    for (const OwnCardCount& card : counts) {
        const bool wasMissed = card.prompt == missed[0].prompt || card.prompt == missed[1].prompt;
        EXPECT_EQ(card.count, wasMissed ? 2 : 0) << Utf8(card.prompt);
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
    Write("again/animals.kvtml", Kvtml({{"dog", "Hund"}, {"cat", "Kater"}, {"bird", "Vögel"}}));
    platform::headless::DropFile(folder + "again/animals.kvtml");
    RunTicks(2);
    const std::vector<OwnCardCount> kept = Counts("animals.kvtml.1.counts");
    ASSERT_EQ(kept.size(), 2u);
    for (const OwnCardCount& card : kept) EXPECT_NE(card.prompt, u"cat");

    // Removing the CSV's list: Delete on its topic, then "yes".
    TopicsByKeys(kDesignedTopics + 1);
    Press(SDLK_DELETE);
    RunUntilScreen(ScreenId::ExitConfirm);
    EXPECT_EQ(TextOf("areyousure"), "Remove fruit.csv?");
    WaitUntilStill("menu tak-nie");
    Press(SDLK_RETURN);
    RunUntilScreen(ScreenId::Topics);
    EXPECT_EQ(app->topicCount, kDesignedTopics + 1);
    EXPECT_FALSE(std::filesystem::exists(Lists() + "fruit.csv"));
    EXPECT_TRUE(std::filesystem::exists(Lists() + "animals.kvtml"));
}
