// Judging typed answers: case, the accent fold and the optional gender marker, and nothing else.
#include <gtest/gtest.h>

#include "formats/GlyphCodes.h"
#include "learning/AnswerCheck.h"

namespace {

TEST(AnswerCheck, AcceptsOnlyTheDesignedTolerances) {
    struct Case {
        const char16_t* typed;
        const char16_t* expected;
        bool right;
    } cases[] = {
        {u"gato", u"gato", true},
        {u"GATO", u"gato", true},
        {u"gato ", u"gato", false},
        {u" gato", u"gato", false},
        {u"gata", u"gato", false},
        {u"arbol", u"\u00E1rbol", true},
        {u"ARBOL", u"\u00E1rbol", true},
        {u"\u00E1rbol", u"\u00E1rbol", true},
        {u"mesa", u"mesa (f)", true},
        {u"mesa (f)", u"mesa (f)", true},
        {u"MESA (F)", u"mesa (f)", true},
        {u"mesa (m)", u"mesa (f)", false},
        {u"mes", u"mesa (f)", false},
        {u"libro", u"libro (m)", true},
        {u"el dia", u"el d\u00EDa", true},
        {u"el  dia", u"el d\u00EDa", false},
        {u"nino", u"ni\u00F1o", true},
        {u"pinguino", u"ping\u00FCino", false},
        {u"arbol", u"\u00C1rbol", true},  // a capital with an accent folds to a small letter
        {u"\u00C1RBOL", u"\u00E1rbol", true},
        {u"D\u00D3NDE EST\u00C1", u"d\u00F3nde est\u00E1", true},
        {u"PING\u00DCINO", u"ping\u00FCino", true},
        {u"PINGUINO", u"ping\u00FCino", false},
        {u"\u00D1O\u00D1O", u"\u00F1o\u00F1o", true},
        {u"\u00C9L", u"\u00E9l", true},
        {u"\u00CDNDICE", u"\u00EDndice", true},
        {u"\u00DALTIMO", u"\u00FAltimo", true},
        {u"", u"(f)", false},
        {u"", u"", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckAnswer(c.typed, c.expected), c.right)
            << "typed " << testing::PrintToString(std::u16string(c.typed)) << " expected "
            << testing::PrintToString(std::u16string(c.expected));
    }
}

// A right answer leaves showing the expected spelling when the typed one lacked something of it;
// what the service speaks is the answer without its marker.
TEST(AnswerCheck, ShowsTheExpectedSpellingOfARightAnswerTypedWithoutItsAccentsOrMarker) {
    struct Case {
        const char16_t* typed;
        const char16_t* expected;
        bool shown;
        const char16_t* spoken;
    } cases[] = {
        {u"perro", u"perro", false, u"perro"},
        {u"PERRO", u"perro", false, u"perro"},
        {u"arbol", u"\u00E1rbol", true, u"\u00E1rbol"},
        {u"\u00E1rbol", u"\u00E1rbol", false, u"\u00E1rbol"},
        {u"mesa", u"mesa (f)", true, u"mesa"},
        {u"mesa (f)", u"mesa (f)", false, u"mesa"},
        {u"MESA (F)", u"mesa (f)", false, u"mesa"},
        {u"nino", u"ni\u00F1o (m)", true, u"ni\u00F1o"},
        {u"buenos dias", u"buenos d\u00EDas", true, u"buenos d\u00EDas"},
        {u"p\u00E9rro", u"perro", true, u"perro"},  // an accent too many is shown away as well
        {u"libro", u"libro (m)", true, u"libro"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.typed)) + " for " +
                     testing::PrintToString(std::u16string(c.expected)));
        EXPECT_EQ(TypedInAnotherSpelling(c.typed, c.expected), c.shown);
        EXPECT_EQ(WithoutGenderMarker(c.expected), c.spoken);
    }
}

TEST(AnswerCheck, FoldTouchesOnlyItsSevenLetters) {
    std::u16string text =
        u"\u00C1\u00E1\u00E9\u00ED\u00F1\u00F3\u00FA \u00C9\u00CD\u00D3\u00DA\u00D1\u00FC\u00BF Xy";
    FoldAccents(text);
    EXPECT_EQ(text, u"aaeinou \u00C9\u00CD\u00D3\u00DA\u00D1\u00FC\u00BF Xy");
}

TEST(AnswerCheck, AccentedLettersTypedIntoTheAnswerFieldCount) {
    // The answer field returns glyph codes above 127 as 0xFF80-0xFFFF; á is code 210, ñ 213.
    const std::u16string typedArbol = {static_cast<char16_t>(0xFF00 | 210), u'r', u'b', u'o', u'l'};
    EXPECT_FALSE(CheckAnswer(typedArbol, u"\u00E1rbol"));
    EXPECT_TRUE(CheckAnswer(GlyphTextToLetters(typedArbol), u"\u00E1rbol"));
    const std::u16string typedNino = {u'N', u'I', static_cast<char16_t>(0xFF00 | 213), u'O'};
    EXPECT_TRUE(CheckAnswer(GlyphTextToLetters(typedNino), u"ni\u00F1o"));
}

}  // namespace
