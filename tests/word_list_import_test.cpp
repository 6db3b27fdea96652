// Reading learners' own word lists: every format feature and every fault, each with what is read
// or the message it is refused with.
#include <gtest/gtest.h>

#include <string>

#include "formats/WordListImport.h"
#include "unicode/Utf8Utf16.h"

namespace {

// "title|en>es|flags [lesson] prompt=answer(hint), ... {left out: reasons}" or "refused: reason";
// a side whose language is not known shows as "?".
std::string Summary(const WordListImport& list) {
    if (list.refused) return "refused: " + list.refusal;
    const auto code = [](const SideLanguage& side) {
        return side.code.empty() ? std::string("?") : side.code;
    };
    std::string text =
        Utf16ToUtf8(list.title) + "|" + code(list.promptLanguage) + ">" + code(list.answerLanguage);
    if (list.readAsWindows1252) text += "|1252";
    for (const ImportedLesson& lesson : list.lessons) {
        text += " [" + Utf16ToUtf8(lesson.title) + "]";
        for (const ImportedCard& card : lesson.cards) {
            text += " " + Utf16ToUtf8(card.prompt) + "=" + Utf16ToUtf8(card.answer);
            if (!card.hint.empty()) text += "(" + Utf16ToUtf8(card.hint) + ")";
        }
    }
    if (list.leftOutCount > 0) text += " {" + std::to_string(list.leftOutCount) + ":";
    for (const std::string& reason : list.leftOut) text += " " + reason + ";";
    if (list.leftOutCount > 0) text += "}";
    return text;
}

std::string Kvtml(const std::string& identifiers, const std::string& body,
                  const std::string& version = "2.0") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
           "\"http://edu.kde.org/kvtml/kvtml2.dtd\">\n<kvtml version=\"" +
           version + "\"><information><title>Animals</title></information><identifiers>" + identifiers +
           "</identifiers>" + body + "</kvtml>";
}

std::string Identifier(int id, const std::string& name, const std::string& locale) {
    return "<identifier id=\"" + std::to_string(id) + "\"><name>" + name + "</name><locale>" + locale +
           "</locale></identifier>";
}

std::string Entry(const std::string& id, const std::string& first, const std::string& second,
                  const std::string& extra = "") {
    std::string entry = "<entry id=\"" + id + "\">" + extra + "<translation id=\"0\"><text>" + first +
                        "</text></translation>";
    if (!second.empty()) entry += "<translation id=\"1\"><text>" + second + "</text></translation>";
    return entry + "</entry>";
}

const std::string kEnglishGerman = Identifier(0, "English", "en") + Identifier(1, "Deutsch", "de_DE");
const std::string kTwoEntries =
    "<entries>" + Entry("0", "dog", "Hund") + Entry("1", "cat", "Katze") + "</entries>";

std::string Repeated(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += line;
    return text;
}

std::string Nested(int depth) { return Repeated("<a>", depth) + Repeated("</a>", depth); }

