// The twelve topic pictures: one illustration per topic with its title underneath, drawn on a
// 400 x 500 canvas (the topic plane is 4 x 5 units). Titles are also the pictures' file names.
#pragma once

#include "PictureCanvas.h"

constexpr int kTopicCount = 12;
extern const char* const kTopicTitles[kTopicCount];

void DrawTopicPicture(int topic, Canvas& canvas);
