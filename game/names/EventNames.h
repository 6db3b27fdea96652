// The names of the scene's delayed events, each declared once. A screen posts one of these and the
// frame tick's tables (app/FrameTick.cpp) act on it when it falls due, so the poster and the table
// cannot drift apart. The quoted texts are the events' names as the game has always called them.
#pragma once

namespace event {

// Screen changes: the screen entered, after the one left.
inline constexpr char kUserNameAfterLoading[] = "ekran_username po loading wjazd";
inline constexpr char kMainMenuAfterUserName[] = "ekran_glowny po username wjazd";
inline constexpr char kExitConfirmAfterUserName[] = "ekran_koniec po username wjazd";
inline constexpr char kTopicsAfterMainMenu[] = "ekran_tematy wjazd";
inline constexpr char kHallOfFameAfterMainMenu[] = "ekran_halloffame wjazd";
inline constexpr char kInfoAfterMainMenu[] = "ekran_info wjazd";
// The menu's exit line, and the abort button still hovered from the screen before.
inline constexpr char kExitConfirmAfterMenuLine[] = "ekran_koniec wjazd";
inline constexpr char kExitConfirmAfterMainMenuAbort[] = "ekran_koniec po glownym wjazd";
inline constexpr char kMainMenuAfterExitConfirm[] = "ekran_glowny po koniec wjazd";
inline constexpr char kUserNameAfterExitConfirm[] = "ekran_username po koniec wjazd";
inline constexpr char kInfoAfterExitConfirm[] = "ekran_info po koniec wjazd";
inline constexpr char kInfoAfterTopics[] = "ekran_info po tematach wjazd";
inline constexpr char kMainMenuAfterTopics[] = "ekran_glowny po tematach wjazd";
inline constexpr char kLearningAfterInfo[] = "ekran_nauka po info wjazd";
inline constexpr char kTestAfterInfo[] = "ekran_test po info wjazd";
inline constexpr char kMainMenuAfterInfo[] = "ekran_glowny po info wjazd";
inline constexpr char kMainMenuAfterLearning[] = "ekran_glowny po nauce wjazd";
inline constexpr char kNextLevelAfterTest[] = "ekran_nextlevel wjazd";
inline constexpr char kMainMenuAfterTest[] = "ekran_glowny wjazd";
inline constexpr char kGameOverAfterTest[] = "ekran_gameover wjazd";
inline constexpr char kMainMenuAfterNextLevel[] = "ekran_glowny po nextlevel wjazd";
inline constexpr char kInfoAfterGameOver[] = "ekran_info po gameover wjazd";
// A round of the run's missed entries, chosen on either result screen.
inline constexpr char kLearningAfterNextLevel[] = "ekran_nauka po nextlevel wjazd";
inline constexpr char kLearningAfterGameOver[] = "ekran_nauka po gameover wjazd";
inline constexpr char kMainMenuAfterHallOfFame[] = "ekran_glowny po halloffame wjazd";
// Removing an own list: the yes/no question and back; the topics afresh after an import.
inline constexpr char kExitConfirmAfterTopics[] = "remove list question";
inline constexpr char kTopicsAfterExitConfirm[] = "topics after remove list question";
inline constexpr char kTopicsAfterImport[] = "topics after import";
// The review (a run of the test screen over the due cards), its result and the progress picture.
inline constexpr char kReviewAfterMainMenu[] = "ekran_powtorka wjazd";
inline constexpr char kReviewResultAfterReview[] = "ekran_powtorka_wynik wjazd";
inline constexpr char kMainMenuAfterReviewResult[] = "ekran_glowny po powtorce wjazd";
inline constexpr char kLearningAfterReviewResult[] = "ekran_nauka po powtorce wjazd";
inline constexpr char kProgressAfterMainMenu[] = "ekran_postepy wjazd";
inline constexpr char kMainMenuAfterProgress[] = "ekran_glowny po postepach wjazd";

// Work on the current screen.
inline constexpr char kTopicsShowSecondPicture[] = "ekran_tematy pokazuj bg2";
inline constexpr char kTopicsShowFirstPicture[] = "ekran_tematy pokazuj bg1";
inline constexpr char kTestNextWord[] = "ekran_test - nastepne slowo";
inline constexpr char kLearningNextWord[] = "ekran_nauka - nastepne slowo";

}  // namespace event
