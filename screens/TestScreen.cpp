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

void AddExplosion(const std::string& objectKey, double z, double r, double g, double b) {
    auto* burst = scene->Add(std::make_unique<GLParticleSystemSimpleExplosion>(100, objectKey, 20, 0, 0, z));
    burst->SetColour(r, g, b, 1);
    burst->texture = scene->textures.Find("particle.tga");
    burst->textured = true;
    burst->blend = true;
    burst->blendSrc = GL_SRC_ALPHA;
    burst->blendDst = GL_ONE_MINUS_SRC_ALPHA;
    burst->visible = false;
}

void AddLabel(const std::string& objectKey, const std::u16string& text, double x, double y, double z,
              double scale, double r, double g, double b) {
    AddHiddenLabel(objectKey, text, x, y, z, r, g, b)->scale = scale;
}

bool Reviewing() { return currentRun.test.mode == RunMode::Review; }

// A review keeps no score and cannot pass: its score and "to pass" lines stay hidden.
bool ShownInRun(const char* objectKey) {
    return !Reviewing() || (objectKey != key::kScore && objectKey != key::kToPassCount);
}

// The schedule's card of the question on screen.
CardRef QuestionCard() {
    if (!Reviewing())
        return CardRef{
            currentRun.test.topicIndex, static_cast<int>(currentRun.words.currentWord),
            currentRun.words.languages.reversed ? record::Direction::Reverse : record::Direction::Forward};
    const CardRef* card = CurrentReviewCard();
    return card ? *card : CardRef{-1, -1};
}

// The seconds the open question has taken on the run's clock (which stops while paused).
double SecondsTaken() {
    constexpr int32_t kQuestionSeconds = 15;
    double seconds = kQuestionSeconds - currentRun.test.timeLeft;
    if (currentRun.test.clockRunning)
        seconds += std::min(1.0, (platform::TickCountMs() - currentRun.test.lastTickMs) / 1000.0);
    return std::clamp(seconds, 0.0, double{kQuestionSeconds});
}

// The topics row whose rules judge the question on screen.
int QuestionRow() { return Reviewing() ? CurrentReviewRow() : currentRun.test.topicIndex; }

// A test draws its questions by their counts; a review asks its cards in the order chosen, each
// shown and spoken in its own topic's languages.
void ChooseQuestion() {
    if (Reviewing()) {
        FindUnasked(0);
    } else {
        ChooseNextWord();
    }
}

// The question on screen: its prompt, its sides' languages, and its foreign word heard when shown.
void ShowQuestion() {
    SetWordText(key::kPromptText, CurrentPrompt());
    ShowSideLanguages(CurrentLanguages());
    SpeakWhenAsked(CurrentEntry(), CurrentLanguages());
}

// The four counter lines at the left.
void ShowCounters() {
    SetTextOf(key::kCorrectCount, CounterLine(app->strings.correctLabel, currentRun.test.correctCount));
    SetTextOf(key::kWrongCount, CounterLine(app->strings.wrongLabel, currentRun.test.wrongCount));
    SetTextOf(key::kToPassCount,
              CounterLine(app->strings.toPassLabel, currentRun.test.toPass - currentRun.test.correctCount));
    SetTextOf(key::kWordsLeftCount, CounterLine(app->strings.wordsLeftLabel,
                                                currentRun.test.testLength - currentRun.test.askedCount));
}

// The leaving motion of the run's objects at its end. After a judged last answer the prompt and
// the answer field are already leaving as every judged answer's do (a wrong one slowly, showing
// the right answer), so only a run broken off sends them off here.
void LeaveRunObjects(bool lastAnswerJudged) {
    for (const char* objectKey :
         {key::kPromptText, key::kAnswerText, key::kAbortButton, key::kArrowNext, key::kNativeFlag,
          key::kForeignFlag, key::kScore, key::kCorrectCount, key::kWrongCount, key::kToPassCount,
          key::kWordsLeftCount, key::kClock, key::kScoreBoard}) {
        const bool feedbackMoves = objectKey == key::kPromptText || objectKey == key::kAnswerText;
        if (lastAnswerJudged && feedbackMoves) continue;
        LeaveToLeft(FindSceneObject(objectKey), 200, 190, 100, 90);
    }
}

