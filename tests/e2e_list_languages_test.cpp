// A German deck exported from Anki, with no line naming its languages, dropped onto the window: the
// report says German and English were guessed from the words, the copy in the lists folder keeps
// them for the next start, the information panel and the cards beside the words name them, the
// German side is what is heard, English answers are judged with their articles optional and one
// letter off is "almost", and the passed test ends on its result with the words still to learn.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/TextureTable.h"
#include "learning/Learner.h"
#include "learning/LearningRun.h"
#include "learning/OwnTopics.h"
#include "learning/TestRun.h"
#include "learning/WordList.h"
#include "tests/GameHarness.h"
#include "tests/GermanDeckGame.h"
#include "tests/RecordReader.h"
#include "tests/hooks/FakeSpeechService.h"
#include "tests/hooks/Headless.h"

namespace {

class ListLanguagesGame : public GermanDeckGame {
protected:
    std::string LastMessage() const {
        const auto& messages = platform::headless::Messages();
        return messages.empty() ? "" : messages.back();
    }

    // The English answer as a learner types it: without its article or "to".
    static std::u16string Typed(std::u16string answer) {
        for (const char16_t* lead : {u"the ", u"to "}) {
            if (answer.rfind(lead, 0) == 0) answer = answer.substr(std::char_traits<char16_t>::length(lead));
        }
        return answer;
    }

    void Answer(const std::u16string& typed) {
        Type(typed);
        Key(13);
        ASSERT_TRUE(Run().test.answerEvaluated);
    }

    void WaitForNextQuestion() {
        RunUntil([&] { return !Run().test.answerEvaluated || App().currentScreen != ScreenId::Test; }, 400);
        RunTicks(1);
    }
};

TEST_F(ListLanguagesGame, AGermanDeckIsShownSpokenAndJudgedAsGermanAndEndsOnItsResult) {
    LoadToUserName();
    EnterName(u"ana");
    platform::headless::DropFile(folder + "incoming/deck.txt");
    RunTicks(1);
    // The box wraps the line at its width; standard output has it whole.
    EXPECT_EQ(LastMessage(),
              "deck.txt: 10 cards in 1 topic; German and English, guessed from the words; set them with a "
              "first line\n  #languages:de,en");
    std::ifstream copy(folder + "data/lists/deck.txt", std::ios::binary);
    std::string firstLine;
    std::getline(copy, firstLine);
    EXPECT_EQ(firstLine, "#languages:de,en");

    // The next start reads the languages from the copy.
    RestartGame();
    LoadToUserName();
    EnterName(u"ana");
    ASSERT_EQ(App().topicCount, kDesignedTopics + 1);
    ASSERT_EQ(TheLearner().ownTopics.size(), 1u);
    EXPECT_EQ(TheLearner().ownTopics[0].languages.prompt, "de");
    EXPECT_EQ(TheLearner().ownTopics[0].languages.answer, "en");

    OpenTopicInfo(1, kDesignedTopics);
    WaitUntilStill("arrownext");
    // The panel is the list's own, drawn for its languages; the designed one stays for the designed topics.
    const int32_t ownPanel = Scene().textures.Find("own list information panel");
    ASSERT_GE(ownPanel, 0);
    EXPECT_EQ(Object("corvina_info")->texture, ownPanel);
    ClickObject("arrownext");
    RunUntilScreen(ScreenId::Test);
    RunTicks(1);
    ASSERT_EQ(Run().test.testLength, 10);
    // Beside the German word its language's card, beside the English answer English's.
    EXPECT_EQ(Object("flag 1")->texture, Scene().textures.Find("side language card 0"));
    EXPECT_EQ(Object("flag 2")->texture, Scene().textures.Find("side language card 1"));

    std::vector<std::u16string> missed;
    bool almostSeen = false;
    std::u16string slipTyped;
    for (int asked = 0; Screen() == ScreenId::Test && asked < 10; ++asked) {
        // Each question's word is heard before it is answered, as at a player's pace (the ticks here
        // run far faster than 64 a second, and a newer word cuts off one not yet said).
        ASSERT_TRUE(service->WaitForMessages(asked + 1, std::chrono::seconds(10)));
        const std::u16string prompt = CurrentPrompt(Run().words), answer = CurrentAnswer(Run().words);
        const std::u16string plain = Typed(answer);
        if (asked == 0) {
            Answer(u"zzz");
            missed.push_back(prompt);
        } else if (!almostSeen && plain.size() >= 5) {
            std::u16string slip = plain;
            slip.back() = slip.back() == u'q' ? u'x' : u'q';
            Answer(slip);
            almostSeen = true;
            slipTyped = slip;
            missed.push_back(prompt);
            EXPECT_TRUE(Object("almost")->visible);
            EXPECT_FALSE(Object("zle")->visible);
            auto* shown = dynamic_cast<GLObjectText*>(Object("txt 2"));
            EXPECT_EQ(Utf8(shown->GetText()), Utf8(answer));
            EXPECT_EQ(shown->markFirst, answer.size() - 1);
            EXPECT_EQ(shown->markCount, 1u);
        } else {
            Answer(plain);  // "dog" for "the dog", "go" for "to go"
        }
        WaitForNextQuestion();
    }
    EXPECT_TRUE(almostSeen);
    RunUntilScreen(ScreenId::NextLevel);
    EXPECT_EQ(Run().test.correctCount, 7);
    EXPECT_EQ(Run().test.wrongCount, 2);
    EXPECT_TRUE(Object("passed_info")->visible);
    EXPECT_FALSE(Object("nextlevel_info")->visible);
    auto* practise = dynamic_cast<GLObjectTextList*>(Object("words to practise"));
    ASSERT_EQ(practise->lines.size(), missed.size());
    EXPECT_EQ(TextOf("wynik koncowy"), "score: " + std::to_string(Run().test.score));

    // The record keeps the languages as the import found them (the copy's "#languages:" line read
    // at the restart changes nothing) and every answer with the verdict it was shown.
    const RecordReader record(folder + "data/progress.sqlite");
    EXPECT_EQ(record.Rows("SELECT file, prompt_language, answer_language, prompt_found, answer_found, "
                          "imported_at > 0 FROM lists"),
              std::vector<std::string>{"deck.txt|de|en|guessed|guessed|1"});
    EXPECT_EQ(record.Rows("SELECT verdict, count(*) FROM answers GROUP BY verdict ORDER BY verdict"),
              (std::vector<std::string>{"almost|1", "right|7", "wrong|1"}));
    EXPECT_EQ(record.Rows("SELECT typed FROM answers WHERE verdict = 'almost'"),
              std::vector<std::string>{Utf8(slipTyped)});

    // Only German was heard, and only the German words.
    ASSERT_TRUE(service->WaitForMessages(9, std::chrono::seconds(10)));
    for (const FakeSpeechService::Message& heard : service->Messages()) {
        EXPECT_EQ(heard.language, "de") << heard.text;
        EXPECT_TRUE(std::any_of(kDeck.begin(), kDeck.end(), [&](const auto& card) {
            return card.first == heard.text;
        })) << heard.text;
    }
}

}  // namespace
