#include "screens/TestScreen.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLParticleSystem.h"
#include "engine/GLScene.h"
#include "engine/Model.h"
#include "engine/MotionPath.h"
#include "formats/GlyphCodes.h"
#include "game/names/EventNames.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
#include "game/texts/UiStrings.h"
#include "learning/AnswerCheck.h"
#include "learning/Learner.h"
#include "learning/LearningRun.h"
#include "learning/MissedEntries.h"
#include "learning/RepetitionStore.h"
#include "learning/ReviewRun.h"
#include "learning/ReviewSchedule.h"
#include "learning/RunEndSave.h"
#include "learning/SpokenWord.h"
#include "learning/TestRun.h"
#include "learning/TopicDirection.h"
#include "learning/TopicWords.h"
#include "learning/WordList.h"
#include "platform/Platform.h"
#include "platform/ProcessStart.h"
#include "screens/SceneLookup.h"
#include "screens/ScreenSteps.h"
#include "screens/SideLanguageCards.h"
#include "screens/TestFeedback.h"
#include "screens/TextEntry.h"
#include "unicode/Utf8Utf16.h"

namespace {

void AddExplosion(Game& game, const std::string& objectKey, double z, double r, double g, double b) {
    auto* burst =
        game.scene.Add(std::make_unique<GLParticleSystemSimpleExplosion>(100, objectKey, 20, 0, 0, z));
    burst->SetColour(r, g, b, 1);
    burst->texture = game.scene.textures.Find("particle.tga");
    burst->textured = true;
    burst->blend = true;
    burst->blendSrc = GL_SRC_ALPHA;
    burst->blendDst = GL_ONE_MINUS_SRC_ALPHA;
    burst->visible = false;
}

void AddLabel(Game& game, const std::string& objectKey, const std::u16string& text, double x, double y,
              double z, double scale, double r, double g, double b) {
    AddHiddenLabel(game.scene, objectKey, text, x, y, z, r, g, b)->scale = scale;
}

bool Reviewing(Game& game) { return game.run.test.mode == RunMode::Review; }

// A review keeps no score and cannot pass: its score and "to pass" lines stay hidden.
bool ShownInRun(Game& game, const char* objectKey) {
    return !Reviewing(game) || (objectKey != key::kScore && objectKey != key::kToPassCount);
}

// The schedule's card of the question on screen.
CardRef QuestionCard(Game& game) {
    if (!Reviewing(game))
        return CardRef{
            game.run.test.topicIndex, static_cast<int>(game.run.words.currentWord),
            game.run.words.languages.reversed ? record::Direction::Reverse : record::Direction::Forward};
    const CardRef* card = CurrentReviewCard(game.run);
    return card ? *card : CardRef{-1, -1};
}

// The seconds the open question has taken on the run's clock (which stops while paused).
double SecondsTaken(Game& game) {
    constexpr int32_t kQuestionSeconds = 15;
    double seconds = kQuestionSeconds - game.run.test.timeLeft;
    if (game.run.test.clockRunning)
        seconds += std::min(1.0, (platform::TickCountMs() - game.run.test.lastTickMs) / 1000.0);
    return std::clamp(seconds, 0.0, double{kQuestionSeconds});
}

// The topics row whose rules judge the question on screen.
int QuestionRow(Game& game) {
    return Reviewing(game) ? CurrentReviewRow(game.run) : game.run.test.topicIndex;
}

// A test draws its questions by their counts; a review asks its cards in the order chosen, each
// shown and spoken in its own topic's languages.
void ChooseQuestion(Game& game) {
    if (Reviewing(game)) {
        FindUnasked(game.run.words, 0);
    } else {
        ChooseNextWord(game.run.words);
    }
}

// The question on screen: its prompt, its sides' languages, and its foreign word heard when shown.
void ShowQuestion(Game& game) {
    SetWordText(game.scene, key::kPromptText, CurrentPrompt(game.run.words));
    ShowSideLanguages(game, CurrentLanguages(game.run.words));
    SpeakWhenAsked(CurrentEntry(game.run.words), CurrentLanguages(game.run.words));
}

// The four counter lines at the left.
void ShowCounters(Game& game) {
    SetTextOf(game.scene, key::kCorrectCount,
              CounterLine(game.app.strings.correctLabel, game.run.test.correctCount));
    SetTextOf(game.scene, key::kWrongCount,
              CounterLine(game.app.strings.wrongLabel, game.run.test.wrongCount));
    SetTextOf(game.scene, key::kToPassCount,
              CounterLine(game.app.strings.toPassLabel, game.run.test.toPass - game.run.test.correctCount));
    SetTextOf(
        game.scene, key::kWordsLeftCount,
        CounterLine(game.app.strings.wordsLeftLabel, game.run.test.testLength - game.run.test.askedCount));
}

// The leaving motion of the run's objects at its end. After a judged last answer the prompt and
// the answer field are already leaving as every judged answer's do (a wrong one slowly, showing
// the right answer), so only a run broken off sends them off here.
void LeaveRunObjects(Game& game, bool lastAnswerJudged) {
    for (const char* objectKey :
         {key::kPromptText, key::kAnswerText, key::kAbortButton, key::kArrowNext, key::kNativeFlag,
          key::kForeignFlag, key::kScore, key::kCorrectCount, key::kWrongCount, key::kToPassCount,
          key::kWordsLeftCount, key::kClock, key::kScoreBoard}) {
        const bool feedbackMoves = objectKey == key::kPromptText || objectKey == key::kAnswerText;
        if (lastAnswerJudged && feedbackMoves) continue;
        LeaveToLeft(FindSceneObject(game.scene, objectKey), 200, 190, 100, 90);
    }
}

// The run's objects enter from the left, the counters and the score showing the run's start.
void EnterRunObjects(Game& game) {
    EnterFromLeft(game.scene, key::kClock);
    SetTextOf(game.scene, key::kClock, u"--");
    for (const char* objectKey :
         {key::kCorrectCount, key::kWrongCount, key::kToPassCount, key::kWordsLeftCount}) {
        if (ShownInRun(game, objectKey)) EnterFromLeft(game.scene, objectKey);
    }
    ShowCounters(game);
    if (ShownInRun(game, key::kScore)) EnterFromLeft(game.scene, key::kScore);
    SetTextOf(game.scene, key::kScore, u"score: " + NumberText(game.run.test.score));

    EnterFromLeft(game.scene, key::kPromptText);
    EnterAnswerField(game.scene, true);
    EnterFromLeft(game.scene, key::kNativeFlag);
    EnterFromLeft(game.scene, key::kArrowNext);
    EnterFromLeft(game.scene, key::kAbortButton);
    if (GLObject* pause = FindSceneObject(game.scene, key::kPauseButton)) {
        EnterFromLeft(pause);
        pause->visible = false;
    }
    EnterFromLeft(game.scene, key::kForeignFlag);
    EnterFromLeft(game.scene, key::kScoreBoard);
}

// A run's save that did not go as it should, told in a message box: progress the player thinks is
// kept is not, or was written without the folder's lock.
void TellSaveResult(const SaveResult& result) {
    const std::string message = SaveResultMessage(result);
    const bool lost = result.status == SaveResult::Status::NotSaved;
    if (!message.empty())
        platform::ShowMessage(message,
                              lost ? platform::MessageKind::Error : platform::MessageKind::Information);
}

// The screen that follows a run, and after how many ticks, once its save is done.
ScreenEvent EventAfterRun(Game& game, RunEndKind how, bool nextTopicUnlocked) {
    // A review, finished or broken off, ends on its own result screen.
    if (how == RunEndKind::Reviewed || (how == RunEndKind::BrokenOff && Reviewing(game)))
        return ScreenEvent::ReviewResultAfterReview;
    if (how != RunEndKind::Passed) return ScreenEvent::GameOverAfterTest;
    // A passed own list, or a topic passed the other way round, unlocks nothing and ends on its
    // result all the same.
    if (OwnTopicOfRow(game.app, game.learner, game.run.test.topicIndex) != nullptr ||
        game.run.words.languages.reversed)
        return ScreenEvent::NextLevelAfterTest;
    // An unlock that could not be written unlocked nothing: the main menu follows.
    return nextTopicUnlocked ? ScreenEvent::NextLevelAfterTest : ScreenEvent::MainMenuAfterTest;
}

int TicksAfterRun(RunEndKind how) {
    switch (how) {
        case RunEndKind::Passed:
            return 40;
        case RunEndKind::Failed:
        case RunEndKind::Reviewed:
            return 150;
        case RunEndKind::BrokenOff:
            return 50;
    }
    return 50;
}

}  // namespace

