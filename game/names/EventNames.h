// The scene's delayed events, each declared once: a typed value for the code that posts one and the
// frame tick's tables (app/FrameTick.cpp) that act on it when it falls due, and one table of the
// events' names as the game has always called them. The scene's queue carries the names (the tests
// read them there); the code that decides a change compares the values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>

enum class ScreenEvent : int32_t {
    // Screen changes: the screen entered, after the one left.
    UserNameAfterLoading,
    MainMenuAfterUserName,
    ExitConfirmAfterUserName,
    TopicsAfterMainMenu,
    HallOfFameAfterMainMenu,
    InfoAfterMainMenu,
    // The menu's exit line, and the abort button still hovered from the screen before.
    ExitConfirmAfterMenuLine,
    ExitConfirmAfterMainMenuAbort,
    MainMenuAfterExitConfirm,
    UserNameAfterExitConfirm,
    InfoAfterExitConfirm,
    InfoAfterTopics,
    MainMenuAfterTopics,
    LearningAfterInfo,
    TestAfterInfo,
    MainMenuAfterInfo,
    MainMenuAfterLearning,
    NextLevelAfterTest,
    MainMenuAfterTest,
    GameOverAfterTest,
    MainMenuAfterNextLevel,
    InfoAfterGameOver,
    // A round of the run's missed entries, chosen on either result screen.
    LearningAfterNextLevel,
    LearningAfterGameOver,
    MainMenuAfterHallOfFame,
    // Removing an own list: the yes/no question and back; the topics afresh after an import.
    ExitConfirmAfterTopics,
    TopicsAfterExitConfirm,
    TopicsAfterImport,
    // The review (a run of the test screen over the due cards), its result and the progress picture.
    ReviewAfterMainMenu,
    ReviewResultAfterReview,
    MainMenuAfterReviewResult,
    LearningAfterReviewResult,
    ProgressAfterMainMenu,
    MainMenuAfterProgress,

    // Work on the current screen.
    TopicsShowSecondPicture,
    TopicsShowFirstPicture,
    TestNextWord,
    LearningNextWord,
};

struct ScreenEventName {
    ScreenEvent event;
    const char* name;
};

// In the order of the values above, one row each.
inline constexpr ScreenEventName kScreenEventNames[] = {
    {ScreenEvent::UserNameAfterLoading, "ekran_username po loading wjazd"},
    {ScreenEvent::MainMenuAfterUserName, "ekran_glowny po username wjazd"},
    {ScreenEvent::ExitConfirmAfterUserName, "ekran_koniec po username wjazd"},
    {ScreenEvent::TopicsAfterMainMenu, "ekran_tematy wjazd"},
    {ScreenEvent::HallOfFameAfterMainMenu, "ekran_halloffame wjazd"},
    {ScreenEvent::InfoAfterMainMenu, "ekran_info wjazd"},
    {ScreenEvent::ExitConfirmAfterMenuLine, "ekran_koniec wjazd"},
    {ScreenEvent::ExitConfirmAfterMainMenuAbort, "ekran_koniec po glownym wjazd"},
    {ScreenEvent::MainMenuAfterExitConfirm, "ekran_glowny po koniec wjazd"},
    {ScreenEvent::UserNameAfterExitConfirm, "ekran_username po koniec wjazd"},
    {ScreenEvent::InfoAfterExitConfirm, "ekran_info po koniec wjazd"},
    {ScreenEvent::InfoAfterTopics, "ekran_info po tematach wjazd"},
    {ScreenEvent::MainMenuAfterTopics, "ekran_glowny po tematach wjazd"},
    {ScreenEvent::LearningAfterInfo, "ekran_nauka po info wjazd"},
    {ScreenEvent::TestAfterInfo, "ekran_test po info wjazd"},
    {ScreenEvent::MainMenuAfterInfo, "ekran_glowny po info wjazd"},
    {ScreenEvent::MainMenuAfterLearning, "ekran_glowny po nauce wjazd"},
    {ScreenEvent::NextLevelAfterTest, "ekran_nextlevel wjazd"},
    {ScreenEvent::MainMenuAfterTest, "ekran_glowny wjazd"},
    {ScreenEvent::GameOverAfterTest, "ekran_gameover wjazd"},
    {ScreenEvent::MainMenuAfterNextLevel, "ekran_glowny po nextlevel wjazd"},
    {ScreenEvent::InfoAfterGameOver, "ekran_info po gameover wjazd"},
    {ScreenEvent::LearningAfterNextLevel, "ekran_nauka po nextlevel wjazd"},
    {ScreenEvent::LearningAfterGameOver, "ekran_nauka po gameover wjazd"},
    {ScreenEvent::MainMenuAfterHallOfFame, "ekran_glowny po halloffame wjazd"},
    {ScreenEvent::ExitConfirmAfterTopics, "remove list question"},
    {ScreenEvent::TopicsAfterExitConfirm, "topics after remove list question"},
    {ScreenEvent::TopicsAfterImport, "topics after import"},
    {ScreenEvent::ReviewAfterMainMenu, "ekran_powtorka wjazd"},
    {ScreenEvent::ReviewResultAfterReview, "ekran_powtorka_wynik wjazd"},
    {ScreenEvent::MainMenuAfterReviewResult, "ekran_glowny po powtorce wjazd"},
    {ScreenEvent::LearningAfterReviewResult, "ekran_nauka po powtorce wjazd"},
    {ScreenEvent::ProgressAfterMainMenu, "ekran_postepy wjazd"},
    {ScreenEvent::MainMenuAfterProgress, "ekran_glowny po postepach wjazd"},
    {ScreenEvent::TopicsShowSecondPicture, "ekran_tematy pokazuj bg2"},
    {ScreenEvent::TopicsShowFirstPicture, "ekran_tematy pokazuj bg1"},
    {ScreenEvent::TestNextWord, "ekran_test - nastepne slowo"},
    {ScreenEvent::LearningNextWord, "ekran_nauka - nastepne slowo"},
};

namespace screen_event_detail {
constexpr bool RowsFollowTheValues() {
    for (size_t row = 0; row < std::size(kScreenEventNames); ++row) {
        if (static_cast<size_t>(kScreenEventNames[row].event) != row) return false;
    }
    return true;
}
}  // namespace screen_event_detail
static_assert(screen_event_detail::RowsFollowTheValues(), "one name row per event, in the values' order");
static_assert(std::size(kScreenEventNames) == static_cast<size_t>(ScreenEvent::LearningNextWord) + 1,
              "every event has a name");

// The event's name as the scene's queue carries it.
inline const char* EventName(ScreenEvent event) { return kScreenEventNames[static_cast<size_t>(event)].name; }

// The event a name stands for; none for a name no row carries.
std::optional<ScreenEvent> EventNamed(const std::string& name);
