#include "formats/LanguageCodes.h"

#include "formats/LatinLetters.h"
#include "unicode/Utf8Utf16.h"

namespace {

struct Language {
    const char* code;
    const char* englishName;
    const char* ownName;  // UTF-8, small letters
};

// The languages a learner of European languages meets, and the ones their lists pair them with.
constexpr Language kLanguages[] = {
    {"en", "english", "english"},
    {"es", "spanish", "español"},
    {"de", "german", "deutsch"},
    {"fr", "french", "français"},
    {"it", "italian", "italiano"},
    {"pt", "portuguese", "português"},
    {"nl", "dutch", "nederlands"},
    {"pl", "polish", "polski"},
    {"sv", "swedish", "svenska"},
    {"da", "danish", "dansk"},
    {"nb", "norwegian", "norsk"},
    {"nn", "nynorsk", "nynorsk"},
    {"fi", "finnish", "suomi"},
    {"cs", "czech", "čeština"},
    {"sk", "slovak", "slovenčina"},
    {"sl", "slovenian", "slovenščina"},
    {"hr", "croatian", "hrvatski"},
    {"bs", "bosnian", "bosanski"},
    {"sr", "serbian", "srpski"},
    {"hu", "hungarian", "magyar"},
    {"ro", "romanian", "română"},
    {"ca", "catalan", "català"},
    {"eu", "basque", "euskara"},
    {"gl", "galician", "galego"},
    {"tr", "turkish", "türkçe"},
    {"lt", "lithuanian", "lietuvių"},
    {"lv", "latvian", "latviešu"},
    {"et", "estonian", "eesti"},
    {"is", "icelandic", "íslenska"},
    {"ga", "irish", "gaeilge"},
    {"cy", "welsh", "cymraeg"},
    {"la", "latin", "latina"},
    {"eo", "esperanto", "esperanto"},
    {"mt", "maltese", "malti"},
    {"sq", "albanian", "shqip"},
    {"af", "afrikaans", "afrikaans"},
    {"id", "indonesian", "bahasa indonesia"},
    {"ms", "malay", "bahasa melayu"},
    {"sw", "swahili", "kiswahili"},
    {"vi", "vietnamese", "tiếng việt"},
    {"ru", "russian", "русский"},
    {"uk", "ukrainian", "українська"},
    {"el", "greek", "ελληνικά"},
    {"bg", "bulgarian", "български"},
    {"ja", "japanese", "日本語"},
    {"zh", "chinese", "中文"},
    {"ko", "korean", "한국어"},
    {"ar", "arabic", "العربية"},
    {"he", "hebrew", "עברית"},
    {"hi", "hindi", "हिन्दी"},
};

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::string LanguageCodeOf(const std::string& nameOrCode) {
    const std::string small = Utf16ToUtf8(SmallLetters(Utf8ToUtf16(Trimmed(nameOrCode))));
    // "es", "es_ES", "pt-BR", "de.UTF-8": the code is what comes before the region.
    const std::string code = small.substr(0, small.find_first_of("_-.@"));
    for (const Language& language : kLanguages) {
        if (code == language.code || small == language.englishName || small == language.ownName)
            return language.code;
    }
    // Norwegian's older code.
    if (code == "no") return "nb";
    return "";
}
