// The short sign that tells the player speech went off or on (F2): it fades in over whatever screen
// is shown, stands for about a second and fades out, then is hidden so it costs no drawing.
#pragma once

#include "screens/Game.h"

// Built hidden, after every screen's objects so that it is drawn over them.
void BuildSpeechSign(Game& game);
// "speech off" or "speech on", starting its fade afresh.
void ShowSpeechSign(Game& game, bool speechOn);
// Hides the sign once its fade has ended; the frame tick calls it every tick.
void StepSpeechSign(Game& game);
