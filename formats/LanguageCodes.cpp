#include "formats/LanguageCodes.h"

#include "formats/LatinLetters.h"
#include "unicode/Utf8Utf16.h"

namespace {

struct Language {
    const char* code;
    const char* englishName;
    const char* ownName;  // UTF-8, as a label writes it
    // Its names in the languages learners most often write their lists in (German, French,
    // Spanish, Italian, Portuguese, Dutch, Polish), small letters, '|' between them.
    const char* otherNames;
};

// The languages a learner of European languages meets, and the ones their lists pair them with.
constexpr Language kLanguages[] = {
    {"en", "English", "English", "englisch|anglais|inglés|ingles|inglese|inglês|engels|angielski"},
    {"es", "Spanish", "Español", "spanisch|espagnol|castellano|spagnolo|espanhol|spaans|hiszpański"},
    {"de", "German", "Deutsch", "allemand|alemán|aleman|tedesco|alemão|duits|niemiecki"},
    {"fr", "French", "Français", "französisch|francés|frances|francese|francês|frans|francuski"},
    {"it", "Italian", "Italiano", "italienisch|italien|italiaans|włoski"},
    {"pt", "Portuguese", "Português", "portugiesisch|portugais|portugués|portoghese|portugees|portugalski"},
    {"nl", "Dutch", "Nederlands", "niederländisch|holländisch|néerlandais|neerlandés|olandese|holenderski"},
    {"pl", "Polish", "Polski", "polnisch|polonais|polaco|polacco|polonês|pools"},
    {"sv", "Swedish", "Svenska", "schwedisch|suédois|sueco|svedese|zweeds|szwedzki"},
    {"da", "Danish", "Dansk", "dänisch|danois|danés|danese|dinamarquês|deens|duński"},
    {"nb", "Norwegian", "Norsk", "norwegisch|norvégien|noruego|norvegese|norueguês|noors|norweski"},
    {"nn", "Nynorsk", "Nynorsk", ""},
    {"fi", "Finnish", "Suomi", "finnisch|finnois|finlandés|finlandese|finlandês|fins|fiński"},
    {"cs", "Czech", "Čeština", "tschechisch|tchèque|checo|ceco|tsjechisch|czeski"},
    {"sk", "Slovak", "Slovenčina", "slowakisch|slovaque|eslovaco|slovacco|slowaaks|słowacki"},
    {"sl", "Slovenian", "Slovenščina", "slowenisch|slovène|esloveno|sloveno|sloveens|słoweński"},
    {"hr", "Croatian", "Hrvatski", "kroatisch|croate|croata|chorwacki"},
    {"bs", "Bosnian", "Bosanski", ""},
    {"sr", "Serbian", "Srpski", "serbisch|serbe|serbio|serbo|servisch|serbski"},
    {"hu", "Hungarian", "Magyar", "ungarisch|hongrois|húngaro|ungherese|hongaars|węgierski"},
    {"ro", "Romanian", "Română", "rumänisch|roumain|rumano|rumeno|romeno|roemeens|rumuński"},
    {"ca", "Catalan", "Català", "katalanisch|catalan|catalán|catalano|catalão|catalaans|kataloński"},
    {"eu", "Basque", "Euskara", "baskisch|vasco|basco|baskijski"},
    {"gl", "Galician", "Galego", "galicisch|galicien|gallego|galiciano"},
    {"tr", "Turkish", "Türkçe", "türkisch|turc|turco|turks|turecki"},
    {"lt", "Lithuanian", "Lietuvių", "litauisch|lituanien|lituano|litouws|litewski"},
    {"lv", "Latvian", "Latviešu", "lettisch|letton|letón|lettone|lets|łotewski"},
    {"et", "Estonian", "Eesti", "estnisch|estonien|estonio|estone|ests|estoński"},
    {"is", "Icelandic", "Íslenska", "isländisch|islandais|islandés|islandese|ijslands|islandzki"},
    {"ga", "Irish", "Gaeilge", "irisch|irlandais|irlandés|irlandese|iers|irlandzki"},
    {"cy", "Welsh", "Cymraeg", "walisisch|gallois|galés|gallese|welsh|walijski"},
    {"la", "Latin", "Latina", "latein|latin|latín|latino|latim|latijn|łacina|łaciński"},
    {"eo", "Esperanto", "Esperanto", ""},
    {"mt", "Maltese", "Malti", "maltesisch|maltais|maltés"},
    {"sq", "Albanian", "Shqip", "albanisch|albanais|albanés|albanese|albanees"},
    {"af", "Afrikaans", "Afrikaans", ""},
    {"id", "Indonesian", "Bahasa Indonesia", "indonesisch|indonésien|indonesio"},
    {"ms", "Malay", "Bahasa Melayu", "malaiisch|malais|malayo"},
    {"sw", "Swahili", "Kiswahili", "suaheli|suajili"},
    {"vi", "Vietnamese", "Tiếng Việt", "vietnamesisch|vietnamien|vietnamita"},
    {"ru", "Russian", "Русский", "russisch|russe|ruso|russo|russisch|rosyjski|русский"},
    {"uk", "Ukrainian", "Українська",
     "ukrainisch|ukrainien|ucraniano|ucraino|oekraïens|ukraiński|українська"},
    {"el", "Greek", "Ελληνικά", "griechisch|grec|griego|greco|grego|grieks|grecki|ελληνικά"},
    {"bg", "Bulgarian", "Български", "bulgarisch|bulgare|búlgaro|bulgaro|bulgaars|bułgarski|български"},
    {"ja", "Japanese", "日本語", "japanisch|japonais|japonés|giapponese|japonês|japans|japoński"},
    {"zh", "Chinese", "中文", "chinesisch|chinois|chino|cinese|chinês|chinees|chiński"},
    {"ko", "Korean", "한국어", "koreanisch|coréen|coreano|koreaans|koreański"},
    {"ar", "Arabic", "العربية", "arabisch|arabe|árabe|arabo|arabski"},
    {"he", "Hebrew", "עברית", "hebräisch|hébreu|hebreo|ebraico|hebraico|hebreeuws|hebrajski"},
    {"hi", "Hindi", "हिन्दी", ""},
};

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n\"'");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n\"'") - first + 1);
}