// A run's save from the run's end until it is done (at once unless another game holds the
// folder's lock), and what then follows. The test screen's state (AppContext::screens.pendingRunEnd):
// made by FinishTest, gone when its result is told.
struct PendingRunEnd {
    PendingRunEnd(const RunEnd& run, Game& game, RunEndKind how, uint32_t nowMs)
        : save(run, game.app, game.learner, game.run, nowMs), how(how) {}
    RunEndSave save;
    RunEndKind how;
    int ticksWaited = 0;
};

namespace {

// Called once a tick (and at the run's end): tells the save's result once there is one and sends
// the player on; the wait for the lock counts towards the usual delay before the next screen.
void StepRunEnd(Game& game) {
    std::shared_ptr<PendingRunEnd>& pendingRunEnd = game.app.screens.pendingRunEnd;
    if (!pendingRunEnd) return;
    const std::optional<RunEndResult> result = pendingRunEnd->save.Step(platform::TickCountMs());
    if (!result) {
        ++pendingRunEnd->ticksWaited;
        return;
    }
    const RunEndKind how = pendingRunEnd->how;
    const int ticksLeft = std::max(1, TicksAfterRun(how) - pendingRunEnd->ticksWaited);
    pendingRunEnd.reset();
    TellSaveResult(result->save);
    PostScreenEvent(game.scene, EventAfterRun(game, how, result->nextTopicUnlocked), ticksLeft);
}

}  // namespace

