// A German deck as Anki exports it, with no line naming its languages, waiting in the game folder's
// incoming/ before the game starts, and the fake speech service the game then speaks to: the
// fixture of the tests that import it, play it either way round and listen to it.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/GameHarness.h"
#include "tests/hooks/FakeSpeechService.h"

// German first, English second, as the deck lists them.
inline const std::vector<std::pair<std::string, std::string>> kDeck = {
    {"der Hund", "the dog"},      {"die Katze", "the cat"},   {"das Haus", "the house"},
    {"der Baum", "the tree"},     {"schön", "beautiful"},     {"gehen", "to go"},
    {"die Straße", "the street"}, {"der Apfel", "the apple"}, {"die Birne", "the pear"},
    {"das Fenster", "the window"}};

class GermanDeckGame : public GameTest {
protected:
    void PrepareFolder() override {
        std::string deck = "#separator:tab\n#html:false\n";
        for (const auto& [german, english] : kDeck) deck += german + "\t" + english + "\n";
        std::filesystem::create_directories(folder + "incoming");
        std::ofstream(folder + "incoming/deck.txt", std::ios::binary) << deck;
        service = std::make_unique<FakeSpeechService>(folder + "speech.sock");
        setenv("SPEECHD_ADDRESS", service->Address().c_str(), 1);
    }

    std::unique_ptr<FakeSpeechService> service;
};
