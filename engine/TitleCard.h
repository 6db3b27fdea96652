// The picture of a topic that comes without one (a learner's own list): its title on a pale card
// with a blue border over the game's blue, drawn on the CPU with the game's outline font, so it
// uploads like any decoded picture (engine/TextureTable.h).
#pragma once

#include <string>

#include "formats/Image.h"

constexpr int kTitleCardSide = 256;

// An RGB picture of kTitleCardSide pixels a side; the title is wrapped at spaces and made smaller
// until it fits. Without a font file the card is drawn without the title.
Image DrawTitleCard(const std::u16string& title, const std::string& fontFile);
