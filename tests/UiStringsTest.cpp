#include <gtest/gtest.h>

#include "game/texts/UiStrings.h"

namespace {

struct Expected {
    const char* key;
    std::u16string UiStrings::*slot;
    std::u16string english, espanol, polski;
};

// The texts as the game has always shown them; the Polish ones keep their five-character
// sequences verbatim.
const Expected kExpected[] = {
    {"menuLearn", &UiStrings::menuLearn, u"learn", u"aprendizaje", u"nauka"},
    {"menuTest", &UiStrings::menuTest, u"test", u"test - continuacion", u"test - kontynuacja"},
    {"menuResults", &UiStrings::menuResults, u"results", u"resultados", u"wyniki"},
    {"menuAbout", &UiStrings::menuAbout, u"about", u"informacion", u"informacje"},
    {"menuExit", &UiStrings::menuExit, u"exit", u"salida", u"wyj.0014cie"},
    {"scoreLabel", &UiStrings::scoreLabel, u"score", u"score", u"wynik"},
    {"correctLabel", &UiStrings::correctLabel, u"correct", u"correctos", u"dobre odp."},
    {"wrongLabel", &UiStrings::wrongLabel, u"wrong", u"incorrectos", u"z\u0142e odp."},
    {"toPassLabel", &UiStrings::toPassLabel, u"words left to pass", u"quedaron para pasar", u"do zaliczenia"},
    {"wordsLeftLabel", &UiStrings::wordsLeftLabel, u"words left", u"left", u"pozosta\u0142o"},
    {"enterNameLabel", &UiStrings::enterNameLabel, u"Enter your name", u"", u""},
    {"menuHelp", &UiStrings::menuHelp, u"help", u"instrucciones", u"pomoc"},
    {"menuScreen", &UiStrings::menuScreen, u"screen", u"pantalla", u"ekran"},
    {"layout1", &UiStrings::layout1, u"screen layout 1", u"composicion 1", u""},
    {"layout2", &UiStrings::layout2, u"screen layout 2", u"composicion 2", u""},
    {"returnLabel", &UiStrings::returnLabel, u"return", u"retorno", u"powr.0013t"},
    {"showLabel", &UiStrings::showLabel, u"show", u"mostrar", u"poka.0015"},
    {"correctShort", &UiStrings::correctShort, u"correct", u"correcto", u"dobrze"},
    {"wrongShort", &UiStrings::wrongShort, u"wrong", u"incorr.", u".0016le"},
    {"wordsLeftShort", &UiStrings::wordsLeftShort, u"words left: ", u"palabras: ", u"pozosta.0011o: "},
    {"closeMark", &UiStrings::closeMark, u" X ", u" X ", u" X "},
    {"closeMark2", &UiStrings::closeMark2, u" X ", u" X ", u" X "},
    {"nextMark", &UiStrings::nextMark, u" > ", u" > ", u" > "},
    {"prevMark", &UiStrings::prevMark, u" < ", u" < ", u" < "},
    {"lockedCaption", &UiStrings::lockedCaption, u"locked", u"bloqueado", u"niedost\u0119pny"},
    {"aboutText", &UiStrings::aboutText, u" lexaDrill lets you learn foreign language vocabulary.",
     u"El programa lexaDrill sirve para el aprendizaje de vocabulario.",
     u"Aplikacja lexaDrill przeznaczona jest do nauki s.0011ownictwa."},
};

bool StartsWith(const std::u16string& text, const std::u16string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}
bool EndsWith(const std::u16string& text, const std::u16string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TEST(UiStrings, EnglishIsTheDefault) {
    const UiStrings texts = InterfaceTexts();
    EXPECT_EQ(texts.uiLanguage, u"english");
    for (const auto& e : kExpected) EXPECT_EQ(texts.*e.slot, e.english) << e.key;
    EXPECT_FALSE(texts.summaryTitle.empty());
    // Eight blanks, an address with its full stop, three blanks, the tag line, seven blanks.
    const std::u16string& maker = texts.makerLine;
    EXPECT_TRUE(StartsWith(maker, u"        ") && maker[8] != u' ');
    EXPECT_TRUE(EndsWith(maker, u".   PC and mobile software.       "));
    EXPECT_NE(maker[maker.size() - 8], u' ');
}

TEST(UiStrings, SpanishColumn) {
    const UiStrings texts = InterfaceTexts(u"espanol");
    for (const auto& e : kExpected) EXPECT_EQ(texts.*e.slot, e.espanol) << e.key;
    EXPECT_TRUE(EndsWith(texts.makerLine, u".   Programas para PC y dispositivos mobiles    "));
    EXPECT_NE(texts.makerLine[texts.makerLine.size() - 5], u' ');
}

TEST(UiStrings, PolishColumn) {
    const UiStrings texts = InterfaceTexts(u"polski");
    EXPECT_EQ(texts.uiLanguage, u"polski");
    for (const auto& e : kExpected) EXPECT_EQ(texts.*e.slot, e.polski) << e.key;
    EXPECT_TRUE(EndsWith(texts.makerLine, u".   Aplikacje dla PC oraz urz.000edze.0012 mobilnych.        "));
    EXPECT_NE(texts.makerLine[texts.makerLine.size() - 9], u' ');
}

TEST(UiStrings, UnknownLanguageLeavesEverySlotEmpty) {
    const UiStrings texts = InterfaceTexts(u"English");  // the comparison is exact
    EXPECT_EQ(texts.uiLanguage, u"English");
    for (const auto& e : kExpected) EXPECT_TRUE((texts.*e.slot).empty()) << e.key;
    EXPECT_TRUE(texts.makerLine.empty());
    EXPECT_TRUE(texts.summaryTitle.empty());
}

}  // namespace