void BuildTestScreen(Game& game) {
    AddExplosion(game, key::kCorrectBurst, -2, 1, 0.5, 0);
    AddLabel(game, key::kBonusFeedback, u"great!", 0, 0, 3.5, 1.5, 0.5, 0.2, 1);
    AddLabel(game, key::kCorrectFeedback, u"correct", 0, 0, 3.5, 1.5, 0.1, 1, 0.2);
    AddLabel(game, key::kWrongFeedback, u"wrong", 0, 0, 3.5, 1.5, 1, 0.2, 0.2);
    AddExplosion(game, key::kBonusBurst, 0.5, 0.1, 0.5, 0.1);
    // The labels at the left sit at single-precision coordinates, as they always have.
    const double left = static_cast<float>(-2.4), z = static_cast<float>(0.5);
    AddLabel(game, key::kCorrectCount, u"", left, static_cast<float>(1.9), z, 0.5, 0.2, 1, 0.2);
    AddLabel(game, key::kWrongCount, u"", left, static_cast<float>(1.7), z, 0.5, 1, 0.2, 0.2);
    AddLabel(game, key::kToPassCount, u"", left, static_cast<float>(1.5), z, 0.5, 0.2, 0.2, 0.2);
    AddLabel(game, key::kWordsLeftCount, u"", left, static_cast<float>(1.3), z, 0.5, 0.2, 0.2, 0.2);
    AddLabel(game, key::kClock, u"30", left, static_cast<float>(0.9), z, 1, 0.2, 0.9, 0.4);

    // The pause button is built but, as designed, never shown.
    auto* pause = game.scene.Add(std::make_unique<MilkshapeModel>(key::kPauseButton, 3.1, 1.7, 0));
    pause->SetFlatColour(0.4, 0.4, 0.9, 1);
    pause->Load("data/przerwij.ms3d");
    pause->highlight = MakeHighlightBox(key::kButtonHighlight);
    pause->visible = false;

    AddLabel(game, key::kAlmostFeedback, u"almost", 0, 0, 3.5, 1.5, 1, 0.6, 0.1);
}

namespace {

// What a test and a review share at their start; the run's test.mode says which it is.
void StartRun(Game& game) {
    game.run.test.answerSubmitted = game.run.test.answerEvaluated = game.run.test.paused =
        game.run.test.brokenOff = false;
    game.run.test.clockRunning = true;
    game.app.transitionLock = false;
    if (!game.scene.lights.empty()) game.scene.lights[0]->position[2] = -0.6;
    game.run.test.timeLeft = 15;
    game.run.test.correctCount = game.run.test.wrongCount = game.run.test.askedCount = 0;
    game.run.test.lastTickMs = platform::TickCountMs();
    game.run.missed.clear();

    if (Reviewing(game)) {
        game.run.test.topicIndex = 0;
        LoadReviewCards(game.app, game.learner, game.run);
    } else {
        ForgetReviewCards(game.run);
        const GLObjectTextList* topicsList = FindTextList(game.scene, key::kTopicsList);
        const int row = topicsList ? topicsList->selected : 0;
        game.run.test.topicIndex = game.app.HasTopicRow(row) ? row : 0;
        LoadTopicWords(game.app, game.learner, game.run.words, game.run.test.topicIndex,
                       ChosenDirection(game.app, game.learner, game.run.test.topicIndex));
    }

    game.run.test.score = 0;
    game.run.test.testLength = static_cast<int32_t>(WordCount(game.run.words));
    // A topic of one entry still needs its one right answer to pass.
    game.run.test.toPass = PassMark(game.run.test.testLength);

    if (game.run.test.testLength == 0) {
        // Nothing to ask (the word list is missing): the run ends as game over at once, without a
        // question, a score to enter or counts to store.
        game.run.test.clockRunning = false;
        game.run.test.answerEvaluated = true;
        PostScreenEvent(
            game.scene,
            Reviewing(game) ? ScreenEvent::ReviewResultAfterReview : ScreenEvent::GameOverAfterTest, 50);
        return;
    }
    ChooseQuestion(game);

    EnterRunObjects(game);
    ShowQuestion(game);
    SetWordText(game.scene, key::kAnswerText, u"");
}

}  // namespace

