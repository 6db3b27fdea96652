// Pictures of words drawn at run time, on the CPU with the game's outline font, so they upload like
// any decoded picture (engine/TextureTable.h): the picture of a topic that comes without one (a
// learner's own list), its title on a pale card with a blue border over the game's lavender; and
// the card that stands where a designed topic shows a flag, a language's name on a white card with
// a blue border, in the flag's proportions; and the information panel of such a list, laid out as
// the designed one is, with texts that name the list's languages.
#pragma once

#include <string>
#include <vector>

#include "formats/Image.h"

constexpr int kTitleCardSide = 256;
constexpr int kLanguageCardWidth = 384;
constexpr int kLanguageCardHeight = 256;

// An RGB picture of kTitleCardSide pixels a side; the title is wrapped at spaces and made smaller
// until it fits. Without a font file the card is drawn without the title.
Image DrawTitleCard(const std::u16string& title, const std::string& fontFile);

// An RGB picture of kLanguageCardWidth x kLanguageCardHeight pixels with `name`, or `fallback` when
// the font lacks a letter of it ("日本語" -> "Japanese"), made smaller until it fits.
constexpr int kInfoPanelSide = 1024;

struct PanelLine {
    enum class Style { Heading, Line };
    std::u16string text;
    Style style = Style::Line;
};

// An RGB picture of kInfoPanelSide pixels a side: the logo, "how to play", the lines under their
// headings and, at the bottom, how to go on, in the designed panel's colours and places.
Image DrawInfoPanel(const std::vector<PanelLine>& lines, const std::string& fontFile);

Image DrawLanguageCard(const std::u16string& name, const std::u16string& fallback,
                       const std::string& fontFile);
