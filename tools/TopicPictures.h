// The twelve topic pictures: one illustration per topic with its title underneath, drawn on a
// 400 x 500 canvas (the topic plane is 4 x 5 units). Titles are also the pictures' file names.
// The "blocked" sign of a locked topic lands on rows 443-470, columns 127-260 of the canvas, so
// everything is drawn above row 430 and that band holds only the background.
constexpr double kLockSignBandTop = 430;
#pragma once

#include "PictureCanvas.h"

constexpr int kTopicCount = 12;
extern const char* const kTopicTitles[kTopicCount];

void DrawTopicPicture(int topic, Canvas& canvas);