void ShowTestScreen(Game& game) {
    game.run.test.mode = RunMode::Test;
    StartRun(game);
}

void ShowReviewRun(Game& game) {
    game.run.test.mode = RunMode::Review;
    StartRun(game);
}

void ShowNextTestQuestion(Game& game) {
    ChooseQuestion(game);  // nothing left keeps the entry on screen
    if (game.app.cheatMode) {
        const std::string line = Utf16ToUtf8(CurrentPrompt(game.run.words)) + " = " +
                                 Utf16ToUtf8(CurrentAnswer(game.run.words)) + "\n";
        platform::DebugOutput(line);
        platform::ShowMessage(line);
    }
    ShowQuestion(game);
    SetWordText(game.scene, key::kAnswerText, u"");
    if (GLObjectText* prompt = FindText(game.scene, key::kPromptText)) {
        prompt->StartMotion(PathEnterFromRight(), 150);
        prompt->StartFade(FadeInPath(100, prompt->baseColour[3]), 90);
    }
    if (GLObjectText* answer = FindText(game.scene, key::kAnswerText)) {
        answer->StartMotion(PathEnterFromRight(), 150);
        answer->StartFade(FadeInPath(100, answer->baseColour[3]), 90);
        answer->SetActive(true);
    }
    game.run.test.timeLeft = 15;
    SetTextOf(game.scene, key::kScore, CounterLine(game.app.strings.scoreLabel, game.run.test.score));
    ShowCounters(game);
    for (const char* objectKey :
         {key::kCorrectCount, key::kWrongCount, key::kToPassCount, key::kWordsLeftCount})
        SetVisible(game.scene, objectKey, ShownInRun(game, objectKey));
    SetVisible(game.scene, key::kWrongFeedback, false);
    SetVisible(game.scene, key::kAlmostFeedback, false);
    SetVisible(game.scene, key::kCorrectFeedback, false);
    game.run.test.clockRunning = true;
    game.run.test.answerSubmitted = false;
    game.run.test.answerEvaluated = false;
}

void TestClockTick(Game& game) {
    StepRunEnd(game);
    if (game.run.test.paused) return;
    const uint32_t now = platform::TickCountMs();
    if (!game.run.test.clockRunning || now - game.run.test.lastTickMs <= 1000) return;
    --game.run.test.timeLeft;
    game.run.test.lastTickMs = now;
    if (game.run.test.timeLeft == 0)
        EvaluateAnswer(game, AnswerVerdict{}, u"", true);  // a time-out is a wrong answer
    SetTextOf(game.scene, key::kClock, NumberText(game.run.test.timeLeft));
}

void TestScreenInput(Game& game, const InputEvent& input) {
    if (game.run.test.paused) game.run.test.paused = false;  // any input resumes
    if (input.IsPlainClick() && Hovered(game.scene, key::kPauseButton) && !game.app.transitionLock) {
        game.run.test.paused = true;
        return;
    }
    if (!game.run.test.answerEvaluated && Presses(game.scene, input, key::kAbortButton) &&
        !game.app.transitionLock) {
        game.app.transitionLock = true;
        // The open question is closed as if judged: no later Enter, click or time-out may judge
        // it while the screen leaves, after its score has gone into the hall of fame.
        game.run.test.clockRunning = false;
        game.run.test.answerSubmitted = game.run.test.answerEvaluated = true;
        game.run.test.brokenOff = true;
        FinishTest(game, RunEndKind::BrokenOff);
        return;
    }
    const bool submit =
        input.IsKey(platform::Key::Return) || (input.IsPlainClick() && Hovered(game.scene, key::kArrowNext));
    if (game.run.test.answerEvaluated) return;
    if (submit && !game.run.test.answerSubmitted) {
        game.run.test.answerSubmitted = true;
        const GLObjectText* answer = FindText(game.scene, key::kAnswerText);
        // The field holds glyph codes; accented letters must be letters again to be compared.
        const std::u16string typed = answer ? GlyphTextToLetters(answer->GetText()) : std::u16string();
        const std::u16string expected = CurrentAnswer(game.run.words);
        const AnswerVerdict verdict =
            JudgeTypedAnswer(game.app, game.learner, game.run.words, QuestionRow(game), typed, expected);
        EvaluateAnswer(game, verdict, typed, false);
        return;
    }
    EditText(game, key::kAnswerText, input);
}