// The run's objects enter from the left, the counters and the score showing the run's start.
void EnterRunObjects() {
    EnterFromLeft(key::kClock);
    SetTextOf(key::kClock, u"--");
    for (const char* objectKey :
         {key::kCorrectCount, key::kWrongCount, key::kToPassCount, key::kWordsLeftCount}) {
        if (ShownInRun(objectKey)) EnterFromLeft(objectKey);
    }
    ShowCounters();
    if (ShownInRun(key::kScore)) EnterFromLeft(key::kScore);
    SetTextOf(key::kScore, u"score: " + NumberText(currentRun.test.score));

    EnterFromLeft(key::kPromptText);
    EnterAnswerField(true);
    EnterFromLeft(key::kNativeFlag);
    EnterFromLeft(key::kArrowNext);
    EnterFromLeft(key::kAbortButton);
    if (GLObject* pause = FindSceneObject(key::kPauseButton)) {
        EnterFromLeft(pause);
        pause->visible = false;
    }
    EnterFromLeft(key::kForeignFlag);
    EnterFromLeft(key::kScoreBoard);
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
ScreenEvent EventAfterRun(RunEndKind how, bool nextTopicUnlocked) {
    // A review, finished or broken off, ends on its own result screen.
    if (how == RunEndKind::Reviewed || (how == RunEndKind::BrokenOff && Reviewing()))
        return ScreenEvent::ReviewResultAfterReview;
    if (how != RunEndKind::Passed) return ScreenEvent::GameOverAfterTest;
    // A passed own list, or a topic passed the other way round, unlocks nothing and ends on its
    // result all the same.
    if (OwnTopicOfRow(currentRun.test.topicIndex) != nullptr || currentRun.words.languages.reversed)
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
// folder's lock), and what then follows. The test screen's state (app->screens.pendingRunEnd):
// made by FinishTest, gone when its result is told.
struct PendingRunEnd {
    PendingRunEnd(const RunEnd& run, RunEndKind how, uint32_t nowMs) : save(run, nowMs), how(how) {}
    RunEndSave save;
    RunEndKind how;
    int ticksWaited = 0;
};

namespace {

// Called once a tick (and at the run's end): tells the save's result once there is one and sends
// the player on; the wait for the lock counts towards the usual delay before the next screen.
void StepRunEnd() {
    std::shared_ptr<PendingRunEnd>& pendingRunEnd = app->screens.pendingRunEnd;
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
    PostScreenEvent(EventAfterRun(how, result->nextTopicUnlocked), ticksLeft);
}

}  // namespace

void BuildTestScreen() {
    AddExplosion(key::kCorrectBurst, -2, 1, 0.5, 0);
    AddLabel(key::kBonusFeedback, u"great!", 0, 0, 3.5, 1.5, 0.5, 0.2, 1);
    AddLabel(key::kCorrectFeedback, u"correct", 0, 0, 3.5, 1.5, 0.1, 1, 0.2);
    AddLabel(key::kWrongFeedback, u"wrong", 0, 0, 3.5, 1.5, 1, 0.2, 0.2);
    AddExplosion(key::kBonusBurst, 0.5, 0.1, 0.5, 0.1);
    // The labels at the left sit at single-precision coordinates, as they always have.
    const double left = static_cast<float>(-2.4), z = static_cast<float>(0.5);
    AddLabel(key::kCorrectCount, u"", left, static_cast<float>(1.9), z, 0.5, 0.2, 1, 0.2);
    AddLabel(key::kWrongCount, u"", left, static_cast<float>(1.7), z, 0.5, 1, 0.2, 0.2);
    AddLabel(key::kToPassCount, u"", left, static_cast<float>(1.5), z, 0.5, 0.2, 0.2, 0.2);
    AddLabel(key::kWordsLeftCount, u"", left, static_cast<float>(1.3), z, 0.5, 0.2, 0.2, 0.2);
    AddLabel(key::kClock, u"30", left, static_cast<float>(0.9), z, 1, 0.2, 0.9, 0.4);

    // The pause button is built but, as designed, never shown.
    auto* pause = scene->Add(std::make_unique<MilkshapeModel>(key::kPauseButton, 3.1, 1.7, 0));
    pause->SetFlatColour(0.4, 0.4, 0.9, 1);
    pause->Load("data/przerwij.ms3d");
    pause->highlight = MakeHighlightBox(key::kButtonHighlight);
    pause->visible = false;

    AddLabel(key::kAlmostFeedback, u"almost", 0, 0, 3.5, 1.5, 1, 0.6, 0.1);
}

namespace {

// What a test and a review share at their start; currentRun.test.mode says which it is.
void StartRun() {
    currentRun.test.answerSubmitted = currentRun.test.answerEvaluated = currentRun.test.paused =
        currentRun.test.brokenOff = false;
    currentRun.test.clockRunning = true;
    app->transitionLock = false;
    if (!scene->lights.empty()) scene->lights[0]->position[2] = -0.6;
    currentRun.test.timeLeft = 15;
    currentRun.test.correctCount = currentRun.test.wrongCount = currentRun.test.askedCount = 0;
    currentRun.test.lastTickMs = platform::TickCountMs();
    currentRun.missed.clear();

    if (Reviewing()) {
        currentRun.test.topicIndex = 0;
        LoadReviewCards();
    } else {
        ForgetReviewCards();
        const GLObjectTextList* topicsList = FindTextList(key::kTopicsList);
        const int row = topicsList ? topicsList->selected : 0;
        currentRun.test.topicIndex = row >= 0 && row < app->topicCount ? row : 0;
        LoadTopicWords(currentRun.words, currentRun.test.topicIndex,
                       ChosenDirection(currentRun.test.topicIndex));
    }

    currentRun.test.score = 0;
    currentRun.test.testLength = static_cast<int32_t>(WordCount());
    // A topic of one entry still needs its one right answer to pass.
    currentRun.test.toPass = PassMark(currentRun.test.testLength);

    if (currentRun.test.testLength == 0) {
        // Nothing to ask (the word list is missing): the run ends as game over at once, without a
        // question, a score to enter or counts to store.
        currentRun.test.clockRunning = false;
        currentRun.test.answerEvaluated = true;
        PostScreenEvent(Reviewing() ? ScreenEvent::ReviewResultAfterReview : ScreenEvent::GameOverAfterTest,
                        50);
        return;
    }
    ChooseQuestion();

    EnterRunObjects();
    ShowQuestion();
    SetWordText(key::kAnswerText, u"");
}

}  // namespace

void ShowTestScreen() {
    currentRun.test.mode = RunMode::Test;
    StartRun();
}

void ShowReviewRun() {
    currentRun.test.mode = RunMode::Review;
    StartRun();
}

void ShowNextTestQuestion() {
    ChooseQuestion();  // nothing left keeps the entry on screen
    if (app->cheatMode) {
        const std::string line = Utf16ToUtf8(CurrentPrompt()) + " = " + Utf16ToUtf8(CurrentAnswer()) + "\n";
        platform::DebugOutput(line);
        platform::ShowMessage(line);
    }
    ShowQuestion();
    SetWordText(key::kAnswerText, u"");
    if (GLObjectText* prompt = FindText(key::kPromptText)) {
        prompt->StartMotion(PathEnterFromRight(), 150);
        prompt->StartFade(FadeInPath(100, prompt->baseColour[3]), 90);
    }
    if (GLObjectText* answer = FindText(key::kAnswerText)) {
        answer->StartMotion(PathEnterFromRight(), 150);
        answer->StartFade(FadeInPath(100, answer->baseColour[3]), 90);
        answer->SetActive(true);
    }
    currentRun.test.timeLeft = 15;
    SetTextOf(key::kScore, CounterLine(app->strings.scoreLabel, currentRun.test.score));
    ShowCounters();
    for (const char* objectKey :
         {key::kCorrectCount, key::kWrongCount, key::kToPassCount, key::kWordsLeftCount})
        SetVisible(objectKey, ShownInRun(objectKey));
    SetVisible(key::kWrongFeedback, false);
    SetVisible(key::kAlmostFeedback, false);
    SetVisible(key::kCorrectFeedback, false);
    currentRun.test.clockRunning = true;
    currentRun.test.answerSubmitted = false;
    currentRun.test.answerEvaluated = false;
}

void TestClockTick() {
    StepRunEnd();
    if (currentRun.test.paused) return;
    const uint32_t now = platform::TickCountMs();
    if (!currentRun.test.clockRunning || now - currentRun.test.lastTickMs <= 1000) return;
    --currentRun.test.timeLeft;
    currentRun.test.lastTickMs = now;
    if (currentRun.test.timeLeft == 0)
        EvaluateAnswer(AnswerVerdict{}, u"", true);  // a time-out is a wrong answer
    SetTextOf(key::kClock, NumberText(currentRun.test.timeLeft));
}

void TestScreenInput(const InputEvent& input) {
    if (currentRun.test.paused) currentRun.test.paused = false;  // any input resumes
    if (input.IsPlainClick() && Hovered(key::kPauseButton) && !app->transitionLock) {
        currentRun.test.paused = true;
        return;
    }
    if (!currentRun.test.answerEvaluated && Presses(input, key::kAbortButton) && !app->transitionLock) {
        app->transitionLock = true;
        // The open question is closed as if judged: no later Enter, click or time-out may judge
        // it while the screen leaves, after its score has gone into the hall of fame.
        currentRun.test.clockRunning = false;
        currentRun.test.answerSubmitted = currentRun.test.answerEvaluated = true;
        currentRun.test.brokenOff = true;
        FinishTest(RunEndKind::BrokenOff);
        return;
    }
    const bool submit =
        input.IsKey(platform::Key::Return) || (input.IsPlainClick() && Hovered(key::kArrowNext));
    if (currentRun.test.answerEvaluated) return;
    if (submit && !currentRun.test.answerSubmitted) {
        currentRun.test.answerSubmitted = true;
        const GLObjectText* answer = FindText(key::kAnswerText);
        // The field holds glyph codes; accented letters must be letters again to be compared.
        const std::u16string typed = answer ? GlyphTextToLetters(answer->GetText()) : std::u16string();
        const std::u16string expected = CurrentAnswer();
        const AnswerVerdict verdict = JudgeTypedAnswer(QuestionRow(), typed, expected);
        EvaluateAnswer(verdict, typed, false);
        return;
    }
    EditText(key::kAnswerText, input);
}

void EvaluateAnswer(const AnswerVerdict& verdict, const std::u16string& typed, bool timedOut) {
    const double seconds = SecondsTaken();
    const bool correct = verdict.right;
    SetTextOf(key::kClock, u"--");
    currentRun.test.clockRunning = false;
    currentRun.test.answerEvaluated = true;
    const bool bonus = ScoreAnswer(currentRun.test, correct);
    if (WordCount() > 0) {
        AnswerDetails details;
        details.verdict = correct          ? record::Verdict::Right
                          : timedOut       ? record::Verdict::TimedOut
                          : verdict.almost ? record::Verdict::Almost
                                           : record::Verdict::Wrong;
        details.typed = typed;
        details.seconds = seconds;
        details.kind = Reviewing() ? record::RunKind::Review : record::RunKind::Test;
        RecordAnswer(QuestionCard(), details);
    }
    if (correct) {
        MarkCorrect();
        ShowRightAnswer(bonus);
        // A right answer typed in another spelling leaves showing the list's.
        if (!verdict.spellingToShow.empty()) ShowExpectedSpelling(verdict.spellingToShow);
    } else {
        MarkWrong();
        if (verdict.almost) {
            ShowAlmostAnswer(verdict.almostSpelling, verdict.markFirst, verdict.markCount);
        } else {
            ShowWrongAnswer(CurrentAnswer());
        }
        currentRun.missed.push_back(MissedEntry{CurrentEntry(), CurrentLanguages()});
    }
    SpeakWhenJudged(CurrentEntry(), CurrentLanguages());
    platform::DebugOutput("ekran_licznik_slow=" + std::to_string(currentRun.test.askedCount) + ", >>>=" +
                          std::to_string(currentRun.test.toPass - currentRun.test.correctCount) + " \n");

    switch (DecideRun(currentRun.test)) {
        case RunOutcome::Passed:
            FinishTest(RunEndKind::Passed);
            break;
        case RunOutcome::NextQuestion:
            PostScreenEvent(ScreenEvent::TestNextWord, 140);
            break;
        case RunOutcome::Failed:
            FinishTest(RunEndKind::Failed);
            break;
        case RunOutcome::Reviewed:
            FinishTest(RunEndKind::Reviewed);
            break;
    }
}

void FinishTest(RunEndKind how) {
    // The run's counts are saved with its hall-of-fame entry when the run ends, so a window closed
    // before the next screen loses neither.
    RunEnd run;
    run.row = currentRun.test.topicIndex;
    run.hasCounts = WordCount() > 0;
    run.review = Reviewing();
    run.reversed = !run.review && currentRun.words.languages.reversed;
    if (run.review) run.reviewedRows = ReviewedRows();
    run.player = app->userName;
    run.score = currentRun.test.score;
    run.passedRow = how == RunEndKind::Passed ? currentRun.test.topicIndex : -1;
    app->screens.pendingRunEnd = std::make_shared<PendingRunEnd>(run, how, platform::TickCountMs());
    StepRunEnd();
    LeaveRunObjects(how != RunEndKind::BrokenOff);
}

void SaveRunEndNow() {
    if (!app) return;
    std::shared_ptr<PendingRunEnd>& pendingRunEnd = app->screens.pendingRunEnd;
    if (!pendingRunEnd) return;
    const RunEndResult result = pendingRunEnd->save.Finish();
    pendingRunEnd.reset();
    // No message box while the game closes: the terminal is told instead.
    const std::string message = SaveResultMessage(result.save);
    if (!message.empty()) platform::TellTerminal("lexadrill: " + message);
}

void HideTestScreen() {
    for (const char* objectKey :
         {key::kPromptText, key::kAbortButton, key::kArrowNext, key::kAnswerText, key::kNativeFlag,
          key::kForeignFlag, key::kScore, key::kClock, key::kCorrectCount, key::kWrongCount,
          key::kWordsLeftCount, key::kBonusFeedback, key::kBonusBurst}) {
        SetVisible(objectKey, false);
    }
}