TEST(WordListImport, ReadsEveryFormatAndRefusesEveryFault) {
    const std::string longField(5000, 'x');
    // Titles past what any place shows are kept cut, at a word's end here, with the cut mark.
    const std::string longTitle = Repeated("Wortschatz ", 10000);
    const std::string keptTitle = Repeated("Wortschatz ", 8) + "Wortschat...";
    const std::string billionLaughs =
        "<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
        "\"&a;&a;&a;&a;&a;&a;&a;&a;\">"
        "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;\">]><kvtml "
        "version=\"2.0\">"
        "<information><title>&d;&d;&d;&d;&d;&d;&d;&d;</title></information></kvtml>";
    const std::string externalEntity =
        "<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY p SYSTEM \"file:///etc/passwd\">]>"
        "<kvtml version=\"2.0\"><information><title>&p;</title></information></kvtml>";
    struct Case {
        const char* what;
        const char* fileName;
        std::string bytes;
        std::string read;
    } cases[] = {
        // Text lists: headers, separators, quoting, encodings.
        {"Anki export with its headers", "deck.txt",
         "#separator:tab\n#html:true\n#deck:Spanish::Animals\n#notetype:Basic\n#tags column:4\n#guid "
         "column:1\n"
         "g1\tthe <b>d</b>og\tel perro &amp; la perra<br>&#233;&#xE9;\ttag\n",
         "Animals|?>? [] the dog=el perro & la perra éé"},
        {"separator named in the header", "a.txt", "#separator:Pipe\nto go|ir\n", "|?>? [] to go=ir"},
        // HTML mode: a field of 200 000 '&' or '<' (none of them ending an entity or a tag) is left
        // out by the field cap, undecoded; within the cap every '&' and '<' stays as it is.
        {"HTML: a field of ampersands past the cap", "a.txt",
         "#html:true\ndog;perro\n" + std::string(200000, '&') + ";x\n",
         "|?>? [] dog=perro {1: line 3: a field longer than 4 KB;}"},
        {"HTML: a field of tag openings past the cap", "a.txt",
         "#html:true\ndog;perro\nx;" + std::string(200000, '<') + "\n",
         "|?>? [] dog=perro {1: line 3: a field longer than 4 KB;}"},
        {"HTML: unended entities, and a tag running from the first '<', within the cap", "a.txt",
         "#separator:tab\n#html:true\n" + std::string(999, '&') + "&amp;\t" + std::string(1000, '<') +
             "b>x\n",
         "|?>? [] " + std::string(1000, '&') + "=x"},
        {"a #deck: title longer than any place shows", "a.txt", "#deck:" + longTitle + "\ndog;perro\n",
         keptTitle + "|?>? [] dog=perro"},
        {"a literal separator in the header", "a.txt", "#separator:=\nsea=mar\n", "|?>? [] sea=mar"},
        {"Quizlet: tab, unquoted, quotes inside fields kept", "quizlet.txt", "it's \"ok\"\testá \"bien\"\n",
         "|?>? [] it's \"ok\"=está \"bien\""},
        {"a literal separator, and space by name", "a.txt", "#separator:Space\ncat gato\n",
         "|?>? [] cat=gato"},
        {"tab first when tab and comma split alike", "a.tsv", "dog\tperro, can\ncat\tgato, minino\n",
         "|?>? [] dog=perro, can cat=gato, minino"},
        {"semicolon where commas split unevenly", "a.csv", "car;coche, auto\ncat;gato\n",
         "|?>? [] car=coche, auto cat=gato"},
        {"a third field is the hint; blank and # lines skipped", "a.csv",
         "dog,perro,animal\n\n# note\ncat,gato,\n", "|?>? [] dog=perro(animal) cat=gato"},
        {"never a colon inside a time", "a.txt", "the time: las 9:00\nnoon: 12:00\n",
         "|?>? [] the time=las 9:00 noon=12:00"},
        {"CSV quotes: separators, doubled quotes, line breaks", "a.csv",
         "\"a; b\";\"say \"\"hi\"\"\"\n\"to go\nout\";salir\nend;fin\n",
         "|?>? [] a; b=say \"hi\" to go out=salir end=fin"},
        {"an unclosed quote swallows nothing", "a.csv", "\"dog;perro\ncat;gato\n",
         "|?>? [] \"dog=perro cat=gato"},
        {"UTF-8 byte-order mark dropped", "a.txt", "\xEF\xBB\xBFle\xC3\xB3n;lion\n", "|?>? [] león=lion"},
        {"not UTF-8: Windows-1252", "a.csv", "caf\xE9;caf\xE9\n\x80;euro\n",
         "|?>?|1252 [] café=café {1: line 2: '€' cannot be shown;}"},
        {"UTF-16 with its byte-order mark", "a.txt",
         std::string("\xFF\xFE"
                     "a\0;\0b\0",
                     8),
         "|?>? [] a=b"},
        {"#languages: chooses both sides", "a.txt", "#languages:en,de\ndog;Hund\n", "|en>de [] dog=Hund"},
        {"#languages: unknown means no speech", "a.txt", "#languages:en,klingon\nx;y\n", "|en>? [] x=y"},
        {"faults leave cards out with their line", "a.csv",
         "dog;perro\n;gato\nbird;\nwater;w\xC4\x85"
         "da\nbeetle;\xD0\xB6uk\nlong;" +
             longField + "\n",
         "|?>? [] dog=perro water=wąda {4: line 2: no prompt; line 3: no answer; line 5: 'ж' cannot be "
         "shown; "
         "line 6: a field longer than 4 KB;}"},
        {"more cards than a list may hold", "a.csv", Repeated("a;b\n", 10002),
         "|?>? [] " + Repeated("a=b ", 9999) +
             "a=b {2: line 10001 on: past the 10000 cards a list may hold;}"},
        {"only a header: no card", "a.txt", "#separator:tab\n#deck:x\n", "refused: it holds no card"},
        {"no card that can be played", "a.txt", "one\ntwo\n",
         "refused: it holds no card that can be played (line 1: no answer)"},
        {"empty file", "a.csv", "", "refused: the file is empty"},
        {"binary junk", "a.csv", std::string("\x01\x02\0\x03junk\0", 10),
         "refused: it is not text (it holds zero bytes)"},
        {"an Anki package", "a.apkg", "PK\x03\x04....", "refused: it is a ZIP archive"},
        {"an SQLite database", "collection.anki2", "SQLite format 3\0", "refused: it is an SQLite database"},
        {"past 8 MB", "a.csv", std::string((8u << 20) + 1, 'a'), "refused: the file is larger than 8 MB"},
        // KVTML 2.0: languages, lessons in both dialects, entries skipped, faults.
        {"KVTML: English is the prompt whatever its place", "a.kvtml",
         Kvtml(Identifier(0, "Deutsch", "de") + Identifier(1, "English", "en"),
               "<entries>" + Entry("0", "Hund", "dog") + "</entries>"),
         "Animals|en>de [] dog=Hund"},
        {"KVTML: languages by English name and own name", "a.kvtml",
         Kvtml(Identifier(0, "English", "") + Identifier(1, "Español", ""), kTwoEntries),
         "Animals|en>es [] dog=Hund cat=Katze"},
        {"KVTML: nested containers, deactivated skipped, the rest last", "a.kvtml",
         Kvtml(
             kEnglishGerman,
             "<entries>" + Entry("0", "dog", "Hund") +
                 Entry("1", "cat", "Katze", "<deactivated>true</deactivated>") + Entry("2", "bird", "Vogel") +
                 Entry("3", "fish", "Fisch") +
                 "<entry id=\"4\"><translation id=\"0\"><text>cow</text><comment>milk</comment></translation>"
                 "<translation "
                 "id=\"1\"><text>Kuh</text></translation></entry></entries><lessons><container><name>Pets"
                 "</name><entry id=\"1\"/><entry id=\"2\"/><entry "
                 "id=\"0\"/><container><name>Fish</name><entry id=\"3\"/>"
                 "<entry id=\"0\"/></container></container></lessons>"),
         "Animals|en>de [Pets] bird=Vogel dog=Hund [Fish] fish=Fisch [] cow=Kuh(milk)"},
        {"KVTML: two known languages keep the file's order", "a.kvtml",
         Kvtml(Identifier(0, "German", "") + Identifier(1, "Français", "fr_FR"), kTwoEntries),
         "Animals|de>fr [] dog=Hund cat=Katze"},
        {"KVTML: of a known and an unknown language the known one is learned", "a.kvtml",
         Kvtml(Identifier(0, "Spanish", "es_ES") + Identifier(1, "Hint", ""), kTwoEntries),
         "Animals|?>es [] Hund=dog Katze=cat"},
        {"KVTML: another encoding, character references, CDATA", "a.kvtml",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><kvtml version=\"2.0\"><identifiers>" +
             kEnglishGerman + "</identifiers><entries>" +
             Entry("0", "caf\xE9 &amp; <![CDATA[<bar>]]>", "Caf&#233;") + "</entries></kvtml>",
         "|en>de [] café & <bar>=Café"},
        {"KVTML: titles of the list and a lesson longer than any place shows", "a.kvtml",
         "<kvtml version=\"2.0\"><information><title>" + longTitle + "</title></information><identifiers>" +
             kEnglishGerman + "</identifiers>" + kTwoEntries + "<lessons><container><name>" + longTitle +
             "</name><entry id=\"1\"/></container></lessons></kvtml>",
         keptTitle + "|en>de [" + keptTitle + "] cat=Katze [] dog=Hund"},
        {"KVTML: the older <lesson><entryid>", "a.kvtml",
         Kvtml(kEnglishGerman,
               kTwoEntries + "<lessons><lesson><name>One</name><entryid>1</entryid></lesson></lessons>"),
         "Animals|en>de [One] cat=Katze [] dog=Hund"},
        {"KVTML: unknown languages keep the file's order", "a.kvtml",
         Kvtml(Identifier(0, "State", "") + Identifier(1, "Capital", ""),
               "<entries>" + Entry("0", "Bavaria", "Munich") + "</entries>"),
         "Animals|?>? [] Bavaria=Munich"},
        {"KVTML: a translation missing", "a.kvtml",
         Kvtml(kEnglishGerman,
               "<entries>" + Entry("7", "dog", "") + Entry("8", "cat", "Katze") + "</entries>"),
         "Animals|en>de [] cat=Katze {1: entry 7: no answer;}"},
        {"KVTML: one language only", "a.kvtml", Kvtml(Identifier(0, "English", "en"), kTwoEntries),
         "refused: it holds one language only"},
        {"KVTML 1", "old.kvtml", "<?xml version=\"1.0\"?><kvtml><e><o>a</o><t>b</t></e></kvtml>",
         "refused: it is a KVTML 1 file"},
        {"XML of another kind", "a.xml", "<html><body/></html>",
         "refused: it is an XML file of another kind (<html>)"},
        {"XML by content whatever the name", "list.txt", "<?xml version=\"1.0\"?><svg/>",
         "refused: it is an XML file of another kind (<svg>)"},
        {"not well-formed XML", "a.kvtml", Kvtml(kEnglishGerman, "<entries>"),
         "refused: it is not well-formed XML (line"},
        {"billion laughs", "a.kvtml", billionLaughs, "refused: it declares XML entities"},
        {"an external entity naming /etc/passwd", "a.kvtml", externalEntity,
         "refused: it declares XML entities"},
        {"100 000 nested elements", "a.kvtml", Kvtml(kEnglishGerman, Nested(100000)),
         "refused: its elements nest deeper than 64 levels"},
        {"nesting within the bound is read", "a.kvtml", Kvtml(kEnglishGerman, kTwoEntries + Nested(50)),
         "Animals|en>de [] dog=Hund cat=Katze"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string read = Summary(
            ReadWordList(c.fileName, reinterpret_cast<const uint8_t*>(c.bytes.data()), c.bytes.size()));
        if (c.read.rfind("refused: ", 0) == 0)
            EXPECT_EQ(read.substr(0, c.read.size()), c.read);
        else
            EXPECT_EQ(read, c.read);
    }
}

TEST(WordListImport, ReportNamesTheFirstReasonsThenACount) {
    WordListImport list;
    list.lessons.push_back({u"", {{u"a", u"b", u"", "line 1"}}});
    list.leftOut = {"line 2: no answer", "line 3: no prompt", "line 4: 'ж' cannot be shown",
                    "line 5: no answer"};
    list.leftOutCount = 4;
    list.readAsWindows1252 = true;
    list.format = "text list";
    list.promptLanguage = {"en", LanguageFound::Header};
    list.answerLanguage = {"es", LanguageFound::Header};
    EXPECT_EQ(
        DescribeImport("a.csv", list, 1),
        "a.csv: 1 card in 1 topic; 4 left out (line 2: no answer; line 3: no prompt; line 4: 'ж' cannot be "
        "shown; 1 more); read as Windows-1252 (not UTF-8); English and Spanish, from its #languages line");
    // Past the card cap one reason stands for many cards.
    list.leftOut = {"line 10001 on: past the 10000 cards a list may hold"};
    list.leftOutCount = 500;
    list.readAsWindows1252 = false;
    list.promptLanguage = list.answerLanguage = {};
    EXPECT_EQ(
        DescribeImport("a.csv", list, 1),
        "a.csv: 1 card in 1 topic; 500 left out (line 10001 on: past the 10000 cards a list may hold; 499 "
        "more); languages not known, so it is not spoken; name them with a first line such as "
        "#languages:en,de");
    list.refused = true;
    list.refusal = "the file is empty";
    EXPECT_EQ(DescribeImport("a.csv", list, 0), "a.csv: not imported: the file is empty");
}

}  // namespace