std::string Small(const std::string& text) { return Utf16ToUtf8(SmallLetters(Utf8ToUtf16(text))); }

bool InNameList(const std::string& small, const char* names) {
    const std::string list = names;
    for (size_t start = 0; start <= list.size();) {
        size_t end = list.find('|', start);
        if (end == std::string::npos) end = list.size();
        if (end > start && list.compare(start, end - start, small) == 0 && small.size() == end - start)
            return true;
        start = end + 1;
    }
    return false;
}

const Language* Find(const std::string& code) {
    for (const Language& language : kLanguages) {
        if (code == language.code) return &language;
    }
    return nullptr;
}

}  // namespace

std::string LanguageCodeOf(const std::string& nameOrCode) {
    const std::string small = Small(Trimmed(nameOrCode));
    if (small.empty()) return "";
    // "es", "es_ES", "pt-BR", "de.UTF-8": the code is what comes before the region.
    const std::string code = small.substr(0, small.find_first_of("_-.@"));
    for (const Language& language : kLanguages) {
        if (code == language.code || small == Small(language.englishName) ||
            small == Small(language.ownName) || InNameList(small, language.otherNames))
            return language.code;
    }
    // Norwegian's older code.
    if (code == "no") return "nb";
    return "";
}

std::string EnglishLanguageName(const std::string& code) {
    const Language* language = Find(code);
    return language ? language->englishName : "";
}

std::string OwnLanguageName(const std::string& code) {
    const Language* language = Find(code);
    return language ? language->ownName : "";
}
