#include "game/texts/UiStrings.h"

namespace {

// One slot in the three languages. The Polish texts keep their five-character sequences
// (".0014" and the like): the glyph table turns them into the Polish letters.
struct UiText {
    std::u16string UiStrings::*slot;
    const char16_t* english;
    const char16_t* espanol;
    const char16_t* polski;
};

const UiText kTexts[] = {
    {&UiStrings::menuLearn, u"learn", u"aprendizaje", u"nauka"},
    {&UiStrings::menuTest, u"test", u"test - continuacion", u"test - kontynuacja"},
    {&UiStrings::menuResults, u"results", u"resultados", u"wyniki"},
    {&UiStrings::menuAbout, u"about", u"informacion", u"informacje"},
    {&UiStrings::menuExit, u"exit", u"salida", u"wyj.0014cie"},
    {&UiStrings::menuReview, u"review", u"repaso", u""},
    {&UiStrings::menuProgress, u"progress", u"progreso", u""},
    {&UiStrings::scoreLabel, u"score", u"score", u"wynik"},
    {&UiStrings::correctLabel, u"correct", u"correctos", u"dobre odp."},
    {&UiStrings::wrongLabel, u"wrong", u"incorrectos", u"złe odp."},
    {&UiStrings::toPassLabel, u"words left to pass", u"quedaron para pasar", u"do zaliczenia"},
    {&UiStrings::wordsLeftLabel, u"words left", u"left", u"pozostało"},
    {&UiStrings::enterNameLabel, u"Enter your name", u"", u""},
    {&UiStrings::menuHelp, u"help", u"instrucciones", u"pomoc"},
    {&UiStrings::menuScreen, u"screen", u"pantalla", u"ekran"},
    {&UiStrings::layout1, u"screen layout 1", u"composicion 1", u""},
    {&UiStrings::layout2, u"screen layout 2", u"composicion 2", u""},
    {&UiStrings::returnLabel, u"return", u"retorno", u"powr.0013t"},
    {&UiStrings::showLabel, u"show", u"mostrar", u"poka.0015"},
    {&UiStrings::correctShort, u"correct", u"correcto", u"dobrze"},
    {&UiStrings::wrongShort, u"wrong", u"incorr.", u".0016le"},
    {&UiStrings::wordsLeftShort, u"words left: ", u"palabras: ", u"pozosta.0011o: "},
    {&UiStrings::summaryTitle, u"words still to learn", u"palabras por aprender", u"s.0011owa do nauki"},
    {&UiStrings::closeMark, u" X ", u" X ", u" X "},
    {&UiStrings::closeMark2, u" X ", u" X ", u" X "},
    {&UiStrings::nextMark, u" > ", u" > ", u" > "},
    {&UiStrings::prevMark, u" < ", u" < ", u" < "},
    {&UiStrings::lockedCaption, u"locked", u"bloqueado", u"niedost\u0119pny"},
    {&UiStrings::aboutText, u" lexaDrill lets you learn foreign language vocabulary.",
     u"El programa lexaDrill sirve para el aprendizaje de vocabulario.",
     u"Aplikacja lexaDrill przeznaczona jest do nauki s.0011ownictwa."},
    {&UiStrings::makerLine, u"        www.lexadrill.example.   PC and mobile software.       ",
     u"        www.lexadrill.example.   Programas para PC y dispositivos mobiles    ",
     u"        www.lexadrill.example.   Aplikacje dla PC oraz urz.000edze.0012 mobilnych.        "},
};

}  // namespace

UiStrings InterfaceTexts(const std::u16string& language) {
    UiStrings texts;
    texts.uiLanguage = language;
    const char16_t* UiText::*column = nullptr;
    if (language == u"polski") {
        column = &UiText::polski;
    } else if (language == u"espanol") {
        column = &UiText::espanol;
    } else if (language == u"english") {
        column = &UiText::english;
    } else {
        return texts;
    }
    for (const UiText& text : kTexts) texts.*(text.slot) = text.*column;
    return texts;
}