void EvaluateAnswer(Game& game, const AnswerVerdict& verdict, const std::u16string& typed, bool timedOut) {
    const double seconds = SecondsTaken(game);
    const bool correct = verdict.right;
    SetTextOf(game.scene, key::kClock, u"--");
    game.run.test.clockRunning = false;
    game.run.test.answerEvaluated = true;
    const bool bonus = ScoreAnswer(game.run.test, correct);
    if (WordCount(game.run.words) > 0) {
        AnswerDetails details;
        details.verdict = correct          ? record::Verdict::Right
                          : timedOut       ? record::Verdict::TimedOut
                          : verdict.almost ? record::Verdict::Almost
                                           : record::Verdict::Wrong;
        details.typed = typed;
        details.seconds = seconds;
        details.kind = Reviewing(game) ? record::RunKind::Review : record::RunKind::Test;
        RecordAnswer(game.app, game.learner, QuestionCard(game), details);
    }
    if (correct) {
        MarkCorrect(game.run.words);
        ShowRightAnswer(game, bonus);
        // A right answer typed in another spelling leaves showing the list's.
        if (!verdict.spellingToShow.empty()) ShowExpectedSpelling(game, verdict.spellingToShow);
    } else {
        MarkWrong(game.run.words);
        if (verdict.almost) {
            ShowAlmostAnswer(game, verdict.almostSpelling, verdict.markFirst, verdict.markCount);
        } else {
            ShowWrongAnswer(game, CurrentAnswer(game.run.words));
        }
        game.run.missed.push_back(
            MissedEntry{CurrentEntry(game.run.words), CurrentLanguages(game.run.words)});
    }
    SpeakWhenJudged(CurrentEntry(game.run.words), CurrentLanguages(game.run.words));
    platform::DebugOutput("ekran_licznik_slow=" + std::to_string(game.run.test.askedCount) + ", >>>=" +
                          std::to_string(game.run.test.toPass - game.run.test.correctCount) + " \n");

    switch (DecideRun(game.run.test)) {
        case RunOutcome::Passed:
            FinishTest(game, RunEndKind::Passed);
            break;
        case RunOutcome::NextQuestion:
            PostScreenEvent(game.scene, ScreenEvent::TestNextWord, 140);
            break;
        case RunOutcome::Failed:
            FinishTest(game, RunEndKind::Failed);
            break;
        case RunOutcome::Reviewed:
            FinishTest(game, RunEndKind::Reviewed);
            break;
    }
}

void FinishTest(Game& game, RunEndKind how) {
    // The run's counts are saved with its hall-of-fame entry when the run ends, so a window closed
    // before the next screen loses neither.
    RunEnd run;
    run.row = game.run.test.topicIndex;
    run.hasCounts = WordCount(game.run.words) > 0;
    run.review = Reviewing(game);
    run.reversed = !run.review && game.run.words.languages.reversed;
    if (run.review) run.reviewedRows = ReviewedRows(game.run);
    run.player = game.app.userName;
    run.score = game.run.test.score;
    run.passedRow = how == RunEndKind::Passed ? game.run.test.topicIndex : -1;
    game.app.screens.pendingRunEnd = std::make_shared<PendingRunEnd>(run, game, how, platform::TickCountMs());
    StepRunEnd(game);
    LeaveRunObjects(game, how != RunEndKind::BrokenOff);
}

void SaveRunEndNow(Game& game) {
    std::shared_ptr<PendingRunEnd>& pendingRunEnd = game.app.screens.pendingRunEnd;
    if (!pendingRunEnd) return;
    const RunEndResult result = pendingRunEnd->save.Finish();
    pendingRunEnd.reset();
    // No message box while the game closes: the terminal is told instead.
    const std::string message = SaveResultMessage(result.save);
    if (!message.empty()) platform::TellTerminal("lexadrill: " + message);
}

void HideTestScreen(Game& game) {
    for (const char* objectKey :
         {key::kPromptText, key::kAbortButton, key::kArrowNext, key::kAnswerText, key::kNativeFlag,
          key::kForeignFlag, key::kScore, key::kClock, key::kCorrectCount, key::kWrongCount,
          key::kWordsLeftCount, key::kBonusFeedback, key::kBonusBurst}) {
        SetVisible(game.scene, objectKey, false);
    }
}
