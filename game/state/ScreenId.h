// Which screen's per-tick work and input handler run.
#pragma once

#include <cstdint>

enum class ScreenId : int32_t {
    None = 0,
    Loading = 1,
    UserName = 3,
    MainMenu = 4,
    Topics = 5,
    Test = 6,
    Learning = 7,
    Info = 8,
    NextLevel = 9,
    GameOver = 10,
    HallOfFame = 11,
    ExitConfirm = 12,
    Progress = 13,
    ReviewResult = 14,
};
